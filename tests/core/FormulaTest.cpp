// The formula language: how texts nest and what they evaluate to, where a
// formula has no value, the error codes, and the node pool under failures.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "model/Formula.h"

namespace {

// Parses, evaluates at x and gives the tree back; the code when parsing fails.
struct Outcome {
  int code = 0;
  bool defined = false;
  double value = 0;
};

Outcome Calc(const std::string& text, double x) {
  Outcome o;
  GCalculation* t = nullptr;
  o.code = MakeCalcPolynomial(text, t);
  if (o.code == 0) {
    o.defined = t->Evaluate(x, &o.value);
    DeleteGCalc(t);
  }
  return o;
}

class FormulaTest : public ::testing::Test {
 protected:
  void TearDown() override { EXPECT_EQ(UsedGcals(), 0) << "a parse kept nodes"; }
};

TEST_F(FormulaTest, NestsToTheRightAndEvaluates) {
  const struct {
    const char* text;
    double x, want;
  } cases[] = {
      {"x^2", -3, 9},                        // whole exponent: pow, also for negative bases
      {"x^0.5", 4, 2},                       //
      {"2x+1", 3, 7},                        // implicit product
      {"2*x+1", 3, 7},                       //
      {"8/2/2", 0, 8},                       // a/b/c is a/(b/c)
      {"8/2*2", 0, 2},                       // a/b*c is a/(b*c)
      {"5-2+1", 0, 4},                       // a + (-1*b) + c
      {"2^3^2", 0, 512},                     // 2^(3^2)
      {"-x^2", 3, -9},                       // -(x^2)
      {"sin(x)+1", 0.5, std::sin(0.5) + 1},  //
      {"sin(x)*2", 0.5, std::sin(1.0)},      // the function takes the rest of the term
      {"sinx^2", 2, std::sin(4.0)},          //
      {"xsinx", 2, 2 * std::sin(2.0)},       // "x sin x" without blanks
      {"e^x", 1, std::exp(1.0)},             //
      {"pi", 0, 3.1415926535},               //
      {"2e3", 0, 2000},                      //
      {"2pi", 0, 2 * 3.1415926535},          // a number, then the constant
      {"2(x+1)", 2, 6},                      //
      {"(x+1)^2", 2, 9},                     //
      {"((x))", 5, 5},                       //
      {"y", 7, 7},                           // y stands for the variable too
      {"cos(x)tan(x)", 0.3, std::cos(0.3 * std::tan(0.3))},  // cos(x tan x)
      {"log(x)", std::exp(2.0), 2},                          //
      {"x^-1", 4, 0.25},                                     //
      {"+x", 4, 4},                                          //
  };
  for (const auto& c : cases) {
    const Outcome o = Calc(c.text, c.x);
    ASSERT_EQ(o.code, 0) << c.text;
    EXPECT_TRUE(o.defined) << c.text;
    EXPECT_NEAR(o.value, c.want, 1e-9 * std::max(1.0, std::fabs(c.want))) << c.text;
  }
}

TEST_F(FormulaTest, UndefinedPlaces) {
  const struct {
    const char* text;
    double x;
  } cases[] = {
      {"1/x", 0},         {"logx", 0},  {"log(x)", -1}, {"x^0.5", -1},
      {"(x-1)^1.5", 0.5}, {"0^0.5", 0}, {"1/(x-x)", 3}, {"10^400", 0},
      {"sin(1/x)", 0},    {"2+1/x", 0}, {"x^-1", 0},    {"e^(1/x)", 0},
  };
  for (const auto& c : cases) {
    const Outcome o = Calc(c.text, c.x);
    ASSERT_EQ(o.code, 0) << c.text;
    EXPECT_FALSE(o.defined) << c.text;
  }
}

TEST_F(FormulaTest, ErrorCodes) {
  const struct {
    const char* text;
    int code;
  } cases[] = {
      {"", 2},     {"x)", 2},    {"a", 4},  {"#", 2},  {"(x+1", 128}, {"sin(x", 128}, {"2(x+1", 1},
      {"x+(x", 1}, {"x*", 1},    {"x+", 1}, {"x^", 1}, {"sqr(x)", 4}, {"x+foo", 1},   {"sin", 2},
      {"x,x", 1},  {"x)+(x", 2}, {"p", 4},  {"-", 2},  {"x//2", 1},
  };
  for (const auto& c : cases) EXPECT_EQ(Calc(c.text, 0).code, c.code) << c.text;
}

// A child mistyping a formula many times must not use up the pool.
TEST_F(FormulaTest, FailedParsesGiveTheirNodesBack) {
  for (int i = 0; i < 3000; ++i) {
    GCalculation* t = nullptr;
    ASSERT_NE(MakeCalcPolynomial("x^2+3x-sin(x)*cos(x)+(x", t), 0);
    ASSERT_EQ(t, nullptr);
  }
  EXPECT_EQ(Calc("x^2+1", 2).value, 5);
}

TEST_F(FormulaTest, PoolExhaustionFailsWithCode2AndKeepsNothing) {
  std::string longSum = "x";
  for (int i = 0; i < 600; ++i) longSum += "+x";  // 1201 nodes
  EXPECT_EQ(Calc(longSum, 1).code, 2);
  std::string deep(5000, '(');
  EXPECT_EQ(Calc(deep + "x" + std::string(5000, ')'), 1).code, 2);  // nesting too deep
}

TEST_F(FormulaTest, PrintShowsTheTree) {
  GCalculation* t = nullptr;
  ASSERT_EQ(MakeCalcPolynomial("2/x", t), 0);
  testing::internal::CaptureStdout();
  t->Print(0);
  const std::string out = testing::internal::GetCapturedStdout();
  DeleteGCalc(t);
  EXPECT_EQ(out, "div {\ni1:\n   const {\n   input1:=2.000000\n   }\ni2:\n   var x\n}\n");
}

TEST_F(FormulaTest, GraphTextHelpers) {
  int nx, ny, nt, nc;
  CountChInGraphText("x+y,t*x", &nx, &ny, &nt, &nc);
  EXPECT_EQ(nx, 2);
  EXPECT_EQ(ny, 1);
  EXPECT_EQ(nt, 1);
  EXPECT_EQ(nc, 1);
  EXPECT_TRUE(GetRBInGraphText("cos(x),sin(x)"));
  EXPECT_FALSE(GetRBInGraphText("sin(x)"));
}

}  // namespace
