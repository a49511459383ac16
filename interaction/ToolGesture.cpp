// The two-point tools of the Tovik style (Line, Para, Perp, Mid, Circle,
// Bracket, Line with angle): the press makes the element with a second point
// that follows the pointer, the release settles that point and keeps or drops
// the element. The geometry of each step lives in the document.
#include "interaction/ToolWorld.h"
#include "interaction/MyCanvas.h"

namespace {

// Starts a gesture of `mode` at pixel pos. Para, Perp and AngleLine need a
// line under the pointer and start nothing without one; the others start on
// the point under the pointer or on a new free point there.
void BeginGesture(MyCanvas& canvas, GToolMode mode, const wxPoint& pos) {
  GDocument& d = *canvas.m_Doc;
  GGesture& g = canvas.Gesture();
  double x = 0, y = 0;
  PixelToWorld(canvas, pos, &x, &y);
  GPoint* snapped = nullptr;
  GLine* base = nullptr;
  if (mode == kModePara || mode == kModePerp || mode == kModeLineWithAngle) {
    double lx = x, ly = y;
    GLine* second = nullptr;
    g.Snap2LineEx(d.Sheet().lines.head, &lx, &ly, &base, &second);
    if (!base) return;
  } else {
    double sx = x, sy = y;
    if (!g.Snapping(d.Sheet().points.head, &sx, &sy, &snapped)) snapped = nullptr;
  }
  g.BeginTwoPointGesture(mode, x, y, snapped, base, canvas.m_Tool.m_Clipping);
  canvas.m_RefreshPending = true;
  canvas.Refresh(false);
}

void EndGesture(MyCanvas& canvas, GToolMode mode, const wxPoint& pos) {
  GGesture& g = canvas.Gesture();
  if (!g.PlacingTwoPoint()) return;
  double x = 0, y = 0;
  PixelToWorld(canvas, pos, &x, &y);
  g.EndTwoPointGesture(mode, x, y);  // also unlights what the second point passed
  canvas.RefreshToolbar();
  canvas.Refresh(false);
}

}  // namespace

void PixelToWorld(const MyCanvas& canvas, const wxPoint& pos, double* x, double* y) {
  const GView v = canvas.View();
  *x = v.WorldX(pos.x);
  *y = v.WorldY(pos.y);
}

void MyCanvas::LDown_MLine(wxPoint& pos) { BeginGesture(*this, kModeMLine, pos); }
void MyCanvas::LDown_Para(wxPoint& pos) { BeginGesture(*this, kModePara, pos); }
void MyCanvas::LDown_Perp(wxPoint& pos) { BeginGesture(*this, kModePerp, pos); }
void MyCanvas::LDown_Mid(wxPoint& pos) { BeginGesture(*this, kModeMid, pos); }
void MyCanvas::LDown_MCircle(wxPoint& pos) { BeginGesture(*this, kModeMCircle, pos); }
void MyCanvas::LDown_Bracket(wxPoint& pos) { BeginGesture(*this, kModeBracket, pos); }
// The bisector of two lines is made by two clicks, each acting on release.
void MyCanvas::LDown_Bisector(wxPoint&) {}

void MyCanvas::LDown_LineWithAngle(wxPoint& pos) {
  // A mark chosen earlier may have been erased or undone since (or belong to
  // another sheet): the step must not refer to a freed mark, so the typed
  // angle is used instead.
  Gesture().DropStaleCurrentAngle();
  BeginGesture(*this, kModeLineWithAngle, pos);
}

void MyCanvas::LUp_MLine(wxPoint& pos) { EndGesture(*this, kModeMLine, pos); }
void MyCanvas::LUp_Para(wxPoint& pos) { EndGesture(*this, kModePara, pos); }
void MyCanvas::LUp_Perp(wxPoint& pos) { EndGesture(*this, kModePerp, pos); }
void MyCanvas::LUp_Mid(wxPoint& pos) { EndGesture(*this, kModeMid, pos); }
void MyCanvas::LUp_MCircle(wxPoint& pos) { EndGesture(*this, kModeMCircle, pos); }
void MyCanvas::LUp_Bracket(wxPoint& pos) { EndGesture(*this, kModeBracket, pos); }
void MyCanvas::LUp_LineWithAngle(wxPoint& pos) { EndGesture(*this, kModeLineWithAngle, pos); }
