// The table of step kinds: for every CONST_* kind its name, the kind of
// element it makes, its statement in the construction language, how it is
// evaluated and, for a point bound to a line, the line it lies on.
#pragma once

#include <array>

#include "model/GConst.h"

struct StepKind {
  GStepKind type;    // CONST_*
  const char* name;  // "CONST_JOIN"; "" for kinds without a name of their own
  // What the step makes: OUTPUT_*. Zooming and hiding make nothing and report
  // their own kind; clipping reports 0.
  int output = 0;
  // The function word of its statement ("Join"); none for kinds without one.
  const char* word = nullptr;
  // The inputs its statement lists after "word(", in order: P1..P3, L1, L2,
  // C1, C2, K1 (curve) and A1 (angle mark) name the inputs; t and u write the
  // first and second parameter. None where the statement is written by code
  // of its own (coordinates, texts, formulas, images, effects).
  const char* fields = nullptr;
  int (GConst::*evaluate)() = nullptr;  // none: nothing to compute
  // A point bound to a line: the kind of step that makes its line, and the
  // parameter that places it along that line (none for CONST_ON_LINE, which
  // divides its line's two points by two weights).
  GStepKind carrier{};
  CComplex GConst::*position = nullptr;
};

// The rows by kind value from CONST_FREE on, none where no kind has the value.
constexpr int kStepKindSpan = StepKindNumber(CONST_EFFECT_IMAGE) - StepKindNumber(CONST_FREE) + 1;
extern const std::array<const StepKind*, kStepKindSpan> kStepKindRows;

// The row of a step kind; none for a value that is no kind. Every evaluation
// of a step asks, so this is a plain index.
inline const StepKind* StepKindOf(GStepKind type) {
  const unsigned i = static_cast<unsigned>(StepKindNumber(type) - StepKindNumber(CONST_FREE));
  return i < kStepKindRows.size() ? kStepKindRows[i] : nullptr;
}
// The kind of point bound to a line made by a step of `lineKind`; none (the
// zero kind) when such a line cannot carry a point.
GStepKind BoundKindOn(GStepKind lineKind);
