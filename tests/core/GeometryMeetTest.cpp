// The geometry kernel's meets: two lines, a line and a circle, the nearest
// point of a circle and the approximate meeting point of two circles.
#include <gtest/gtest.h>

#include <cmath>

#include "geometry/Meet.h"

namespace {

// Residual of a point in the circle's equation (0 when on the circle).
CComplex OnCircle(const GCircle& c, CComplex x, CComplex y) {
  return (x - c.cx) * (x - c.cx) + (y - c.cy) * (y - c.cy) - c.r2;
}

}  // namespace

TEST(MeetLines, CrossingLinesMeetAtTheirCommonPoint) {
  const GLine l(CComplex(1, 0), CComplex(-1, 0), CComplex(0, 0));  // y = x
  const GLine m(CComplex(1, 0), CComplex(1, 0), CComplex(-2, 0));  // x + y = 2
  const GPoint p = Meet(&l, &m);
  EXPECT_NEAR(p.xz().re, 1.0, 1e-12);
  EXPECT_NEAR(p.yz().re, 1.0, 1e-12);
}

TEST(MeetLines, ParallelLinesMeetAtInfinityAndIdenticalLinesGiveNullPoint) {
  const GLine l(CComplex(1, 0), CComplex(-1, 0), CComplex(0, 0));
  const GLine m(CComplex(2, 0), CComplex(-2, 0), CComplex(3, 0));
  const GPoint inf = Meet(&l, &m);
  EXPECT_TRUE(zerop(inf.z));
  EXPECT_FALSE(zerop(inf.x));
  // The affine reading of a point at infinity is 0, never NaN.
  EXPECT_EQ(inf.xz().re, 0.0);
  EXPECT_EQ(inf.yz().re, 0.0);
  const GPoint same = Meet(&l, &l);
  EXPECT_TRUE(zerop(same.x) && zerop(same.y) && zerop(same.z));
}

TEST(MeetLineCircle, AxisMeetsUnitCircleWithPlusRootFirst) {
  CComplex x1, x2;
  Meet_CL(CComplex(0, 0), CComplex(1, 0), CComplex(0, 0), CComplex(0, 0), CComplex(0, 0),
          CComplex(1, 0), &x1, &x2);
  EXPECT_TRUE(x1 == CComplex(1, 0));
  EXPECT_TRUE(x2 == CComplex(-1, 0));
}

TEST(MeetLineCircle, SlantedLineRootsLieOnLineAndCircle) {
  // 2x - 3y + 1 = 0 against the circle at (0.5, -0.25) with radius 1.5.
  const CComplex a(2, 0), b(-3, 0), c(1, 0);
  const GCircle circle(0.5, -0.25, 2.25);
  CComplex x1, x2;
  Meet_CL(a, b, c, circle.cx, circle.cy, circle.r2, &x1, &x2);
  for (const CComplex& x : {x1, x2}) {
    const CComplex y = -(a * x + c) / b;
    EXPECT_TRUE(zerop(OnCircle(circle, x, y)));
  }
  // With a real positive leading coefficient the "+" root is the larger one.
  EXPECT_GT(x1.re, x2.re);
}

TEST(MeetLineCircle, LineMissingCircleGivesConjugateAbscissae) {
  CComplex x1, x2;
  // y = 2 against the unit circle: x^2 = -3.
  Meet_CL(CComplex(0, 0), CComplex(1, 0), CComplex(-2, 0), CComplex(0, 0), CComplex(0, 0),
          CComplex(1, 0), &x1, &x2);
  EXPECT_FALSE(x1.realp());
  EXPECT_TRUE(x1 == conjugate(x2));
  EXPECT_NEAR(std::fabs(x1.im), std::sqrt(3.0), 1e-12);
}

TEST(MeetLineCircle, DegenerateLineGivesZeroNotNaN) {
  CComplex x1(5, 5), x2(5, 5);
  Meet_CL(CComplex(0, 0), CComplex(0, 0), CComplex(1, 0), CComplex(0, 0), CComplex(0, 0),
          CComplex(1, 0), &x1, &x2);
  EXPECT_TRUE(zerop(x1) && zerop(x2));
}

