// Evaluation of the angle steps (angle marks, lines and points at an angle,
// bisectors, centre of the circle through three points) and of the steps
// that follow a sampled curve.
#include <cmath>
#include <memory>

#include "EvalCheck.h"

TEST(EvaluateAngleMark, IsPositiveCounterClockwiseAndNegativeClockwise) {
  GPoint a = Pt(3, 1), v = Pt(1, 1), b = Pt(1, 4);
  GAngle mark;
  mark.hidden = 1;
  GConst c = Step(CONST_3P_ANGLE);
  c.PInput1 = &a, c.PInput2 = &v, c.PInput3 = &b, c.AngleOutput = &mark;
  EXPECT_EQ(c.Evaluate(), 0);
  EXPECT_EQ(mark.hidden, 0);
  EXPECT_NEAR(mark.value.re, M_PI / 2, 1e-12);
  EXPECT_NEAR(mark.d1x.re, 1, 1e-12);  // unit directions from the vertex
  EXPECT_NEAR(mark.d2y.re, 1, 1e-12);
  EXPECT_EQ(mark.vx.re, 1.0);
  b = Pt(2, 0);  // to the right of the ray V A
  EXPECT_EQ(c.Evaluate(), 0);
  EXPECT_NEAR(mark.value.re, -M_PI / 4, 1e-12);
}

TEST(EvaluateAngleMark, DegenerateArmsHideTheMarkUntilTheyOpenAgain) {
  GPoint a = Pt(1, 1), v = Pt(1, 1), b = Pt(1, 4);
  GAngle mark;
  GConst c = Step(CONST_3P_ANGLE);
  c.PInput1 = &a, c.PInput2 = &v, c.PInput3 = &b, c.AngleOutput = &mark;
  EXPECT_EQ(c.Evaluate(), 0);
  EXPECT_EQ(mark.hidden, 1);
  a = Pt(1, 0);  // collinear with V and B
  EXPECT_EQ(c.Evaluate(), 0);
  EXPECT_EQ(mark.hidden, 1);
  a = Pt(0, 1);
  EXPECT_EQ(c.Evaluate(), 0);
  EXPECT_EQ(mark.hidden, 0);
  EXPECT_NEAR(mark.value.re, -M_PI / 2, 1e-12);
  // Nearly collinear arms still give a defined value.
  a = Pt(1 + 1e-9, 1e6);
  b = Pt(1, -1e6);
  EXPECT_EQ(c.Evaluate(), 0);
  EXPECT_FALSE(std::isnan(mark.value.re));
}

TEST(EvaluateLineWithAngle, NinetyDegreesIsThePerpendicularThroughThePoint) {
  GLine l = Line(1, -2, 3), out, perp;
  GPoint p = Pt(2, 5);
  GConst c = Step(CONST_LINE_WITH_ANGLE_DEGREE);
  c.LInput1 = &l, c.PInput1 = &p, c.LOutput = &out, c.param1 = CComplex(90, 0);
  EXPECT_EQ(c.Evaluate(), 0);
  GConst k = Step(CONST_PERP);
  k.LInput1 = &l, k.PInput1 = &p, k.LOutput = &perp;
  EXPECT_EQ(k.Evaluate(), 0);
  EXPECT_TRUE(SameLine(out, perp));
  GPoint onIt;
  GConst d = Step(CONST_PT_ON_LINE_WITH_ANGLE_DEGREE);
  d.LInput1 = &l, d.PInput1 = &p, d.POutput = &onIt;
  d.param1 = CComplex(90, 0), d.param2 = CComplex(2.5, 0);
  EXPECT_EQ(d.Evaluate(), 0);
  EXPECT_TRUE(OnLine(onIt, out));
  EXPECT_FALSE(onIt == p);
  c.param1 = CComplex(0, 0);  // zero degrees: the parallel
  EXPECT_EQ(c.Evaluate(), 0);
  EXPECT_TRUE(OnLine(p, out));
  EXPECT_TRUE(zerop(out.a * l.b - out.b * l.a));
}

TEST(EvaluateLineWithAngle, FollowsTheAngleMarkAndFailsOnAComplexValue) {
  GLine l = Line(0, 1, 0), out;  // the x axis
  GPoint p = Pt(0, 1), onIt;
  GAngle angle;
  angle.value = CComplex(M_PI / 4, 0);
  GConst c = Step(CONST_LINE_WITH_ANGLE);
  c.LInput1 = &l, c.PInput1 = &p, c.AngleInput1 = &angle, c.LOutput = &out;
  EXPECT_EQ(c.Evaluate(), 0);
  EXPECT_TRUE(SameLine(out, Line(1, -1, 1)));  // y = x + 1
  GConst d = Step(CONST_PT_ON_LINE_WITH_ANGLE);
  d.LInput1 = &l, d.PInput1 = &p, d.AngleInput1 = &angle, d.POutput = &onIt;
  d.param1 = CComplex(std::sqrt(2.0), 0);
  EXPECT_EQ(d.Evaluate(), 0);
  EXPECT_TRUE(OnLine(onIt, out));
  EXPECT_NEAR(std::hypot(onIt.xz().re, onIt.yz().re - 1), std::sqrt(2.0), 1e-9);
  angle.value = CComplex(1, 0.5);
  const GLine before = out;
  EXPECT_EQ(c.Evaluate(), 1);
  EXPECT_EQ(d.Evaluate(), 1);
  EXPECT_EQ(out.a.re, before.a.re);
}

