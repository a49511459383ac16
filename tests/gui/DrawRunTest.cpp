// Pixel checks of the drawing shortcuts: texts and names kept as masks look
// as they did when first drawn, follow their colour and their box, and a
// circle's pattern stroke goes round without gaps.
#include <cmath>

#include "gui/CanvasFixture.h"

namespace {

class DrawRunTest : public CanvasTest {
 protected:
  GText* Text(const std::string& s, double x, double y, double size, GRgb c) {
    GText* t = doc->NewText(s);
    doc->AssignText(t);
    t->x = x;
    t->y = y;
    t->fontSize = size;
    t->red = c.r;
    t->green = c.g;
    t->blue = c.b;
    return t;
  }
  // Pixels of the rectangle (x0, y0)-(x1, y1) that show colour c.
  int Count(int x0, int y0, int x1, int y1, const wxColour& c) const {
    int n = 0;
    for (int x = x0; x < x1; ++x)
      for (int y = y0; y < y1; ++y) n += At(x, y) == c;
    return n;
  }
};

TEST_F(DrawRunTest, RepaintsShowTheSameLettersAsTheFirstDrawing) {
  Theme(THM_TOVIK);
  // Letters with descenders and an overhang, a line of blanks, a point's name;
  // texts no other test draws, so the first repaint lays them out afresh.
  Text("Qjy7 fg{runs}\n   \nlast (line)", 120, 80, 19, {20, 60, 160});
  GPoint* p = Point(0.5, -0.5);
  p->name = std::string("Pjq9");
  p->nameFontSize = 17;
  Render();
  const wxImage first = picture.Copy();
  ASSERT_GT(Count(120, 80, 400, 200, wxColour(20, 60, 160)), 100);
  for (int round = 0; round < 3; ++round) {
    Render();
    int differ = 0;
    for (int y = 0; y < 600; ++y)
      for (int x = 0; x < 800; ++x)
        differ += first.GetRed(x, y) != picture.GetRed(x, y) ||
                  first.GetGreen(x, y) != picture.GetGreen(x, y) ||
                  first.GetBlue(x, y) != picture.GetBlue(x, y);
    ASSERT_EQ(differ, 0) << "repaint " << round + 2;
  }
}

TEST_F(DrawRunTest, FadingTextTakesItsNewColourOnTheSameLetters) {
  Theme(THM_TOVIK);
  GText* t = Text("Fade me 42", 200, 300, 22, {200, 0, 0});
  Render();
  Render();
  const wxColour full(200, 0, 0);
  std::vector<wxPoint> letters;
  for (int x = 200; x < 400; ++x)
    for (int y = 300; y < 340; ++y)
      if (At(x, y) == full) letters.emplace_back(x, y);
  ASSERT_GT(letters.size(), 50u);

  t->fadeLevel = 2;
  Render();
  Render();
  const GRgb faded = GRgb{200, 0, 0}.Faded(2, canvas->m_Painter.m_Look.bg.colour);
  EXPECT_EQ(Count(200, 300, 400, 340, full), 0);
  for (const wxPoint& q : letters) ASSERT_EQ(At(q.x, q.y), ToWx(faded)) << q.x << "," << q.y;
}

TEST_F(DrawRunTest, HilightFrameOfAnEmphasisedTextEnclosesAllItsLetters) {
  Theme(THM_TOVIK);
  GText* t = Text("Wide WWW\nand tall Ág", 150, 150, 16, {0, 0, 0});
  t->widthFactor = 1.6;  // emphasis: larger letters, grown about the middle
  t->hilighted = 1;
  const wxColour frameColour = ToWx(canvas->m_Painter.m_Look.hilightFrame);
  ASSERT_NE(frameColour, wxColour(0, 0, 0));
  for (int round = 0; round < 2; ++round) {
    Render();
    // The frame's corners: its left edge is one pixel left of the anchor.
    int left = -1, right = -1, bottom = -1;
    for (int x = 140; x < 600 && left < 0; ++x)
      if (At(x, 150) == frameColour) left = x;
    for (int x = 599; x >= 140 && right < 0; --x)
      if (At(x, 150) == frameColour) right = x;
    for (int y = 300; y >= 150 && bottom < 0; --y)
      if (At(left, y) == frameColour) bottom = y;
    ASSERT_EQ(left, 149);
    ASSERT_GT(right, left);
    ASSERT_GT(bottom, 150);
    // Letters grow about the middle, so they may start left of and above
    // the anchor; but none reaches past the measured width and height.
    int outside = 0;
    for (int x = right + 1; x < 800; ++x)
      for (int y = 100; y < 350; ++y) outside += At(x, y) == wxColour(0, 0, 0);
    EXPECT_EQ(outside, 0) << "round " << round;
  }
}

TEST_F(DrawRunTest, CircleStrokeGoesRoundWithoutGaps) {
  Theme(THM_TOVIK);  // a plain stroke layer over a wide band
  GCircle* c = Circle(0.3, -0.2, 1.7);
  const GLnRgn& st = canvas->m_Painter.m_Look.line[c->lineStyle];
  int strokeLayer = -1;
  for (int i = 1; i < st.layers; ++i)
    if (st.layer[i].n == 2) strokeLayer = i;
  ASSERT_GE(strokeLayer, 0);
  const wxColour stroke = ToWx(st.layer[strokeLayer].colour);
  Render();
  const double cx = Px(0.3), cy = Py(-0.2), r = 170;
  for (int k = 0; k < 720; ++k) {
    const double a = k * M_PI / 360;
    bool found = false;
    for (double d = -2; d <= 2 && !found; d += 0.5) {
      const int x = (int)std::floor(cx + (r + d) * std::cos(a));
      const int y = (int)std::floor(cy + (r + d) * std::sin(a));
      found = At(x, y) == stroke;
    }
    ASSERT_TRUE(found) << "gap at " << k / 2.0 << " degrees";
  }
}

}  // namespace
