// Pixel checks of drawn elements: point discs and their fading, bitmap
// animation, line patterns, segments cut at their outermost points, arcs of
// clipped circles, texts and hidden elements.
#include <wx/dcmemory.h>

#include "gui/CanvasFixture.h"

using DrawTest = CanvasTest;

TEST_F(DrawTest, PointDiscSitsOnItsPixelAndFadesTowardTheBackground) {
  Theme(THM_TOVIK);  // disc points
  GPoint* p = Point(1.0, 0.5);
  const PtBmp& st = canvas->m_Painter.m_Look.point[p->pointStyle];
  ASSERT_FALSE(st.bitmapMode);
  const int x = Px(1.0), y = Py(0.5);
  EXPECT_EQ(x, 400 + 100);
  EXPECT_EQ(y, 300 - 50);

  Render();
  EXPECT_EQ(At(x, y), ToWx(st.c3));      // the shine in the middle
  EXPECT_EQ(At(x + 3, y), ToWx(st.c2));  // the body around it
  EXPECT_TRUE(IsBackground(x + st.r2 + 3, y));

  p->fadeLevel = 2;
  Render();
  const wxColour faded = At(x + 3, y);
  EXPECT_LT(ColourDistance(faded, Background()), ColourDistance(ToWx(st.c2), Background()));
  EXPECT_NE(faded, Background());

  p->fadeLevel = 4;
  p->name = std::string("A");  // a copy: GCC 12 at -O3 misreads the literal as an overlap
  Render();
  for (int dx = -20; dx <= 20; ++dx)
    for (int dy = -30; dy <= 10; ++dy) ASSERT_TRUE(IsBackground(x + dx, y + dy));
}

TEST_F(DrawTest, HiddenAndUnrealElementsAreNotDrawn) {
  Theme(THM_TOVIK);
  GPoint* p = Point(0.0, 0.0);
  p->hidden = 1;
  GLine* l = Line(-1, 1, 1, 1);
  l->hidden = 1;
  GPoint* far = Point(0.0, 0.0);
  far->z = CComplex(0, 0);  // at infinity
  GPoint* complexPt = Point(0.0, 0.0);
  complexPt->x = CComplex(0.5, 0.3);
  Render();
  for (int x = 1; x < 800; x += 3)
    for (int y = 1; y < 600; y += 3) ASSERT_TRUE(IsBackground(x, y)) << x << "," << y;
}

TEST_F(DrawTest, HilightedBitmapPointShowsTheNextFrameEveryRepaint) {
  Theme(THM_STANDARD);
  GPoint* p = Point(0, 0);
  const int frames = (int)canvas->m_Painter.m_Look.point[p->pointStyle].HilightFrames().size();
  ASSERT_GT(frames, 1);
  p->hilighted = 1;
  for (int i = 0; i < frames; ++i) {
    EXPECT_EQ(p->frameCount, i);
    Render();
  }
  EXPECT_EQ(p->frameCount, 0);  // back to the first frame after the last
  EXPECT_FALSE(IsBackground(Px(0), Py(0)));
}

// A point's picture puts its own pixels where it is opaque and leaves the
// background where it is see-through, one picture pixel on one pixel.
TEST_F(DrawTest, PointPictureSetsItsOpaquePixelsAndLeavesTheRest) {
  Theme(THM_STANDARD);  // pictures for points, on the theme's plain colour
  const GPoint* p = Point(0, 0);
  Render();
  const GRaster& frame = canvas->m_Painter.m_Look.point[p->pointStyle].NormalFrames().at(0);
  const GRgb bg = canvas->m_Painter.m_Look.bg.colour;
  // Where the picture lies: the offset at which every pixel matches.
  bool found = false;
  for (int oy = -frame.height; oy <= 0 && !found; ++oy)
    for (int ox = -frame.width; ox <= 0 && !found; ++ox) {
      bool all = true, opaque = false, clear = false;
      for (int y = 0; y < frame.height && all; ++y)
        for (int x = 0; x < frame.width && all; ++x) {
          const uint8_t* q = &frame.rgba[((size_t)y * frame.width + x) * 4];
          const wxColour want = q[3] ? wxColour(q[0], q[1], q[2]) : ToWx(bg);
          all = At(Px(0) + ox + x, Py(0) + oy + y) == want;
          opaque |= q[3] != 0;
          clear |= q[3] == 0;
        }
      found = all && opaque && clear;
    }
  EXPECT_TRUE(found);
}

TEST_F(DrawTest, LinePatternRepeatsAlongTheLine) {
  Theme(THM_STANDARD);
  Line(-1, 0, 1, 0);  // the x axis, across the whole view
  const GLnRgn& st = canvas->m_Painter.m_Look.line[0];
  Render();
  const int y = Py(0);
  const int period = (int)st.period;
  // The stroke runs the whole width; a bead sits in the middle of every period.
  const wxColour stroke = ToWx(st.layer[1].colour), bead = ToWx(st.layer[2].colour);
  int beads = 0;
  for (int x = period / 2; x < 800; x += period) beads += At(x, y) == bead || At(x, y - 1) == bead;
  EXPECT_GE(beads, 800 / period - 1);
  EXPECT_TRUE(At(period, y) == stroke || At(period, y - 1) == stroke);
  EXPECT_TRUE(IsBackground(period, y - 10));
}

