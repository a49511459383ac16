// The motion record of a dragged point: the matrix that turns its previous
// displacement into the current one, saved and restored around a trial.
#include <gtest/gtest.h>

#include "model/Elements.h"

TEST(MotionMatrix, IsTheRatioOfCurrentToPreviousDisplacement) {
  GPoint p(CComplex(1, 0), CComplex(2, 0));  // moved from (1, 0): displacement (0, 2)
  p.prevX = 1, p.prevY = 0, p.dX = 1, p.dY = 1;
  p.GetAij();
  // (0 + 2i) / (1 + i) = 1 + i: turn by 45 degrees and stretch by sqrt 2.
  EXPECT_DOUBLE_EQ(p.a11, 1);
  EXPECT_DOUBLE_EQ(p.a21, 1);
  EXPECT_DOUBLE_EQ(p.a12, -1);
  EXPECT_DOUBLE_EQ(p.a22, 1);
  // A point that did not move last time: dX becomes 0.01 before dividing.
  GPoint q(CComplex(0.02, 0), CComplex(0, 0));
  q.GetAij();
  EXPECT_EQ(q.dX, 0.01);
  EXPECT_DOUBLE_EQ(q.a11, 2);
  EXPECT_DOUBLE_EQ(q.a21, 0);
  // Saved and restored around a trial evaluation.
  q.PushPointData();
  q.a11 = q.prevX = q.dY = -1;
  q.PopPointData();
  EXPECT_DOUBLE_EQ(q.a11, 2);
  EXPECT_EQ(q.prevX, 0.0);
  EXPECT_EQ(q.dY, 0.0);
}
