// The formula language: how texts nest and what they evaluate to, where a
// formula has no value, the error codes with their explanations, the text a
// tree is written back as, and the node pool under failures.
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
      // The words of school, which take the rest of the term as sin does.
      {"sqrt(x)", 9, 3},                            //
      {"2sqrt(x)*4", 2, 2 * std::sqrt(8.0)},        //
      {"abs(x)", -2.5, 2.5},                        //
      {"exp(x)", 1, std::exp(1.0)},                 //
      {"lnx", std::exp(3.0), 3},                    //
      {"2\xCF\x80x", 0.5, 3.1415926535},            // the letter pi
      {"expi", 2, 2.718281828 * 2 * 3.1415926535},  // as ever: e times x times pi
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
      {"1/x", 0},   {"logx", 0},    {"log(x)", -1},  {"x^0.5", -1},   {"(x-1)^1.5", 0.5},
      {"0^0.5", 0}, {"1/(x-x)", 3}, {"10^400", 0},   {"sin(1/x)", 0}, {"2+1/x", 0},
      {"x^-1", 0},  {"e^(1/x)", 0}, {"sqrt(x)", -1}, {"lnx", 0},      {"exp(x)", 1e3},
  };
  for (const auto& c : cases) {
    const Outcome o = Calc(c.text, c.x);
    ASSERT_EQ(o.code, 0) << c.text;
    EXPECT_FALSE(o.defined) << c.text;
  }
}

// The code a message has always shown, and the line that says what is wrong
// where (the place counted in characters from 1).
TEST_F(FormulaTest, ErrorsGiveTheirCodeAndExplanation) {
  const struct {
    const char* text;
    int code;
    const char* why;
  } cases[] = {
      {"", 2, "The formula is empty."},
      {"x)", 2, "The bracket \")\" at position 2 closes nothing."},
      {"x)+(x", 2, "The bracket \")\" at position 2 closes nothing."},
      {"sin)x", 2, "The bracket \")\" at position 4 closes nothing."},
      {"(x+1", 128, "The bracket \"(\" at position 1 is never closed."},
      {"sin(x", 128, "The bracket \"(\" at position 4 is never closed."},
      {"2(x+1", 1, "The bracket \"(\" at position 2 is never closed."},
      {"x+(x", 1, "The bracket \"(\" at position 3 is never closed."},
      {"a", 4,
       "Unknown word \"a\" at position 1 (known: sin, cos, tan, log, ln, exp, sqrt, abs, "
       "pi, e, x)."},
      {"p", 4,
       "Unknown word \"p\" at position 1 (known: sin, cos, tan, log, ln, exp, sqrt, abs, "
       "pi, e, x)."},
      {"sqr(x)", 4,
       "Unknown word \"sqr\" at position 1 (known: sin, cos, tan, log, ln, exp, "
       "sqrt, abs, pi, e, x)."},
      {"x+Sinx", 1,
       "Unknown word \"Sin\" at position 3 (known: sin, cos, tan, log, ln, exp, "
       "sqrt, abs, pi, e, x)."},
      {"#", 2, "\"#\" at position 1 cannot stand there."},
      {"x,x", 1, "\",\" at position 2 cannot stand there."},
      {"x//2", 1, "\"/\" at position 3 cannot stand there."},
      {"\xCF\x80\xC3\xA9", 1, "\"\xC3\xA9\" at position 2 cannot stand there."},
      {"x*", 1, "Something is missing after \"*\" at position 2."},
      {"x+", 1, "Something is missing after \"+\" at position 2."},
      {"x^", 1, "Something is missing after \"^\" at position 2."},
      {"-", 2, "Something is missing after \"-\" at position 1."},
      {"()", 2, "Something is missing after \"(\" at position 1."},
      {"2sqrt", 1, "Something is missing after \"sqrt\" at position 2."},
      {"sin", 2, "Something is missing after \"sin\" at position 1."},
  };
  for (const auto& c : cases) {
    GCalculation* t = nullptr;
    GFormulaError error;
    EXPECT_EQ(MakeCalcPolynomial(c.text, t, &error), c.code) << c.text;
    EXPECT_EQ(error.code, c.code) << c.text;
    EXPECT_EQ(FormulaErrorText(error, c.text), c.why) << c.text;
  }
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
  std::string deep(5000, '(');
  deep += "x" + std::string(5000, ')');
  const struct {
    std::string text;
    const char* why;
  } cases[] = {{longSum, "The formula is too long."},
               {deep, "The formula has too many brackets inside brackets."}};
  for (const auto& c : cases) {
    GCalculation* t = nullptr;
    GFormulaError error;
    EXPECT_EQ(MakeCalcPolynomial(c.text, t, &error), 2);
    EXPECT_EQ(FormulaErrorText(error, c.text), c.why);
  }
}

// The status bar shows a formula so: brackets where the parser nests
// otherwise than the usual reading, every product written. The text reads
// back into a tree that is written the same and has the same values.
TEST_F(FormulaTest, PrintShowsHowTheFormulaNests) {
  const struct {
    const char* typed;
    const char* printed;
  } cases[] = {
      {"x/2*2", "x/(2*2)"},                // what follows "/" divides as a whole
      {"x*2/4", "x*2/4"},                  // no brackets where the readings agree
      {"2y^2-3", "2*y^2-3"},               //
      {"2^3^2", "2^(3^2)"},                //
      {"(x+1)^-1", "(x+1)^(-1)"},          //
      {"sin(x)*2", "sin(x*2)"},            // a function takes the rest of its term
      {"(sinx)x", "(sin(x))*x"},           //
      {"(-sinx)x", "-(sin(x))*x"},         //
      {"x(-x)", "x*(-x)"},                 //
      {"(x/2)x", "(x/2)*x"},               //
      {"2(x+1)/(x-1)", "2*(x+1)/(x-1)"},   //
      {"1x+x", "1*x+x"},                   // a typed 1 is not a sign
      {"e^x\xCF\x80", "e^x*pi"},           //
      {"2e3+.5+1e999", "2000+0.5+1e999"},  //
      {"sqrtx+abs(x)-exp(x)ln(x)", "sqrt(x)+abs(x)-exp(x*ln(x))"},
  };
  for (const auto& c : cases) {
    GCalculation *t = nullptr, *again = nullptr;
    ASSERT_EQ(MakeCalcPolynomial(c.typed, t), 0) << c.typed;
    const std::string printed = PrintFormula(t);
    EXPECT_EQ(printed, c.printed) << c.typed;
    ASSERT_EQ(MakeCalcPolynomial(printed, again), 0) << printed;
    EXPECT_EQ(PrintFormula(again), printed);
    for (double x : {-1.5, 0.5, 2.0}) {
      Outcome a, b;
      a.defined = t->Evaluate(x, &a.value);
      b.defined = again->Evaluate(x, &b.value);
      EXPECT_EQ(a.defined, b.defined) << printed << " at " << x;
      EXPECT_NEAR(a.value, b.value, 1e-12 * std::max(1.0, std::fabs(a.value))) << printed;
    }
    DeleteGCalc(t);
    DeleteGCalc(again);
  }
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
