// The state that evaluating a step may change (its parameters and curve
// words, the value of its element and a point's motion record), saved and put
// back exactly, for walks that run the figure through other positions.
#pragma once

#include <vector>

#include "model/GConst.h"

// What evaluating one step may change: its parameters and curve words, and the
// value of the element it produces (with a point's motion record).
struct SavedStep {
  GConst* step = nullptr;
  CComplex param[4];
  GConst* curveStep = nullptr;
  long word2 = 0, word3 = 0;
  CComplex value[7];
  double motion[8] = {};
  unsigned char hidden = 0;
};

void SaveStep(GConst* s, SavedStep& out);
void RestoreValues(const SavedStep& in);
// Puts the saved steps back; curves among them are sampled again.
void RestoreSteps(const std::vector<SavedStep>& saved);
