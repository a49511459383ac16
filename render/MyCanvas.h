// MyCanvas: the one drawing window. It owns the document, holds the view and
// the appearance, and repaints the whole figure through two off-screen
// pictures (background and screen) every 100 ms and whenever asked.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <wx/bitmap.h>
#include <wx/frame.h>
#include <wx/timer.h>
#include <wx/window.h>

#include "model/Document.h"
#include "render/Draw.h"
#include "render/Theme.h"
#include "render/View.h"

constexpr int kRepaintTimerId = 600;

struct GTextEdit;     // the values of the text dialog (interaction/ToolDialogs.h)
struct GAngleChoice;  // the values of the angle dialog

// Kept for the start-up sequence: the off-screen pictures are made per canvas
// at its own size, so there is nothing global to build. Returns 1.
int InitScreenBmp();

class MyCanvas : public wxWindow, public GDocumentHooks {
 public:
  // Creates the canvas below the mode toolbar of frame; user answers every
  // message (a recorder in tests). The canvas owns its document.
  MyCanvas(wxFrame* frame, GUser* user);
  ~MyCanvas() override;

  // ---- the document and the view ----
  // Never replaced: the view references below point into it.
  const std::unique_ptr<GDocument> m_Doc;
  wxFrame* m_Frame;
  int m_Width, m_Height;        // the frame's client size
  int m_OldWidth, m_OldHeight;  // the size at the last rescaling of texts
  int m_ToolbarHeight = 32;
  int m_CenterX = 0, m_CenterY = 0;
  wxRect m_ViewRect;
  double m_OriginX = 0.0, m_OriginY = 0.0;
  // The scale, world bounds and pick distances live in the document (the
  // core copies them into every step); these names refer to them.
  double& m_Scale;
  double& m_XMin;
  double& m_XMax;
  double& m_YMin;
  double& m_YMax;
  double& m_PickDistance;
  double& m_PickDistance2;
  bool m_BgDrawn = false;
  bool m_RefreshPending = false;
  wxTimer m_Timer;

  // ---- appearance ----
  GAppearance m_Look;
  wxBitmap m_PanelButton[3], m_PanelButtonPressed[3];  // touch-panel buttons

  // ---- interaction state read by drawing (set by the mouse handling) ----
  int m_Mode = kModeMove;     // tool mode
  int m_GMode = kGModeTovik;  // interaction style
  wxPoint m_MousePos;
  bool m_ShiftDown = false;
  bool m_LeftDown = false, m_RightDown = false;
  // A key such as N, P or E can arrive while a mouse button is held: the tool
  // then holds a point or element of the sheet on screen that it has not
  // finished placing. Commands that change the sheet or the document wait
  // until the button is released, so no half-built step is split from its
  // element.
  bool GestureUnderway() const { return m_LeftDown || m_RightDown; }
  bool m_SlideShow = false, m_SlideWaitClick = false;
  std::function<void()> m_AnimStep;  // one slide-show step, installed by the slide show
  bool m_TextArmed = false, m_ImageArmed = false;
  bool m_PanelKeep = false, m_PanelPoint = false, m_PanelMove = false;
  bool m_PanelPressed[3] = {false, false, false};
  bool m_PanelPickedPoint = false, m_PanelPickedText = false, m_PanelPickedName = false;
  bool m_Clipping = false;  // the Segment toggle
  bool m_AxisOn = false;
  bool m_CloneOn = false;  // the afterimage option
  bool m_Dragging = false;
  GList<GPoint> m_AfterPoints[3];
  GList<GLine> m_AfterLines[3];
  GList<GCircle> m_AfterCircles[3];
  wxPoint m_CompassMouse;
  wxPoint m_CompassCenter;  // pixels
  int m_CompassRadius = 0;  // pixels
  bool m_Preview = false;   // a construction in progress is shown
  GPoint* m_PreviewPoint[2] = {nullptr, nullptr};
  GLine* m_PreviewLine = nullptr;
  GCircle* m_PreviewCircle = nullptr;
  GBracket* m_PreviewBracket = nullptr;

  // ---- view ----
  GView View() const;
  // Recomputes the centre pixel, view rectangle and world bounds.
  void UpdateView();
  // Copies scale and bounds into every step of the current sheet and evaluates it.
  void PushViewToConsts();
  void OnModeZoomIn(double factor);
  void OnModeZoomOut(double factor);

