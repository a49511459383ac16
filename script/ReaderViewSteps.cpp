// Reading the steps that change how the sheet is seen rather than what it
// holds: "void ZoomIn();", "void ZoomOut();", "void Invisible(A);" and
// "void Visible(A);". They are
// replayed as the commands made them, so they can be undone after opening.
#include "model/ViewSteps.h"
#include "script/ReaderHelpers.h"

namespace {

// The element named in field 0 goes into the slot of its kind of the
// Invisible (Visible) step, and is hidden (shown again).
template <class T>
bool Hide(GReader& r, T* e, T* GConst::*slot, bool show) {
  if (!e) return r.Fail(SyntaxMessage(r.keyword));
  GConst* c = r.Step(show ? CONST_VISIBLE : CONST_INVISIBLE);
  if (!c) return false;
  c->*slot = e;
  e->hidden = show ? 0 : 1;
  r.doc.WriteConst(c);
  return true;
}

bool ReadInvisible(GReader& r, bool show) {
  const GConst* made = r.StepNamed(0);
  // A copy without texts hides nothing of the texts it left out.
  if (!made && !r.withTexts) return true;
  if (!made) return r.Fail(SyntaxMessage(r.keyword));
  switch (made->Output_Type()) {
    case OUTPUT_POINT:
      return Hide(r, made->POutput, &GConst::PInput1, show);
    case OUTPUT_LINE:
      return Hide(r, made->LOutput, &GConst::LInput1, show);
    case OUTPUT_CIRCLE:
      return Hide(r, made->COutput, &GConst::CInput1, show);
    case OUTPUT_TEXT:
      return Hide(r, made->TextOutput, &GConst::TextInput1, show);
    case OUTPUT_CURVE:
      return Hide(r, made->CurveOutput, &GConst::CurveInput1, show);
    case OUTPUT_ANGLE:
      // Kept through evaluations; a shown mark's arms decide at the next one.
      if (made->AngleOutput) made->AngleOutput->userHidden = show ? 0 : 1;
      return Hide(r, made->AngleOutput, &GConst::AngleInput1, show);
    case OUTPUT_IMAGE:
      return Hide(r, made->ImageOutput, &GConst::ImageInput1, show);
    case OUTPUT_BRACKET:
      return Hide(r, made->BracketOutput, &GConst::BracketInput1, show);
    default:
      return r.Fail(SyntaxMessage(r.keyword));
  }
}

}  // namespace

bool ReadViewStatement(GReader& r, bool* known) {
  *known = true;
  if (r.keyword == "ZoomIn" || r.keyword == "ZoomOut") {
    // Zooming at a limit leaves the view, and the step records that.
    if (!ZoomStep(r.doc, r.keyword == "ZoomIn")) return r.Fail("line %d : too many constructions");
    return true;
  }
  if (r.keyword == "Invisible" || r.keyword == "Visible")
    return ReadInvisible(r, r.keyword == "Visible");
  *known = false;
  return true;
}