TEST(EvaluateThreePointBisector, HalvesTheAngleAndTurnsPerpendicularWhenStraight) {
  GPoint a = Pt(5, 1), v = Pt(1, 1), b = Pt(1, 3), onIt;
  GLine out;
  GConst c = Step(CONST_3P_BISECTOR);
  c.PInput1 = &a, c.PInput2 = &v, c.PInput3 = &b, c.LOutput = &out;
  EXPECT_EQ(c.Evaluate(), 0);
  EXPECT_TRUE(SameLine(out, Line(1, -1, 0)));  // y = x
  GConst d = Step(CONST_PT_ON_3P_BISECTOR);
  d.PInput1 = &a, d.PInput2 = &v, d.PInput3 = &b, d.POutput = &onIt;
  d.param1 = CComplex(std::sqrt(2.0), 0);
  EXPECT_EQ(d.Evaluate(), 0);
  ExpectAt(onIt, 2, 2);
  // Straight angle: the perpendicular at the vertex.
  b = Pt(-2, 1);
  EXPECT_EQ(c.Evaluate(), 0);
  EXPECT_TRUE(SameLine(out, Line(1, 0, -1)));
  EXPECT_EQ(d.Evaluate(), 0);
  EXPECT_TRUE(OnLine(onIt, out));
  EXPECT_NEAR(std::fabs(onIt.yz().re - 1), std::sqrt(2.0), 1e-9);
  // Straight up to rounding: arms that are not exact multiples of each other.
  a = Pt(1 + 0.1, 1 + 0.3);
  b = Pt(1 - 0.7, 1 - 2.1);
  EXPECT_EQ(c.Evaluate(), 0);
  EXPECT_TRUE(zerop(out.a * 0.3 - out.b * 0.1));  // normal along the arms
  EXPECT_TRUE(OnLine(v, out));
}

TEST(EvaluateLineBisector, SideSignChoosesBetweenTheTwoBisectors) {
  GLine xAxis = Line(0, 1, 0), yAxis = Line(1, 0, 0), out;
  GConst c = Step(CONST_BISECTOR);
  c.LInput1 = &xAxis, c.LInput2 = &yAxis, c.LOutput = &out, c.param1 = CComplex(1, 0);
  EXPECT_EQ(c.Evaluate(), 0);
  EXPECT_TRUE(SameLine(out, Line(1, 1, 0)));
  c.param1 = CComplex(-1, 0);
  EXPECT_EQ(c.Evaluate(), 0);
  EXPECT_TRUE(SameLine(out, Line(1, -1, 0)));
}

TEST(EvaluateLineBisector, PointOnBisectorStartsAtTheMeetingPoint) {
  GLine l = Line(0, 1, -1), m = Line(1, 0, -1), bis;  // y = 1, x = 1
  GPoint out;
  GConst c = Step(CONST_PT_ON_BISECTOR);
  c.LInput1 = &l, c.LInput2 = &m, c.POutput = &out, c.param1 = CComplex(1, 0);
  EXPECT_EQ(c.Evaluate(), 0);
  ExpectAt(out, 1, 1);
  c.param2 = CComplex(std::sqrt(2.0), 0);
  EXPECT_EQ(c.Evaluate(), 0);
  GConst b = Step(CONST_BISECTOR);
  b.LInput1 = &l, b.LInput2 = &m, b.LOutput = &bis, b.param1 = CComplex(1, 0);
  EXPECT_EQ(b.Evaluate(), 0);
  EXPECT_TRUE(OnLine(out, bis));
  EXPECT_NEAR(std::hypot(out.xz().re - 1, out.yz().re - 1), std::sqrt(2.0), 1e-9);
}

TEST(EvaluateCircumcentre, OfThreePointsOrAtInfinityWhenCollinear) {
  GPoint p1 = Pt(0, 0), p2 = Pt(2, 0), p3 = Pt(0, 2), out;
  GConst c = Step(CONST_ORTHOCENTER);
  c.PInput1 = &p1, c.PInput2 = &p2, c.PInput3 = &p3, c.POutput = &out;
  EXPECT_EQ(c.Evaluate(), 0);
  ExpectAt(out, 1, 1);
  p1 = Pt(3, 4), p2 = Pt(-5, 0), p3 = Pt(0, -5);  // all on the circle of radius 5
  EXPECT_EQ(c.Evaluate(), 0);
  ExpectAt(out, 0, 0);
  p3 = Pt(11, 8);  // on the line through p1 and p2
  EXPECT_EQ(c.Evaluate(), 0);
  EXPECT_TRUE(zerop(out.z));
}

