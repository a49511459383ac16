// Complex arithmetic at its edges: division by exact zero and by tiny
// numbers, the strict tolerance, and the cut of the square root.
#include <gtest/gtest.h>

#include "geometry/CComplex.h"

TEST(ComplexDivision, ByExactZeroGivesZeroAndByTinyNumbersIsOrdinary) {
  for (const CComplex& q :
       {CComplex(1, 0) / CComplex(0, 0), CComplex(3, 4) / CComplex(0, 0), CComplex(3, 4) /= 0.0}) {
    EXPECT_EQ(q.re, 0.0);
    EXPECT_EQ(q.im, 0.0);
  }
  // The squared modulus of these divisors leaves the range of doubles.
  EXPECT_DOUBLE_EQ((CComplex(1, 0) / CComplex(1e-300, 0)).re, 1e300);
  const CComplex r = CComplex(2, 0) / CComplex(1e-300, 1e-300);  // 2/(1+i) = 1-i
  EXPECT_DOUBLE_EQ(r.re, 1e300);
  EXPECT_DOUBLE_EQ(r.im, -1e300);
  EXPECT_DOUBLE_EQ((CComplex(1e300, 0) / CComplex(1e200, 0)).re, 1e100);
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
  EXPECT_FALSE(CComplex(5, 1e-7).realp());
}

TEST(ComplexSqrt, PrincipalRootWithCutOnNegativeAxis) {
  const CComplex a = sqrtC(CComplex(-4, 0));
  EXPECT_NEAR(a.re, 0, 1e-12);
  EXPECT_DOUBLE_EQ(a.im, 2);
  const CComplex b = sqrtC(CComplex(-4, -0.0));  // the other side of the cut
  EXPECT_NEAR(b.re, 0, 1e-12);
  EXPECT_DOUBLE_EQ(b.im, -2);
  const CComplex c = sqrtC(CComplex(3, 4));
  EXPECT_DOUBLE_EQ(c.re, 2);
  EXPECT_NEAR(c.im, 1, 1e-15);
}
