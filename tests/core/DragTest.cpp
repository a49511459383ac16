// A point drag of the Move tool as one operation of the document: press,
// motion steps and release, with the hilights they leave and the motion
// records each drag starts afresh.
#include <gtest/gtest.h>

#include "FigureFixture.h"

namespace {

class Drag : public FigureTest {
 protected:
  GPoint *a = nullptr, *b = nullptr, *p = nullptr;

  // Circles about A and B, each through the other centre; P is the meet above AB.
  void TwoCircles(double ax) {
    a = Free(ax, 0, "A");
    b = Free(1, 0, "B");
    GCircle* c1 = Circle(a, b);
    GCircle* c2 = Circle(b, a);
    p = MeetNear(CONST_MEET_CC, nullptr, c1, c2, (ax + 1) / 2, 0.7, "P");
  }
  // The fixture's gesture works on the fixture's first document; a test that
  // starts a fresh one drags with tools of its own.
  void DragPoint(GPoint* q, std::initializer_list<std::pair<double, double>> path) {
    DragPoint(gesture, q, path);
  }
  static void DragPoint(GGesture& g, GPoint* q,
                        std::initializer_list<std::pair<double, double>> path) {
    ASSERT_TRUE(g.BeginDrag(q, false));
    for (auto [x, y] : path) ASSERT_TRUE(g.DragTo(x, y));
    g.EndDrag(false);
  }
};

// An earlier drag of A leaves P with its last displacement; a drag of B that
// predicted P's branch from that displacement would throw P to the far side.
TEST_F(Drag, MotionOfAnEarlierDragDoesNotChooseAnIntersection) {
  TwoCircles(0);
  DragPoint(a, {{0.15, 0}, {0.3, 0}});
  DragPoint(b, {{1.1, -0.1}});
  const double x = p->xz().re, y = p->yz().re;

  doc = std::make_unique<GDocument>(&user);
  GGesture fresh(*doc);
  TwoCircles(0.3);
  DragPoint(fresh, b, {{1.1, -0.1}});
  EXPECT_GT(y, 0);
  EXPECT_DOUBLE_EQ(x, p->xz().re);
  EXPECT_DOUBLE_EQ(y, p->yz().re);
}

TEST_F(Drag, PressAndReleaseLeaveThePointHeldHilightedAndOthersOnlyWithShift) {
  for (bool shift : {false, true}) {
    SCOPED_TRACE(shift);
    doc = std::make_unique<GDocument>(&user);
    GGesture fresh(*doc);
    GPoint* q = Free(0, 0, "Q");
    GPoint* other = Free(2, 0, "O");
    GLine* l = Join(q, other);
    doc->Sethilighted(other);
    doc->Sethilighted(l);
    ASSERT_TRUE(fresh.BeginDrag(q, shift));
    EXPECT_TRUE(q->hilighted);
    EXPECT_EQ(doc->Selection().Lines().Count(), shift ? 1 : 0);
    ASSERT_TRUE(fresh.DragTo(0.5, 1));
    EXPECT_EQ(doc->MovingPoint(), q);
    // Selecting during the drag lights the other point again; the release
    // keeps it only with Shift.
    other->hilighted = 1;
    fresh.EndDrag(shift);
    EXPECT_EQ(doc->MovingPoint(), nullptr);
    EXPECT_TRUE(q->hilighted && doc->Selection().Points().Contains(q));
    EXPECT_EQ(other->hilighted, shift ? 1 : 0);
  }
}

TEST_F(Drag, ConstructedPointIsHeldButDoesNotMove) {
  GPoint* m = Mid(Free(0, 0, "A"), Free(2, 2, "B"), "M");
  EXPECT_FALSE(gesture.BeginDrag(m, false));
  EXPECT_TRUE(m->hilighted);
  EXPECT_FALSE(gesture.DragTo(5, 5));
  EXPECT_EQ(m->xz().re, 1.0);
  EXPECT_EQ(doc->MovingPoint(), nullptr);
  // A press on no point moves nothing either.
  EXPECT_FALSE(gesture.BeginDrag(nullptr, false));
  EXPECT_FALSE(gesture.DragTo(5, 5));
  EXPECT_FALSE(m->hilighted);
}

}  // namespace
