// Hit testing: which element the pointer finds first, where a position is
// pulled to, how two lines are found for an intersection, and the hit areas
// of brackets, angle marks and images.
#include <gtest/gtest.h>

#include <cmath>

#include "FigureFixture.h"

namespace {

class Snap : public FigureTest {
 protected:
  GLine* LineY(double k, double d) { return Join(Free(-1, d - k, ""), Free(1, d + k, "")); }
  GSheet& S() { return doc->Sheet(); }
};

TEST_F(Snap, FirstVisiblePointInReachIsTakenAndItsPositionWith) {
  GPoint* a = NewListedPoint(1.0, 1.0, "A");
  GPoint* b = NewListedPoint(1.05, 1.0, "B");
  double x = 1.03, y = 1.02;
  GPoint* found = nullptr;
  ASSERT_TRUE(gesture.Snapping(S().points.head, &x, &y, &found));
  EXPECT_EQ(found, a);
  EXPECT_DOUBLE_EQ(x, 1.0);
  a->hidden = 1;
  x = 1.03;
  ASSERT_TRUE(gesture.NearPoint(S().points.head, &x, &y, &found));
  EXPECT_EQ(found, b);
  EXPECT_DOUBLE_EQ(x, 1.03);  // NearPoint does not move the position
}

TEST_F(Snap, ToleranceStaysTenPixelsWhenZoomed) {
  NewListedPoint(0, 0, "A");
  GLine* l = LineY(0, 2);
  auto hits = [&](double pixels) {
    double x = pixels * doc->Viewport().Scale(), y = 0, lx = 0,
           ly = 2 + pixels * doc->Viewport().Scale();
    return gesture.NearPoint(S().points.head, &x, &y, nullptr) && gesture.Snap2Line(l, &lx, &ly);
  };
  EXPECT_TRUE(hits(9.5));
  EXPECT_FALSE(hits(10.5));
  // zoom in: scale and pick distance shrink together
  doc->Viewport().SetScale(doc->Viewport().Scale() / 1.2);
  doc->Viewport().SetPickDistance(doc->Viewport().PickDistance() / 1.2);
  EXPECT_TRUE(hits(9.5));
  EXPECT_FALSE(hits(10.5));
}

TEST_F(Snap, PositionIsPulledOntoLineAndCurve) {
  GLine* l = LineY(1, 0);  // y = x
  double x = 1.0, y = 1.08;
  ASSERT_TRUE(gesture.Snap2Line(l, &x, &y));
  EXPECT_NEAR(x, 1.04, 1e-12);
  EXPECT_NEAR(y, 1.04, 1e-12);
  GParaCurve* k = doc->NewCurve();
  const double xs[] = {0, 1, 2}, ys[] = {-3, -3, -2};
  for (int i = 0; i < 3; ++i) k->X[i] = xs[i], k->Y[i] = ys[i];
  k->count = 3;
  x = 1.5;
  y = -2.55;  // past the end of the first segment, near the second
  ASSERT_TRUE(gesture.Snap2Curve(k, &x, &y));
  EXPECT_NEAR(x, 1.475, 1e-12);
  EXPECT_NEAR(y, -2.525, 1e-12);
}

TEST_F(Snap, HiddenOrDrawnElementsDoNotAttract) {
  GLine* l = LineY(0, 0);
  GCircle* c = doc->NewCircle(0, 0, 1);
  doc->AssignCircle(c);
  l->hidden = c->hidden = 1;
  double x = 0.5, y = 0.02;
  EXPECT_FALSE(gesture.Snap2Line(l, &x, &y));
  x = 0;
  y = 1.02;
  EXPECT_FALSE(gesture.Snap2Circle(c, &x, &y));
  // The circle a two-point gesture is drawing does not catch its own point.
  c->hidden = 0;
  gesture.SetDrawingCircle(c);
  EXPECT_FALSE(gesture.Snap2Circle(c, &x, &y));
}

TEST_F(Snap, TwoLinesAreFoundFromTheTailAndMeet) {
  GLine* l1 = LineY(0, 0);
  GLine* l2 = LineY(1, 0);
  GLine* l3 = LineY(-1, 0);
  GLine *first = nullptr, *second = nullptr;
  double x = 0.03, y = 0.02;
  ASSERT_EQ(gesture.Snap2LineEx(S().lines.head, &x, &y, &first, &second), 2);
  EXPECT_EQ(first, l3);
  EXPECT_EQ(second, l2);
  EXPECT_NEAR(x, 0, 1e-12);
  EXPECT_NEAR(y, 0, 1e-12);
  x = 2;
  y = 0.05;
  ASSERT_EQ(gesture.Snap2LineEx(S().lines.head, &x, &y, &first, &second), 1);
  EXPECT_EQ(first, l1);
}

TEST_F(Snap, CloseParallelLinesGiveOneLineNotAPointAtInfinity) {
  LineY(0, 0);
  LineY(0, 0.1);
  GLine *first = nullptr, *second = nullptr;
  double x = 1, y = 0.045;
  EXPECT_EQ(gesture.Snap2LineEx(S().lines.head, &x, &y, &first, &second), 1);
  EXPECT_EQ(second, nullptr);
  EXPECT_TRUE(std::isfinite(x) && std::isfinite(y));
}

TEST_F(Snap, BracketIsGrabbedAtItsApexOnTheSideOfItsBulge) {
  GBracket* b = doc->NewBracket(NewListedPoint(0, 0, "P"), NewListedPoint(2, 0, "Q"));
  doc->AssignBracket(b);
  b->bulge = 0.3;  // apex 0.6 to the right of P -> Q
  EXPECT_TRUE(gesture.Snap2Bracket(S().brackets.head, 1.05, -0.55));
  EXPECT_EQ(gesture.PickedBracket(), b);
  EXPECT_FALSE(gesture.Snap2Bracket(S().brackets.head, 1.0, 0.6));
  b->bulge = -0.3;
  EXPECT_TRUE(gesture.Snap2Bracket(S().brackets.head, 1.0, 0.6));
}

TEST_F(Snap, AngleMarkIsHitInsideItsSectorNearItsArc) {
  GAngle* a = doc->NewAngle(M_PI / 2);  // from +x to +y, radius 40 px = 0.4
  a->hidden = 0;
  auto at = [&](double f, double t) {
    return gesture.AngleMarkHit(a, f * 0.4 * std::cos(t), f * 0.4 * std::sin(t));
  };
  EXPECT_TRUE(at(1, 0.7));
  EXPECT_TRUE(at(1.15, 0.7));
  EXPECT_FALSE(at(1.25, 0.7));
  EXPECT_FALSE(at(0.75, 0.7));
  EXPECT_FALSE(at(1, -0.3));          // outside the sector
  EXPECT_FALSE(at(1, 0.005));         // within the margin of a side
  a->value = CComplex(-M_PI / 2, 0);  // clockwise mark
  EXPECT_TRUE(at(1, -0.7));
  EXPECT_FALSE(at(1, 0.7));
}

TEST_F(Snap, ImageBodyAndCornerHandles) {
  GImage* im = doc->NewImage();
  im->x = 100;
  im->y = 50;
  im->width = 40;
  im->height = 30;
  doc->AssignImage(im);
  EXPECT_EQ(gesture.Snap2Image(S().images.head, 120, 60), 1);
  EXPECT_EQ(gesture.Snap2Image(S().images.head, 96, 46), 2);
  EXPECT_EQ(gesture.Snap2Image(S().images.head, 94, 46), 0);
  EXPECT_EQ(gesture.Snap2Image(S().images.head, 97, 83), 3);
  EXPECT_EQ(gesture.Snap2Image(S().images.head, 143, 47), 4);
  EXPECT_EQ(gesture.Snap2Image(S().images.head, 142, 84), 5);
  // The grab offset is taken from the corner concerned.
  EXPECT_EQ(gesture.ImageGrabX(), 2);
  EXPECT_EQ(gesture.ImageGrabY(), 4);
}

}  // namespace
