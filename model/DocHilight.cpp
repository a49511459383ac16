// Hilighting: the per-kind hilight lists and flags, selecting the elements
// under the pointer, the temporary hilight of elements near a point being
// placed, and the Select tool's tests.
#include "model/Document.h"
#include "model/HitTest.h"

// ---- list maintenance ----

void GDocument::Sethilighted(GPoint* p) {
  if (!p) return;
  p->hilighted = 1;
  p->hilightCounter = 3;  // the blinking bitmap restarts at frame 3
  Selection().Points().Add(p);
}
void GDocument::Sethilighted(GLine* l) {
  if (!l) return;
  l->hilighted = 1;
  Selection().Lines().Add(l);
}
void GDocument::Sethilighted(GCircle* c) {
  if (!c) return;
  c->hilighted = 1;
  Selection().Circles().Add(c);
}
void GDocument::Sethilighted(GParaCurve* c) {
  if (!c) return;
  c->hilighted = 1;
  Selection().Curves().Add(c);
}
void GDocument::Sethilighted(GAngle* a) {
  if (!a) return;
  a->hilighted = 1;
  Selection().Angles().Add(a);
}
void GDocument::Sethilighted(GImage* im) {
  if (!im) return;
  im->hilighted = 1;
  Selection().Images().Add(im);
}
void GDocument::Sethilighted(GBracket* b) {
  if (!b) return;
  b->hilighted = 1;
  Selection().Brackets().Add(b);
}

namespace {
template <class T>
void Unhilight(T* e, GHilightList<T>& list) {
  if (!e) return;
  e->hilighted = 0;
  list.Remove(e);
}
template <class T>
void ClearFlags(T* head) {
  for (T* e = head; e; e = e->next) e->hilighted = 0;
}
template <class T>
void ClearUnchosen(T* head, const GHilightList<T>& chosen) {
  for (T* e = head; e; e = e->next)
    if (e->hilighted && !chosen.Contains(e)) e->hilighted = 0;
}
}  // namespace

void GDocument::Deletehilighted(GPoint* p) { Unhilight(p, Selection().Points()); }
void GDocument::Deletehilighted(GLine* l) { Unhilight(l, Selection().Lines()); }
void GDocument::Deletehilighted(GCircle* c) { Unhilight(c, Selection().Circles()); }
void GDocument::Deletehilighted(GParaCurve* c) { Unhilight(c, Selection().Curves()); }
void GDocument::Deletehilighted(GAngle* a) { Unhilight(a, Selection().Angles()); }
void GDocument::Deletehilighted(GImage* im) { Unhilight(im, Selection().Images()); }
void GDocument::Deletehilighted(GBracket* b) { Unhilight(b, Selection().Brackets()); }

// Elements listed but no longer in a sheet list (a point being placed) keep
// no flag either.
void GDocument::ClearAllHilights() {
  GSheet& s = Sheet();
  ClearFlags(s.points.head);
  ClearFlags(s.lines.head);
  ClearFlags(s.circles.head);
  ClearFlags(s.curves.head);
  ClearFlags(s.texts.head);
  ClearFlags(s.angles.head);
  ClearFlags(s.images.head);
  ClearFlags(s.brackets.head);
  for (int i = 0; i < Selection().Points().Count(); ++i) Selection().Points()[i]->hilighted = 0;
  Selection().Points().Clear();
  Selection().Lines().Clear();
  Selection().Circles().Clear();
  Selection().Curves().Clear();
  Selection().Angles().Clear();
  Selection().Images().Clear();
  Selection().Brackets().Clear();
}

void GDocument::DropUnchosenHilights() {
  GSheet& s = Sheet();
  ClearUnchosen(s.points.head, Selection().Points());
  ClearUnchosen(s.lines.head, Selection().Lines());
  ClearUnchosen(s.circles.head, Selection().Circles());
  ClearUnchosen(s.curves.head, Selection().Curves());
}

// ---- selecting ----
// Every element under the pointer is selected in list order; without Shift
// each selection first clears all others, so the last one hit stays, and the
// elements not hit leave the selection. Hidden elements are never selected:
// an undone or hidden element would otherwise be consumed, unseen, by the
// construction buttons.

