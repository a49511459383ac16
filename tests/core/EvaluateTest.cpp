// Evaluation of the elementary steps on records built on the stack: the
// geometry each kind produces, its degenerate cases, failures on missing
// elements and the motion record the engine keeps for produced points.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "model/GConst.h"

namespace {

GPoint Pt(double x, double y) { return GPoint(CComplex(x, 0), CComplex(y, 0)); }

GConst Step(int type) {
  GConst c;
  c.type = static_cast<short>(type);
  return c;
}

// The affine point lies on the line.
bool OnLine(const GPoint& p, const GLine& l) { return zerop(l.a * p.xz() + l.b * p.yz() + l.c); }

// Two lines are the same when their coefficients are proportional.
bool SameLine(const GLine& l, const GLine& m) {
  return zerop(l.a * m.b - l.b * m.a) && zerop(l.b * m.c - l.c * m.b) &&
         zerop(l.a * m.c - l.c * m.a);
}

void ExpectAt(const GPoint& p, double x, double y) {
  EXPECT_NEAR(p.xz().re, x, 1e-9);
  EXPECT_NEAR(p.yz().re, y, 1e-9);
  EXPECT_NEAR(p.xz().im, 0, 1e-9);
  EXPECT_NEAR(p.yz().im, 0, 1e-9);
}

}  // namespace

TEST(EvaluateJoinAndMeet, JoinPassesThroughBothPoints) {
  GPoint p = Pt(1, 2), q(CComplex(6, 0), CComplex(-2, 0), CComplex(2, 0));  // q = (3, -1)
  GLine l;
  GConst c = Step(CONST_JOIN);
  c.PInput1 = &p, c.PInput2 = &q, c.LOutput = &l;
  EXPECT_EQ(c.Evaluate(), 0);
  EXPECT_TRUE(OnLine(p, l));
  EXPECT_TRUE(OnLine(q, l));
}

TEST(EvaluateJoinAndMeet, JoiningAPointWithItselfGivesTheVerticalThroughIt) {
  GPoint p(CComplex(4, 0), CComplex(6, 0), CComplex(2, 0));  // (2, 3)
  GLine l;
  GConst c = Step(CONST_JOIN);
  c.PInput1 = &p, c.PInput2 = &p, c.LOutput = &l;
  EXPECT_EQ(c.Evaluate(), 0);
  EXPECT_TRUE(SameLine(l, GLine(CComplex(1, 0), CComplex(0, 0), CComplex(-2, 0))));
}

TEST(EvaluateJoinAndMeet, ParallelLinesMeetAtInfinityAndComeBackWhenTurned) {
  GLine l(0, 0, 1, 1, 0, 0, 0, 0), m(0, 1, 1, 2, 0, 0, 0, 0);
  GPoint p;
  GConst c = Step(CONST_MEET);
  c.LInput1 = &l, c.LInput2 = &m, c.POutput = &p;
  EXPECT_EQ(c.Evaluate(), 0);
  EXPECT_TRUE(zerop(p.z));
  EXPECT_TRUE(p == GPoint(CComplex(1, 0), CComplex(1, 0), CComplex(0, 0)));  // direction (1, 1)
  m.SetLine(0, 1, 1, 0);
  EXPECT_EQ(c.Evaluate(), 0);
  ExpectAt(p, 0.5, 0.5);
}

TEST(EvaluateJoinAndMeet, IdenticalLinesGiveADefinedPointOnTheLine) {
  GLine l(0, 2, 2, 2, 0, 0, 0, 0);  // y = 2
  GLine m(CComplex(0, 0), CComplex(3, 0), CComplex(-6, 0));
  GPoint p;
  GConst c = Step(CONST_MEET);
  c.LInput1 = &l, c.LInput2 = &m, c.POutput = &p;
  EXPECT_EQ(c.Evaluate(), 0);
  ExpectAt(p, 0, 2);
  // The line at infinity with itself: still a defined point.
  GLine inf;
  c.LInput1 = c.LInput2 = &inf;
  EXPECT_EQ(c.Evaluate(), 0);
  EXPECT_FALSE(zerop(p.x) && zerop(p.y) && zerop(p.z));
}

