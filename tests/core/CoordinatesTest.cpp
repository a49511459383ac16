// Coordinates of points, lines and circles: lines through two points, reading
// coordinates as reals, projective equality, the motion record and lists.
#include <gtest/gtest.h>

#include "model/Elements.h"

TEST(LineThroughTwoPoints, IsTheCrossProductOrTheLineAtInfinity) {
  GLine l;
  l.SetLine(0, 1, 2, 3);  // y = x + 1
  EXPECT_EQ(l.a.re, -2.0);
  EXPECT_EQ(l.b.re, 2.0);
  EXPECT_EQ(l.c.re, -2.0);
  EXPECT_EQ(l.a.im, 0.0);
  l.SetLine(1, 1, 1, 1);
  EXPECT_TRUE(l.a == CComplex(0, 0) && l.b == CComplex(0, 0) && l.c == CComplex(1, 0));
  const GLine m(0, 1, 2, 3, 0, 0, 0, 0);
  EXPECT_EQ(m.a.re, -2.0);
  EXPECT_EQ(m.next, nullptr);
}

TEST(LineRealp, ScalesTheLastCoefficientToOne) {
  double p, q, r;
  // c = 0 and b = 0: the vertical axis, whatever a is (even complex).
  EXPECT_TRUE(GLine(CComplex(7, 3), CComplex(0, 0), CComplex(0, 0)).realp(&p, &q, &r));
  EXPECT_EQ(p, 1.0);
  EXPECT_EQ(q, 0.0);
  EXPECT_EQ(r, 0.0);
  // Through the origin: scaled by b.
  EXPECT_TRUE(GLine(CComplex(2, 2), CComplex(1, 1), CComplex(0, 0)).realp(&p, &q, &r));
  EXPECT_DOUBLE_EQ(p, 2);
  EXPECT_EQ(q, 1.0);
  EXPECT_EQ(r, 0.0);
  EXPECT_FALSE(GLine(CComplex(0, 1), CComplex(1, 0), CComplex(0, 0)).realp(&p, &q, &r));
  // General position: scaled by c; a common complex factor is still real.
  EXPECT_TRUE(GLine(CComplex(0, 2), CComplex(0, 4), CComplex(0, 2)).realp(&p, &q, &r));
  EXPECT_DOUBLE_EQ(p, 1);
  EXPECT_DOUBLE_EQ(q, 2);
  EXPECT_EQ(r, 1.0);
  EXPECT_FALSE(GLine(CComplex(1, 1), CComplex(1, 0), CComplex(1, 0)).realp(&p, &q, &r));
}

TEST(CircleRealp, GivesCentreAndSquaredRadius) {
  double p, q, r;
  EXPECT_TRUE(GCircle(1.0, 2.0, 9.0).realp(&p, &q, &r));
  EXPECT_EQ(p, 1.0);
  EXPECT_EQ(q, 2.0);
  EXPECT_EQ(r, 9.0);
  // Imaginary radius: still real, callers must not take the root blindly.
  EXPECT_TRUE(GCircle(0.0, 0.0, -4.0).realp(&p, &q, &r));
  EXPECT_EQ(r, -4.0);
  EXPECT_FALSE(GCircle(CComplex(1, 1), CComplex(0, 0), CComplex(1, 0)).realp(&p, &q, &r));
  // A circle shrunk to its centre keeps the centre, also on the x axis.
  EXPECT_TRUE(GCircle(5.0, 0.0, 0.0).realp(&p, &q, &r));
  EXPECT_EQ(p, 5.0);
  EXPECT_EQ(q, 0.0);
  EXPECT_EQ(r, 0.0);
  EXPECT_FALSE(GCircle(CComplex(5, 1), CComplex(0, 0), CComplex(0, 0)).realp(&p, &q, &r));
}

