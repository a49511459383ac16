// The parser of the formula language. It splits from the left and nests to
// the right: a polynomial is its first term plus the polynomial of the rest,
// a term is its first factor times (or over) the term of the rest, so a/b*c
// is a/(b*c), 2^3^2 is 2^(3^2) and -x^2 is -(x^2).
#include <cstdlib>
#include <cstring>

#include "model/Formula.h"

GPool<GCalculation, kCalcPoolSize> gcalbuffer;

GCalculation* NewGCalculation(int kind) {
  GCalculation* n = nullptr;
  for (GCalculation& c : gcalbuffer) {
    if (!c.used) {
      n = &c;
      break;
    }
  }
  if (!n && gcalbuffer.Built() < kCalcPoolSize) n = &gcalbuffer[gcalbuffer.Built()];
  if (!n) return nullptr;
  n->value = 0;
  n->name.clear();
  n->left = n->right = nullptr;
  n->kind = kind;
  n->used = true;
  return n;
}

void DeleteGCalc(GCalculation* node) {
  if (!node || node->kind < CALC_SUM || node->kind > CALC_VAR) return;
  switch (node->kind) {
    case CALC_SUM:
    case CALC_PROD:
    case CALC_DIV:
    case CALC_POWER:
      DeleteGCalc(node->right);
      [[fallthrough]];
    case CALC_SIN:
    case CALC_COS:
    case CALC_TAN:
    case CALC_LOG:
      DeleteGCalc(node->left);
      break;
    default:
      break;
  }
  node->left = node->right = nullptr;
  node->used = false;
}

void ClearGcals() {
  for (GCalculation& n : gcalbuffer) n.used = false;
}

int UsedGcals() {
  int n = 0;
  for (const GCalculation& c : gcalbuffer) n += c.used ? 1 : 0;
  return n;
}

bool GetRBInGraphText(const std::string& text) { return text.find(',') != std::string::npos; }

void CountChInGraphText(const std::string& text, int* nx, int* ny, int* nt, int* ncomma) {
  *nx = *ny = *nt = *ncomma = 0;
  for (char c : text) {
    *nx += c == 'x';
    *ny += c == 'y';
    *nt += c == 't';
    *ncomma += c == ',';
  }
}

namespace {

// Deeper nesting than this (parentheses inside parentheses, signs before
// signs) is refused instead of running the stack out.
constexpr int kMaxNesting = 400;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// One parse over the bytes of a formula. Every range handed around is
// within the text, so no scan reads past its end.
class Parser {
 public:
  explicit Parser(const char* s) : s_(s) {}

  int Polynomial(int b, int e, GCalculation*& out) {
    Nest nest(this);
    if (nest.tooDeep || b >= e) return CALC_CANNOT_SPLIT;
    const int m = FirstTermEnd(b, e);
    if (m < 0) return CALC_CANNOT_SPLIT;  // a ")" closes more than was opened
    if (m == e) return Term(b, e, out);
    GCalculation *l = nullptr, *r = nullptr;
    if (Term(b, m, l) || Polynomial(m, e, r)) return Fail(l, r, CALC_PART_FAILED);
    return Join(CALC_SUM, l, r, out);
  }

  int Term(int b, int e, GCalculation*& out) {
    Nest nest(this);
    if (nest.tooDeep || b >= e) return CALC_CANNOT_SPLIT;
    if (s_[b] == '(' && Match(b, e) == e - 1) return Polynomial(b + 1, e - 1, out);
    GCalculation* l = nullptr;
    int end = 0;
    if (const int code = Factor(b, e, &end, l)) return code;
    if (end == e) {
      out = l;
      return CALC_OK;
    }
    int kind = CALC_PROD;  // anything but "*" or "/" is an implicit product
    if (s_[end] == '*' || s_[end] == '/') {
      kind = s_[end] == '/' ? CALC_DIV : CALC_PROD;
      ++end;
    }
    GCalculation* r = nullptr;
    if (Term(end, e, r)) return Fail(l, r, CALC_PART_FAILED);
    return Join(kind, l, r, out);
  }

 private:
  // Counts the recursion depth while a parse function runs.
  struct Nest {
    Parser* p;
    bool tooDeep;
    explicit Nest(Parser* q) : p(q), tooDeep(++q->depth_ > kMaxNesting) {
      if (tooDeep) q->outOfRoom_ = true;
    }
    ~Nest() { --p->depth_; }
  };

  // End of the first term of [b, e): the first "+" or "-" at depth 0 that is
  // not the first byte and does not follow "^"; -1 for an unopened ")".
  int FirstTermEnd(int b, int e) const {
    int depth = 0;
    for (int i = b; i < e; ++i) {
      const char c = s_[i];
      if (c == '(') ++depth;
      if (c == ')' && --depth < 0) return -1;
      if ((c == '+' || c == '-') && depth == 0 && i > b && s_[i - 1] != '^') return i;
    }
    return e;
  }

  // The ")" that closes the "(" at b within [b, e), or -1.
  int Match(int b, int e) const {
    int depth = 0;
    for (int i = b; i < e; ++i) {
      if (s_[i] == '(') ++depth;
      if (s_[i] == ')' && --depth == 0) return i;
    }
    return -1;
  }

