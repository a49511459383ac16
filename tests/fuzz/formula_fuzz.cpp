// Fuzz target of the formula language: any bytes are parsed as a formula and,
// when they make a tree, evaluated at a few places and written back as text.
// Parsing must stay inside the text, a failed parse must give back every
// node it took and be explained, and the text a tree is written as must read
// back into a tree that is written the same.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "model/Formula.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The bytes in a buffer of their own size, so reading past the end is seen.
  const std::string text(reinterpret_cast<const char*>(data), size);
  GCalculation* tree = nullptr;
  GFormulaError error;
  const int code = MakeCalcPolynomial(text, tree, &error);
  if (code != 0) {
    if (tree || UsedGcals() != 0) std::abort();  // a failed parse keeps nothing
    if (error.code != code || FormulaErrorText(error, text).empty()) std::abort();
    return 0;
  }
  if (!tree) std::abort();
  for (double x : {-3.0, -1.0, 0.0, 0.5, 2.0, 1e300}) {
    double y;
    if (tree->Evaluate(x, &y) && !(y - y == 0)) std::abort();  // defined means finite
  }
  const std::string printed = PrintFormula(tree);
  GCalculation* again = nullptr;
  // Written back, the tree may need more nodes than the pool has left.
  if (MakeCalcPolynomial(printed, again, &error) == 0) {
    if (PrintFormula(again) != printed) std::abort();
    DeleteGCalc(again);
  } else if (error.fault != GFormulaFault::kTooLong && error.fault != GFormulaFault::kTooDeep) {
    std::abort();
  }
  DeleteGCalc(tree);
  if (UsedGcals() != 0) std::abort();  // the tree went back whole
  return 0;
}
