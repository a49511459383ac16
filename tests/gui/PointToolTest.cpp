// Placing points with the mouse in each interaction style: a free point, the
// order in which points, lines and circles pull a new point, intersections of
// lines and circles, and a drop on an existing point.
#include <cmath>

#include "gui/MouseFixture.h"
#include "script/Script.h"

class PlaceInStyle : public MouseTest, public ::testing::WithParamInterface<Style> {};

INSTANTIATE_TEST_SUITE_P(Styles, PlaceInStyle, ::testing::Values(kTovik, kQuil, kPanel),
                         [](const auto& info) {
                           return info.param == kTovik  ? std::string("Tovik")
                                  : info.param == kQuil ? std::string("Quil")
                                                        : std::string("Panel");
                         });

TEST_P(PlaceInStyle, FreePointLandsUnderTheReleaseWithAName) {
  GPoint* p = Place(GetParam(), At(0.5, 0.5), At(1.2, -0.7));
  ASSERT_NE(p, nullptr);
  EXPECT_NEAR(X(p), 1.2, 1e-9);
  EXPECT_NEAR(Y(p), -0.7, 1e-9);
  EXPECT_EQ(StepOf(p)->type, CONST_FREE);
  EXPECT_EQ(p->name, "A");
  EXPECT_EQ(Points(), 1);
  EXPECT_FALSE(canvas->m_Tool.m_Preview);  // the preview ended with the gesture
  EXPECT_FALSE(gesture->Placing());
}

TEST_P(PlaceInStyle, DropOnAnExistingPointCreatesNothing) {
  GPoint* a = Place(1, 1);
  const int steps = Steps();
  GPoint* p = Place(GetParam(), At(-1, -1), wxPoint(Px(1) + 4, Py(1) - 3));
  EXPECT_EQ(p, a);
  EXPECT_EQ(Steps(), steps);
  EXPECT_EQ(Points(), 1);
  EXPECT_NEAR(X(a), 1, 1e-12);  // and the old point stays where it was
}

TEST_P(PlaceInStyle, PointNearAPointAndALineGoesToThePointFirst) {
  GPoint* a = Place(-2, 0);
  GPoint* b = Place(2, 0);
  GLine* l = Join(a, b);
  ASSERT_NE(l, nullptr);
  GPoint* c = Place(0.5, 0.12);  // 12 pixels above the line, out of its reach
  ASSERT_NE(c, nullptr);
  const int steps = Steps();
  // 3 pixels below c and 9 above the line: c wins over the line.
  EXPECT_EQ(Place(GetParam(), At(0, 1), wxPoint(Px(0.5), Py(0.12) + 3)), c);
  EXPECT_EQ(Steps(), steps);
  // Away from c, the same distance from the line binds the new point to it.
  GPoint* d = Place(GetParam(), At(0, 1), wxPoint(Px(-1), Py(0.05)));
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(StepOf(d)->type, CONST_ON_LINE);
  EXPECT_NEAR(Y(d), 0, 1e-9);
  EXPECT_NEAR(X(d), -1, 1e-9);
}

TEST_P(PlaceInStyle, TwoLinesGiveTheirIntersection) {
  GPoint* a = Place(-2, -1);
  GPoint* b = Place(2, 1);
  GPoint* c = Place(-2, 1);
  GPoint* d = Place(2, -1);
  GLine* l = Join(a, b);
  GLine* m = Join(c, d);
  ASSERT_TRUE(l && m);
  // The lines cross at the origin; release 6 pixels off.
  GPoint* x = Place(GetParam(), At(1, 2), wxPoint(Px(0) + 4, Py(0) + 4));
  ASSERT_NE(x, nullptr);
  GConst* k = StepOf(x);
  EXPECT_EQ(k->type, CONST_MEET);
  EXPECT_NEAR(Off(x, l), 0, 1e-9);
  EXPECT_NEAR(Off(x, m), 0, 1e-9);
  // It stays the intersection when a line is dragged.
  Drag(At(2, 1), At(2, 1.5));
  EXPECT_NEAR(Off(x, l), 0, 1e-9);
  EXPECT_NEAR(Off(x, m), 0, 1e-9);
}

