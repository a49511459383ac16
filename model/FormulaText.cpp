// Formula trees as text: a tree written back as a formula the parser reads
// into the same tree, bracketed where its nesting is not the usual reading,
// and the plain line that tells a person why a formula was refused.
#include <charconv>
#include <cmath>

#include "model/Formula.h"
#include "model/Translate.h"
#include "model/Utf8Text.h"

namespace {

// The parts one after the other, appended: GCC 12 at -O3 sees overlapping
// copies that cannot happen in "(" + text + ")".
template <typename... Parts>
std::string Cat(const Parts&... parts) {
  std::string s;
  ((s += parts), ...);
  return s;
}

bool IsFunction(int kind) {
  return (kind >= CALC_SIN && kind <= CALC_LOG) || (kind >= CALC_SQRT && kind <= CALC_LN);
}

const char* FunctionWord(int kind) {
  switch (kind) {
    case CALC_SIN:
      return "sin";
    case CALC_COS:
      return "cos";
    case CALC_TAN:
      return "tan";
    case CALC_LOG:
      return "log";
    case CALC_SQRT:
      return "sqrt";
    case CALC_ABS:
      return "abs";
    case CALC_EXP:
      return "exp";
    default:
      return "ln";
  }
}

// A sign before a factor ("-x", and the "+" of every term after the first)
// is parsed as -1 or 1 times it; its constant keeps the sign typed, so that
// "1x" is not written as "+x".
bool IsSign(const GCalculation* n) {
  return n->kind == CALC_PROD && n->left && n->right && n->left->kind == CALC_CONST &&
         (n->left->name == "-" || n->left->name == "+");
}

// Numbers in full, in the C locale's form and never with an exponent (the
// parser reads "1e+20" as 1, e and 20): the shortest fixed digits that read
// back as the same double.
std::string Number(double v) {
  if (v == 2.718281828) return "e";
  if (v == 3.1415926535) return "pi";
  if (!std::isfinite(v)) return "1e999";  // what a number too large to hold came from
  char buffer[400];
  const auto r =
      std::to_chars(buffer, buffer + sizeof buffer, std::fabs(v), std::chars_format::fixed);
  const std::string digits(buffer, r.ptr);
  return v < 0 ? Cat("(-", digits, ")") : digits;
}

class Printer {
 public:
  // A whole polynomial: terms joined by the sign that begins each term
  // after the first ("+" where a term has none, as in "(a+b)+c").
  std::string Polynomial(const GCalculation* n) {
    if (n->kind != CALC_SUM) return Term(n);
    const std::string rest = Polynomial(n->right);
    return Cat(Polynomial(n->left), StartsWithSign(rest) ? "" : "+", rest);
  }

 private:
  static bool StartsWithSign(const std::string& s) { return s[0] == '-' || s[0] == '+'; }

  std::string Term(const GCalculation* n) {
    if (IsSign(n)) return Signed(n, false);
    if (n->kind != CALC_PROD && n->kind != CALC_DIV) return Factor(n);
    const GCalculation* l = n->left;
    const GCalculation* r = n->right;
    // A function takes the rest of its term ("sin(x)*y" reads as sin(x*y)),
    // so one with something after it is bracketed, as are sums, products
    // and quotients on the left.
    std::string left;
    if (IsSign(l))
      left = Signed(l, true);
    else if (IsFunction(l->kind) || l->kind == CALC_SUM || l->kind == CALC_PROD ||
             l->kind == CALC_DIV)
      left = Bracketed(l);
    else
      left = Factor(l);
    // The parser nests a term to the right, so what follows "/" divides as a
    // whole: that needs brackets where it is a product or quotient.
    std::string right;
    if (r->kind == CALC_SUM ||
        (n->kind == CALC_DIV && (r->kind == CALC_PROD || r->kind == CALC_DIV))) {
      right = Bracketed(r);
    } else {
      right = Term(r);
      if (StartsWithSign(right)) right = Cat("(", right, ")");
    }
    return Cat(left, n->kind == CALC_DIV ? "/" : "*", right);
  }

  // The sign as typed and the factor it stands before; a function there is
  // bracketed when more of the term follows.
  std::string Signed(const GCalculation* n, bool followed) {
    const GCalculation* f = n->right;
    return Cat(n->left->name, followed && IsFunction(f->kind) ? Bracketed(f) : Factor(f));
  }

  // One factor: a number, the variable, a power or a function; anything
  // else in brackets.
  std::string Factor(const GCalculation* n) {
    switch (n->kind) {
      case CALC_CONST:
        return Number(n->value);
      case CALC_VAR:
        return n->name.empty() ? "x" : n->name;
      case CALC_POWER:
        return Cat(Atom(n->left), "^", Atom(n->right));
      default:
        if (IsFunction(n->kind)) return Cat(FunctionWord(n->kind), Bracketed(n->left));
        return Bracketed(n);
    }
  }

  // The base or exponent of a power: bare when a number or the variable.
  std::string Atom(const GCalculation* n) {
    if (n->kind == CALC_VAR || (n->kind == CALC_CONST && n->value >= 0)) return Factor(n);
    return Bracketed(n);
  }

  std::string Bracketed(const GCalculation* n) { return Cat("(", Polynomial(n), ")"); }
};

}  // namespace

std::string PrintFormula(const GCalculation* tree) {
  return tree ? Printer().Polynomial(tree) : std::string();
}

std::string FormulaErrorText(const GFormulaError& error, const std::string& text) {
  const int position =
      static_cast<int>(Utf8Decode(text.substr(0, std::min(error.at, text.size()))).size()) + 1;
  const std::string what = Utf8Repaired(error.what);
  switch (error.fault) {
    case GFormulaFault::kEmpty:
      return Tr("The formula is empty.");
    case GFormulaFault::kMissing:
      return StrFormat(Tr("Something is missing after \"%s\" at position %d."), what.c_str(),
                       position);
    case GFormulaFault::kUnexpected:
      return StrFormat(Tr("\"%s\" at position %d cannot stand there."), what.c_str(), position);
    case GFormulaFault::kUnclosed:
      return StrFormat(Tr("The bracket \"(\" at position %d is never closed."), position);
    case GFormulaFault::kUnopened:
      return StrFormat(Tr("The bracket \")\" at position %d closes nothing."), position);
    case GFormulaFault::kUnknownWord:
      return StrFormat(
          Tr("Unknown word \"%s\" at position %d (known: sin, cos, tan, log, ln, exp, sqrt, abs, "
             "pi, e, x)."),
          what.c_str(), position);
    case GFormulaFault::kTooDeep:
      return Tr("The formula has too many brackets inside brackets.");
    case GFormulaFault::kTooLong:
      return Tr("The formula is too long.");
    case GFormulaFault::kReference:
      return StrFormat(Tr("The braces at position %d need a name and a letter, as in {Ax}."),
                       position);
    case GFormulaFault::kNoCurve:
      return Tr("There is no room for another curve.");
    case GFormulaFault::kNone:
      break;
  }
  return std::string();
}
