// Hilighting: the per-kind hilight lists and the elements' flags, kept in step.
#include "model/Document.h"
#include "model/HitTest.h"

namespace {
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