TEST_P(PlaceInStyle, LineAndCircleGiveTheRootNearestTheRelease) {
  GPoint* o = Place(0, 0);
  GPoint* r = Place(0, 1.5);
  GCircle* circle = CircleOf(o, r);
  GPoint* a = Place(-3, 0.3);
  GPoint* b = Place(3, 0.3);
  GLine* l = Join(a, b);
  ASSERT_TRUE(circle && l);
  const double rootX = std::sqrt(1.5 * 1.5 - 0.3 * 0.3);
  for (double side : {-1.0, 1.0}) {
    GPoint* x = Place(GetParam(), At(0, -2), wxPoint(Px(side * rootX) + 3, Py(0.3) - 2));
    ASSERT_NE(x, nullptr);
    EXPECT_EQ(StepOf(x)->type, CONST_MEET_CL);
    EXPECT_NEAR(X(x), side * rootX, 1e-9) << "side " << side;
    EXPECT_NEAR(Y(x), 0.3, 1e-9);
  }
}

TEST_P(PlaceInStyle, TwoCirclesGiveTheirIntersectionNearestTheRelease) {
  GPoint* o1 = Place(-1, 0);
  GPoint* r1 = Place(-1, 1.5);
  GPoint* o2 = Place(1, 0);
  GPoint* r2 = Place(1, -1.5);
  GCircle* c1 = CircleOf(o1, r1);
  GCircle* c2 = CircleOf(o2, r2);
  ASSERT_TRUE(c1 && c2);
  const double h = std::sqrt(1.5 * 1.5 - 1);
  GPoint* x = Place(GetParam(), At(2, 2), wxPoint(Px(0) + 2, Py(-h) + 3));
  ASSERT_NE(x, nullptr);
  EXPECT_EQ(StepOf(x)->type, CONST_MEET_CC);
  EXPECT_NEAR(X(x), 0, 1e-9);
  EXPECT_NEAR(Y(x), -h, 1e-9);
}

TEST_F(MouseTest, DragStepsShowTheNewPointAndHilightWhatIsNear) {
  GPoint* a = Place(-2, 0);
  GPoint* b = Place(2, 0);
  GLine* l = Join(a, b);
  canvas->m_Tool.SetMode(kModeSPoint);
  wxPoint from = At(0, 1), near = At(0.5, 0.04), far = At(0.5, 1);
  canvas->LButtonDown(from);
  ASSERT_TRUE(canvas->m_Tool.m_Preview);
  GPoint* moving = canvas->m_Tool.m_PreviewPoint[0];
  ASSERT_NE(moving, nullptr);
  canvas->LButtonDrag(near);
  EXPECT_NEAR(Y(moving), 0, 1e-9);  // pulled onto the line while dragging
  EXPECT_TRUE(l->hilighted);
  EXPECT_TRUE(canvas->m_RefreshPending);
  canvas->LButtonDrag(far);
  EXPECT_NEAR(Y(moving), 1, 1e-9);
  EXPECT_FALSE(l->hilighted);
  canvas->LButtonUp(far);
  EXPECT_FALSE(canvas->m_Tool.m_Preview);
}

TEST_F(MouseTest, ReleaseWithoutPressPlacesNothing) {
  Place(1, 1);
  const int steps = Steps();
  canvas->m_Tool.SetMode(kModeSPoint);
  wxPoint at = At(-1, -1);
  canvas->LButtonDrag(at);
  canvas->LButtonUp(at);
  EXPECT_EQ(Steps(), steps);
  EXPECT_EQ(Points(), 1);
}

// A click with no motion on a line, a circle or a crossing makes the same
// steps as a press, a drag step and a release there.
TEST_P(PlaceInStyle, AClickWithoutMotionBindsAsADragThere) {
  const std::pair<const char*, wxPoint> targets[] = {
      {"line", At(0.5, 0.0)}, {"circle", At(4.06, 1.06)}, {"crossing", At(1.5, 0.0)}};
  for (const auto& [what, at] : targets) {
    SCOPED_TRACE(what);
    std::string script[2];
    for (int motion = 0; motion < 2; ++motion) {
      doc->NewDocument();
      Join(Place(-1, 0), Place(1, 0));
      CircleOf(Place(3, 0), Place(3, 1.5));
      doc->ClearAllHilights();
      GPoint* p = motion ? Place(GetParam(), at, at) : Click(GetParam(), at);
      ASSERT_NE(p, nullptr);
      EXPECT_NE(StepOf(p)->type, CONST_FREE);
      script[motion] = WriteSheetScript(*doc, 0);
    }
    EXPECT_EQ(script[0], script[1]);
  }
}
