// Coordinate records of points, lines and circles: lines through two points,
// reading coordinates as reals, and projective equality.
#include <gtest/gtest.h>

#include "geometry/Coordinates.h"

TEST(LineThroughTwoPoints, IsTheCrossProductOrTheLineAtInfinity) {
  LineCoords l;
  l.SetLine(0, 1, 2, 3);  // y = x + 1
  EXPECT_EQ(l.a.re, -2.0);
  EXPECT_EQ(l.b.re, 2.0);
  EXPECT_EQ(l.c.re, -2.0);
  LineCoords m;
  m.SetLine(1, 1, 1, 1);
  EXPECT_TRUE(m.a == CComplex(0, 0) && m.b == CComplex(0, 0) && m.c == CComplex(1, 0));
}

TEST(CoordinatesAsReals, LineIsScaledByItsLastNonNegligibleCoefficient) {
  double p, q, r;
  // c = 0 and b = 0: the vertical axis, whatever a is.
  EXPECT_TRUE(LineCoords(CComplex(7, 3), CComplex(0, 0), CComplex(0, 0)).realp(&p, &q, &r));
  EXPECT_TRUE(p == 1 && q == 0 && r == 0);
  EXPECT_TRUE(LineCoords(CComplex(2, 2), CComplex(1, 1), CComplex(0, 0)).realp(&p, &q, &r));
  EXPECT_TRUE(p == 2 && q == 1 && r == 0);
  EXPECT_FALSE(LineCoords(CComplex(0, 1), CComplex(1, 0), CComplex(0, 0)).realp(&p, &q, &r));
  // A common complex factor does not make a line complex.
  EXPECT_TRUE(LineCoords(CComplex(0, 2), CComplex(0, 4), CComplex(0, 2)).realp(&p, &q, &r));
  EXPECT_TRUE(p == 1 && q == 2 && r == 1);
  EXPECT_FALSE(LineCoords(CComplex(1, 1), CComplex(1, 0), CComplex(1, 0)).realp(&p, &q, &r));
}

TEST(CoordinatesAsReals, CircleGivesCentreAndSquaredRadius) {
  double p, q, r;
  EXPECT_TRUE(CircleCoords(1.0, 2.0, 9.0).realp(&p, &q, &r));
  EXPECT_TRUE(p == 1 && q == 2 && r == 9);
  EXPECT_TRUE(CircleCoords(0.0, 0.0, -4.0).realp(&p, &q, &r));  // imaginary radius
  EXPECT_EQ(r, -4.0);
  EXPECT_FALSE(CircleCoords(CComplex(1, 1), CComplex(0, 0), CComplex(1, 0)).realp(&p, &q, &r));
  // A circle shrunk to its centre keeps that centre, also on the x axis.
  EXPECT_TRUE(CircleCoords(5.0, 0.0, 0.0).realp(&p, &q, &r));
  EXPECT_TRUE(p == 5 && q == 0 && r == 0);
  EXPECT_FALSE(CircleCoords(CComplex(5, 1), CComplex(0, 0), CComplex(0, 0)).realp(&p, &q, &r));
}

TEST(PointEquality, IsProjective) {
  const auto P = [](double x, double y, double z) {
    return PointCoords(CComplex(x, 0), CComplex(y, 0), CComplex(z, 0));
  };
  EXPECT_TRUE(P(1, 2, 1) == P(3, 6, 3));
  EXPECT_FALSE(P(1, 2, 1) == P(1, 2.1, 1));
  // Points at infinity compare by direction, and never equal a finite point.
  EXPECT_TRUE(P(1, 2, 0) == P(-2, -4, 0));
  EXPECT_FALSE(P(1, 2, 0) == P(2, 1, 0));
  EXPECT_FALSE(P(1, 2, 0) == P(1, 2, 1));
  EXPECT_FALSE(P(1, 2, 1) == P(1, 2, 0));
  // The horizontal direction: y = 0 on both sides, x does not matter.
  EXPECT_TRUE(P(5, 0, 0) == P(-1, 0, 0));
  EXPECT_FALSE(P(5, 0, 0) == P(1, 2, 0));
}
