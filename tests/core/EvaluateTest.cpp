// Evaluation of the elementary steps on records built on the stack: the
// geometry each kind produces, its degenerate cases, failures on missing
// elements and the motion record kept for produced points.
#include <cmath>

#include "EvalCheck.h"

TEST(EvaluateJoinAndMeet, JoinAndMeetInHomogeneousCoordinates) {
  GPoint p = Pt(1, 2), q(CComplex(6, 0), CComplex(-2, 0), CComplex(2, 0)), m;  // q = (3, -1)
  GLine l, k = Line(1, 1, -1);
  GConst join = Step(CONST_JOIN);
  join.PInput1 = &p, join.PInput2 = &q, join.LOutput = &l;
  EXPECT_EQ(join.Evaluate(), 0);
  EXPECT_TRUE(OnLine(p, l) && OnLine(q, l));
  GConst meet = Step(CONST_MEET);
  meet.LInput1 = &l, meet.LInput2 = &k, meet.POutput = &m;
  EXPECT_EQ(meet.Evaluate(), 0);
  EXPECT_TRUE(OnLine(m, l) && OnLine(m, k));
  // Parallel lines meet at infinity; turned again, the point comes back.
  k = Line(3, 2, 1);  // parallel to l: 3x + 2y = 7
  EXPECT_EQ(meet.Evaluate(), 0);
  EXPECT_TRUE(zerop(m.z));
  k = Line(0, 1, 0);
  EXPECT_EQ(meet.Evaluate(), 0);
  ExpectAt(m, 7.0 / 3, 0);
}

TEST(EvaluateJoinAndMeet, DegenerateInputsStillGiveElementsThroughThePoint) {
  GPoint p(CComplex(4, 0), CComplex(6, 0), CComplex(2, 0)), m;  // (2, 3)
  GLine l;
  GConst join = Step(CONST_JOIN);
  join.PInput1 = &p, join.PInput2 = &p, join.LOutput = &l;
  EXPECT_EQ(join.Evaluate(), 0);
  EXPECT_TRUE(SameLine(l, Line(1, 0, -2)));  // the vertical through P
  // A line met with itself: a defined point, on the line.
  GLine y2 = Line(0, 1, -2), y2b = Line(0, 3, -6), inf;
  GConst meet = Step(CONST_MEET);
  meet.LInput1 = &y2, meet.LInput2 = &y2b, meet.POutput = &m;
  EXPECT_EQ(meet.Evaluate(), 0);
  ExpectAt(m, 0, 2);
  meet.LInput1 = meet.LInput2 = &inf;
  EXPECT_EQ(meet.Evaluate(), 0);
  EXPECT_FALSE(zerop(m.x) && zerop(m.y) && zerop(m.z));
  // Parallel or perpendicular to the line at infinity: the vertical through P.
  for (GStepKind type : {CONST_PARALLEL, CONST_PERP}) {
    GConst c = Step(type);
    c.LInput1 = &inf, c.PInput1 = &p, c.LOutput = &l;
    EXPECT_EQ(c.Evaluate(), 0);
    EXPECT_TRUE(SameLine(l, Line(1, 0, -2)));
  }
}

TEST(EvaluateParallelAndPerp, PassThroughThePointWithTheRightDirection) {
  GLine l = Line(1, -2, 0), out;
  GPoint p = Pt(1, 3);
  GConst c = Step(CONST_PARALLEL);
  c.LInput1 = &l, c.PInput1 = &p, c.LOutput = &out;
  EXPECT_EQ(c.Evaluate(), 0);
  EXPECT_TRUE(OnLine(p, out) && zerop(out.a * l.b - out.b * l.a));
  c.type = CONST_PERP;
  EXPECT_EQ(c.Evaluate(), 0);
  EXPECT_TRUE(OnLine(p, out) && zerop(out.a * l.a + out.b * l.b));
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
}

TEST(EvaluateCircles, RadiusFromCentreAndPointOrFromTwoPoints) {
  GPoint m = Pt(1, 1), p = Pt(4, 5), a = Pt(0, 0), b = Pt(0, 2);
  GCircle out;
  GConst c = Step(CONST_MULTI_CIRCLE);
  c.PInput1 = &m, c.PInput2 = &p, c.COutput = &out;
  EXPECT_EQ(c.Evaluate(), 0);
  EXPECT_TRUE(out.cx.re == 1 && out.cy.re == 1 && out.r2 == CComplex(25, 0));
  GConst k = Step(CONST_COMPASS);
  k.PInput1 = &a, k.PInput2 = &b, k.PInput3 = &p, k.COutput = &out;
  EXPECT_EQ(k.Evaluate(), 0);
  EXPECT_TRUE(out.cx.re == 4 && out.cy.re == 5 && out.r2 == CComplex(4, 0));
}