TEST(EvaluateParallelAndPerp, PassThroughThePointWithTheRightDirection) {
  GLine l(0, 0, 2, 1, 0, 0, 0, 0), out;
  GPoint p = Pt(1, 3);
  GConst c = Step(CONST_PARALLEL);
  c.LInput1 = &l, c.PInput1 = &p, c.LOutput = &out;
  EXPECT_EQ(c.Evaluate(), 0);
  EXPECT_TRUE(OnLine(p, out));
  EXPECT_TRUE(zerop(out.a * l.b - out.b * l.a));
  c.type = CONST_PERP;
  EXPECT_EQ(c.Evaluate(), 0);
  EXPECT_TRUE(OnLine(p, out));
  EXPECT_TRUE(zerop(out.a * l.a + out.b * l.b));
}

TEST(EvaluateParallelAndPerp, LineAtInfinityGivesTheVerticalThroughThePoint) {
  GLine inf, out;
  GPoint p = Pt(3, 4);
  for (int type : {CONST_PARALLEL, CONST_PERP}) {
    GConst c = Step(type);
    c.LInput1 = &inf, c.PInput1 = &p, c.LOutput = &out;
    EXPECT_EQ(c.Evaluate(), 0);
    EXPECT_TRUE(SameLine(out, GLine(CComplex(1, 0), CComplex(0, 0), CComplex(-3, 0))));
  }
}

TEST(EvaluateMid, HalvesFinitePointsAndKeepsAPointAtInfinity) {
  GPoint p(CComplex(2, 0), CComplex(4, 0), CComplex(2, 0)), q = Pt(3, 6), m;
  GConst c = Step(CONST_MID);
  c.PInput1 = &p, c.PInput2 = &q, c.POutput = &m;
  EXPECT_EQ(c.Evaluate(), 0);
  ExpectAt(m, 2, 4);
  GPoint far(CComplex(1, 0), CComplex(-1, 0), CComplex(0, 0));
  c.PInput2 = &far;
  EXPECT_EQ(c.Evaluate(), 0);
  EXPECT_TRUE(m == far);
  // Two opposite representatives of one point at infinity cancel out.
  GPoint opp(CComplex(-1, 0), CComplex(1, 0), CComplex(0, 0));
  c.PInput1 = &opp;
  EXPECT_EQ(c.Evaluate(), 0);
  EXPECT_EQ(m.x.re, 1.0);
}

TEST(EvaluateCircles, RadiusFromCentreAndPointOrFromTwoPoints) {
  GPoint m = Pt(1, 1), p = Pt(4, 5), a = Pt(0, 0), b = Pt(0, 2);
  GCircle out;
  GConst c = Step(CONST_MULTI_CIRCLE);
  c.PInput1 = &m, c.PInput2 = &p, c.COutput = &out;
  EXPECT_EQ(c.Evaluate(), 0);
  EXPECT_EQ(out.cx.re, 1.0);
  EXPECT_EQ(out.cy.re, 1.0);
  EXPECT_DOUBLE_EQ(out.r2.re, 25);
  GConst k = Step(CONST_COMPASS);
  k.PInput1 = &a, k.PInput2 = &b, k.PInput3 = &p, k.COutput = &out;
  EXPECT_EQ(k.Evaluate(), 0);
  EXPECT_EQ(out.cx.re, 4.0);
  EXPECT_DOUBLE_EQ(out.r2.re, 4);
}

TEST(EvaluatePointsOnLines, WeightsAndOffsets) {
  GPoint p = Pt(0, 0), q(CComplex(8, 0), CComplex(4, 0), CComplex(2, 0)), out;  // q = (4, 2)
  GConst c = Step(CONST_ON_LINE);
  c.PInput1 = &p, c.PInput2 = &q, c.POutput = &out;
  c.param1 = CComplex(1, 0);  // weight on Q
  c.param2 = CComplex(3, 0);  // weight on P
  EXPECT_EQ(c.Evaluate(), 0);
  ExpectAt(out, 1, 0.5);
  c.param2 = CComplex(-1, 0);
  EXPECT_EQ(c.Evaluate(), 0);
  EXPECT_TRUE(zerop(out.z));

  GLine l(CComplex(3, 0), CComplex(4, 0), CComplex(0, 0));
  GConst a = Step(CONST_PT_ON_PARA);
  a.LInput1 = &l, a.PInput1 = &q, a.POutput = &out, a.param1 = CComplex(2, 0);
  EXPECT_EQ(a.Evaluate(), 0);
  ExpectAt(out, 4 - 8, 2 + 6);
  a.type = CONST_PT_ON_PER;
  EXPECT_EQ(a.Evaluate(), 0);
  ExpectAt(out, 4 + 6, 2 + 8);
}