namespace {

// A polyline along the x axis that turns up at the end: (0,0) (1,0) (2,0)
// (3,0) (3,1) (3,2).
std::unique_ptr<GParaCurve> BentCurve() {
  auto c = std::make_unique<GParaCurve>();
  const double xs[] = {0, 1, 2, 3, 3, 3}, ys[] = {0, 0, 0, 0, 1, 2};
  for (int i = 0; i < 6; ++i) c->X[i] = xs[i], c->Y[i] = ys[i];
  c->count = 6;
  return c;
}

}  // namespace

TEST(EvaluateCurvePoint, InterpolatesBetweenSamplesAndWrapsOutsideToTheFirstSegment) {
  auto curve = BentCurve();
  GPoint out;
  GConst c = Step(CONST_PT_ON_CURVE);
  c.CurveInput1 = curve.get(), c.POutput = &out, c.param1 = CComplex(3.25, 0);
  EXPECT_EQ(c.Evaluate(), 0);
  ExpectAt(out, 3, 0.25);
  c.param1 = CComplex(7.5, 0);  // beyond the last segment
  EXPECT_EQ(c.Evaluate(), 0);
  ExpectAt(out, 0.5, 0);
  c.param1 = CComplex(-0.75, 0);  // before the first sample: fraction 0.25
  EXPECT_EQ(c.Evaluate(), 0);
  ExpectAt(out, 0.25, 0);
  // A curve without samples leaves the point where it was.
  curve->count = 0;
  EXPECT_EQ(c.Evaluate(), 1);
  ExpectAt(out, 0.25, 0);
}

TEST(EvaluateCurveTangent, FollowsTheEndSegmentsAndTurnsContinuouslyBetween) {
  auto curve = BentCurve();
  GPoint p = Pt(0.5, 0);
  GLine out;
  GConst placed = Step(CONST_PT_ON_CURVE);
  placed.param1 = CComplex(0.5, 0);
  GConst c = Step(CONST_CURVE_TANGENT);
  c.CurveInput1 = curve.get(), c.PInput1 = &p, c.curveStep = &placed, c.LOutput = &out;
  EXPECT_EQ(c.Evaluate(), 0);
  EXPECT_TRUE(SameLine(out, Line(0, 1, 0)));  // along the x axis
  placed.param1 = CComplex(4.5, 0);
  p = Pt(3, 1.5);
  EXPECT_EQ(c.Evaluate(), 0);
  EXPECT_TRUE(SameLine(out, Line(1, 0, -3)));  // up the last segment
  // Sliding along: the direction never jumps and always passes through P.
  double lastA = 0, lastB = -1;
  for (double s = 0; s < 5; s += 0.01) {
    placed.param1 = CComplex(s, 0);
    EXPECT_EQ(c.Evaluate(), 0);
    EXPECT_NEAR(out.a.re * out.a.re + out.b.re * out.b.re, 1, 1e-12);
    EXPECT_LT(std::hypot(out.a.re - lastA, out.b.re - lastB), 0.05) << s;
    EXPECT_TRUE(OnLine(p, out));
    lastA = out.a.re, lastB = out.b.re;
  }
  curve->count = 1;
  EXPECT_EQ(c.Evaluate(), 1);
}

TEST(EvaluateCurveTangent, PointOnTangentUsesTheTangentStepOfTheList) {
  auto curve = BentCurve();
  GPoint p = Pt(1.5, 0), out;
  GLine tangent;
  GConst placed = Step(CONST_PT_ON_CURVE);
  placed.param1 = CComplex(1.5, 0);
  GConst t = Step(CONST_CURVE_TANGENT);
  t.CurveInput1 = curve.get(), t.PInput1 = &p, t.curveStep = &placed, t.LOutput = &tangent;
  GConst c = Step(CONST_PT_ON_CURVE_TANGENT);
  c.CurveInput1 = curve.get(), c.PInput1 = &p, c.POutput = &out, c.param1 = CComplex(2, 0);
  c.firstConst = &placed;
  placed.next = &c;  // no tangent step in the list yet
  out = Pt(9, 9);
  EXPECT_EQ(c.Evaluate(), 1);
  ExpectAt(out, 9, 9);
  placed.next = &t;
  t.next = &c;
  EXPECT_EQ(t.Evaluate(), 0);
  EXPECT_EQ(c.Evaluate(), 0);
  EXPECT_TRUE(OnLine(out, tangent));
  EXPECT_NEAR(std::hypot(out.xz().re - 1.5, out.yz().re), 2, 1e-9);
}
