// The tools' half of the core: what exists only while a hand is on the mouse —
// the gesture's holds and hover flags, hit tests, placing points, the
// construction builders and the drag of a point — beside the document it acts on.
#pragma once

#include <cmath>
#include <string>

#include "model/Document.h"

struct GFormulaError;

class GGesture {
 private:
  GDocument& m_Doc;

 public:
  // Every hold is of doc's history, so an undo, erase or sheet switch lets go.
  explicit GGesture(GDocument& doc) : m_Doc(doc) {}
  GGesture(const GGesture&) = delete;
  GGesture& operator=(const GGesture&) = delete;
  GDocument& Doc() { return m_Doc; }
  // What the canvas reads and sets between events.
  bool Shift() const { return m_ShiftDown; }
  void SetShift(bool down) { m_ShiftDown = down; }
  void SetSelectClipMark(int mark) { m_SelectClipMark = mark; }
  // While Ctrl is held, a point being placed or dragged goes to whole units.
  void SetWholeUnits(bool on) { m_WholeUnits = on; }
  void ToWholeUnits(double* x, double* y) const {
    if (!m_WholeUnits) return;
    *x = std::round(*x);
    *y = std::round(*y);
  }
  bool Placing() const { return m_PlacingPoint; }
  bool PlacingTwoPoint() const { return m_PlacingPoint && m_GestureConst; }
  GPoint* PointBeingPlaced() const { return m_NewPoint; }
  GImage* PickedImage() const { return m_PickedImage; }
  GBracket* PickedBracket() const { return m_PickedBracket; }
  int ImageGrabX() const { return m_ImageGrabX; }
  int ImageGrabY() const { return m_ImageGrabY; }
  double AngleDegrees() const { return m_AngleDegrees; }
  void SetCurrentAngle(GAngle* a) { m_CurrentAngle = a; }
  GAngle* CurrentAngle() const { return m_CurrentAngle.Get(); }
  // The first point of a two-point gesture, and the circle the gesture draws
  // (never snapped to); a test may plant either as a press would.
  GPoint* StartPoint() const { return m_StartPoint.Get(); }
  void SetStartPoint(GPoint* p) { m_StartPoint = p; }
  GCircle* DrawingCircle() const { return m_DrawingCircle.Get(); }
  void SetDrawingCircle(GCircle* c) { m_DrawingCircle = c; }
  GLine* BisectorLine() const { return m_BisectorLine.Get(); }
  void SetBisectorLine(GLine* l) { m_BisectorLine = l; }
  // Whether the last drag step of a placing gesture hovered over a point.
  bool OverPoint() const { return m_SnapPoint; }

  // Whether e is what the gesture is making: the point being placed, or the
  // line, circle, midpoint or bracket of a two-point tool. It is lit from the
  // press on and listed only at the release.
  bool Making(const GObject* e) const { return e && (e == m_NewPoint || e == m_NewElement.Get()); }

  // ==== a point drag of the Move tool, press to release (GestureDrag.cpp) ====
  // The press on p, or on no point (none): records the modifier, hilights p
  // (alone unless shift) and restarts every point's motion record. False when
  // p cannot be moved; DragTo then moves nothing.
  bool BeginDrag(GPoint* p, bool shift);
  // One motion step: MovePoint of the point held. False when it did not move.
  bool DragTo(double x, double y);
  // The release: nothing is dragged any more; without shift no other point
  // stays hilighted, and the point held stays hilighted.
  void EndDrag(bool shift);

  // ==== hit testing and hilights (GestureSnap.cpp, GestureSelect.cpp) ====
  // Positions are world coordinates unless named px, py (canvas pixels).
  // Searches walk an element list from the element given (normally its head).
  bool NearPoint(GPoint* list, double* x, double* y, GPoint** out);
  bool Snapping(GPoint* list, double* x, double* y, GPoint** out);
  bool Snap2Line(GLine* list, double* x, double* y);
  bool Snap2Circle(GCircle* list, double* x, double* y);
  bool Snap2Curve(GParaCurve* list, double* x, double* y);
  int Snap2LineEx(GLine* list, double* x, double* y, GLine** first, GLine** second);
  int Snap2CircleEx(GCircle* list, double* x, double* y, GCircle** first, GCircle** second);
  int Snap2CurveEx(GParaCurve* list, double* x, double* y, GParaCurve** first, GParaCurve** second);
  bool Snap2Bracket(GBracket* list, double x, double y);
  // 0 none, 1 inside, 2 top-left, 3 bottom-left, 4 top-right, 5 bottom-right handle.
  int Snap2Image(GImage* list, int px, int py);
  bool AngleMarkHit(const GAngle* a, double x, double y);
  void SelectHilight(GPoint* list, double x, double y);
  void SelectHilight(GLine* list, double x, double y);
  void SelectHilight(GCircle* list, double x, double y);
  void SelectHilight(GParaCurve* list, double x, double y);
  bool SelectHilight(GAngle* list, double x, double y);  // true when a mark was hit
  void PtDragHilight(GPoint* list, double x, double y);
  void PtDragHilight(GLine* list, double x, double y);
  void PtDragHilight(GCircle* list, double x, double y);
  void PtDragHilight(GParaCurve* list, double x, double y);
  // The Select tool's tests on points, angle marks, brackets, lines, circles
  // and curves at (x, y). False when none hit: the canvas then tries texts and
  // images and, failing those too, clears all hilights.
  bool LUp_Select(double x, double y);