TEST(EvaluatePointOnCircle, RidesAlongAtTheSameClockwiseAngle) {
  GCircle circle(1.0, 1.0, 4.0);
  GPoint out;
  GConst c = Step(CONST_PT_ON_CIRCLE);
  c.CInput1 = &circle, c.POutput = &out, c.param1 = CComplex(M_PI / 2, 0);
  EXPECT_EQ(c.Evaluate(), 0);
  ExpectAt(out, 1, -1);  // a quarter turn clockwise from the right: below the centre
  circle.SetCircle(5, 0, 9);
  EXPECT_EQ(c.Evaluate(), 0);
  ExpectAt(out, 5, -3);
  EXPECT_NEAR(std::atan2(circle.cy.re - out.yz().re, out.xz().re - circle.cx.re), M_PI / 2, 1e-12);
}

TEST(EvaluatePointOnCircle, ImaginaryRadiusGivesAComplexPointNotNaN) {
  GCircle circle(0.0, 0.0, -4.0);
  GPoint out;
  GConst c = Step(CONST_PT_ON_CIRCLE);
  c.CInput1 = &circle, c.POutput = &out;
  EXPECT_EQ(c.Evaluate(), 0);
  EXPECT_FALSE(std::isnan(out.x.re) || std::isnan(out.x.im));
  EXPECT_FALSE(out.xz().realp());
  circle.SetCircle(0, 0, 4);  // back to a real circle: the point comes back
  EXPECT_EQ(c.Evaluate(), 0);
  ExpectAt(out, 2, 0);
}

TEST(EvaluateTangent, IsThePolarOfThePoint) {
  GCircle circle(1.0, 0.0, 1.0);
  GPoint on = Pt(1, 1), out = Pt(3, 0);
  GLine l;
  GConst c = Step(CONST_TANGENT);
  c.CInput1 = &circle, c.PInput1 = &on, c.LOutput = &l;
  EXPECT_EQ(c.Evaluate(), 0);
  EXPECT_TRUE(SameLine(l, GLine(CComplex(0, 0), CComplex(1, 0), CComplex(-1, 0))));  // y = 1
  // From outside: the line through both tangent points, x = 1.5.
  c.PInput1 = &out;
  EXPECT_EQ(c.Evaluate(), 0);
  EXPECT_TRUE(SameLine(l, GLine(CComplex(1, 0), CComplex(0, 0), CComplex(-1.5, 0))));
}

TEST(EvaluateTangent, PointOnTangentMovesPerpendicularToTheRadius) {
  GCircle circle(0.0, 0.0, 4.0);
  GPoint p(CComplex(4, 0), CComplex(0, 0), CComplex(2, 0)), out;  // (2, 0)
  GConst c = Step(CONST_PT_ON_TANGENT);
  c.CInput1 = &circle, c.PInput1 = &p, c.POutput = &out, c.param1 = CComplex(0.5, 0);
  EXPECT_EQ(c.Evaluate(), 0);
  ExpectAt(out, 2, 1);
}

TEST(EvaluateCopies, FreePointAndBracket) {
  GPoint p(CComplex(1, 0), CComplex(2, 0), CComplex(3, 0)), q = Pt(4, 5);
  GConst f = Step(CONST_FREE);
  f.PInput1 = f.POutput = &p;
  EXPECT_EQ(f.Evaluate(), 0);
  EXPECT_EQ(f.param1.re, 1.0);
  EXPECT_EQ(f.param2.re, 2.0);
  EXPECT_EQ(f.param3.re, 3.0);
  GBracket br;
  GConst b = Step(CONST_BRACKET);
  b.PInput1 = &p, b.PInput2 = &q, b.BracketOutput = &br;
  EXPECT_EQ(b.Evaluate(), 0);
  EXPECT_EQ(br.z1.re, 3.0);
  EXPECT_EQ(br.x2.re, 4.0);
  EXPECT_EQ(br.y2.re, 5.0);
}

