// Small helpers for tests of step evaluation: points and lines from reals,
// bare steps, and incidence checks in homogeneous coordinates.
#pragma once

#include <gtest/gtest.h>

#include "model/GConst.h"

inline GPoint Pt(double x, double y) { return GPoint(CComplex(x, 0), CComplex(y, 0)); }

inline GLine Line(double a, double b, double c) {
  return GLine(CComplex(a, 0), CComplex(b, 0), CComplex(c, 0));
}

inline GConst Step(GStepKind type) {
  GConst c;
  c.type = type;
  return c;
}

inline bool OnLine(const GPoint& p, const GLine& l) {
  return zerop(l.a * p.xz() + l.b * p.yz() + l.c);
}

// Two lines are the same when their coefficients are proportional.
inline bool SameLine(const GLine& l, const GLine& m) {
  return zerop(l.a * m.b - l.b * m.a) && zerop(l.b * m.c - l.c * m.b) &&
         zerop(l.a * m.c - l.c * m.a);
}

inline void ExpectAt(const GPoint& p, double x, double y) {
  EXPECT_NEAR(p.xz().re, x, 1e-9);
  EXPECT_NEAR(p.yz().re, y, 1e-9);
  EXPECT_NEAR(p.xz().im, 0, 1e-9);
  EXPECT_NEAR(p.yz().im, 0, 1e-9);
}