TEST(Proj2Circle, MovesPositionRadiallyOntoCircle) {
  const GCircle c(1.0, 2.0, 4.0);
  double x = 4.0, y = 6.0;  // 3-4-5 triangle from the centre
  Proj2Circle(&c, &x, &y);
  EXPECT_NEAR(x, 1.0 + 2.0 * 0.6, 1e-12);
  EXPECT_NEAR(y, 2.0 + 2.0 * 0.8, 1e-12);
}

TEST(Proj2Circle, CentreGoesToRightmostPoint) {
  const GCircle c(1.0, 2.0, 4.0);
  double x = 1.0, y = 2.0;
  Proj2Circle(&c, &x, &y);
  EXPECT_DOUBLE_EQ(x, 3.0);
  EXPECT_DOUBLE_EQ(y, 2.0);
}

TEST(Proj2Circle, DegenerateCirclesNeverGiveNaN) {
  // A circle of radius zero off the origin is its centre.
  const GCircle dot(5.0, 0.0, 0.0);
  double x = 7.0, y = 1.0;
  Proj2Circle(&dot, &x, &y);
  EXPECT_DOUBLE_EQ(x, 5.0);
  EXPECT_DOUBLE_EQ(y, 0.0);
  // An imaginary radius has no real trace beyond the centre.
  const GCircle imaginary(1.0, 1.0, -4.0);
  x = 3.0;
  y = 3.0;
  Proj2Circle(&imaginary, &x, &y);
  EXPECT_FALSE(std::isnan(x) || std::isnan(y));
  const GCircle complexCircle(CComplex(1, 0.5), CComplex(0, 0), CComplex(-1, 0));
  x = 3.0;
  y = 3.0;
  Proj2Circle(&complexCircle, &x, &y);
  EXPECT_FALSE(std::isnan(x) || std::isnan(y));
}

TEST(MeetCircles, StartNearOneMeetEndsOnSecondCircleNearIt) {
  // Unit circles at (0, 0) and (1, 0) meet at (0.5, +-sqrt(3)/2).
  const GCircle c1(0.0, 0.0, 1.0), c2(1.0, 0.0, 1.0);
  const double my = std::sqrt(3.0) / 2;
  for (double sign : {1.0, -1.0}) {
    double x = 0.7, y = sign * 0.6;
    Meet(&c1, &c2, &x, &y);
    EXPECT_NEAR((x - 1.0) * (x - 1.0) + y * y, 1.0, 1e-12);
    EXPECT_NEAR(x, 0.5, 0.02);
    EXPECT_NEAR(y, sign * my, 0.02);
  }
}

TEST(MeetLineCircle, FirstRootTakesPrincipalSquareRootOfDiscriminant) {
  // The chosen branch of an intersection depends on which root comes first:
  // it must be the "+" root with the principal square root.
  const CComplex cases[][6] = {
      {{0, 0}, {1, 0}, {-2, 0}, {0, 0}, {0, 0}, {1, 0}},              // discriminant -3 + 0i
      {{0.3, 0.2}, {-1, 0.5}, {0.7, -0.1}, {1, 0}, {-2, 0}, {2, 1}},  // general complex
      {{-1.2, 0.4}, {0.5, -0.3}, {2, 1}, {0.5, 0.5}, {-1, 0}, {-3, 2}},
  };
  for (const auto& t : cases) {
    const CComplex &a = t[0], &b = t[1], &c = t[2], &cx = t[3], &cy = t[4], &r2 = t[5];
    CComplex x1, x2;
    Meet_CL(a, b, c, cx, cy, r2, &x1, &x2);
    const CComplex h = a * a + b * b;
    const CComplex v = cx * b * b - a * c - a * b * cy;
    const CComplex k = b * b * cx * cx + (c + b * cy) * (c + b * cy) - b * b * r2;
    const CComplex s = sqrtC(v * v - h * k);
    EXPECT_TRUE(x1 == (v + s) / h);
    EXPECT_TRUE(x2 == (v - s) / h);
  }
}
