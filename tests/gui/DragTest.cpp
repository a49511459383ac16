// The Move tool at pixel positions: free, bound and constructed points with
// the figure following; texts, images and their corner handles, brackets,
// name labels; afterimages made and freed around a point drag.
#include <cmath>

#include "gui/MouseFixture.h"

using DragTest = MouseTest;

TEST_F(DragTest, FreePointKeepsItsDistanceToThePointer) {
  GPoint* a = Place(1, 1);
  const wxPoint grab(Px(1) + 3, Py(1) + 2);
  Drag(grab, wxPoint(grab.x + 50, grab.y - 20));
  EXPECT_NEAR(X(a), 1.5, 1e-9);
  EXPECT_NEAR(Y(a), 1.2, 1e-9);
  EXPECT_FALSE(canvas->m_Tool.m_MovingPoint);
  EXPECT_EQ(canvas->m_Tool.m_PickedPoint, nullptr);
  EXPECT_TRUE(a->hilighted);  // the dragged point stays selected
}

TEST_F(DragTest, PointOnAParallelStaysOnItWhenItsBaseMoves) {
  GPoint* a = Place(-2, -1);
  GPoint* b = Place(2, -1);
  GPoint* c = Place(0, 1);
  GLine* ab = Join(a, b);
  GLine* para = Para(c, ab);
  ASSERT_TRUE(ab && para);
  GPoint* d = Place(kTovik, At(1.5, 2), At(1.5, 1.04));
  ASSERT_NE(d, nullptr);
  ASSERT_EQ(StepOf(d)->type, CONST_PT_ON_PARA);
  Drag(At(0, 1), At(0.5, 2));  // the parallel's own point
  EXPECT_NEAR(Off(d, para), 0, 1e-9);
  EXPECT_NEAR(Off(c, para), 0, 1e-9);
  EXPECT_NEAR(Y(d), 2, 1e-9);
  Drag(At(2, -1), At(2, 0));  // tilts the base line
  EXPECT_NEAR(Off(d, para), 0, 1e-9);
  EXPECT_NEAR(para->a.re * ab->b.re - para->b.re * ab->a.re, 0, 1e-9);
}

TEST_F(DragTest, IntersectionPointDoesNotMove) {
  GPoint* a = Place(-2, -1);
  GPoint* b = Place(2, 1);
  GPoint* c = Place(-2, 1);
  GPoint* d = Place(2, -1);
  ASSERT_TRUE(Join(a, b) && Join(c, d));
  GPoint* x = Place(kTovik, At(1, 2), At(0.02, 0.01));
  ASSERT_EQ(StepOf(x)->type, CONST_MEET);
  const double before[] = {X(x), Y(x), X(a), Y(a), X(d), Y(d)};
  canvas->m_Tool.SetStyle(kTovik);
  canvas->m_Tool.SetMode(kModeMove);
  wxPoint on = At(0, 0), away = At(1, -1.5);
  canvas->LButtonDown(on);
  EXPECT_TRUE(canvas->m_Tool.m_MovingPoint);
  canvas->LButtonDrag(away);
  canvas->LButtonUp(away);
  const double after[] = {X(x), Y(x), X(a), Y(a), X(d), Y(d)};
  for (int i = 0; i < 6; ++i) EXPECT_DOUBLE_EQ(after[i], before[i]) << i;
  EXPECT_EQ(Points(), 5);
}

TEST_F(DragTest, PointOnACircleFollowsThePointerAroundIt) {
  GPoint* o = Place(0, 0);
  GPoint* r = Place(1, 0);
  GCircle* circle = CircleOf(o, r);
  ASSERT_NE(circle, nullptr);
  GPoint* p = Place(kTovik, At(0.5, 1.5), At(0, 1.03));
  ASSERT_EQ(StepOf(p)->type, CONST_PT_ON_CIRCLE);
  ASSERT_NEAR(Y(p), 1, 1e-9);
  // Far outside, then round the other side: always the nearest spot.
  for (auto [tx, ty] : {std::pair{-2.0, -2.0}, std::pair{2.0, -0.5}}) {
    Drag(At(X(p), Y(p)), At(tx, ty));
    const double len = std::hypot(tx, ty);
    EXPECT_NEAR(X(p), tx / len, 0.01) << tx << "," << ty;
    EXPECT_NEAR(Y(p), ty / len, 0.01) << tx << "," << ty;
    EXPECT_NEAR(std::hypot(X(p), Y(p)), 1, 1e-9);
  }
}

