// Hit testing: which element the pointer finds first, where a position is
// pulled to, how two carriers are found for an intersection, and the hit
// areas of brackets, angle marks and images.
#include <gtest/gtest.h>

#include <cmath>

#include "FigureFixture.h"

namespace {

class Snap : public FigureTest {
 protected:
  // The line y = k x + d through two listed free points.
  GLine* LineY(double k, double d) { return Join(Free(-1, d - k, ""), Free(1, d + k, "")); }
  GCircle* CircleAt(double cx, double cy, double r) {
    GCircle* c = doc->NewCircle(cx, cy, r * r);
    doc->AssignCircle(c);
    return c;
  }
  // A polyline through the given samples.
  GParaCurve* Curve(std::initializer_list<std::pair<double, double>> samples) {
    GParaCurve* c = doc->NewCurve();
    for (auto [x, y] : samples) {
      c->X[c->count] = x;
      c->Y[c->count] = y;
      ++c->count;
    }
    doc->AssignCurve(c);
    return c;
  }
  GSheet& S() { return doc->Sheet(); }
};

TEST_F(Snap, PointTakesThePositionOfTheFirstPointInReach) {
  GPoint* a = NewListedPoint(1.0, 1.0, "A");
  GPoint* b = NewListedPoint(1.05, 1.0, "B");
  double x = 1.03, y = 1.02;
  GPoint* found = nullptr;
  ASSERT_TRUE(doc->Snapping(S().points.head, &x, &y, &found));
  EXPECT_EQ(found, a);
  EXPECT_DOUBLE_EQ(x, 1.0);
  EXPECT_DOUBLE_EQ(y, 1.0);

  // NearPoint finds without moving; hidden points are passed over.
  a->hidden = 1;
  x = 1.03;
  ASSERT_TRUE(doc->NearPoint(S().points.head, &x, &y, &found));
  EXPECT_EQ(found, b);
  EXPECT_DOUBLE_EQ(x, 1.03);
  x = 0.9;
  EXPECT_FALSE(doc->NearPoint(S().points.head, &x, &y, &found));
  EXPECT_EQ(found, nullptr);
}

TEST_F(Snap, ToleranceStaysTenPixelsWhenZoomed) {
  NewListedPoint(0, 0, "A");
  GLine* l = LineY(0, 2);
  auto pointHit = [&](double pixels) {
    double x = pixels * doc->m_Scale, y = 0;
    return doc->NearPoint(S().points.head, &x, &y, nullptr);
  };
  auto lineHit = [&](double pixels) {
    double x = 0, y = 2 + pixels * doc->m_Scale;
    return doc->Snap2Line(l, &x, &y);
  };
  EXPECT_TRUE(pointHit(9));
  EXPECT_FALSE(pointHit(11));
  // Zooming in by 1.2: scale and pick distance shrink together.
  doc->m_Scale /= 1.2;
  doc->m_PickDistance /= 1.2;
  doc->m_PickDistance2 = doc->m_PickDistance * doc->m_PickDistance;
  EXPECT_TRUE(pointHit(9));
  EXPECT_FALSE(pointHit(11));
  EXPECT_TRUE(lineHit(9.5));
  EXPECT_FALSE(lineHit(10.5));
}

TEST_F(Snap, PositionIsPulledOntoLineCircleAndCurve) {
  GLine* l = LineY(1, 0);  // y = x
  double x = 1.0, y = 1.08;
  ASSERT_TRUE(doc->Snap2Line(l, &x, &y));
  EXPECT_NEAR(x, 1.04, 1e-12);
  EXPECT_NEAR(y, 1.04, 1e-12);

  GCircle* c = CircleAt(5, 0, 2);
  x = 5;
  y = 2.07;
  ASSERT_TRUE(doc->Snap2Circle(S().circles.head, &x, &y));
  EXPECT_NEAR(x, 5, 1e-12);
  EXPECT_NEAR(y, 2, 1e-12);
  x = 5;
  y = 1.85;  // more than the pick distance inside the circle
  EXPECT_FALSE(doc->Snap2Circle(c, &x, &y));

  GParaCurve* k = Curve({{0, -3}, {1, -3}, {2, -2}});
  x = 1.5;
  y = -2.55;
  ASSERT_TRUE(doc->Snap2Curve(k, &x, &y));
  EXPECT_NEAR(x, 1.475, 1e-12);
  EXPECT_NEAR(y, -2.525, 1e-12);
}

TEST_F(Snap, HiddenOrDrawnElementsDoNotAttract) {
  GLine* l = LineY(0, 0);
  GCircle* c = CircleAt(0, 0, 1);
  GParaCurve* k = Curve({{-1, 3}, {1, 3}});
  l->hidden = c->hidden = k->hidden = 1;
  double x = 0.5, y = 0.02;
  EXPECT_FALSE(doc->Snap2Line(l, &x, &y));
  x = 0;
  y = 1.02;
  EXPECT_FALSE(doc->Snap2Circle(c, &x, &y));
  y = 3.01;
  EXPECT_FALSE(doc->Snap2Curve(k, &x, &y));

  // The circle a two-point gesture is drawing does not catch its own point.
  c->hidden = 0;
  doc->m_DrawingCircle = c;
  y = 1.02;
  EXPECT_FALSE(doc->Snap2Circle(c, &x, &y));
  GCircle *c1 = nullptr, *c2 = nullptr;
  EXPECT_EQ(doc->Snap2CircleEx(c, &x, &y, &c1, &c2), 0);
}

TEST_F(Snap, TwoLinesAreFoundFromTheTailAndMeet) {
  GLine* l1 = LineY(0, 0);
  GLine* l2 = LineY(1, 0);
  GLine* l3 = LineY(-1, 0);
  GLine *first = nullptr, *second = nullptr;
  double x = 0.03, y = 0.02;
  ASSERT_EQ(doc->Snap2LineEx(S().lines.head, &x, &y, &first, &second), 2);
  EXPECT_EQ(first, l3);
  EXPECT_EQ(second, l2);
  EXPECT_NEAR(x, 0, 1e-12);
  EXPECT_NEAR(y, 0, 1e-12);
  (void)l1;

  x = 2;
  y = 0.05;
  ASSERT_EQ(doc->Snap2LineEx(S().lines.head, &x, &y, &first, &second), 1);
  EXPECT_EQ(first, l1);
  EXPECT_EQ(second, nullptr);
  EXPECT_NEAR(y, 0, 1e-12);
}

TEST_F(Snap, CloseParallelLinesGiveOneLineNotAPointAtInfinity) {
  GLine* l1 = LineY(0, 0);
  LineY(0, 0.1);
  GLine *first = nullptr, *second = nullptr;
  double x = 1, y = 0.045;
  EXPECT_EQ(doc->Snap2LineEx(S().lines.head, &x, &y, &first, &second), 1);
  EXPECT_NE(first, nullptr);
  EXPECT_EQ(second, nullptr);
  EXPECT_TRUE(std::isfinite(x) && std::isfinite(y));
  (void)l1;
}

TEST_F(Snap, TwoCirclesMeetAtTheCrossingNearestThePosition) {
  GCircle* a = CircleAt(0, 0, 1);
  GCircle* b = CircleAt(1, 0, 1);
  GCircle *first = nullptr, *second = nullptr;
  double x = 0.52, y = -0.9;
  ASSERT_EQ(doc->Snap2CircleEx(S().circles.head, &x, &y, &first, &second), 2);
  EXPECT_EQ(first, b);
  EXPECT_EQ(second, a);
  EXPECT_NEAR(x, 0.5, 1e-3);
  EXPECT_NEAR(y, -std::sqrt(0.75), 1e-3);
}

TEST_F(Snap, CurveExFindsUpToTwoCurves) {
  GParaCurve* k1 = Curve({{-1, 0}, {1, 0}});
  GParaCurve* k2 = Curve({{0, -1}, {0, 1}});
  GParaCurve *first = nullptr, *second = nullptr;
  double x = 0.05, y = 0.04;
  ASSERT_EQ(doc->Snap2CurveEx(S().curves.head, &x, &y, &first, &second), 2);
  EXPECT_EQ(first, k2);
  EXPECT_EQ(second, k1);
  x = 0.5;
  y = 0.04;
  ASSERT_EQ(doc->Snap2CurveEx(S().curves.head, &x, &y, &first, &second), 1);
  EXPECT_EQ(first, k1);
  EXPECT_DOUBLE_EQ(y, 0);
}

TEST_F(Snap, BracketIsGrabbedAtItsApex) {
  GPoint* p = NewListedPoint(0, 0, "P");
  GPoint* q = NewListedPoint(2, 0, "Q");
  GBracket* b = doc->NewBracket(p, q);
  doc->AssignBracket(b);
  b->bulge = 0.3;  // apex at (1, -0.6): 0.3 times the length, on the right of P -> Q
  EXPECT_TRUE(doc->Snap2Bracket(S().brackets.head, 1.05, -0.55));
  EXPECT_EQ(doc->m_PickedBracket, b);
  EXPECT_FALSE(doc->Snap2Bracket(S().brackets.head, 1.0, 0.6));
  EXPECT_EQ(doc->m_PickedBracket, nullptr);
  b->bulge = -0.3;
  EXPECT_TRUE(doc->Snap2Bracket(S().brackets.head, 1.0, 0.6));
  // A bracket of length 0 has no apex.
  q->x = CComplex(0, 0);
  GBracket* z = doc->NewBracket(p, q);
  doc->AssignBracket(z);
  b->hidden = 1;
  EXPECT_FALSE(doc->Snap2Bracket(S().brackets.head, 0, 0));
}

TEST_F(Snap, AngleMarkIsHitInsideItsSectorNearItsArc) {
  GAngle* a = doc->NewAngle(M_PI / 2);
  doc->AssignAngle(a);
  a->hidden = 0;
  a->vx = a->vy = CComplex(0, 0);
  a->d1x = CComplex(1, 0);
  a->d1y = CComplex(0, 0);
  a->d2x = CComplex(0, 0);
  a->d2y = CComplex(1, 0);
  a->radius = 40;  // 0.4 world units at the initial scale
  const double r = 0.4;
  EXPECT_TRUE(doc->AngleMarkHit(a, r * std::cos(0.7), r * std::sin(0.7)));
  EXPECT_FALSE(doc->AngleMarkHit(a, r * std::cos(-0.3), r * std::sin(-0.3)));    // outside
  EXPECT_FALSE(doc->AngleMarkHit(a, r * std::cos(0.005), r * std::sin(0.005)));  // margin
  EXPECT_TRUE(doc->AngleMarkHit(a, 1.15 * r * std::cos(0.7), 1.15 * r * std::sin(0.7)));
  EXPECT_FALSE(doc->AngleMarkHit(a, 1.25 * r * std::cos(0.7), 1.25 * r * std::sin(0.7)));
  EXPECT_FALSE(doc->AngleMarkHit(a, 0.75 * r * std::cos(0.7), 0.75 * r * std::sin(0.7)));
  // A clockwise mark spans the other way round.
  a->value = CComplex(-M_PI / 2, 0);
  a->d2y = CComplex(-1, 0);
  EXPECT_TRUE(doc->AngleMarkHit(a, r * std::cos(-0.7), r * std::sin(-0.7)));
  EXPECT_FALSE(doc->AngleMarkHit(a, r * std::cos(0.7), r * std::sin(0.7)));
}

TEST_F(Snap, ImageBodyAndCornerHandles) {
  GImage* im = doc->NewImage();
  im->x = 100;
  im->y = 50;
  im->width = 40;
  im->height = 30;
  doc->AssignImage(im);
  EXPECT_EQ(doc->Snap2Image(S().images.head, 120, 60), 1);
  EXPECT_EQ(doc->m_ImageGrabX, 20);
  EXPECT_EQ(doc->m_ImageGrabY, 10);
  EXPECT_EQ(doc->Snap2Image(S().images.head, 96, 46), 2);
  EXPECT_EQ(doc->m_ImageGrabX, -4);
  EXPECT_EQ(doc->Snap2Image(S().images.head, 94, 46), 0);
  EXPECT_EQ(doc->m_PickedImage, nullptr);
  EXPECT_EQ(doc->Snap2Image(S().images.head, 97, 83), 3);
  EXPECT_EQ(doc->Snap2Image(S().images.head, 143, 47), 4);
  EXPECT_EQ(doc->Snap2Image(S().images.head, 142, 84), 5);
  EXPECT_EQ(doc->m_ImageGrabX, 2);
  EXPECT_EQ(doc->m_ImageGrabY, 4);
  im->hidden = 1;
  EXPECT_EQ(doc->Snap2Image(S().images.head, 120, 60), 0);
}

}  // namespace
