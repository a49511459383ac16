// Hilighting: the per-kind lists of selected elements, selecting what lies
// under the pointer with and without Shift, the temporary hilight of a point
// being placed, and the Select tool's order of tests.
#include <gtest/gtest.h>

#include "FigureFixture.h"

namespace {

class Hilight : public FigureTest {
 protected:
  GLine* LineY(double k, double d) { return Join(Free(-1, d - k, ""), Free(1, d + k, "")); }
  GCircle* CircleAt(double cx, double cy, double r) {
    GCircle* c = doc->NewCircle(cx, cy, r * r);
    doc->AssignCircle(c);
    return c;
  }
  GSheet& S() { return doc->Sheet(); }
};

TEST_F(Hilight, ListHoldsNineDistinctElementsAndClosesGapsOnRemoval) {
  GPoint* p[10];
  for (int i = 0; i < 10; ++i) p[i] = NewListedPoint(i, 0, "");
  for (int i = 0; i < 10; ++i) doc->Sethilighted(p[i]);
  doc->Sethilighted(p[3]);
  EXPECT_EQ(doc->m_HiPoints.count, 9);
  EXPECT_EQ(doc->m_HiPoints.item[8], p[8]);
  EXPECT_EQ(doc->m_HiPoints.item[9], nullptr);
  // The tenth is flagged but not listed: only the lists feed the tools.
  EXPECT_TRUE(p[9]->hilighted);

  doc->Deletehilighted(p[1]);
  EXPECT_FALSE(p[1]->hilighted);
  EXPECT_EQ(doc->m_HiPoints.count, 8);
  EXPECT_EQ(doc->m_HiPoints.item[1], p[2]);
  EXPECT_EQ(doc->m_HiPoints.item[7], p[8]);
}

TEST_F(Hilight, ClearAllHilightsClearsEveryKind) {
  GPoint* a = NewListedPoint(0, 0, "A");
  GLine* l = LineY(0, 1);
  GCircle* c = CircleAt(0, 0, 1);
  GText* t = doc->NewText("hello");
  doc->AssignText(t);
  doc->Sethilighted(a);
  doc->Sethilighted(l);
  doc->Sethilighted(c);
  t->hilighted = 1;
  doc->ClearAllHilights();
  EXPECT_FALSE(a->hilighted || l->hilighted || c->hilighted || t->hilighted);
  EXPECT_EQ(doc->m_HiPoints.count + doc->m_HiLines.count + doc->m_HiCircles.count, 0);
}

TEST_F(Hilight, WithoutShiftTheLastPointHitStaysSelected) {
  GPoint* a = NewListedPoint(0, 0, "A");
  GPoint* b = NewListedPoint(0.05, 0, "B");
  GPoint* far = NewListedPoint(3, 0, "C");
  doc->Sethilighted(far);
  doc->SelectHilight(S().points.head, 0.02, 0);
  EXPECT_FALSE(a->hilighted);
  EXPECT_TRUE(b->hilighted);
  EXPECT_FALSE(far->hilighted);
  ASSERT_EQ(doc->m_HiPoints.count, 1);
  EXPECT_EQ(doc->m_HiPoints.item[0], b);

  // With Shift every point hit is added and nothing is dropped.
  doc->m_ShiftDown = true;
  doc->Sethilighted(far);
  doc->SelectHilight(S().points.head, 0.02, 0);
  EXPECT_TRUE(a->hilighted && b->hilighted && far->hilighted);
  EXPECT_EQ(doc->m_HiPoints.count, 3);
}

TEST_F(Hilight, ShiftKeepsTheFirstLineWhenASecondIsClicked) {
  GLine* l1 = LineY(0, 0);
  GLine* l2 = LineY(0, 2);
  doc->SelectHilight(S().lines.head, 0.5, 0.03);
  EXPECT_TRUE(l1->hilighted);
  doc->m_ShiftDown = true;
  doc->SelectHilight(S().lines.head, 0.5, 2.03);
  EXPECT_TRUE(l1->hilighted && l2->hilighted);
  EXPECT_EQ(doc->m_HiLines.count, 2);
  doc->m_ShiftDown = false;
  doc->SelectHilight(S().lines.head, 0.5, 2.03);
  EXPECT_FALSE(l1->hilighted);
  EXPECT_EQ(doc->m_HiLines.count, 1);
}

TEST_F(Hilight, HiddenElementsAreNeverSelected) {
  GLine* shown = LineY(0, 0);
  GLine* undone = LineY(0, 0.02);
  undone->hidden = 1;
  GCircle* c = CircleAt(0, 0, 1);
  c->hidden = 1;
  doc->m_ShiftDown = true;
  doc->SelectHilight(S().lines.head, 0.5, 0.01);
  doc->SelectHilight(S().circles.head, 0, 1.01);
  EXPECT_TRUE(shown->hilighted);
  EXPECT_FALSE(undone->hilighted);
  EXPECT_FALSE(c->hilighted);
  EXPECT_EQ(doc->m_HiLines.count, 1);
  EXPECT_EQ(doc->m_HiCircles.count, 0);
}

TEST_F(Hilight, SelectedLineTakesTheClippingToggleOnlyWhenAsked) {
  GLine* l = LineY(0, 0);
  doc->SelectHilight(S().lines.head, 0.5, 0);
  EXPECT_EQ(l->toolMark, 0);
  doc->m_SelectClipMark = 1;
  doc->SelectHilight(S().lines.head, 0.5, 0);
  EXPECT_EQ(l->toolMark, 1);
  doc->m_SelectClipMark = 0;
  doc->SelectHilight(S().lines.head, 0.5, 0);
  EXPECT_EQ(l->toolMark, 0);
}

TEST_F(Hilight, DragHilightSetsFlagsButLeavesTheLists) {
  GLine* near = LineY(0, 0);
  GLine* away = LineY(0, 2);
  away->hilighted = 1;
  doc->PtDragHilight(S().lines.head, 0.5, 0.05);
  EXPECT_TRUE(near->hilighted);
  EXPECT_FALSE(away->hilighted);
  EXPECT_EQ(doc->m_HiLines.count, 0);
  doc->m_ShiftDown = true;
  away->hilighted = 1;
  doc->PtDragHilight(S().lines.head, 5, 5);
  EXPECT_TRUE(away->hilighted);
}

TEST_F(Hilight, SelectToolPrefersPointsThenAnglesThenLinesThenCircles) {
  GPoint* a = Free(0, 0, "A");
  GPoint* b = Free(1, 0, "B");
  GLine* l = Join(a, b);
  GCircle* c = Circle(a, b, "c");
  // On A, which lies on both the line and the circle's centre.
  EXPECT_TRUE(doc->LUp_Select(0.02, 0.0));
  EXPECT_TRUE(a->hilighted);
  EXPECT_FALSE(l->hilighted);
  EXPECT_TRUE(doc->m_SnapPoint);
  // Where the line crosses the circle at (-1, 0): the line wins.
  EXPECT_TRUE(doc->LUp_Select(-1.02, 0.03));
  EXPECT_TRUE(l->hilighted);
  EXPECT_FALSE(c->hilighted);
  EXPECT_FALSE(a->hilighted);
  // On the circle only.
  EXPECT_TRUE(doc->LUp_Select(0.0, 1.03));
  EXPECT_TRUE(c->hilighted);
  EXPECT_FALSE(l->hilighted);
  // Nothing: the canvas goes on with texts and images.
  EXPECT_FALSE(doc->LUp_Select(3, 3));
  EXPECT_FALSE(c->hilighted);
}

TEST_F(Hilight, SelectToolHitsAnAngleMarkBeforeLines) {
  GPoint* a = Free(1, 0, "A");
  GPoint* v = Free(0, 0, "V");
  GPoint* b = Free(0, 1, "B");
  GLine* l = Join(v, a);
  GConst* k = doc->NewConst(CONST_3P_ANGLE);
  k->PInput1 = a;
  k->PInput2 = v;
  k->PInput3 = b;
  k->AngleOutput = doc->NewAngle(0.0);
  doc->AssignAngle(k->AngleOutput);
  k->Evaluate();
  // On the arc, 0.4 from the vertex, close to the first side.
  EXPECT_TRUE(doc->LUp_Select(0.395, 0.06));
  EXPECT_TRUE(k->AngleOutput->hilighted);
  EXPECT_EQ(doc->m_PickedAngle, k->AngleOutput);
  EXPECT_FALSE(l->hilighted);
}

}  // namespace