TEST_F(DragTest, TextMovesWithThePointerWhereItWasHeld) {
  GText* t = doc->NewText("note");
  doc->AssignText(t);
  t->x = 100;
  t->y = 100;
  Drag(wxPoint(105, 108), wxPoint(205, 308));
  EXPECT_DOUBLE_EQ(t->x, 200);
  EXPECT_DOUBLE_EQ(t->y, 300);
  EXPECT_TRUE(t->hilighted);
  EXPECT_FALSE(canvas->m_Tool.m_MovingText);
  // Beside the letters nothing is held.
  Drag(wxPoint(190, 290), wxPoint(100, 100));
  EXPECT_DOUBLE_EQ(t->x, 200);
}

TEST_F(DragTest, ImageBodyMovesAndCornersResizeAgainstTheOppositeCorner) {
  GImage* im = doc->NewImage();
  ASSERT_NE(im, nullptr);
  doc->AssignImage(im);
  auto* pic = new GWxPicture;
  pic->loaded = wxImage(40, 30);
  pic->Show(pic->loaded);
  im->picture = pic;
  im->x = 100;
  im->y = 100;
  im->width = 40;
  im->height = 30;
  doc->Actions().Commit("place");
  const auto drag = [&](wxPoint from, wxPoint to) {
    Drag(from, to);
    doc->Actions().Commit("drag");
  };

  drag(wxPoint(110, 110), wxPoint(150, 130));  // the body
  EXPECT_EQ(im->x, 140);
  EXPECT_EQ(im->y, 120);
  EXPECT_EQ(im->width, 40);
  EXPECT_EQ(pic->shown.width, 40);

  drag(wxPoint(182, 152), wxPoint(202, 162));  // bottom-right handle, 2 px outside
  EXPECT_EQ(im->x, 140);
  EXPECT_EQ(im->y, 120);
  EXPECT_EQ(im->width, 60);
  EXPECT_EQ(im->height, 40);
  EXPECT_EQ(pic->shown.width, 60);
  EXPECT_EQ(pic->shown.height, 40);

  drag(wxPoint(138, 118), wxPoint(168, 138));  // top-left handle
  EXPECT_EQ(im->x, 170);
  EXPECT_EQ(im->y, 140);
  EXPECT_EQ(im->x + im->width, 200);  // the bottom-right corner stayed
  EXPECT_EQ(im->y + im->height, 160);
  EXPECT_EQ(pic->shown.width, 30);

  drag(wxPoint(168, 138), wxPoint(400, 400));  // across the opposite corner
  EXPECT_GT(im->width, 0);
  EXPECT_GT(im->height, 0);
  EXPECT_EQ(im->x + im->width, 200);
  EXPECT_EQ(im->y + im->height, 160);
  EXPECT_EQ(pic->shown.width, im->width);

  // Each undo gives the old size back, and the picture shown follows it.
  for (int undo = 0; undo < 4; ++undo) {
    canvas->OnUndo();
    EXPECT_EQ(pic->shown.width, im->width);
    EXPECT_EQ(pic->shown.height, im->height);
  }
  EXPECT_EQ(im->x, 100);
  EXPECT_EQ(pic->shown.width, 40);
}

