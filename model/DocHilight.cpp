// Hilighting: the per-kind hilight lists and the elements' flags, kept in step.
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
