// Elements put away on purpose: hidden by an Invisible step or a file's
// "invisible" while the step that made them stays in the sheet's list. An
// undone element is hidden as well, but its step waits on the redo stack, so
// it is not one of these and is never shown faintly nor chosen.
#pragma once

#include "model/Document.h"

inline bool HiddenOnPurpose(const GObject* e) { return e->hidden; }
// An angle mark's `hidden` also covers arms that are not defined.
inline bool HiddenOnPurpose(const GAngle* a) { return a->userHidden; }

template <class T>
bool PutAway(GDocument& d, const T* e) {
  if (!e || !HiddenOnPurpose(e)) return false;
  for (const GConst* c = d.FirstConst(); c; c = c->next)
    if (c->Output() == e) return true;
  return false;
}

// Whether the person can choose e: a visible element, or one put away while
// hidden elements are shown faintly.
template <class T>
bool Choosable(GDocument& d, const T* e) {
  return !e->hidden || (d.Viewport().ShowHidden() && PutAway(d, e));
}

// Turns the faint showing on or off; off, the hidden elements chosen
// meanwhile leave the selection, so no construction takes them unseen.
inline void SetShowHidden(GDocument& d, bool on) {
  d.Viewport().SetShowHidden(on);
  if (on) return;
  auto drop = [&](auto& list) {
    for (int i = list.Count() - 1; i >= 0; --i)
      if (list[i]->hidden) d.Deletehilighted(list[i]);
  };
  drop(d.Selection().Points());
  drop(d.Selection().Lines());
  drop(d.Selection().Circles());
  drop(d.Selection().Curves());
  drop(d.Selection().Angles());
  drop(d.Selection().Brackets());
}