  // ---- paint cycle ----
  void OnPaint(wxPaintEvent& event);
  void OnEraseBG(wxEraseEvent& event);
  void OnTimer(wxTimerEvent& event);
  void OnMouseEvent(wxMouseEvent& event);
  void LeaveWindow(wxMouseEvent& event);
  void OnDraw(wxDC& dc);
  void DrawBackGround(wxDC& dc);
  void DrawPanelButton(wxDC& dc);
  // Brings both off-screen pictures to at least the window's size.
  void EnsurePictures();
  wxBitmap& ScreenPicture() { return m_ScreenBmp; }
  wxBitmap& BackgroundPicture() { return m_BgBmp; }
  // Paints the figure into the screen picture (background copied in first),
  // as a repaint does before its copy into the window.
  void RenderToScreenPicture();
  void OnSize();
  void convert_textsize();
  void OnBenchMark();

  // ---- drawing of single elements and lists ----
  void DrawOnePoint(GPoint* p, wxDC& dc);
  void DrawOneLine(GLine* l, wxDC& dc);
  bool GetGeomXY(GLine* l, double* x1, double* y1, double* x2, double* y2);
  void DrawOneCircle(GCircle* c, wxDC& dc);
  void DrawOneCurve(GParaCurve* c, wxDC& dc);
  void DrawOneText(GText* t, wxDC& dc);
  void DrawOneImage(GImage* im, wxDC& dc);
  void DrawOneAngle(GAngle* a, wxDC& dc);
  void DrawOneBracket(GBracket* b, wxDC& dc);
  void DrawAxis(wxDC& dc);
  void DrawCompassCircle(wxDC& dc);
  void DrawPoints(GPoint* head, wxDC& dc);
  void DrawPoints(GConst* head, wxDC& dc);  // output points of the steps
  void DrawLines(GLine* head, wxDC& dc);
  void DrawCircles(GCircle* head, wxDC& dc);
  void DrawCurves(GParaCurve* head, wxDC& dc);
  void DrawTexts(GText* head, wxDC& dc);
  void DrawImages(GImage* head, wxDC& dc);
  void DrawAngles(GAngle* head, wxDC& dc);
  void DrawBrackets(GBracket* head, wxDC& dc);

  // ---- themes ----
  void SetTheme(int theme, int flag = 0);
  void OnPt(int slot);
  void OnLn(int slot);
  void OnAg(int style);
  // The Customize dialog (also "Background"); true when Ok was pressed.
  bool OnAppearSelect();
  // Puts the chosen styles into the slots, records them in the current sheet
  // and reloads them; the background is marked for redrawing.
  void ApplyAppearance(const int pointStyles[kSlots], const int lineStyles[kSlots], int bg);
  // Loads the current sheet's recorded styles and background (sheet switch).
  void LoadSheetAppearance();
  // Fills a record with point style `style` or background n (numbers without
  // a picture leave the background as it is). Each built-in picture is
  // decoded once per canvas: sheets and files repeat the same few styles.
  void LoadPointStyle(PtBmp& into, int style);
  void LoadBackground(BGBmp& into, int n);
  void SetAllAngleColor();
  void SetAllBracketColor();
  // Cuts the 384x32 touch-panel strip into the three normal and three pressed looks.
  void CutPanelButtons(const wxBitmap& strip);

  // ---- what the document asks of its window (render/CanvasDocument.cpp) ----
  // A sheet became current: a fresh one takes the theme, an existing one
  // brings its recorded styles; the canvas is repainted.
  void SheetSwitched(bool fresh) override;
  // A script set modes, the name colour or the window size: the drawing
  // state follows.
  void AppearanceRead() override;
  void TitleChanged(const wxString& title) override;

