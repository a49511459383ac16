// The collecting tools of the Tovik style: Angle, Circle by three points,
// Orbit and Compass gather clicked points, Tangent a point and a circle or
// curve, Bisector two lines; each builds once it has enough.
#include <cmath>

#include "interaction/ToolWorld.h"
#include "model/Lookup.h"
#include "interaction/MyCanvas.h"

namespace {

// The point under the pixel, or none.
GPoint* PointAt(MyCanvas& canvas, const wxPoint& pos) {
  GDocument& d = *canvas.m_Doc;
  GGesture& g = canvas.Gesture();
  double x = 0, y = 0;
  PixelToWorld(canvas, pos, &x, &y);
  GPoint* p = nullptr;
  if (!g.Snapping(d.Sheet().points.head, &x, &y, &p)) return nullptr;
  return p;
}

// A locus needs a first point that can run along something: a point on a
// circle (whose circle is shown with it) or on a line. Any other first point
// is let go, and the next click starts again. The second point is the one
// whose path is traced.
bool CollectOrbit(GGesture& g, GPoint* p) {
  GDocument& d = g.Doc();
  if (d.Selection().Points().Count() == 0)
    while (d.Selection().Circles().Count() > 0) d.Deletehilighted(d.Selection().Circles()[0]);
  if (p && !(d.Selection().Points().Count() == 1 && d.Selection().Points()[0] == p))
    d.Sethilighted(p);
  if (d.Selection().Points().Count() >= 2) return g.ConstDefOrbit();
  if (d.Selection().Points().Count() == 1) {
    GConst* step = nullptr;
    FindPtFromCn(d.FirstConst(), d.Selection().Points()[0], &step);
    const GStepKind type = step ? step->type : GStepKind{};
    if (type == CONST_PT_ON_CIRCLE)
      d.Sethilighted(step->CInput1);
    else if (!BoundToLine(type))
      d.Deletehilighted(d.Selection().Points()[0]);
  }
  return false;
}

void Done(MyCanvas& canvas) {
  canvas.RefreshToolbar();
  canvas.Refresh(false);
}

}  // namespace

void MyCanvas::LUp_Angle(wxPoint& pos) {
  Gesture().CollectAnglePoint(PointAt(*this, pos));
  Done(*this);
}

void MyCanvas::LUp_CircleBy3(wxPoint& pos) {
  Gesture().CollectCircleBy3Point(PointAt(*this, pos));
  Done(*this);
}

void MyCanvas::LUp_Orbit(wxPoint& pos) {
  CollectOrbit(Gesture(), PointAt(*this, pos));
  Done(*this);
}

// The compass opens on its first point: the pixel where it was taken is the
// centre of the circle drawn while the second point is sought, and the second
// point fixes the radius that the circle keeps while it is carried to the third.
void MyCanvas::LUp_Compass(wxPoint& pos) {
  const int before = m_Doc->Selection().Points().Count();
  const int now = Gesture().CollectCompassPoint(PointAt(*this, pos));
  if (now == 1 && before != 1) {
    m_Tool.m_CompassCenter = pos;
    m_Tool.m_CompassRadius = 0;
  } else if (now == 2 && before == 1) {
    m_Tool.m_CompassRadius = static_cast<int>(
        std::floor(std::hypot(pos.x - m_Tool.m_CompassCenter.x, pos.y - m_Tool.m_CompassCenter.y)));
  } else if (now >= 3) {
    m_Tool.m_CompassRadius = 0;
  }
  Done(*this);
}

void MyCanvas::LUp_Tangent(wxPoint& pos) {
  GGesture& g = Gesture();
  const GGesture::TangentPick before = g.RememberTangentPick();
  double x = 0, y = 0;
  PixelToWorld(*this, pos, &x, &y);
  g.LUp_Select(x, y);
  g.TangentAfterSelect(before);
  Done(*this);
}

void MyCanvas::LUp_Bisector(wxPoint& pos) {
  GDocument& d = *m_Doc;
  GGesture& g = Gesture();
  double x = 0, y = 0;
  PixelToWorld(*this, pos, &x, &y);
  double lx = x, ly = y;
  GLine* first = nullptr;
  GLine* second = nullptr;
  if (!g.Snap2LineEx(d.Sheet().lines.head, &lx, &ly, &first, &second) || !first) return;
  g.BisectorClick(first, x, y);
  Done(*this);
}