TEST_F(DragTest, BracketBulgeFollowsThePointerWithinHalfTheChord) {
  GPoint* p = Place(-1, 0);
  GPoint* q = Place(1, 0);
  GBracket* b = doc->NewBracket(p, q);
  ASSERT_NE(b, nullptr);
  doc->AssignBracket(b);
  b->x1 = CComplex(-1, 0);
  b->y1 = CComplex(0, 0);
  b->z1 = CComplex(1, 0);
  b->x2 = CComplex(1, 0);
  b->y2 = CComplex(0, 0);
  b->z2 = CComplex(1, 0);
  b->bulge = 0.3;  // apex at (0, -0.6)
  canvas->m_Tool.SetMode(kModeMove);
  wxPoint apex = At(0, -0.6), deeper = At(0, -0.8), tooFar = At(0, -1.2), across = At(0, 0.4);
  canvas->LButtonDown(apex);
  ASSERT_TRUE(canvas->m_Tool.m_MovingBracket);
  canvas->LButtonDrag(deeper);
  EXPECT_NEAR(b->bulge, 0.4, 1e-9);
  canvas->LButtonDrag(tooFar);
  EXPECT_NEAR(b->bulge, 0.4, 1e-9);  // the last value inside
  canvas->LButtonDrag(across);
  EXPECT_NEAR(b->bulge, -0.2, 1e-9);
  canvas->LButtonUp(across);
  EXPECT_FALSE(canvas->m_Tool.m_MovingBracket);
  EXPECT_NEAR(X(p), -1, 1e-12);
}

TEST_F(DragTest, NameLabelTurnsAroundItsPointOnlyWithShift) {
  GPoint* a = Place(0, 0);
  ASSERT_FALSE(a->name.empty());
  a->nameAngle = 0;  // the label sits to the right of the point
  const int X0 = Px(0), Y0 = Py(0);
  const wxPoint label(X0 + 22, Y0 - 8), above(X0, Y0 - 50);
  Drag(label, above);
  EXPECT_DOUBLE_EQ(a->nameAngle, 0);
  EXPECT_FALSE(canvas->m_Tool.m_MovingName);

  canvas->m_Tool.SetShift(true);
  wxPoint from = label, to = above;
  canvas->LButtonDown(from);
  EXPECT_TRUE(canvas->m_Tool.m_MovingName);
  canvas->LButtonDrag(to);
  canvas->LButtonUp(to);
  canvas->m_Tool.SetShift(false);
  EXPECT_NEAR(a->nameAngle, M_PI / 2, 1e-9);
  EXPECT_NEAR(X(a), 0, 1e-12);  // the point itself stays
}

TEST_F(DragTest, AfterimagesFollowTheDragAndAreFreedAtTheEnd) {
  auto used = [&] {
    int n = 0;
    for (const GPoint& p : doc->Store().Points()) n += p.inUse != 0;
    for (const GLine& l : doc->Store().Lines()) n += l.inUse != 0;
    return n;
  };
  GPoint* a = Place(-1, 0);
  GPoint* b = Place(1, 0);
  ASSERT_NE(Join(a, b), nullptr);
  const int before = used();
  canvas->m_Tool.SetCloneOn(true);
  canvas->m_Tool.SetMode(kModeMove);
  wxPoint on = At(-1, 0), to = At(-1, 1), further = At(-1, 2);
  canvas->LButtonDown(on);
  for (int g = 0; g < 3; ++g) {
    ASSERT_NE(canvas->m_Tool.m_AfterPoints[g].head, nullptr);
    ASSERT_NE(canvas->m_Tool.m_AfterLines[g].head, nullptr);
    EXPECT_EQ(canvas->m_Tool.m_AfterPoints[g].head->fadeLevel, g + 1);
  }
  EXPECT_EQ(used(), before + 3 * 3);
  canvas->LButtonDrag(to);
  canvas->m_Tool.m_DragStarted -= 1000;  // the trail period has passed
  canvas->LButtonDrag(further);
  // The first generation took the figure as it was before this step.
  EXPECT_NEAR(canvas->m_Tool.m_AfterPoints[0].head->yz().re, 1, 1e-9);
  EXPECT_NEAR(Y(a), 2, 1e-9);
  canvas->LButtonUp(further);
  EXPECT_EQ(used(), before);
  for (int g = 0; g < 3; ++g) EXPECT_EQ(canvas->m_Tool.m_AfterPoints[g].head, nullptr);
  // A press without its release (a touch-panel pick) leaves no copies behind.
  canvas->LButtonDown(further);
  canvas->LButtonDown(further);
  canvas->LButtonUp(further);
  EXPECT_EQ(used(), before);
}
