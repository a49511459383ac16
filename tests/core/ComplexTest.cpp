// Complex arithmetic at its edges: division by exact zero and by tiny
// numbers, the strict tolerance, and the cut of the square root.
#include <gtest/gtest.h>

#include <cmath>

#include "geometry/CComplex.h"

TEST(ComplexDivision, ByExactZeroGivesZero) {
  const CComplex q1 = CComplex(1, 0) / CComplex(0, 0);
  const CComplex q2 = CComplex(3, 4) / CComplex(0, 0);
  EXPECT_EQ(q1.re, 0.0);
  EXPECT_EQ(q1.im, 0.0);
  EXPECT_EQ(q2.re, 0.0);
  EXPECT_EQ(q2.im, 0.0);
  CComplex z(3, 4);
  const CComplex r = (z /= 0.0);
  EXPECT_EQ(z.re, 0.0);
  EXPECT_EQ(z.im, 0.0);
  EXPECT_EQ(r.re, 0.0);
  CComplex w(3, 4);
  w /= CComplex(0, 0);
  EXPECT_EQ(w.re, 0.0);
  EXPECT_EQ(w.im, 0.0);
}

TEST(ComplexDivision, ByTinyOrHugeNumbersIsOrdinaryDivision) {
  const CComplex q = CComplex(1, 0) / CComplex(1e-300, 0);
  EXPECT_DOUBLE_EQ(q.re, 1e300);
  EXPECT_EQ(q.im, 0.0);
  const CComplex r = CComplex(2, 0) / CComplex(1e-300, 1e-300);  // 1/(1+i) = (1-i)/2
  EXPECT_DOUBLE_EQ(r.re, 1e300);
  EXPECT_DOUBLE_EQ(r.im, -1e300);
  const CComplex s = CComplex(1e300, 0) / CComplex(1e200, 0);
  EXPECT_DOUBLE_EQ(s.re, 1e100);
  const CComplex t = CComplex(3, 4) / CComplex(1, 2);
  EXPECT_DOUBLE_EQ(t.re, 2.2);
  EXPECT_DOUBLE_EQ(t.im, -0.4);
}

TEST(ComplexTolerance, IsStrict) {
  EXPECT_FALSE(zerop(CComplex(1e-7, 0)));
  EXPECT_FALSE(zerop(CComplex(0, -1e-7)));
  EXPECT_TRUE(zerop(CComplex(9.9e-8, -9.9e-8)));
  EXPECT_TRUE(CComplex(1, 1) == CComplex(1 + 9.9e-8, 1 - 9.9e-8));
  EXPECT_TRUE(CComplex(1, 1) != CComplex(1, 1 + 2e-7));
  EXPECT_TRUE(CComplex(5, 9e-8).realp());
  EXPECT_FALSE(CComplex(5, 1e-7).realp());
}

TEST(ComplexCompound, ReturnsTheNewValue) {
  CComplex z(1, 2);
  const CComplex r = (z *= CComplex(0, 1));
  EXPECT_EQ(r.re, -2.0);
  EXPECT_EQ(r.im, 1.0);
  EXPECT_EQ(z.re, -2.0);
  const CComplex s = (z -= CComplex(1, 1));
  EXPECT_EQ(s.re, -3.0);
  EXPECT_EQ(s.im, 0.0);
}

TEST(ComplexNorms, SupAndEuclidean) {
  const CComplex z(-3, 4);
  EXPECT_EQ(supnorm(z), 7.0);
  EXPECT_EQ(norm2(z), 25.0);
  EXPECT_EQ(norm1(z), 5.0);
  EXPECT_EQ(conjugate(z).im, -4.0);
}

TEST(ComplexSqrt, PrincipalRootWithCutOnNegativeAxis) {
  const CComplex a = sqrtC(CComplex(-4, 0));
  EXPECT_NEAR(a.re, 0, 1e-12);
  EXPECT_DOUBLE_EQ(a.im, 2);
  // The other side of the cut: a negative zero imaginary part.
  const CComplex b = sqrtC(CComplex(-4, -0.0));
  EXPECT_NEAR(b.re, 0, 1e-12);
  EXPECT_DOUBLE_EQ(b.im, -2);
  const CComplex c = sqrtC(CComplex(3, 4));
  EXPECT_DOUBLE_EQ(c.re, 2);
  EXPECT_NEAR(c.im, 1, 1e-15);
  const CComplex d = sqrtC(CComplex(0, 0));
  EXPECT_EQ(d.re, 0.0);
  EXPECT_EQ(d.im, 0.0);
}