TEST(EvaluateFailure, MissingInputLeavesTheOutputAlone) {
  GPoint p = Pt(1, 2), q = Pt(3, 5), r = Pt(-1, 4), out = Pt(7, 7);
  GLine l(0, 0, 1, 0, 0, 0, 0, 0), m(0, 0, 0, 1, 0, 0, 0, 0);
  GLine lout(CComplex(9, 0), CComplex(9, 0), CComplex(9, 0));
  GCircle circle(0.0, 0.0, 1.0), cout(9.0, 9.0, 9.0);
  GParaCurve curve;
  curve.count = 2;
  curve.X[0] = curve.Y[0] = 0, curve.X[1] = curve.Y[1] = 1;
  GAngle angle;
  GConst placed;
  // Each kind with every input wired except the one named.
  struct Case {
    int type;
    void (*drop)(GConst&);
  };
  const Case cases[] = {
      {CONST_ON_LINE, [](GConst& c) { c.PInput2 = nullptr; }},
      {CONST_MEET, [](GConst& c) { c.LInput2 = nullptr; }},
      {CONST_MID, [](GConst& c) { c.PInput1 = nullptr; }},
      {CONST_PT_ON_PARA, [](GConst& c) { c.LInput1 = nullptr; }},
      {CONST_PT_ON_PER, [](GConst& c) { c.PInput1 = nullptr; }},
      {CONST_PT_ON_CIRCLE, [](GConst& c) { c.CInput1 = nullptr; }},
      {CONST_PT_ON_TANGENT, [](GConst& c) { c.CInput1 = nullptr; }},
      {CONST_ORTHOCENTER, [](GConst& c) { c.PInput3 = nullptr; }},
      {CONST_PT_ON_3P_BISECTOR, [](GConst& c) { c.PInput2 = nullptr; }},
      {CONST_PT_ON_BISECTOR, [](GConst& c) { c.LInput2 = nullptr; }},
      {CONST_PT_ON_CURVE, [](GConst& c) { c.CurveInput1 = nullptr; }},
      {CONST_PT_ON_CURVE_TANGENT, [](GConst& c) { c.PInput1 = nullptr; }},
      {CONST_PT_ON_LINE_WITH_ANGLE, [](GConst& c) { c.AngleInput1 = nullptr; }},
      {CONST_PT_ON_LINE_WITH_ANGLE_DEGREE, [](GConst& c) { c.LInput1 = nullptr; }},
      {CONST_FREE, [](GConst& c) { c.PInput1 = nullptr; }},
      {CONST_JOIN, [](GConst& c) { c.PInput2 = nullptr; }},
      {CONST_PARALLEL, [](GConst& c) { c.PInput1 = nullptr; }},
      {CONST_PERP, [](GConst& c) { c.LInput1 = nullptr; }},
      {CONST_BISECTOR, [](GConst& c) { c.LInput1 = nullptr; }},
      {CONST_3P_BISECTOR, [](GConst& c) { c.PInput3 = nullptr; }},
      {CONST_TANGENT, [](GConst& c) { c.CInput1 = nullptr; }},
      {CONST_CURVE_TANGENT, [](GConst& c) { c.curveStep = nullptr; }},
      {CONST_LINE_WITH_ANGLE, [](GConst& c) { c.AngleInput1 = nullptr; }},
      {CONST_LINE_WITH_ANGLE_DEGREE, [](GConst& c) { c.PInput1 = nullptr; }},
      {CONST_MULTI_CIRCLE, [](GConst& c) { c.PInput2 = nullptr; }},
      {CONST_COMPASS, [](GConst& c) { c.PInput3 = nullptr; }},
  };
  for (const Case& k : cases) {
    GConst c = Step(k.type);
    c.PInput1 = &p, c.PInput2 = &q, c.PInput3 = &r, c.LInput1 = &l, c.LInput2 = &m;
    c.CInput1 = &circle, c.CurveInput1 = &curve, c.AngleInput1 = &angle, c.curveStep = &placed;
    c.POutput = &out, c.LOutput = &lout, c.COutput = &cout;
    k.drop(c);
    EXPECT_EQ(c.Evaluate(), 1) << k.type;
    EXPECT_EQ(out.x.re, 7.0) << k.type;
    EXPECT_EQ(out.prevX, 0.0) << k.type;  // motion record untouched
    EXPECT_EQ(lout.a.re, 9.0) << k.type;
    EXPECT_EQ(cout.r2.re, 9.0) << k.type;
  }
  GConst noOutput = Step(CONST_MID);
  noOutput.PInput1 = noOutput.PInput2 = &p;
  EXPECT_EQ(noOutput.Evaluate(), 1);
}