  // The first factor of [b, e); *end is where it stops.
  int Factor(int b, int e, int* end, GCalculation*& out) {
    Nest nest(this);
    if (nest.tooDeep || b >= e) return CALC_CANNOT_SPLIT;
    const char c = s_[b];
    if (c == '+' || c == '-') {
      GCalculation* f = nullptr;
      if (const int code = Factor(b + 1, e, end, f)) return code;
      GCalculation* sign = New(CALC_CONST);
      if (!sign) return Fail(f, nullptr, CALC_CANNOT_SPLIT);
      sign->value = c == '-' ? -1 : 1;
      return Join(CALC_PROD, sign, f, out);
    }
    GCalculation* base = nullptr;
    int stop = b;
    if (IsDigit(c) || c == '.') {
      // Digits and points, and an exponent "e" only before a digit (2e3 is
      // 2000): "2pi" and "2e" are products with the constants.
      stop = b + 1;
      while (stop < e && (IsDigit(s_[stop]) || s_[stop] == '.' ||
                          (s_[stop] == 'e' && stop + 1 < e && IsDigit(s_[stop + 1]))))
        ++stop;
      base = Constant(std::atof(std::string(s_ + b, stop - b).c_str()));
    } else if (c == 'e') {
      stop = b + 1;
      base = Constant(2.718281828);
    } else if (c == 'p' && b + 1 < e && s_[b + 1] == 'i') {
      stop = b + 2;
      base = Constant(3.1415926535);
    } else if (c == 'x' || c == 'y') {
      stop = b + 1;
      base = New(CALC_VAR);
      if (base) base->name = std::string(1, c);
    } else if (c == '(') {
      const int close = Match(b, e);
      if (close < 0) return CALC_UNCLOSED;
      if (const int code = Term(b, close + 1, base)) return code;
      stop = close + 1;
    } else if (IsLetter(c)) {
      return Function(b, e, end, out);
    } else {
      return CALC_CANNOT_SPLIT;
    }
    if (!base) return CALC_CANNOT_SPLIT;  // the pool is used up
    if (stop < e && s_[stop] == '^') {
      GCalculation* exponent = nullptr;
      if (Factor(stop + 1, e, end, exponent)) return Fail(base, exponent, CALC_PART_FAILED);
      return Join(CALC_POWER, base, exponent, out);
    }
    *end = stop;
    out = base;
    return CALC_OK;
  }

  // sin, cos, tan or log, applied to the rest of the term: everything up to
  // the next "+" or "-" at depth 0.
  int Function(int b, int e, int* end, GCalculation*& out) {
    static const struct {
      const char* word;
      int kind;
    } kFunctions[] = {{"sin", CALC_SIN}, {"cos", CALC_COS}, {"tan", CALC_TAN}, {"log", CALC_LOG}};
    int kind = 0;
    for (const auto& f : kFunctions)
      if (e - b >= 3 && std::memcmp(s_ + b, f.word, 3) == 0) kind = f.kind;
    if (!kind) return CALC_UNKNOWN_FUNC;
    const int argEnd = FirstTermEnd(b + 3, e);
    if (argEnd < 0) return CALC_CANNOT_SPLIT;
    GCalculation* arg = nullptr;
    if (const int code = Term(b + 3, argEnd, arg)) return code;
    GCalculation* f = New(kind);
    if (!f) return Fail(arg, nullptr, CALC_CANNOT_SPLIT);
    f->left = arg;
    *end = argEnd;
    out = f;
    return CALC_OK;
  }

  GCalculation* Constant(double v) {
    GCalculation* k = New(CALC_CONST);
    if (k) k->value = v;
    return k;
  }

  // A binary node over two parsed parts; the parts go back when the pool is out.
  int Join(int kind, GCalculation* l, GCalculation* r, GCalculation*& out) {
    GCalculation* n = New(kind);
    if (!n) return Fail(l, r, CALC_CANNOT_SPLIT);
    n->left = l;
    n->right = r;
    out = n;
    return CALC_OK;
  }

  // Gives back the parts already built, so that a failed parse keeps no node.
  static int Fail(GCalculation* l, GCalculation* r, int code) {
    DeleteGCalc(l);
    DeleteGCalc(r);
    return code;
  }

  // A node from the pool; a pool that runs out is remembered, since it fails
  // the whole parse with its own code.
  GCalculation* New(int kind) {
    GCalculation* n = NewGCalculation(kind);
    if (!n) outOfRoom_ = true;
    return n;
  }

 public:
  bool outOfRoom_ = false;  // the pool ran out or the nesting was too deep

 private:
  const char* s_;
  int depth_ = 0;
};

}  // namespace

int MakeCalcPolynomial(const std::string& text, GCalculation*& out) {
  out = nullptr;
  if (text.size() > 1u << 20) return CALC_CANNOT_SPLIT;
  Parser p(text.data());
  GCalculation* tree = nullptr;
  const int code = p.Polynomial(0, static_cast<int>(text.size()), tree);
  if (code == CALC_OK) out = tree;
  return code != CALC_OK && p.outOfRoom_ ? CALC_CANNOT_SPLIT : code;
}