TEST(EvaluateBoundPoints, MoveAlongTheirCarriers) {
  GPoint p = Pt(0, 0), q(CComplex(8, 0), CComplex(4, 0), CComplex(2, 0)), out;  // q = (4, 2)
  GConst c = Step(CONST_ON_LINE);
  c.PInput1 = &p, c.PInput2 = &q, c.POutput = &out;
  c.param1 = CComplex(1, 0), c.param2 = CComplex(3, 0);  // weights on Q and P
  EXPECT_EQ(c.Evaluate(), 0);
  ExpectAt(out, 1, 0.5);
  c.param2 = CComplex(-1, 0);  // weights cancel: at infinity
  EXPECT_EQ(c.Evaluate(), 0);
  EXPECT_TRUE(zerop(out.z));

  GLine l = Line(3, 4, 0);
  GConst a = Step(CONST_PT_ON_PARA);
  a.LInput1 = &l, a.PInput1 = &q, a.POutput = &out, a.param1 = CComplex(2, 0);
  EXPECT_EQ(a.Evaluate(), 0);
  ExpectAt(out, 4 - 8, 2 + 6);
  a.type = CONST_PT_ON_PER;
  EXPECT_EQ(a.Evaluate(), 0);
  ExpectAt(out, 4 + 6, 2 + 8);

  GCircle circle(0.0, 0.0, 4.0);
  GConst t = Step(CONST_PT_ON_TANGENT);
  t.CInput1 = &circle, t.POutput = &out, t.param1 = CComplex(0.5, 0);
  GPoint onCircle(CComplex(4, 0), CComplex(0, 0), CComplex(2, 0));  // (2, 0)
  t.PInput1 = &onCircle;
  EXPECT_EQ(t.Evaluate(), 0);
  ExpectAt(out, 2, 1);
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
  // An imaginary radius gives a complex point (not drawn), never NaN.
  circle.SetCircle(0, 0, -4);
  EXPECT_EQ(c.Evaluate(), 0);
  EXPECT_FALSE(std::isnan(out.x.re) || std::isnan(out.y.re));
  EXPECT_FALSE(out.yz().realp());
}

TEST(EvaluateTangent, IsThePolarOfThePoint) {
  GCircle circle(1.0, 0.0, 1.0);
  GPoint on = Pt(1, 1), outside = Pt(3, 0);
  GLine l;
  GConst c = Step(CONST_TANGENT);
  c.CInput1 = &circle, c.PInput1 = &on, c.LOutput = &l;
  EXPECT_EQ(c.Evaluate(), 0);
  EXPECT_TRUE(SameLine(l, Line(0, 1, -1)));
  c.PInput1 = &outside;  // the line through both tangent points
  EXPECT_EQ(c.Evaluate(), 0);
  EXPECT_TRUE(SameLine(l, Line(1, 0, -1.5)));
}

