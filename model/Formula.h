// The formula language of function graphs and parametric curves: expression
// trees of GCalculation nodes from one fixed pool, the parser that builds them
// from text ("2x^2-3", "sin x", "cos(x)", "sqrt(x)"), their evaluation at a
// value, and their text: the tree written back, and why a text was refused.
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
  // The words people know from school, beside the four above. "ln" has a
  // kind of its own so that a tree is written back with the word typed.
  CALC_SQRT = 8011,
  CALC_ABS = 8012,
  CALC_EXP = 8013,
  CALC_LN = 8014,
};

// What the parser returns: 0 when the tree was built.
enum GCalcError {
  CALC_OK = 0,
  CALC_PART_FAILED = 1,   // a part of a sum, product, quotient or power failed
  CALC_CANNOT_SPLIT = 2,  // unknown byte, ")" without "(", empty text, pool or nesting exhausted
  CALC_UNKNOWN_FUNC = 4,  // letters that are no function or constant
  CALC_UNCLOSED = 128,    // a factor opens "(" that is never closed
};

constexpr int kCalcPoolSize = 1000;

class GCalculation {
 public:
  double value = 0;
  std::string name;  // "x" or "y" for a variable; "+" or "-" for the 1 or -1 of a sign
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

// What is wrong with a refused formula, beside the code the messages show.
enum class GFormulaFault {
  kNone,
  kEmpty,        // nothing to read
  kMissing,      // a sign, "(", "^" or a function word with nothing after it
  kUnexpected,   // a character that cannot stand where it stands
  kUnclosed,     // a "(" that is never closed
  kUnopened,     // a ")" without its "("
  kUnknownWord,  // letters that are no function or constant
  kTooDeep,      // brackets or signs nested deeper than the parser goes
  kTooLong,      // the nodes ran out, or the text is over a megabyte
  kReference,    // a "{" with no "}", or with no name and letter inside
  kNoCurve,      // every curve record is in use
};

// Why a formula was refused and where: the byte offset of the place in the
// text the caller handed over, and the character or word found there (for
// kMissing, the sign or word that wants something after it).
struct GFormulaError {
  int code = 0;
  GFormulaFault fault = GFormulaFault::kNone;
  size_t at = 0;
  std::string what;
};

// Parses text (without blanks) into a tree; 0 and the tree in `out`, or an
// error code with `out` none and no node kept (and, when asked, the fault).
int MakeCalcPolynomial(const std::string& text, GCalculation*& out, GFormulaError* error = nullptr);

// The tree as formula text that reads back into the same tree. Every "*" is
// written, and brackets stand wherever the parser's nesting is not the
// usual reading: "x/2*2" is written "x/(2*2)", "sin(x)*2" "sin(x*2)".
std::string PrintFormula(const GCalculation* tree);

// One plain line saying what is wrong with `text` and where, counting
// characters from 1 ("Unknown word "sqr" at position 1.").
std::string FormulaErrorText(const GFormulaError& error, const std::string& text);

// Whether a formula holds a "," (a parametric curve), and how many "x", "y",
// "t" and "," it holds.
bool GetRBInGraphText(const std::string& text);
void CountChInGraphText(const std::string& text, int* nx, int* ny, int* nt, int* ncomma);

class GConst;
class GParaCurve;
// Gives a curve's trees back to the pool.
void ReleaseCurveTrees(GParaCurve* c);
// A graph's formula, or a parametric curve's two, as the parser understood
// them at the last evaluation ("x/(2*2)", "sqrt(x),ln(x*2)"); "" for a locus.
std::string UnderstoodFormula(const GParaCurve& c);
// A curve's formula as it stands now: the values of the elements it names
// (evaluated from the list at `first`) put in, blanks dropped, then parsed
// into `tree` after the old tree went back to the pool. Returns the code;
// a fault asked for has its offset in `text` as written.
int ParseCurveFormula(GConst* first, const std::string& text, GCalculation*& tree,
                      GFormulaError* error = nullptr);