  // ==== placing points (GesturePlace.cpp) ====
  void ConstFree(double x, double y, bool hilight);
  int ConstOnLine(GLine*);
  int ConstOnCircle(GCircle*);
  int ConstOnCurve(GParaCurve*);
  void ConstMeet(GLine*, GLine*);
  void ConstMeet(GCircle*, GLine*, double x, double y);
  void ConstMeet(GCircle*, GCircle*, double x, double y);
  // The Point tool's gesture at world positions: press, each drag step, release.
  void LDown_SPoint(double x, double y);
  void LDrag_Point(double x, double y);
  int LUp_SPoint(double x, double y);
  // Decides what the point being placed becomes; (x, y) may move onto what was
  // found. 0 undecided (the point and its step are removed), 1 dropped on an
  // existing point, 2 on the start point, 3 on a line, 4 two lines, 5 circle and
  // line, 6 on a circle, 7 two circles, 8 on a curve, 9 free.
  int LUp_Point(double* x, double* y);
  // The point a release gave: the new point, or the existing one it was dropped
  // on or coincided with; none after code 0.
  GPoint* PlacedPoint() const;
  // The release ended on an existing point p (see PlacedPoint).
  void DroppedOn(GPoint* p) { m_DropPoint = p; }

  // ==== construction builders (GestureBuild*.cpp, GestureTwoPoint.cpp) ====
  // The model half of the construction tools. The ConstDef* builders read the
  // hilight lists (P1, P2, P3 the hilighted points in order, L1 the first
  // hilighted line, ...) and return true when the figure gained an element;
  // where the asked-for element exists already it is hilighted instead.
  // Tovik bisector: 1 once the first line is clicked (and still held).
  int BisectorClicks() const { return m_BisectorLine ? 1 : 0; }
  bool ConstDefLine();
  bool ConstDefClippingLine();
  void LineClippingon();
  void SetClipping(bool on);  // the Clipping toggle's mark on the hilighted lines and circles
  bool ConstDefPara();
  bool ConstDefPerp();
  bool ConstDefBisector();                                   // of the angle P1 P2 P3
  bool ConstDefBisector(GLine* l1, GLine* l2, double side);  // of two lines
  bool ConstDefTangent();
  bool ConstDefCurveTangent();
  bool ConstDefLineWithAngle();
  bool ConstDefMid();
  bool ConstDefCircle();
  bool ConstDefCompass();
  bool ConstDefCircleBy3();
  bool ConstDefMeet();
  bool ConstDefAngle();
  bool ConstDefBracket();
  bool ConstDefOrbit();
  // Curves from formulas (GestureBuildCurve.cpp): a curve record holding the text
  // (a graph keeps it as both components); none when the pool is full.
  GParaCurve* NewGraphCurve(const std::string& text);
  GParaCurve* NewParaCurve(const std::string& first, const std::string& second);
  // The Graph command: "f(x)" makes a graph over [xmin, xmax], "f(x),g(x)" a
  // parametric curve. Returns 0 when the curve was built; otherwise the
  // formula's error code, which the person was shown ("error %d" and a line
  // saying what is wrong where), also in `error` when asked for.
  int AddGraph(const std::string& formula, double xmin, double xmax,
               GFormulaError* error = nullptr);
  // The angle dialog's two choices for the line-with-angle tool. By names:
  // false (nothing changes) unless all three name points of the sheet.
  bool SetCurrentAngleByNames(const std::string& a, const std::string& vertex,
                              const std::string& b);
  void SetAngleDegrees(const std::string& text);  // 60 when the text is not a number
  // Whether a construction button (a tool mode) fits the hilighted
  // selection in the Quil and touch-panel styles.
  bool CanBuild(GToolMode tool) const;
  // Tovik collecting tools: one click on the point, line or curve the snapping
  // found (none when it found nothing). True when the click built the element.
  bool CollectAnglePoint(GPoint* p);      // Angle
  bool CollectCircleBy3Point(GPoint* p);  // CircleBy3
  bool CollectOrbitPoint(GPoint* p);      // Orbit
  // Compass: the number of points now chosen (1 and 2 tell the canvas
  // to take the pointer position and the radius); 3 after building.
  int CollectCompassPoint(GPoint* p);
  void StartBisectorTool();
  bool BisectorClick(GLine* line, double x, double y);  // Bisector
  // Tangent: what was hilighted before the click's selection, and the
  // build after it.
  struct TangentPick {
    GPoint* point = nullptr;
    GCircle* circle = nullptr;
    GParaCurve* curve = nullptr;
  };
  TangentPick RememberTangentPick() const;
  bool TangentAfterSelect(const TangentPick& before);
  // Tovik two-point gestures (TwoPointTool modes) at world positions.
  // The press starts the element with a moving second point (m_NewPoint);
  // `snapped` is the point found at the press, `base` the line found (Para,
  // Perp, AngleLine: without it nothing starts). False when nothing started.
  bool BeginTwoPointGesture(GToolMode mode, double x, double y, GPoint* snapped, GLine* base,
                            bool clipped);
  // The release: LUp_Point decides the second point, then the element is kept
  // or (dropped on the start point) removed, and what the second point lit up
  // on its way stays lit only when chosen. Returns LUp_Point's code.
  int EndTwoPointGesture(GToolMode mode, double x, double y);
  int SetDownGesture(GToolMode mode, double x, double y);  // the release's decision and build
  // Building blocks of the builders.
  GLine* NewToolLine(GPoint* through);
  GConst* NewLineStep(int type, GPoint* through);
  bool FinishLine(GConst* c, bool announce);
  // The common end of a builder: the element step c made, alone hilighted, goes
  // into its list, and the step to the log.
  void ShowNewOutput(GConst* c);
  void ShowExisting(GLine* l);
  bool MakeJoin(GPoint* p, GPoint* q, bool clipped);
  bool MakeParaOrPerp(int type);
  bool MakeLineWithAngle(GLine* base, GPoint* p);
  bool MakeCircleStep(int type, GPoint* p1, GPoint* p2, GPoint* p3);
  int MakeMeetPair(GLine* l, GCircle* c1, GCircle* c2);
  bool CollectPointFor3(GPoint* p, bool (GGesture::*build)());
  static double BisectorSide(const GLine& l1, const GLine& l2, double x1, double y1, double x2,
                             double y2);