  // ---- mouse: dispatch, Point tool, dragging, selection (interaction/) ----
  // Button handlers by interaction style and tool mode; pixel positions.
  void LButtonDown(wxPoint& pos);
  void LButtonUp(wxPoint& pos);
  void LButtonDrag(wxPoint& pos);
  void RButtonDown(wxPoint& pos);
  void RButtonUp(wxPoint& pos);
  void RButtonDrag(wxPoint& pos);
  // The Point tool: press, each drag step (snapping onto points, lines,
  // circles, curves), release (the document decides what the point becomes).
  void LDown_SPoint(wxPoint& pos);
  void LDrag_Point(wxPoint& pos);
  void LUp_SPoint(wxPoint& pos);
  // The Move tool: picks a point, text, image (body or corner), bracket or,
  // with Shift, a point's name; each drag step moves it; the release ends it.
  void LDown_Move(wxPoint& pos);
  void LDrag_Move(wxPoint& pos);
  void LUp_Move(wxPoint& pos);
  void LUp_Select(wxPoint& pos);
  // Touch panel: the on-canvas button under pos (0..2, -1 for none); a tap.
  int PanelButtonAt(const wxPoint& pos) const;
  void PanelTap(wxPoint& pos);
  void PanelAction(wxPoint& pos);
  // Pixel hit tests that need fonts: a text's box, a point's name label.
  bool Snap2Text(GText* list, int px, int py);
  bool Snap2PtName(GPoint* list, int px, int py);
  int Snap2Image(GImage* list, int px, int py);
  // Afterimages of a point drag: three generations of copies of the point,
  // line and circle lists; made at the press, freed at the release.
  void OnCloneOn();
  void OnCloneOff();
  double WorldX(int px) const { return m_OriginX + (px - m_CenterX) * m_Scale; }
  double WorldY(int py) const { return m_OriginY - (py - m_CenterY) * m_Scale; }
  GPoint* m_PickedPoint = nullptr;  // the point a Move press picked
  bool m_MovingPoint = false, m_MovingText = false, m_MovingName = false;
  bool m_MovingBracket = false;
  int m_MovingImage = 0;                        // 0 none, 1 body, 2..5 corner handle
  double m_GrabOffsetX = 0, m_GrabOffsetY = 0;  // picked point minus pointer (world)
  GText* m_PickedText = nullptr;
  int m_TextGrabX = 0, m_TextGrabY = 0;  // pointer minus the text's corner (pixels)
  GPoint* m_PickedName = nullptr;        // the point whose name label was hit
  long m_DragStarted = 0;                // wxGetLocalTimeMillis of the press or last trail step
  std::function<void()> m_SlideClick;    // the slide show's click, installed by the slide show

  // ---- construction tools (interaction/Tool*.cpp) ----
  // Tovik-style gestures at canvas pixel positions: the two-point tools start
  // their element on the press (the drag is the Point tool's LDrag_Point) and
  // finish it on the release; the collecting tools act on each release.
  void LDown_MLine(wxPoint& pos);
  void LDown_Para(wxPoint& pos);
  void LDown_Perp(wxPoint& pos);
  void LDown_Mid(wxPoint& pos);
  void LDown_MCircle(wxPoint& pos);
  void LDown_Bracket(wxPoint& pos);
  void LDown_LineWithAngle(wxPoint& pos);
  void LDown_Bisector(wxPoint& pos);
  void LUp_MLine(wxPoint& pos);
  void LUp_Para(wxPoint& pos);
  void LUp_Perp(wxPoint& pos);
  void LUp_Mid(wxPoint& pos);
  void LUp_MCircle(wxPoint& pos);
  void LUp_Bracket(wxPoint& pos);
  void LUp_LineWithAngle(wxPoint& pos);
  void LUp_Bisector(wxPoint& pos);
  void LUp_Tangent(wxPoint& pos);
  void LUp_Angle(wxPoint& pos);
  void LUp_CircleBy3(wxPoint& pos);
  void LUp_Orbit(wxPoint& pos);
  void LUp_Compass(wxPoint& pos);
  void LUp_Text(wxPoint& pos);
  void LUp_Image(wxPoint& pos);
  // The frame's enabled and pressed buttons follow the selection (nothing
  // happens when the canvas sits in a bare frame).
  void RefreshToolbar();
  // Who answers the text and angle dialogs: a person through the modal
  // dialogs unless set (tests answer here). False means Cancel.
  std::function<bool(GTextEdit&)> m_AskText;
  std::function<bool(GAngleChoice&)> m_AskAngle;

 private:
  wxBitmap m_ScreenBmp, m_BgBmp;
  std::map<int, PtBmp> m_PointStyleCache;
  std::map<int, BGBmp> m_BackgroundCache;
  GPaint Paint();
  wxDECLARE_EVENT_TABLE();
};
