// The eraser: the hilighted elements leave the sheet together with every step
// that builds on them, directly or through other steps, in one command.
#include <unordered_set>
#include <vector>

#include "model/Document.h"
#include "model/Lookup.h"
#include "model/StepKinds.h"

namespace {

// Every element a step refers to as an input.
template <class F>
void ForInputs(const GConst* c, F f) {
  const GObject* const inputs[] = {c->PInput1,     c->PInput2,     c->PInput3,      c->LInput1,
                                   c->LInput2,     c->LInput3,     c->CInput1,      c->CInput2,
                                   c->CInput3,     c->CurveInput1, c->CurveInput2,  c->TextInput1,
                                   c->AngleInput1, c->ImageInput1, c->BracketInput1};
  for (const GObject* e : inputs)
    if (e) f(e);
}

// Every element a step holds as an output (some kinds fill more than the slot
// of their output kind).
template <class F>
void ForOutputs(const GConst* c, F f) {
  const GObject* const outputs[] = {c->POutput,     c->LOutput,      c->COutput,
                                    c->TextOutput,  c->CurveOutput,  c->AngleOutput,
                                    c->ImageOutput, c->BracketOutput};
  for (const GObject* e : outputs)
    if (e) f(e);
}

// The step that makes the line a bound point lies on: a point on a parallel
// is built on that parallel, and a file with the point but without its line
// could not be read back.
GConst* CarrierOf(GConst* list, const GConst* c) {
  if (!BoundToLine(c->type)) return nullptr;
  GConst* found = nullptr;
  if (c->type == CONST_ON_LINE)
    FindJoinFromCns(list, c->PInput1, c->PInput2, &found);
  else
    FindCarrierFromCns(list, c, &found);
  return found;
}

}  // namespace

// One walk in list order decides every step: inputs always come from earlier
// steps, so by the time a step is reached all that it builds on is decided.
// A step goes when its element is hilighted, when an element it uses is no
// longer made by a step that stays, or when a step it refers to (the target of
// a slide-show effect, the point step of a curve tangent, the carrier line of
// a bound point) goes.
int GDocument::OnModeEraser() {
  // Undone steps might be built on what is erased now; redo would bring
  // them back onto freed elements.
  DiscardRedo();
  std::unordered_set<const GObject*> made;
  std::unordered_set<const GConst*> gone;
  std::vector<GConst*> doomed;
  GConst* const first = FirstConst();
  for (GConst* c = first; c; c = c->next) {
    const GObject* out = c->Output();
    bool erase = out && out->hilighted;
    // A free point names itself as its input.
    ForInputs(c, [&](const GObject* e) { erase = erase || (e != out && !made.count(e)); });
    if (c->effectTarget && (gone.count(c->effectTarget) || c->effectTarget->inUse == 0))
      erase = true;
    if (c->type == CONST_CURVE_TANGENT && c->curveStep && gone.count(c->curveStep)) erase = true;
    if (const GConst* carrier = CarrierOf(first, c); carrier && gone.count(carrier)) erase = true;
    if (erase) {
      gone.insert(c);
      doomed.push_back(c);
    } else {
      ForOutputs(c, [&](const GObject* e) { made.insert(e); });
    }
  }
  // The last first: no step is deleted while a later one still refers to it.
  for (auto it = doomed.rbegin(); it != doomed.rend(); ++it) DeleteConst(*it);
  m_History.NewEra();  // every hold a tool took lets go
  if (FirstConst()) EvaluateConst(FirstConst());
  ResetAllName();
  return static_cast<int>(doomed.size());
}