TEST_F(DrawTest, SegmentStopsAtItsOutermostIncidentPoints) {
  Theme(THM_TOVIK);
  GLine* l = Line(-1, 0, 2, 0);
  l->toolMark = 1;
  GPoint* a = Point(-1, 0);
  GPoint* b = Point(2, 0);
  GPoint* m = Point(0.5, 0);
  for (GPoint* p : {a, b, m}) p->hidden = 1;  // only the line shows
  doc->AssignIncident(l, a, 0);
  doc->AssignIncident(l, b, 1);
  doc->AssignIncident(l, m, 0.5);
  Render();
  const int y = Py(0);
  auto drawn = [&](double x) { return !IsBackground(Px(x), y) || !IsBackground(Px(x), y - 1); };
  EXPECT_FALSE(drawn(-1.3));
  EXPECT_TRUE(drawn(-0.9));
  EXPECT_TRUE(drawn(1.9));
  EXPECT_FALSE(drawn(2.3));

  // A view showing only what lies beyond the segment shows nothing of it.
  canvas->m_Painter.m_OriginX = 10;
  canvas->m_Painter.UpdateView();
  Render();
  for (int x = 0; x < 800; x += 2) ASSERT_TRUE(IsBackground(x, y) && IsBackground(x, y - 1));
}

TEST_F(DrawTest, ClippedCircleDrawsOnlyTheArcThroughItsPoints) {
  Theme(THM_TOVIK);
  GCircle* c = Circle(0, 0, 1);
  GPoint* right = Point(1, 0);
  GPoint* bottom = Point(0, -1);
  GPoint* left = Point(-1, 0);
  for (GPoint* p : {right, bottom, left}) p->hidden = 1;
  // Angles measured clockwise: right 0, bottom pi/2, left pi.
  doc->AssignIncident(c, right, 0);
  doc->AssignIncident(c, bottom, M_PI / 2);
  doc->AssignIncident(c, left, M_PI);
  auto drawnNear = [&](double x, double y) {
    for (int dx = -2; dx <= 2; ++dx)
      for (int dy = -2; dy <= 2; ++dy)
        if (!IsBackground(Px(x) + dx, Py(y) + dy)) return true;
    return false;
  };
  Render();
  EXPECT_TRUE(drawnNear(0, 1));  // a whole circle while not clipped
  c->toolMark = 1;
  Render();
  EXPECT_TRUE(drawnNear(0, -1));
  EXPECT_TRUE(drawnNear(0.7071, -0.7071));
  EXPECT_FALSE(drawnNear(0, 1));
  EXPECT_FALSE(drawnNear(0.7071, 0.7071));
}

TEST_F(DrawTest, TextIsDrawnInItsColourUnlessItsAnchorLeavesTheWindow) {
  Theme(THM_TOVIK);
  GText* t = doc->NewText("HHHH");
  ASSERT_NE(t, nullptr);
  doc->AssignText(t);
  t->x = 100;
  t->y = 100;
  t->fontSize = 24;
  t->red = 200;
  t->green = 0;
  t->blue = 0;
  Render();
  int inColour = 0;
  for (int x = 100; x < 200; ++x)
    for (int y = 100; y < 140; ++y) inColour += At(x, y) == wxColour(200, 0, 0);
  EXPECT_GT(inColour, 50);

  t->x = -1;  // one pixel outside: not drawn though most of it would show
  Render();
  for (int x = 0; x < 200; ++x)
    for (int y = 95; y < 140; ++y) ASSERT_TRUE(IsBackground(x, y));
}

TEST_F(DrawTest, BracketWithoutHeightIsAStraightBarBetweenItsEnds) {
  Theme(THM_TOVIK);
  GPoint* p = Point(-1, -1);
  GPoint* q = Point(1, -1);
  p->hidden = q->hidden = 1;
  GBracket* b = doc->NewBracket(p, q);
  ASSERT_NE(b, nullptr);
  doc->AssignBracket(b);
  b->bulge = 0.01;
  b->red = 0;
  b->green = 0;
  b->blue = 255;
  Render();
  EXPECT_EQ(At(Px(0), Py(-1)), wxColour(0, 0, 255));
  EXPECT_TRUE(IsBackground(Px(-1.2), Py(-1)));
  b->bulge = 0.5;  // an arc bulging by half the length: its apex is off the chord
  Render();
  bool apex = false;
  for (int dy = -3; dy <= 3; ++dy) apex |= At(Px(0), Py(-1) - 100 + dy) == wxColour(0, 0, 255);
  EXPECT_TRUE(apex);
  EXPECT_TRUE(IsBackground(Px(0), Py(-1)));
}

TEST_F(DrawTest, HilightedImageGetsAFrameAndCornerHandles) {
  Theme(THM_TOVIK);
  GImage* im = doc->NewImage();
  doc->AssignImage(im);
  auto* pic = new GWxPicture;
  wxImage red(40, 30);
  red.SetRGB(wxRect(0, 0, 40, 30), 250, 0, 0);
  pic->Show(red);
  im->picture = pic;
  im->x = 100;
  im->y = 100;
  im->width = 40;
  im->height = 30;
  Render();
  EXPECT_EQ(At(120, 115), wxColour(250, 0, 0));
  EXPECT_TRUE(IsBackground(95, 115));

  im->hilighted = 1;
  Render();
  const wxColour frameColour = ToWx(canvas->m_Painter.m_Look.hilightFrame);
  EXPECT_EQ(At(95, 115), frameColour);   // the frame, 5 pixels out
  EXPECT_EQ(At(97, 97), frameColour);    // handle at the top left corner
  EXPECT_EQ(At(142, 132), frameColour);  // handle at the bottom right corner
  EXPECT_TRUE(IsBackground(120, 97));    // between the handles, inside the frame
  EXPECT_EQ(At(120, 115), wxColour(250, 0, 0));

  im->fadeLevel = 4;
  Render();
  EXPECT_TRUE(IsBackground(120, 115));
  doc->DeleteImage(im);
}