namespace {
template <class T, class HitTest>
void SelectWalk(GDocument& doc, T* list, HitTest hit) {
  for (T* e = list; e; e = e->next) {
    const Hit h = hit(e);
    if (h == Hit::kNotReal) return;
    if (h == Hit::kHit && !e->hidden) {
      if (!doc.m_ShiftDown) doc.ClearAllHilights();
      doc.Sethilighted(e);
    } else if (!doc.m_ShiftDown) {
      doc.Deletehilighted(e);
    }
  }
}
}  // namespace

void GDocument::SelectHilight(GPoint* list, double x, double y) {
  SelectWalk(*this, list, [&](GPoint* p) {
    const double dx = p->xz().re - x, dy = p->yz().re - y;
    return dx * dx + dy * dy < m_Viewport.PickDistance2() ? Hit::kHit : Hit::kMiss;
  });
}

void GDocument::SelectHilight(GLine* list, double x, double y) {
  SelectWalk(*this, list, [&](GLine* l) {
    double fx = 0, fy = 0;
    const Hit h = LineHit(l, x, y, m_Viewport.PickDistance2(), &fx, &fy);
    // In Tovik style a selected line takes the state of the Clipping toggle.
    if (h == Hit::kHit && !l->hidden && m_SelectClipMark >= 0)
      l->toolMark = static_cast<unsigned char>(m_SelectClipMark);
    return h;
  });
}

void GDocument::SelectHilight(GCircle* list, double x, double y) {
  SelectWalk(*this, list, [&](GCircle* c) {
    if (c == m_DrawingCircle) return Hit::kMiss;
    return CircleHit(c, x, y, m_Viewport.PickDistance());
  });
}

void GDocument::SelectHilight(GParaCurve* list, double x, double y) {
  SelectWalk(*this, list, [&](GParaCurve* c) {
    double qx = 0, qy = 0;
    return CurveHit(c, x, y, m_Viewport.PickDistance2(), &qx, &qy) ? Hit::kHit : Hit::kMiss;
  });
}

bool GDocument::SelectHilight(GAngle* list, double x, double y) {
  m_PickedAngle = nullptr;
  for (GAngle* a = list; a; a = a->next) {
    if (!AngleMarkHit(a, x, y)) continue;
    if (!m_ShiftDown) ClearAllHilights();
    Sethilighted(a);
    m_PickedAngle = a;
    return true;
  }
  return false;
}

// ---- temporary hilight while a point is placed: flags only ----

namespace {
template <class T, class HitTest>
void DragWalk(GDocument& doc, T* list, HitTest hit) {
  for (T* e = list; e; e = e->next) {
    const Hit h = hit(e);
    if (h == Hit::kNotReal) {
      e->hilighted = 0;
      return;
    }
    if (h == Hit::kHit && !e->hidden)
      e->hilighted = 1;
    else if (!doc.m_ShiftDown)
      e->hilighted = 0;
  }
}
}  // namespace

void GDocument::PtDragHilight(GPoint* list, double x, double y) {
  DragWalk(*this, list, [&](GPoint* p) {
    const double dx = p->xz().re - x, dy = p->yz().re - y;
    return dx * dx + dy * dy < m_Viewport.PickDistance2() ? Hit::kHit : Hit::kMiss;
  });
}

void GDocument::PtDragHilight(GLine* list, double x, double y) {
  DragWalk(*this, list, [&](GLine* l) {
    double fx = 0, fy = 0;
    return LineHit(l, x, y, m_Viewport.PickDistance2(), &fx, &fy);
  });
}

void GDocument::PtDragHilight(GCircle* list, double x, double y) {
  DragWalk(*this, list, [&](GCircle* c) {
    if (c == m_DrawingCircle) return Hit::kMiss;
    return CircleHit(c, x, y, m_Viewport.PickDistance());
  });
}

void GDocument::PtDragHilight(GParaCurve* list, double x, double y) {
  DragWalk(*this, list, [&](GParaCurve* c) {
    double qx = 0, qy = 0;
    return CurveHit(c, x, y, m_Viewport.PickDistance2(), &qx, &qy) ? Hit::kHit : Hit::kMiss;
  });
}

// ---- the Select tool ----
// The hover flags keep what the point and carrier tests found, as after a
// drag step.
bool GDocument::LUp_Select(double x, double y) {
  GSheet& s = Sheet();
  if (!m_ShiftDown) ClearAllHilights();
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
    Sethilighted(m_PickedBracket);
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
