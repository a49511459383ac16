// Undo and redo of the current sheet's construction list, zoom steps and the
// Invisible command. An undone step waits on the redo stack while its element
// stays in its list, hidden, so redo can bring back the very same element.
#include <vector>

#include "model/ViewSteps.h"
#include "model/Document.h"
#include "model/PutAway.h"

namespace {

// Calls f with the typed element a step made (by its output kind).
template <class F>
void ForOutput(GConst* c, F f) {
  switch (c->Output_Type()) {
    case OUTPUT_POINT:
      if (c->POutput) f(c->POutput);
      break;
    case OUTPUT_LINE:
      if (c->LOutput) f(c->LOutput);
      break;
    case OUTPUT_CIRCLE:
      if (c->COutput) f(c->COutput);
      break;
    case OUTPUT_TEXT:
      if (c->TextOutput) f(c->TextOutput);
      break;
    case OUTPUT_CURVE:
      if (c->CurveOutput) f(c->CurveOutput);
      break;
    case OUTPUT_ANGLE:
      if (c->AngleOutput) f(c->AngleOutput);
      break;
    case OUTPUT_IMAGE:
      if (c->ImageOutput) f(c->ImageOutput);
      break;
    case OUTPUT_BRACKET:
      if (c->BracketOutput) f(c->BracketOutput);
      break;
    default:
      break;
  }
}

// Calls f with the typed element an Invisible step hides.
template <class F>
void ForHidden(GConst* c, F f) {
  if (c->LInput1) f(c->LInput1);
  if (c->PInput1) f(c->PInput1);
  if (c->CInput1) f(c->CInput1);
  if (c->TextInput1) f(c->TextInput1);
  if (c->AngleInput1) f(c->AngleInput1);
  if (c->CurveInput1) f(c->CurveInput1);
  if (c->ImageInput1) f(c->ImageInput1);
  if (c->BracketInput1) f(c->BracketInput1);
}

// A hidden element leaves the selection: a construction button must not
// build on something the child cannot see. Texts have no selection list.
void Unselect(GDocument&, GText* t) { t->hilighted = 0; }
template <class T>
void Unselect(GDocument& d, T* e) {
  d.Deletehilighted(e);
}

// What Invisible does to an element and what undoing it does. An angle mark
// is hidden on purpose (`userHidden`), as every evaluation decides `hidden`
// anew from whether its arms exist.
template <class T>
void Conceal(GDocument& d, T* e) {
  e->hidden = 1;
  Unselect(d, e);
}
void Conceal(GDocument& d, GAngle* a) {
  a->userHidden = 1;
  a->hidden = 1;
  Unselect(d, a);
}
template <class T>
void Reveal(T* e) {
  e->hidden = 0;
}
void Reveal(GAngle* a) { a->userHidden = 0; }  // the next evaluation shows it when defined

// Appends an Invisible step that hides e, held in the step's slot of e's kind.
// An element already hidden (chosen while hidden ones are shown) gets none:
// undoing it would show what the person never saw shown.
template <class T>
bool HideByStep(GDocument& d, T* e, T* GConst::*slot) {
  if (HiddenOnPurpose(e)) return false;
  GConst* c = d.NewConst(CONST_INVISIBLE);
  if (!c) return false;
  c->*slot = e;
  Conceal(d, e);
  d.WriteConst(c);
  return true;
}

// Appends a Visible step that shows e again, when e is put away.
template <class T>
bool ShowByStep(GDocument& d, T* e, T* GConst::*slot) {
  if (!PutAway(d, e)) return false;
  GConst* c = d.NewConst(CONST_VISIBLE);
  if (!c) return false;
  c->*slot = e;
  Reveal(e);
  d.WriteConst(c);
  return true;
}

// The elements of a hilight list, copied first: hiding takes them off it.
template <class T>
std::vector<T*> Chosen(const GHilightList<T>& list) {
  return std::vector<T*>(list.begin(), list.end());
}

// Texts and images are chosen by their flag alone.
template <class T>
std::vector<T*> Flagged(T* head) {
  std::vector<T*> out;
  for (T* e = head; e; e = e->next)
    if (e->hilighted && !e->hidden) out.push_back(e);
  return out;
}

GConst* LastStep(GList<GConst>& consts) {
  GConst* last = consts.head;
  while (last && last->next) last = last->next;
  return last;
}

}  // namespace

