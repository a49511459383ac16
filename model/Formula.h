// The formula language of function graphs and parametric curves: expression
// trees of GCalculation nodes from one fixed pool, the parser that builds them
// from text ("2x^2-3", "sin x", "cos(x)") and their evaluation at a value.
#pragma once

#include <string>

#include "model/Pool.h"

enum GCalcKind {
  CALC_SUM = 8000,
  CALC_CONST = 8001,
  CALC_PROD = 8002,
  CALC_DIV = 8003,
  CALC_POWER = 8004,
  CALC_SIN = 8005,
  CALC_COS = 8006,
  CALC_TAN = 8007,
  CALC_LOG = 8009,
  CALC_VAR = 8010,
};

// What the parser returns: 0 when the tree was built.
enum GCalcError {
  CALC_OK = 0,
  CALC_PART_FAILED = 1,   // a part of a sum, product, quotient or power failed
  CALC_CANNOT_SPLIT = 2,  // unknown byte, ")" without "(", empty text, pool or nesting exhausted
  CALC_UNKNOWN_FUNC = 4,  // a name that is not sin, cos, tan or log
  CALC_UNCLOSED = 128,    // a factor opens "(" that is never closed
};

constexpr int kCalcPoolSize = 1000;

class GCalculation {
 public:
  double value = 0;
  std::string name;  // "x" or "y" for a variable
  GCalculation* left = nullptr;
  GCalculation* right = nullptr;
  int kind = 0;
  bool used = false;

  // True when the tree has a finite value at x; *result holds it (0 when a
  // quotient or power is undefined).
  bool Evaluate(double x, double* result) const;
  // Writes the tree to standard output, three blanks per level.
  void Print(int depth) const;
};

// The pool of all trees of the program.
// The nodes of every formula of the program; slots are made as formulas
// need them, so a program that reads no formula touches none.
extern GPool<GCalculation, kCalcPoolSize> gcalbuffer;

// The first free node, cleared and of `kind`; none when all are used.
GCalculation* NewGCalculation(int kind);
// Gives a tree's nodes back to the pool.
void DeleteGCalc(GCalculation* node);
// Frees every node of the pool.
void ClearGcals();
// Nodes taken from the pool.
int UsedGcals();

// Parses text (without blanks) into a tree; 0 and the tree in `out`, or an
// error code with `out` none and no node kept.
int MakeCalcPolynomial(const std::string& text, GCalculation*& out);

// Whether a formula holds a "," (a parametric curve), and how many "x", "y",
// "t" and "," it holds.
bool GetRBInGraphText(const std::string& text);
void CountChInGraphText(const std::string& text, int* nx, int* ny, int* nt, int* ncomma);

class GConst;
class GParaCurve;
// Gives a curve's trees back to the pool.
void ReleaseCurveTrees(GParaCurve* c);
// A curve's formula as it stands now: the values of the elements it names
// (evaluated from the list at `first`) put in, blanks dropped, then parsed
// into `tree` after the old tree went back to the pool. Returns the code.
int ParseCurveFormula(GConst* first, const std::string& text, GCalculation*& tree);
