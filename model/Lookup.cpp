// Finding existing construction steps: by kind and inputs (so a tool does not
// build the same step twice), by output element (to delete or re-derive it)
// and by the name of an output (names must stay unique).
#include "model/Lookup.h"

#include "model/StepKinds.h"

namespace {

// Walks the list from `list` and returns the first step accepted by `match`.
template <class Match>
GConst* FirstStep(GConst* list, Match match) {
  for (GConst* c = list; c; c = c->next)
    if (match(c)) return c;
  return nullptr;
}

// Common shape of most lookups: clear *out, store the match, 1 when found.
template <class Match>
int FindClearing(GConst* list, GConst** out, Match match) {
  *out = nullptr;
  GConst* c = FirstStep(list, match);
  if (!c) return 0;
  *out = c;
  return 1;
}

// As FindClearing, but *out keeps its old value when nothing is found.
template <class Match>
int FindKeeping(GConst* list, GConst** out, Match match) {
  GConst* c = FirstStep(list, match);
  if (!c) return 0;
  *out = c;
  return 1;
}

}  // namespace

int FindParaFromCns(GConst* list, GLine* L, GPoint* P, GConst** out) {
  return FindClearing(list, out, [&](GConst* c) {
    return c->type == CONST_PARALLEL && c->LInput1 == L && c->PInput1 == P;
  });
}

int FindPerpFromCns(GConst* list, GLine* L, GPoint* P, GConst** out) {
  return FindClearing(list, out, [&](GConst* c) {
    return c->type == CONST_PERP && c->LInput1 == L && c->PInput1 == P;
  });
}

// A line through two points is the same line whichever point came first.
int FindJoinFromCns(GConst* list, GPoint* P, GPoint* Q, GConst** out) {
  return FindKeeping(list, out, [&](GConst* c) {
    return c->type == CONST_JOIN &&
           ((c->PInput1 == P && c->PInput2 == Q) || (c->PInput1 == Q && c->PInput2 == P));
  });
}

// Reversed result: 0 when the meet of L and M exists, 1 when it does not.
int FindMeetFromCn(GConst* list, GLine* L, GLine* M, GConst** out) {
  *out = nullptr;
  GConst* c = FirstStep(list, [&](GConst* s) {
    return s->type == CONST_MEET &&
           ((s->LInput1 == L && s->LInput2 == M) || (s->LInput1 == M && s->LInput2 == L));
  });
  if (!c) return 1;
  *out = c;
  return 0;
}

int Find3PBisectorFromCns(GConst* list, GPoint* P1, GPoint* P2, GPoint* P3, GConst** out) {
  return FindClearing(list, out, [&](GConst* c) {
    return c->type == CONST_3P_BISECTOR && c->PInput1 == P1 && c->PInput2 == P2 && c->PInput3 == P3;
  });
}

int FindTangentFromCns(GConst* list, GCircle* C, GPoint* P, GConst** out) {
  return FindClearing(list, out, [&](GConst* c) {
    return c->type == CONST_TANGENT && c->CInput1 == C && c->PInput1 == P;
  });
}

int FindCurveTangentFromCns(GConst* list, GParaCurve* C, GPoint* P, GConst** out) {
  return FindClearing(list, out, [&](GConst* c) {
    return c->type == CONST_CURVE_TANGENT && c->CurveInput1 == C && c->PInput1 == P;
  });
}

int FindLineWithAngleFromCns(GConst* list, GLine* L, GPoint* P, GAngle* A, GConst** out) {
  return FindClearing(list, out, [&](GConst* c) {
    return c->type == CONST_LINE_WITH_ANGLE && c->LInput1 == L && c->PInput1 == P &&
           c->AngleInput1 == A;
  });
}

// Typed angles count as the same when they differ by less than 0.01 degrees.
int FindLineWithAngleDegreeFromCns(GConst* list, GLine* L, GPoint* P, double deg, GConst** out) {
  return FindClearing(list, out, [&](GConst* c) {
    return c->type == CONST_LINE_WITH_ANGLE_DEGREE && c->LInput1 == L && c->PInput1 == P &&
           c->param1.re - 0.01 < deg && deg < c->param1.re + 0.01;
  });
}