  // A mark chosen earlier may have been erased or undone since, or belong to
  // another sheet: it is forgotten, so no step refers to a freed mark.
  void DropStaleCurrentAngle();

 private:
  GHandle<GPoint> m_DragPoint{&m_Doc.History()};  // the point the press took hold of
  bool m_ShiftDown = false;  // Shift held at the latest mouse event; the canvas copies it here
  // What selecting a line does to its clipped mark: -1 leaves it (Quil and
  // touch-panel styles), 0 or 1 sets it (Tovik style, the Clipping toggle).
  int m_SelectClipMark = -1;
  GHandle<GCircle> m_DrawingCircle{
      &m_Doc.History()};  // drawn by the current gesture: never snapped to
  // Hover flags written by each drag step of a placing gesture, read at release.
  bool m_SnapPoint = false, m_NearLine = false, m_NearCircle = false, m_NearCurve = false;
  GHandle<GAngle> m_PickedAngle{&m_Doc.History()};
  GHandle<GBracket> m_PickedBracket{&m_Doc.History()};
  GHandle<GImage> m_PickedImage{&m_Doc.History()};
  int m_ImageGrabX = 0, m_ImageGrabY = 0;  // pointer minus the grabbed corner (pixels)
  GPoint* m_NewPoint = nullptr;            // the point being placed; in no list until released
  GHandle<GPoint> m_StartPoint{&m_Doc.History()};  // first point of a two-point gesture
  // The existing point a release ended on: the point dropped on (codes 1 and
  // 2) or the old point a new intersection turned out to coincide with.
  GHandle<GPoint> m_DropPoint{&m_Doc.History()};
  bool m_PlacingPoint = false;
  // The line, circle, midpoint or bracket of a two-point gesture, and its step.
  GHandle<GObject> m_NewElement{&m_Doc.History()};
  GHandle<GConst> m_GestureConst{&m_Doc.History()};
  double m_AngleDegrees = 60;  // angle of the line-with-angle tool without a mark
  GHandle<GAngle> m_CurrentAngle{
      &m_Doc.History()};  // the mark that tool uses, or none for m_AngleDegrees
  GHandle<GLine> m_BisectorLine{&m_Doc.History()};
  double m_BisectorX = 0, m_BisectorY = 0;  // where the first line was clicked
  bool m_WholeUnits = false;
};
