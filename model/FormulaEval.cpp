// Evaluation of formula trees at a value of the variable, with the places
// where a formula has no value (poles, logarithms and broken powers of
// numbers not above 0, square roots of negative numbers), and the debug
// print of a tree.
#include <cmath>
#include <cstdio>

#include "model/Formula.h"

namespace {

// An exponent within 0.0001 of a whole number counts as whole: the power is
// then defined for negative bases too (x^2 at -3 is 9).
bool NearlyWhole(double v) {
  const double f = std::floor(v + 0.0001);
  return v - 0.0001 < f && f < v + 0.0001;
}

}  // namespace

bool GCalculation::Evaluate(double x, double* result) const {
  double a = 0, b = 0;
  bool ok = true;
  *result = 0;
  switch (kind) {
    case CALC_CONST:
      *result = value;
      break;
    case CALC_VAR:
      *result = x;
      break;
    case CALC_SUM:
    case CALC_PROD:
      if (!left || !right || !left->Evaluate(x, &a) || !right->Evaluate(x, &b)) return false;
      *result = kind == CALC_SUM ? a + b : a * b;
      break;
    case CALC_DIV:
      if (!left || !right || !left->Evaluate(x, &a) || !right->Evaluate(x, &b) || b == 0)
        return false;
      *result = a / b;
      break;
    case CALC_POWER:
      if (!left || !right || !left->Evaluate(x, &a) || !right->Evaluate(x, &b)) return false;
      if (NearlyWhole(b)) {
        *result = std::pow(a, b);
      } else {
        if (!(a > 0)) return false;
        *result = std::exp(std::log(a) * b);
      }
      break;
    case CALC_SIN:
    case CALC_COS:
    case CALC_TAN:
      if (!left || !left->Evaluate(x, &a)) return false;
      *result = kind == CALC_SIN ? std::sin(a) : kind == CALC_COS ? std::cos(a) : std::tan(a);
      break;
    case CALC_LOG:
    case CALC_LN:
      if (!left || !left->Evaluate(x, &a) || !(a > 0)) return false;
      *result = std::log(a);
      break;
    case CALC_SQRT:
      if (!left || !left->Evaluate(x, &a) || !(a >= 0)) return false;
      *result = std::sqrt(a);
      break;
    case CALC_ABS:
    case CALC_EXP:
      if (!left || !left->Evaluate(x, &a)) return false;
      *result = kind == CALC_ABS ? std::fabs(a) : std::exp(a);
      break;
    default:
      return false;
  }
  // Overflow (10^400, 0^-1) has no value a curve could use either.
  if (!std::isfinite(*result)) {
    *result = 0;
    ok = false;
  }
  return ok;
}

void GCalculation::Print(int depth) const {
  auto indent = [](int d) {
    for (int i = 0; i < d; ++i) std::fputs("   ", stdout);
  };
  auto operand = [&](const char* label, const GCalculation* n) {
    indent(depth);
    std::printf("%s\n", label);
    if (n) n->Print(depth + 1);
  };
  const char* head = nullptr;
  switch (kind) {
    case CALC_SUM:
      head = "sum {";
      break;
    case CALC_PROD:
      head = "prod {";
      break;
    case CALC_DIV:
      head = "div {";
      break;
    case CALC_POWER:
      head = "power {";
      break;
    case CALC_SIN:
      head = "sin {";
      break;
    case CALC_COS:
      head = "cos {";
      break;
    case CALC_TAN:
      head = "tan {";
      break;
    case CALC_LOG:
      head = "log {";
      break;
    case CALC_SQRT:
      head = "sqrt {";
      break;
    case CALC_ABS:
      head = "abs {";
      break;
    case CALC_EXP:
      head = "exp {";
      break;
    case CALC_LN:
      head = "ln {";
      break;
    case CALC_CONST:
      indent(depth);
      std::printf("const {\n");
      indent(depth);
      std::printf("input1:=%f\n", value);
      indent(depth);
      std::printf("}\n");
      return;
    case CALC_VAR:
      indent(depth);
      std::printf("var x\n");
      return;
    default:
      return;
  }
  indent(depth);
  std::printf("%s\n", head);
  operand("i1:", left);
  if (kind <= CALC_POWER) operand("i2:", right);
  indent(depth);
  std::printf("}\n");
}