// The two lines in their order and the side value tell the two bisectors apart.
int FindBisectorFromCns(GConst* list, GLine* L, GLine* M, double side, GConst** out) {
  const CComplex s(side, 0.0);
  return FindClearing(list, out, [&](GConst* c) {
    return c->type == CONST_BISECTOR && c->LInput1 == L && c->LInput2 == M && c->param1 == s;
  });
}

int FindCarrierFromCns(GConst* list, const GConst* c, GConst** out) {
  const StepKind* kind = StepKindOf(c->type);
  switch (kind ? kind->carrier : GStepKind{}) {
    case CONST_PARALLEL:
      return FindParaFromCns(list, c->LInput1, c->PInput1, out);
    case CONST_PERP:
      return FindPerpFromCns(list, c->LInput1, c->PInput1, out);
    case CONST_3P_BISECTOR:
      return Find3PBisectorFromCns(list, c->PInput1, c->PInput2, c->PInput3, out);
    case CONST_BISECTOR:  // param1 is the side of the bisector
      return FindBisectorFromCns(list, c->LInput1, c->LInput2, c->param1.re, out);
    case CONST_TANGENT:
      return FindTangentFromCns(list, c->CInput1, c->PInput1, out);
    case CONST_CURVE_TANGENT:
      return FindCurveTangentFromCns(list, c->CurveInput1, c->PInput1, out);
    case CONST_LINE_WITH_ANGLE:
      return FindLineWithAngleFromCns(list, c->LInput1, c->PInput1, c->AngleInput1, out);
    case CONST_LINE_WITH_ANGLE_DEGREE:  // param1 is the angle in degrees
      return FindLineWithAngleDegreeFromCns(list, c->LInput1, c->PInput1, c->param1.re, out);
    default:
      *out = nullptr;
      return 0;
  }
}

int FindPtFromCn(GConst* list, GPoint* P, GConst** out) {
  return FindKeeping(list, out, [&](GConst* c) { return c->POutput == P; });
}

int FindLnFromCn(GConst* list, GLine* L, GConst** out) {
  return FindKeeping(list, out, [&](GConst* c) { return c->LOutput == L; });
}

int FindCiFromCn(GConst* list, GCircle* C, GConst** out) {
  return FindKeeping(list, out, [&](GConst* c) { return c->COutput == C; });
}

int FindCurveFromCn(GConst* list, GParaCurve* C, GConst** out) {
  return FindKeeping(list, out, [&](GConst* c) { return c->CurveOutput == C; });
}

int FindAngleFromCn(GConst* list, GAngle* A, GConst** out) {
  return FindKeeping(list, out, [&](GConst* c) { return c->AngleOutput == A; });
}

int FindBrFromCn(GConst* list, GBracket* B, GConst** out) {
  return FindKeeping(list, out, [&](GConst* c) { return c->BracketOutput == B; });
}

// Reversed result: 0 when the step making P exists. An empty list leaves *out
// as it was.
int FindCnFromPt(GConst* list, GPoint* P, GConst** out) {
  if (!list) return 1;
  *out = nullptr;
  GConst* c = FirstStep(list, [&](GConst* s) { return s->POutput == P; });
  if (!c) return 1;
  *out = c;
  return 0;
}

// A step carries the name when any of its outputs has it. Image outputs are
// tried last: images are named too, and their counter must not hand out a
// name an image of the sheet already has.
int FindNameFromCns(GConst* list, const std::string& name, GConst** out) {
  return FindKeeping(list, out, [&](GConst* c) {
    return (c->COutput && c->COutput->name == name) || (c->LOutput && c->LOutput->name == name) ||
           (c->POutput && c->POutput->name == name) ||
           (c->CurveOutput && c->CurveOutput->name == name) ||
           (c->TextOutput && c->TextOutput->name == name) ||
           (c->AngleOutput && c->AngleOutput->name == name) ||
           (c->BracketOutput && c->BracketOutput->name == name) ||
           (c->ImageOutput && c->ImageOutput->name == name);
  });
}
