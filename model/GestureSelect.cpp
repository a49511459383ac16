// Selecting with the mouse: the elements under the pointer join or replace the
// hilights, a point being placed lights what it passes over, and the Select
// tool's tests.
#include "model/Gesture.h"
#include "model/HitTest.h"
#include "model/PutAway.h"

// ---- selecting ----
// Every element under the pointer is selected in list order; without Shift
// each selection first clears all others, so the last one hit stays, and the
// elements not hit leave the selection. Hidden elements are not selected
// (an undone or hidden element would otherwise be consumed, unseen, by the
// construction buttons), except those put away while they are shown faintly.

namespace {
template <class T, class HitTest>
void SelectWalk(GGesture& g, T* list, HitTest hit) {
  GDocument& doc = g.Doc();
  for (T* e = list; e; e = e->next) {
    const Hit h = hit(e);
    if (h == Hit::kNotReal) return;
    if (h == Hit::kHit && Choosable(doc, e)) {
      if (!g.Shift()) doc.ClearAllHilights();
      doc.Sethilighted(e);
    } else if (!g.Shift()) {
      doc.Deletehilighted(e);
    }
  }
}
}  // namespace

void GGesture::SelectHilight(GPoint* list, double x, double y) {
  SelectWalk(*this, list, [&](GPoint* p) {
    const double dx = p->xz().re - x, dy = p->yz().re - y;
    return dx * dx + dy * dy < m_Doc.Viewport().PickDistance2() ? Hit::kHit : Hit::kMiss;
  });
}

void GGesture::SelectHilight(GLine* list, double x, double y) {
  SelectWalk(*this, list, [&](GLine* l) {
    double fx = 0, fy = 0;
    const Hit h = LineHit(l, x, y, m_Doc.Viewport().PickDistance2(), &fx, &fy);
    // In Tovik style a selected line takes the state of the Clipping toggle.
    if (h == Hit::kHit && Choosable(m_Doc, l) && m_SelectClipMark >= 0)
      l->toolMark = static_cast<unsigned char>(m_SelectClipMark);
    return h;
  });
}

void GGesture::SelectHilight(GCircle* list, double x, double y) {
  SelectWalk(*this, list, [&](GCircle* c) {
    if (c == m_DrawingCircle) return Hit::kMiss;
    return CircleHit(c, x, y, m_Doc.Viewport().PickDistance());
  });
}

void GGesture::SelectHilight(GParaCurve* list, double x, double y) {
  SelectWalk(*this, list, [&](GParaCurve* c) {
    double qx = 0, qy = 0;
    return CurveHit(c, x, y, m_Doc.Viewport().PickDistance2(), &qx, &qy) ? Hit::kHit : Hit::kMiss;
  });
}

bool GGesture::SelectHilight(GAngle* list, double x, double y) {
  m_PickedAngle = nullptr;
  for (GAngle* a = list; a; a = a->next) {
    if (!AngleMarkHit(a, x, y)) continue;
    if (!m_ShiftDown) m_Doc.ClearAllHilights();
    m_Doc.Sethilighted(a);
    m_PickedAngle = a;
    return true;
  }
  return false;
}

// ---- temporary hilight while a point is placed: flags only ----

namespace {
template <class T, class HitTest>
void DragWalk(GGesture& g, T* list, HitTest hit) {
  for (T* e = list; e; e = e->next) {
    const Hit h = hit(e);
    if (h == Hit::kNotReal) {
      e->hilighted = 0;
      return;
    }
    if (h == Hit::kHit && !e->hidden)
      e->hilighted = 1;
    else if (!g.Shift())
      e->hilighted = 0;
  }
}
}  // namespace

void GGesture::PtDragHilight(GPoint* list, double x, double y) {
  DragWalk(*this, list, [&](GPoint* p) {
    const double dx = p->xz().re - x, dy = p->yz().re - y;
    return dx * dx + dy * dy < m_Doc.Viewport().PickDistance2() ? Hit::kHit : Hit::kMiss;
  });
}

void GGesture::PtDragHilight(GLine* list, double x, double y) {
  DragWalk(*this, list, [&](GLine* l) {
    double fx = 0, fy = 0;
    return LineHit(l, x, y, m_Doc.Viewport().PickDistance2(), &fx, &fy);
  });
}

void GGesture::PtDragHilight(GCircle* list, double x, double y) {
  DragWalk(*this, list, [&](GCircle* c) {
    if (c == m_DrawingCircle) return Hit::kMiss;
    return CircleHit(c, x, y, m_Doc.Viewport().PickDistance());
  });
}

void GGesture::PtDragHilight(GParaCurve* list, double x, double y) {
  DragWalk(*this, list, [&](GParaCurve* c) {
    double qx = 0, qy = 0;
    return CurveHit(c, x, y, m_Doc.Viewport().PickDistance2(), &qx, &qy) ? Hit::kHit : Hit::kMiss;
  });
}

// ---- the Select tool ----
// The hover flags keep what the point and carrier tests found, as after a
// drag step.
bool GGesture::LUp_Select(double x, double y) {
  GSheet& s = m_Doc.Sheet();
  if (!m_ShiftDown) m_Doc.ClearAllHilights();
  m_NearLine = m_NearCircle = m_NearCurve = false;
  double px = x, py = y;
  GPoint* p = nullptr;
  m_SnapPoint = Snapping(s.points.head, &px, &py, &p);
  if (m_SnapPoint) {
    SelectHilight(s.points.head, x, y);
    return true;
  }
  if (SelectHilight(s.angles.head, x, y)) return true;
  if (Snap2Bracket(s.brackets.head, x, y)) {
    m_Doc.Sethilighted(m_PickedBracket);
    return true;
  }
  px = x;
  py = y;
  m_NearLine = Snap2Line(s.lines.head, &px, &py);
  if (m_NearLine) {
    SelectHilight(s.lines.head, x, y);
    return true;
  }
  px = x;
  py = y;
  m_NearCircle = Snap2Circle(s.circles.head, &px, &py);
  if (m_NearCircle) {
    SelectHilight(s.circles.head, x, y);
    return true;
  }
  px = x;
  py = y;
  m_NearCurve = Snap2Curve(s.curves.head, &px, &py);
  if (m_NearCurve) {
    SelectHilight(s.curves.head, x, y);
    return true;
  }
  return false;
}
