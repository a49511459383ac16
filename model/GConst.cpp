// Evaluation of one construction step through the table of step kinds, the
// kind of element a step produces, the names of the step kinds, and the
// points bound to a line.
#include "model/GConst.h"

#include "model/StepKinds.h"

int GConst::Evaluate() {
  const StepKind* kind = StepKindOf(type);
  if (!kind || !kind->evaluate) return 0;  // texts, images, zooms, effects: nothing to compute
  if ((this->*kind->evaluate)()) return 1;
  // Every produced point remembers how it moved, so that the circle
  // intersections can predict where the dragged figure goes next.
  if (POutput && kind->output == OUTPUT_POINT) {
    GPoint* p = POutput;
    p->GetAij();
    const double x = p->xz().re;
    const double y = p->yz().re;
    p->dX = x - p->prevX;
    p->dY = y - p->prevY;
    p->prevX = x;
    p->prevY = y;
  }
  return 0;
}

int GConst::Output_Type() const {
  const StepKind* kind = StepKindOf(type);
  return kind ? kind->output : 0;
}

GObject* GConst::Output() const {
  switch (Output_Type()) {
    case OUTPUT_POINT:
      return POutput;
    case OUTPUT_LINE:
      return LOutput;
    case OUTPUT_CIRCLE:
      return COutput;
    case OUTPUT_TEXT:
      return TextOutput;
    case OUTPUT_CURVE:
      return CurveOutput;
    case OUTPUT_ANGLE:
      return AngleOutput;
    case OUTPUT_IMAGE:
      return ImageOutput;
    case OUTPUT_BRACKET:
      return BracketOutput;
    default:
      return nullptr;
  }
}

GObject* GConst::HiddenElement() const {
  if (type != CONST_INVISIBLE && type != CONST_VISIBLE) return nullptr;
  GObject* const slots[] = {LInput1,     PInput1,     CInput1,     TextInput1,
                            AngleInput1, CurveInput1, ImageInput1, BracketInput1};
  for (GObject* e : slots)
    if (e) return e;
  return nullptr;
}

const char* ConstName(GStepKind type) {
  const StepKind* kind = StepKindOf(type);
  return kind ? kind->name : "";
}

void TakeCarrierInputs(GConst* step, const GConst* line) {
  step->PInput1 = line->PInput1;
  step->PInput2 = line->PInput2;
  step->PInput3 = line->PInput3;
  step->LInput1 = line->LInput1;
  step->LInput2 = line->LInput2;
  step->CInput1 = line->CInput1;
  step->CurveInput1 = line->CurveInput1;
  step->AngleInput1 = line->AngleInput1;
}

// The steps that keep a point on a line, so that a locus can sweep it along.
bool BoundToLine(GStepKind type) {
  const StepKind* kind = StepKindOf(type);
  return kind && kind->carrier != GStepKind{};
}