// Zoom steps that changed the view undo by the inverse scaling, without the
// limits: a zoom from just inside a limit must still go back exactly.
bool GDocument::OnUndo() {
  GList<GConst>& consts = Sheet().consts;
  GConst* c = LastStep(consts);
  if (!c) return false;
  switch (c->type) {
    case CONST_ZOOMIN:
      if (c->viewChanged) ScaleView(*this, kZoomFactor);
      break;
    case CONST_ZOOMOUT:
      if (c->viewChanged) ScaleView(*this, 1.0 / kZoomFactor);
      break;
    case CONST_INVISIBLE:
      ForHidden(c, [](auto* e) { Reveal(e); });
      break;
    case CONST_VISIBLE:
      ForHidden(c, [&](auto* e) { Conceal(*this, e); });
      break;
    default:
      // The element keeps whatever it was given on purpose (an angle mark's
      // `userHidden`); while undone its step is not evaluated, so nothing
      // shows it again.
      ForOutput(c, [&](auto* e) {
        c->hiddenBefore = e->hidden;
        e->hidden = 1;
        Unselect(*this, e);
      });
      // An undone point lies on nothing: no segment or arc reaches for it.
      if (c->Output_Type() == OUTPUT_POINT && c->POutput) DeletePtFromIcs(c->POutput);
      break;
  }
  PushConst(c);
  consts.Unlink(c);
  m_History.Edited();
  if (m_CurrentConst == c) m_CurrentConst = nullptr;
  // A tool may hold the element that just went away (the angle of the
  // line-with-angle tool, a half-made gesture): every hold lets go.
  m_History.NewEra();
  // Nothing earlier in the list depends on the last step: only showing an
  // element again needs an evaluation (an angle mark decides its own
  // visibility), and zooming has evaluated the list already.
  if ((c->type == CONST_INVISIBLE || c->type == CONST_VISIBLE) && FirstConst())
    EvaluateConst(FirstConst());
  ResetAllName();
  return true;
}

// A point comes back where the figure puts it now (free points may have been
// dragged meanwhile), and only then are its incidences looked for again.
bool GDocument::OnRedo() {
  GConst* c = PopConst();
  if (!c) return false;
  Sheet().consts.Append(c);
  m_CurrentConst = c;
  switch (c->type) {
    case CONST_ZOOMIN:
      if (c->viewChanged) ScaleView(*this, 1.0 / kZoomFactor);
      break;
    case CONST_ZOOMOUT:
      if (c->viewChanged) ScaleView(*this, kZoomFactor);
      break;
    case CONST_INVISIBLE:
      ForHidden(c, [&](auto* e) { Conceal(*this, e); });
      break;
    case CONST_VISIBLE:
      ForHidden(c, [](auto* e) { Reveal(e); });
      break;
    default:
      ForOutput(c, [&](auto* e) { e->hidden = c->hiddenBefore; });
      break;
  }
  m_History.NewEra();  // every hold a tool took lets go
  // The steps before it are evaluated (a drag meanwhile evaluated them); the
  // step itself is brought up to date with them.
  EvaluateConst(c->type == CONST_INVISIBLE || c->type == CONST_VISIBLE ? FirstConst() : c);
  if (c->Output_Type() == OUTPUT_POINT && c->POutput && !c->POutput->hidden)
    Relations().CheckIncidency(c->POutput, false);
  ResetAllName();
  return true;
}

void GDocument::DiscardRedo() {
  while (GConst* c = m_History.PopRedo()) DeleteOutputOf(c);
}

// Kinds in the order lines, points, circles, texts, angle marks, curves,
// images, brackets; each hidden element gets its own step.
int GDocument::OnModeInvisible() {
  int n = 0;
  for (GLine* l : Chosen(Selection().Lines())) n += HideByStep(*this, l, &GConst::LInput1);
  for (GPoint* p : Chosen(Selection().Points())) n += HideByStep(*this, p, &GConst::PInput1);
  for (GCircle* c : Chosen(Selection().Circles())) n += HideByStep(*this, c, &GConst::CInput1);
  for (GText* t : Flagged(Sheet().texts.head)) n += HideByStep(*this, t, &GConst::TextInput1);
  for (GAngle* a : Chosen(Selection().Angles())) n += HideByStep(*this, a, &GConst::AngleInput1);
  for (GParaCurve* c : Chosen(Selection().Curves()))
    n += HideByStep(*this, c, &GConst::CurveInput1);
  for (GImage* im : Flagged(Sheet().images.head)) n += HideByStep(*this, im, &GConst::ImageInput1);
  for (GBracket* b : Chosen(Selection().Brackets()))
    n += HideByStep(*this, b, &GConst::BracketInput1);
  return n;
}

// The chosen elements that are put away come back, each by a step of its
// own, in the kinds' order of Invisible; an angle mark shows at the next
// evaluation when its arms are defined.
int GDocument::OnModeShowAgain() {
  int n = 0;
  for (GLine* l : Chosen(Selection().Lines())) n += ShowByStep(*this, l, &GConst::LInput1);
  for (GPoint* p : Chosen(Selection().Points())) n += ShowByStep(*this, p, &GConst::PInput1);
  for (GCircle* c : Chosen(Selection().Circles())) n += ShowByStep(*this, c, &GConst::CInput1);
  for (GAngle* a : Chosen(Selection().Angles())) n += ShowByStep(*this, a, &GConst::AngleInput1);
  for (GParaCurve* c : Chosen(Selection().Curves()))
    n += ShowByStep(*this, c, &GConst::CurveInput1);
  for (GBracket* b : Chosen(Selection().Brackets()))
    n += ShowByStep(*this, b, &GConst::BracketInput1);
  if (n && FirstConst()) EvaluateConst(FirstConst());
  return n;
}
