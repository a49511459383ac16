// Hilighting: the per-kind lists of selected elements, selecting what lies
// under the pointer with and without Shift, the temporary hilight of a point
// being placed, and the Select tool's order of tests.
#include <gtest/gtest.h>

#include "FigureFixture.h"

namespace {

class Hilight : public FigureTest {
 protected:
  GLine* LineY(double k, double d) { return Join(Free(-1, d - k, ""), Free(1, d + k, "")); }
  GSheet& S() { return doc->Sheet(); }
};

TEST_F(Hilight, ListHoldsNineDistinctElementsAndClosesGapsOnRemoval) {
  GPoint* p[10];
  for (int i = 0; i < 10; ++i) p[i] = NewListedPoint(i, 0, "");
  for (int i = 0; i < 10; ++i) doc->Sethilighted(p[i]);
  doc->Sethilighted(p[3]);
  EXPECT_EQ(doc->Selection().Points().Count(), 9);
  EXPECT_EQ(doc->Selection().Points()[8], p[8]);
  EXPECT_EQ(doc->Selection().Points()[9], nullptr);
  // The tenth is flagged but not listed: only the lists feed the tools.
  EXPECT_TRUE(p[9]->hilighted);

  doc->Deletehilighted(p[1]);
  EXPECT_FALSE(p[1]->hilighted);
  EXPECT_EQ(doc->Selection().Points().Count(), 8);
  EXPECT_EQ(doc->Selection().Points()[1], p[2]);
  EXPECT_EQ(doc->Selection().Points()[7], p[8]);
}

TEST_F(Hilight, WithoutShiftTheLastPointHitStaysSelected) {
  GPoint* a = NewListedPoint(0, 0, "A");
  GPoint* b = NewListedPoint(0.05, 0, "B");
  GPoint* far = NewListedPoint(3, 0, "C");
  doc->Sethilighted(far);
  gesture.SelectHilight(S().points.head, 0.02, 0);
  EXPECT_FALSE(a->hilighted);
  EXPECT_TRUE(b->hilighted);
  EXPECT_FALSE(far->hilighted);
  ASSERT_EQ(doc->Selection().Points().Count(), 1);
  EXPECT_EQ(doc->Selection().Points()[0], b);

  // With Shift every point hit is added and nothing is dropped.
  gesture.SetShift(true);
  doc->Sethilighted(far);
  gesture.SelectHilight(S().points.head, 0.02, 0);
  EXPECT_TRUE(a->hilighted && b->hilighted && far->hilighted);
  EXPECT_EQ(doc->Selection().Points().Count(), 3);
}

TEST_F(Hilight, ShiftKeepsTheFirstLineWhenASecondIsClicked) {
  GLine* l1 = LineY(0, 0);
  GLine* l2 = LineY(0, 2);
  gesture.SelectHilight(S().lines.head, 0.5, 0.03);
  EXPECT_TRUE(l1->hilighted);
  gesture.SetShift(true);
  gesture.SelectHilight(S().lines.head, 0.5, 2.03);
  EXPECT_TRUE(l1->hilighted && l2->hilighted);
  EXPECT_EQ(doc->Selection().Lines().Count(), 2);
  gesture.SetShift(false);
  gesture.SelectHilight(S().lines.head, 0.5, 2.03);
  EXPECT_FALSE(l1->hilighted);
  EXPECT_EQ(doc->Selection().Lines().Count(), 1);
}

TEST_F(Hilight, HiddenElementsAreNeverSelected) {
  GLine* shown = LineY(0, 0);
  GLine* undone = LineY(0, 0.02);
  undone->hidden = 1;
  GCircle* c = doc->NewCircle(0, 0, 1);
  doc->AssignCircle(c);
  c->hidden = 1;
  gesture.SetShift(true);
  gesture.SelectHilight(S().lines.head, 0.5, 0.01);
  gesture.SelectHilight(S().circles.head, 0, 1.01);
  EXPECT_TRUE(shown->hilighted);
  EXPECT_FALSE(undone->hilighted);
  EXPECT_FALSE(c->hilighted);
  EXPECT_EQ(doc->Selection().Lines().Count(), 1);
  EXPECT_EQ(doc->Selection().Circles().Count(), 0);
}

TEST_F(Hilight, SelectToolPrefersPointsThenLinesThenCircles) {
  GPoint* a = Free(0, 0, "A");
  GPoint* b = Free(1, 0, "B");
  GLine* l = Join(a, b);
  GCircle* c = Circle(a, b, "c");
  // On A, which lies on both the line and the circle's centre.
  EXPECT_TRUE(gesture.LUp_Select(0.02, 0.0));
  EXPECT_TRUE(a->hilighted);
  EXPECT_FALSE(l->hilighted);
  EXPECT_TRUE(gesture.OverPoint());
  // Where the line crosses the circle at (-1, 0): the line wins.
  EXPECT_TRUE(gesture.LUp_Select(-1.02, 0.03));
  EXPECT_TRUE(l->hilighted);
  EXPECT_FALSE(c->hilighted);
  EXPECT_FALSE(a->hilighted);
  // On the circle only.
  EXPECT_TRUE(gesture.LUp_Select(0.0, 1.03));
  EXPECT_TRUE(c->hilighted);
  EXPECT_FALSE(l->hilighted);
  // Nothing: the canvas goes on with texts and images.
  EXPECT_FALSE(gesture.LUp_Select(3, 3));
  EXPECT_FALSE(c->hilighted);
}

}  // namespace