TEST(EvaluateFailure, MissingInputOrOutputLeavesEverythingAlone) {
  GPoint p = Pt(1, 2), q = Pt(3, 5), r = Pt(-1, 4), out = Pt(7, 7);
  GLine l = Line(0, 1, 0), m = Line(1, 0, 0), lout = Line(9, 9, 9);
  GCircle circle(0.0, 0.0, 1.0), cout(9.0, 9.0, 9.0);
  GParaCurve curve;
  curve.count = 2;
  curve.X[0] = curve.Y[0] = 0, curve.X[1] = curve.Y[1] = 1;
  GAngle angle;
  GBracket bracket;
  GConst placed;
  // Each kind with everything wired except the one element dropped.
  struct Case {
    GStepKind type;
    void (*drop)(GConst&);
  };
  const Case cases[] = {
      {CONST_FREE, [](GConst& c) { c.PInput1 = nullptr; }},
      {CONST_ON_LINE, [](GConst& c) { c.PInput2 = nullptr; }},
      {CONST_MEET, [](GConst& c) { c.LInput2 = nullptr; }},
      {CONST_MID, [](GConst& c) { c.POutput = nullptr; }},
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
      {CONST_JOIN, [](GConst& c) { c.PInput2 = nullptr; }},
      {CONST_PARALLEL, [](GConst& c) { c.PInput1 = nullptr; }},
      {CONST_PERP, [](GConst& c) { c.LInput1 = nullptr; }},
      {CONST_BISECTOR, [](GConst& c) { c.LInput1 = nullptr; }},
      {CONST_3P_BISECTOR, [](GConst& c) { c.PInput3 = nullptr; }},
      {CONST_TANGENT, [](GConst& c) { c.LOutput = nullptr; }},
      {CONST_CURVE_TANGENT, [](GConst& c) { c.curveStep = nullptr; }},
      {CONST_LINE_WITH_ANGLE, [](GConst& c) { c.AngleInput1 = nullptr; }},
      {CONST_LINE_WITH_ANGLE_DEGREE, [](GConst& c) { c.PInput1 = nullptr; }},
      {CONST_MULTI_CIRCLE, [](GConst& c) { c.PInput2 = nullptr; }},
      {CONST_COMPASS, [](GConst& c) { c.PInput3 = nullptr; }},
      {CONST_BRACKET, [](GConst& c) { c.PInput2 = nullptr; }},
  };
  for (const Case& k : cases) {
    GConst c = Step(k.type);
    c.PInput1 = &p, c.PInput2 = &q, c.PInput3 = &r, c.LInput1 = &l, c.LInput2 = &m;
    c.CInput1 = &circle, c.CurveInput1 = &curve, c.AngleInput1 = &angle, c.curveStep = &placed;
    c.POutput = &out, c.LOutput = &lout, c.COutput = &cout, c.BracketOutput = &bracket;
    k.drop(c);
    EXPECT_EQ(c.Evaluate(), 1) << StepKindNumber(k.type);
    EXPECT_EQ(out.x.re, 7.0) << StepKindNumber(k.type);
    EXPECT_EQ(out.prevX, 0.0) << StepKindNumber(k.type);  // motion record untouched
    EXPECT_EQ(lout.a.re, 9.0) << StepKindNumber(k.type);
    EXPECT_EQ(cout.r2.re, 9.0) << StepKindNumber(k.type);
    EXPECT_EQ(bracket.x1.re, 0.0) << StepKindNumber(k.type);
  }
}

TEST(EvaluateMotionRecord, AdvancesOnlyAfterSuccessfulPointSteps) {
  GPoint p = Pt(0, 0), q = Pt(2, 0), m;
  GConst c = Step(CONST_MID);
  c.PInput1 = &p, c.PInput2 = &q, c.POutput = &m;
  EXPECT_EQ(c.Evaluate(), 0);
  EXPECT_TRUE(m.prevX == 1 && m.dX == 1);  // from the record's start at the origin
  q = Pt(2, 2);                            // the midpoint moves by (0, 1)
  EXPECT_EQ(c.Evaluate(), 0);
  EXPECT_DOUBLE_EQ(m.a11, 0);  // (0 + i) / 1: a quarter turn
  EXPECT_DOUBLE_EQ(m.a21, 1);
  EXPECT_TRUE(m.dX == 0 && m.dY == 1 && m.prevY == 1);
  c.PInput2 = nullptr;
  EXPECT_EQ(c.Evaluate(), 1);
  EXPECT_TRUE(m.dY == 1 && m.prevY == 1);
  // A free point's step copies its coordinates and advances its own record.
  GPoint f = Pt(3, 4);
  GConst free = Step(CONST_FREE);
  free.PInput1 = free.POutput = &f;
  EXPECT_EQ(free.Evaluate(), 0);
  EXPECT_TRUE(free.param1.re == 3 && free.param2.re == 4 && free.param3.re == 1);
  EXPECT_TRUE(f.prevX == 3 && f.dY == 4);
}

TEST(StepKinds, OutputKindsAndNames) {
  EXPECT_EQ(Step(CONST_PT_ON_LINE_WITH_ANGLE_DEGREE).Output_Type(), OUTPUT_POINT);
  EXPECT_EQ(Step(CONST_LINE_WITH_ANGLE_DEGREE).Output_Type(), OUTPUT_LINE);
  EXPECT_EQ(Step(CONST_PARA_CURVE).Output_Type(), OUTPUT_CURVE);
  EXPECT_EQ(Step(CONST_EFFECT_IMAGE).Output_Type(), OUTPUT_EFFECT);
  EXPECT_EQ(Step(CONST_ZOOMIN).Output_Type(), 2028);
  EXPECT_EQ(Step(CONST_CLIPPING).Output_Type(), 0);
  EXPECT_EQ(Step(GStepKind{2033}).Output_Type(), 0);
  EXPECT_STREQ(ConstName(CONST_EFFECT_BRACKET), "CONST_EFFECT_BRACKET");
  EXPECT_STREQ(ConstName(CONST_PARA_CURVE), "");
  EXPECT_STREQ(ConstName(CONST_PT_ON_LINE_WITH_ANGLE_DEGREE), "");
  EXPECT_STREQ(ConstName(GStepKind{2042}), "");
}