TEST(EvaluateMotionRecord, AdvancesOnlyAfterSuccessfulPointSteps) {
  GPoint p = Pt(0, 0), q = Pt(2, 0), m;
  GConst c = Step(CONST_MID);
  c.PInput1 = &p, c.PInput2 = &q, c.POutput = &m;
  EXPECT_EQ(c.Evaluate(), 0);
  EXPECT_EQ(m.prevX, 1.0);
  EXPECT_EQ(m.dX, 1.0);  // from the record's start at the origin
  q = Pt(2, 2);          // the midpoint moves by (0, 1)
  EXPECT_EQ(c.Evaluate(), 0);
  EXPECT_DOUBLE_EQ(m.a11, 0);  // (0 + i) / 1: a quarter turn
  EXPECT_DOUBLE_EQ(m.a21, 1);
  EXPECT_EQ(m.dX, 0.0);
  EXPECT_EQ(m.dY, 1.0);
  EXPECT_EQ(m.prevY, 1.0);
  c.PInput2 = nullptr;
  EXPECT_EQ(c.Evaluate(), 1);
  EXPECT_EQ(m.dY, 1.0);
  EXPECT_DOUBLE_EQ(m.a21, 1);
}

TEST(StepKinds, OutputKindsAndNames) {
  EXPECT_EQ(Step(CONST_FREE).Output_Type(), OUTPUT_POINT);
  EXPECT_EQ(Step(CONST_PT_ON_LINE_WITH_ANGLE_DEGREE).Output_Type(), OUTPUT_POINT);
  EXPECT_EQ(Step(CONST_LINE_WITH_ANGLE_DEGREE).Output_Type(), OUTPUT_LINE);
  EXPECT_EQ(Step(CONST_COMPASS).Output_Type(), OUTPUT_CIRCLE);
  EXPECT_EQ(Step(CONST_TEXT).Output_Type(), OUTPUT_TEXT);
  EXPECT_EQ(Step(CONST_PARA_CURVE).Output_Type(), OUTPUT_CURVE);
  EXPECT_EQ(Step(CONST_EFFECT_IMAGE).Output_Type(), OUTPUT_EFFECT);
  EXPECT_EQ(Step(CONST_3P_ANGLE).Output_Type(), OUTPUT_ANGLE);
  EXPECT_EQ(Step(CONST_IMAGE).Output_Type(), OUTPUT_IMAGE);
  EXPECT_EQ(Step(CONST_BRACKET).Output_Type(), OUTPUT_BRACKET);
  EXPECT_EQ(Step(CONST_ZOOMIN).Output_Type(), 2028);
  EXPECT_EQ(Step(CONST_INVISIBLE).Output_Type(), 2030);
  EXPECT_EQ(Step(CONST_CLIPPING).Output_Type(), 0);
  EXPECT_EQ(Step(2033).Output_Type(), 0);
  EXPECT_EQ(Step(2099).Output_Type(), 0);
  EXPECT_STREQ(ConstName(CONST_EFFECT_BRACKET), "CONST_EFFECT_BRACKET");
  EXPECT_STREQ(ConstName(CONST_PT_ON_PER), "CONST_PT_ON_PER");
  EXPECT_STREQ(ConstName(CONST_PARA_CURVE), "");
  EXPECT_STREQ(ConstName(CONST_PT_ON_LINE_WITH_ANGLE_DEGREE), "");
  EXPECT_STREQ(ConstName(2042), "");
  GConst none = Step(2050);
  EXPECT_EQ(none.Evaluate(), 0);
}