TEST(PointEquality, IsProjective) {
  EXPECT_TRUE(GPoint(CComplex(1, 0), CComplex(2, 0)) ==
              GPoint(CComplex(3, 0), CComplex(6, 0), CComplex(3, 0)));
  EXPECT_FALSE(GPoint(CComplex(1, 0), CComplex(2, 0)) == GPoint(CComplex(1, 0), CComplex(2.1, 0)));
  // Points at infinity compare by direction.
  const GPoint dir(CComplex(1, 0), CComplex(2, 0), CComplex(0, 0));
  EXPECT_TRUE(dir == GPoint(CComplex(-2, 0), CComplex(-4, 0), CComplex(0, 0)));
  EXPECT_FALSE(dir == GPoint(CComplex(2, 0), CComplex(1, 0), CComplex(0, 0)));
  EXPECT_FALSE(dir == GPoint(CComplex(1, 0), CComplex(2, 0)));
  EXPECT_FALSE(GPoint(CComplex(1, 0), CComplex(2, 0)) == dir);
  // Horizontal direction: y = 0 on both sides, x does not matter.
  EXPECT_TRUE(GPoint(CComplex(5, 0), CComplex(0, 0), CComplex(0, 0)) ==
              GPoint(CComplex(-1, 0), CComplex(0, 0), CComplex(0, 0)));
  EXPECT_FALSE(GPoint(CComplex(5, 0), CComplex(0, 0), CComplex(0, 0)) == dir);
}

TEST(MotionMatrix, IsTheRatioOfCurrentToPreviousDisplacement) {
  GPoint p(CComplex(1, 0), CComplex(2, 0));  // moved from (1, 0): displacement (0, 2)
  p.prevX = 1;
  p.prevY = 0;
  p.dX = 1;  // previous displacement (1, 1)
  p.dY = 1;
  p.GetAij();
  // (0 + 2i) / (1 + i) = 1 + i: turn by 45 degrees and stretch by sqrt 2.
  EXPECT_DOUBLE_EQ(p.a11, 1);
  EXPECT_DOUBLE_EQ(p.a21, 1);
  EXPECT_DOUBLE_EQ(p.a12, -1);
  EXPECT_DOUBLE_EQ(p.a22, 1);
  // The matrix carries the previous displacement onto the current one.
  EXPECT_DOUBLE_EQ(p.a11 * p.dX + p.a12 * p.dY, 0);
  EXPECT_DOUBLE_EQ(p.a21 * p.dX + p.a22 * p.dY, 2);
}

TEST(MotionMatrix, ZeroPreviousStepIsReplacedBeforeDividing) {
  GPoint p(CComplex(0.02, 0), CComplex(0, 0));
  p.GetAij();  // record all zero: dX becomes 0.01
  EXPECT_EQ(p.dX, 0.01);
  EXPECT_DOUBLE_EQ(p.a11, 2);
  EXPECT_DOUBLE_EQ(p.a21, 0);
}

TEST(MotionMatrix, PushAndPopRestoreTheRecord) {
  GPoint p;
  p.a11 = 1, p.a12 = 2, p.a21 = 3, p.a22 = 4, p.prevX = 5, p.prevY = 6, p.dX = 7, p.dY = 8;
  p.PushPointData();
  p.a11 = p.a12 = p.a21 = p.a22 = p.prevX = p.prevY = p.dX = p.dY = -1;
  p.PopPointData();
  EXPECT_EQ(p.a11, 1);
  EXPECT_EQ(p.a22, 4);
  EXPECT_EQ(p.prevX, 5);
  EXPECT_EQ(p.dY, 8);
}

TEST(ElementLists, CountAndClearHilightFromAnElementToTheEnd) {
  GPoint p[3];
  p[0].next = &p[1];
  p[1].next = &p[2];
  for (auto& q : p) q.hilighted = 1;
  EXPECT_EQ(p[0].NumbOfPt(), 3);
  EXPECT_EQ(p[2].NumbOfPt(), 1);
  p[1].ClearHilight();
  EXPECT_EQ(p[0].hilighted, 1);
  EXPECT_EQ(p[1].hilighted, 0);
  EXPECT_EQ(p[2].hilighted, 0);
  GLine l[2];
  l[0].next = &l[1];
  l[0].hilighted = l[1].hilighted = 1;
  EXPECT_EQ(l[0].NumOfLn(), 2);
  l[0].ClearHilight();
  EXPECT_EQ(l[1].hilighted, 0);
  GCircle c[2];
  c[0].next = &c[1];
  c[1].hilighted = 1;
  EXPECT_EQ(c[0].NumOfCc(), 2);
  c[0].ClearHilight();
  EXPECT_EQ(c[1].hilighted, 0);
}
