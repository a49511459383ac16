// The parser of the formula language. It splits from the left and nests to
// the right: a polynomial is its first term plus the polynomial of the rest,
// a term is its first factor times (or over) the term of the rest, so a/b*c
// is a/(b*c), 2^3^2 is 2^(3^2) and -x^2 is -(x^2).
#include <algorithm>
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
  if (!node || node->kind < CALC_SUM || node->kind > CALC_LN) return;
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
    case CALC_SQRT:
    case CALC_ABS:
    case CALC_EXP:
    case CALC_LN:
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

const struct GFunctionWord {
  const char* word;
  int kind;
} kFunctionWords[] = {{"sin", CALC_SIN},   {"cos", CALC_COS}, {"tan", CALC_TAN}, {"log", CALC_LOG},
                      {"sqrt", CALC_SQRT}, {"abs", CALC_ABS}, {"exp", CALC_EXP}, {"ln", CALC_LN}};

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
    if (nest.tooDeep) return CALC_CANNOT_SPLIT;
    if (b >= e) return Nothing(b);
    const int m = FirstTermEnd(b, e);
    if (m < 0) return Unopened(b, e);
    if (m == e) return Term(b, e, out);
    GCalculation *l = nullptr, *r = nullptr;
    if (Term(b, m, l) || Polynomial(m, e, r)) return Fail(l, r, CALC_PART_FAILED);
    return Join(CALC_SUM, l, r, out);
  }

  int Term(int b, int e, GCalculation*& out) {
    Nest nest(this);
    if (nest.tooDeep) return CALC_CANNOT_SPLIT;
    if (b >= e) return Nothing(b);
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
      if (tooDeep) {
        q->outOfRoom_ = true;
        q->Note(CALC_CANNOT_SPLIT, GFormulaFault::kTooDeep, 0, 0);
      }
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
    if (nest.tooDeep) return CALC_CANNOT_SPLIT;
    if (b >= e) return Nothing(b);
    const char c = s_[b];
    if (c == '+' || c == '-') {
      GCalculation* f = nullptr;
      if (const int code = Factor(b + 1, e, end, f)) return code;
      GCalculation* sign = New(CALC_CONST);
      if (!sign) return Fail(f, nullptr, CALC_CANNOT_SPLIT);
      sign->value = c == '-' ? -1 : 1;
      sign->name = std::string(1, c);  // written back as typed
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
    } else if (c == 'e' && !StartsExp(b, e)) {
      stop = b + 1;
      base = Constant(2.718281828);
    } else if ((c == 'p' && b + 1 < e && s_[b + 1] == 'i') ||
               (c == '\xCF' && b + 1 < e && s_[b + 1] == '\x80')) {  // "pi" or the letter
      stop = b + 2;
      base = Constant(3.1415926535);
    } else if (c == 'x' || c == 'y') {
      stop = b + 1;
      base = New(CALC_VAR);
      if (base) base->name = std::string(1, c);
    } else if (c == '(') {
      const int close = Match(b, e);
      if (close < 0) return Note(CALC_UNCLOSED, GFormulaFault::kUnclosed, b, 1);
      if (const int code = Term(b, close + 1, base)) return code;
      stop = close + 1;
    } else if (IsLetter(c)) {
      return Function(b, e, end, out);
    } else {
      return Note(CALC_CANNOT_SPLIT, GFormulaFault::kUnexpected, b, CharLength(b, e));
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

  // "exp" is a function unless "i" follows: "expi" has always been e*x*pi.
  bool StartsExp(int b, int e) const {
    return e - b >= 3 && std::memcmp(s_ + b, "exp", 3) == 0 && !(e - b > 3 && s_[b + 3] == 'i');
  }

  // A function word, applied to the rest of the term: everything up to the
  // next "+" or "-" at depth 0. The words of school (sqrt, abs, exp, ln)
  // follow the same rule as sin, so "sqrt(x)*2" is sqrt(2x).
  int Function(int b, int e, int* end, GCalculation*& out) {
    int kind = 0, length = 0;
    for (const GFunctionWord& f : kFunctionWords) {
      const int n = static_cast<int>(std::strlen(f.word));
      if (e - b >= n && std::memcmp(s_ + b, f.word, n) == 0) {
        kind = f.kind;
        length = n;
      }
    }
    if (kind == CALC_EXP && !StartsExp(b, e)) kind = 0;
    if (!kind) {
      // The word is its letters, up to the variable a child writes after it.
      int n = 1;
      while (b + n < e && IsLetter(s_[b + n]) && s_[b + n] != 'x' && s_[b + n] != 'y') ++n;
      return Note(CALC_UNKNOWN_FUNC, GFormulaFault::kUnknownWord, b, n);
    }
    const int from = b + length;
    const int argEnd = FirstTermEnd(from, e);
    if (argEnd < 0) return Unopened(from, e);
    if (argEnd == from) return Note(CALC_CANNOT_SPLIT, GFormulaFault::kMissing, b, length);
    GCalculation* arg = nullptr;
    if (const int code = Term(from, argEnd, arg)) return code;
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
    if (!n) {
      outOfRoom_ = true;
      Note(CALC_CANNOT_SPLIT, GFormulaFault::kTooLong, 0, 0);
    }
    return n;
  }

  // An empty range: the whole text, or what should follow the byte before.
  int Nothing(int b) {
    if (b == 0) return Note(CALC_CANNOT_SPLIT, GFormulaFault::kEmpty, 0, 0);
    return Note(CALC_CANNOT_SPLIT, GFormulaFault::kMissing, b - 1, 1);
  }

  // A ")" in [b, e) closes more than was opened there.
  int Unopened(int b, int e) {
    for (int depth = 0; b < e; ++b) {
      if (s_[b] == '(') ++depth;
      if (s_[b] == ')' && --depth < 0) break;
    }
    return Note(CALC_CANNOT_SPLIT, GFormulaFault::kUnopened, b, 1);
  }

  // The bytes of the character at b (a letter such as "é" is one), within e.
  int CharLength(int b, int e) const {
    const auto lead = static_cast<unsigned char>(s_[b]);
    const int n = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    return std::min(n, e - b);
  }

 public:
  // Keeps the failure found first and returns the code to fail with.
  // Nothing is tried again after a part fails, so the first failure is the
  // cause of all that fail after it.
  int Note(int code, GFormulaFault fault, int at, int length) {
    if (fault_.fault != GFormulaFault::kNone) return code;
    fault_.fault = fault;
    fault_.at = static_cast<size_t>(at);
    if (at >= 0 && length > 0) fault_.what.assign(s_ + at, s_ + at + length);
    return code;
  }

  bool outOfRoom_ = false;  // the pool ran out or the nesting was too deep
  GFormulaError fault_;

 private:
  const char* s_;
  int depth_ = 0;
};

}  // namespace

int MakeCalcPolynomial(const std::string& text, GCalculation*& out, GFormulaError* error) {
  out = nullptr;
  if (text.size() > 1u << 20) {
    if (error) *error = GFormulaError{CALC_CANNOT_SPLIT, GFormulaFault::kTooLong, 0, ""};
    return CALC_CANNOT_SPLIT;
  }
  Parser p(text.data());
  GCalculation* tree = nullptr;
  int code = p.Polynomial(0, static_cast<int>(text.size()), tree);
  if (code == CALC_OK) out = tree;
  if (code != CALC_OK && p.outOfRoom_) code = CALC_CANNOT_SPLIT;
  if (error) {
    *error = code == CALC_OK ? GFormulaError() : std::move(p.fault_);
    error->code = code;
  }
  return code;
}
