// The geometry kernel's meets: two lines, a line and a circle, the nearest
// point of a circle and the approximate meeting point of two circles.
#include <gtest/gtest.h>

#include <cmath>

#include "geometry/Meet.h"

TEST(MeetLines, CrossingParallelAndIdenticalLines) {
  const LineCoords diag(CComplex(1, 0), CComplex(-1, 0), CComplex(0, 0));  // y = x
  const LineCoords anti(CComplex(1, 0), CComplex(1, 0), CComplex(-2, 0));  // x + y = 2
  const LineCoords para(CComplex(2, 0), CComplex(-2, 0), CComplex(3, 0));
  const PointCoords p = Meet(&diag, &anti);
  EXPECT_TRUE(p.xz() == CComplex(1, 0) && p.yz() == CComplex(1, 0));
  const PointCoords inf = Meet(&diag, &para);
  EXPECT_TRUE(zerop(inf.z) && !zerop(inf.x));
  EXPECT_EQ(inf.xz().re, 0.0);  // read affinely it is 0, never NaN
  const PointCoords same = Meet(&diag, &diag);
  EXPECT_TRUE(zerop(same.x) && zerop(same.y) && zerop(same.z));
}

TEST(MeetLineCircle, RootsLieOnLineAndCircleWithPlusRootFirst) {
  CComplex x1, x2;
  Meet_CL(CComplex(0, 0), CComplex(1, 0), CComplex(0, 0), CComplex(0, 0), CComplex(0, 0),
          CComplex(1, 0), &x1, &x2);
  EXPECT_TRUE(x1 == CComplex(1, 0) && x2 == CComplex(-1, 0));
  // Complex coefficients: both roots satisfy the line and the circle, and the
  // first takes the principal square root (the branch keeping relies on it).
  const CComplex a(0.3, 0.2), b(-1, 0.5), c(0.7, -0.1), cx(1, 0), cy(-2, 0), r2(2, 1);
  Meet_CL(a, b, c, cx, cy, r2, &x1, &x2);
  for (const CComplex& x : {x1, x2}) {
    const CComplex y = -(a * x + c) / b;
    EXPECT_TRUE(zerop((x - cx) * (x - cx) + (y - cy) * (y - cy) - r2));
  }
  const CComplex h = a * a + b * b;
  const CComplex v = cx * b * b - a * c - a * b * cy;
  const CComplex k = b * b * cx * cx + (c + b * cy) * (c + b * cy) - b * b * r2;
  EXPECT_TRUE(x1 == (v + sqrtC(v * v - h * k)) / h);
}

TEST(MeetLineCircle, LineMissingCircleGivesConjugatePair) {
  CComplex x1, x2;  // y = 2 against the unit circle: x^2 = -3
  Meet_CL(CComplex(0, 0), CComplex(1, 0), CComplex(-2, 0), CComplex(0, 0), CComplex(0, 0),
          CComplex(1, 0), &x1, &x2);
  EXPECT_TRUE(x1 == conjugate(x2));
  EXPECT_NEAR(std::fabs(x1.im), std::sqrt(3.0), 1e-12);
}

TEST(Proj2Circle, MovesRadiallyCentreGoesRightDegenerateNeverNaN) {
  const CircleCoords c(1.0, 2.0, 4.0);
  double x = 4.0, y = 6.0;  // a 3-4-5 triangle from the centre
  Proj2Circle(&c, &x, &y);
  EXPECT_NEAR(x, 2.2, 1e-12);
  EXPECT_NEAR(y, 3.6, 1e-12);
  x = 1.0;
  y = 2.0;
  Proj2Circle(&c, &x, &y);
  EXPECT_TRUE(x == 3.0 && y == 2.0);
  // A circle of radius zero is its centre, also off the origin; an imaginary
  // radius leaves only the centre.
  for (const CircleCoords& d : {CircleCoords(5.0, 0.0, 0.0), CircleCoords(5.0, 0.0, -4.0),
                                CircleCoords(CComplex(5, 0.5), CComplex(0, 0), CComplex(-1, 0))}) {
    x = 7.0;
    y = 1.0;
    Proj2Circle(&d, &x, &y);
    EXPECT_TRUE(x == 5.0 && y == 0.0);
  }
}

TEST(MeetCircles, EndsOnSecondCircleNearTheMeetClosestToStart) {
  // Unit circles at (0, 0) and (1, 0) meet at (0.5, +-sqrt(3)/2).
  const CircleCoords c1(0.0, 0.0, 1.0), c2(1.0, 0.0, 1.0);
  for (double sign : {1.0, -1.0}) {
    double x = 0.7, y = sign * 0.6;
    Meet(&c1, &c2, &x, &y);
    EXPECT_NEAR((x - 1.0) * (x - 1.0) + y * y, 1.0, 1e-12);
    EXPECT_NEAR(x, 0.5, 0.02);
    EXPECT_NEAR(y, sign * std::sqrt(3.0) / 2, 0.02);
  }
}
