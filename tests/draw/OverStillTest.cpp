// Moving shapes set over a still picture by runs: a pixel goes to the shape
// only where its item comes later than the still item on top; where a shape
// was drawn through a surface the later shape wins and the still picture
// comes back above an earlier one; two bands of rows set what one sets.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "render/DrawOverStill.h"

namespace {

constexpr int kW = 64, kH = 48;
constexpr uint32_t kBg = 0xFF000000, kStill = 0xFF111111, kLow = 0xFF0000AA, kHigh = 0xFFAA0000,
                   kLetter = 0xFF00AA00;

// A still square (base place 1, at place 5 now) at [16, 40) x [8, 32), the
// rest bare background; the tile at column 1, row 0 holds a letter.
struct Pictures {
  std::vector<uint32_t> frame, stillPix, stillTop, movingTop;
  std::vector<uint32_t> now{0, 6}, tileAbove;
  std::vector<char> mixed;
  std::vector<uint32_t> itemOf{0, 4, 9, 2};  // shapes 1..3: items below, above, below
  Pictures() : frame(kW * kH, kBg), stillTop(kW * kH, 0), movingTop(kW * kH, 0) {
    for (int y = 8; y < 32; ++y)
      for (int x = 16; x < 40; ++x) frame[y * kW + x] = kStill, stillTop[y * kW + x] = 1;
    stillPix = frame;
    mixed.assign(4 * 3, 0);
    mixed[1] = 1;
    tileAbove.assign(4 * 3, 0);
    for (int t : {1, 2, 5, 6}) tileAbove[t] = 6;  // the tiles the square reaches
  }
  GOverStillPixels Pixels() {
    GOverStillPixels px;
    px.frame = GSpanTarget{frame.data(), kW, 0, 0, kW, kH};
    px.stillPix = stillPix.data();
    px.stillPixStride = kW;
    px.stillTop = stillTop.data();
    px.stillStride = kW;
    px.movingTop = movingTop.data();
    px.movingStride = kW;
    px.now = now.data();
    px.base = 1;
    px.tileAbove = tileAbove.data();
    px.mixed = &mixed;
    px.columns = 4;
    px.itemOf = &itemOf;
    return px;
  }
  // Shape 1 (below the square) and shape 2 (above it) cross it, in bands
  // split at `mid`.
  void Draw(int mid) {
    GOverStillScratch upper, lower;
    const GOverStillPixels px = Pixels();
    for (auto [y0, y1, scratch] : {std::tuple{0, mid, &upper}, std::tuple{mid, kH, &lower}}) {
      GOverStillSurface band(px, *scratch, y0, y1);
      band.SetShape(1);
      band.Stroke(GRgb{0, 0, 0xAA}, 2, GPix{0, 20}, GPix{kW, 20});
      band.SetShape(2);
      band.Stroke(GRgb{0xAA, 0, 0}, 2, GPix{28, 0}, GPix{28, kH});
      band.SetShape(1);
      band.Stroke(GRgb{0, 0, 0xAA}, 2, GPix{0, 4}, GPix{kW, 4});
      band.Sort();
      EXPECT_TRUE(band.Finish());
    }
  }
};

TEST(OverStill, TheItemOnTopAtEachPixelDecidesInEveryBand) {
  std::vector<uint32_t> once;
  for (int mid : {kH, 1, 20, 21}) {
    SCOPED_TRACE(mid);
    Pictures p;
    // A letter of shape 3 (below the square's item) drawn through a surface
    // into the letter tile, inside the square, and its place beside it.
    for (int x = 20; x < 24; ++x) p.frame[10 * kW + x] = kLetter, p.movingTop[10 * kW + x] = 3;
    p.Draw(mid);
    EXPECT_EQ(p.frame[20 * kW + 5], kLow);     // bare background: the low line shows
    EXPECT_EQ(p.frame[20 * kW + 20], kStill);  // the square lies above the low line
    EXPECT_EQ(p.frame[20 * kW + 28], kHigh);   // the high line lies above both
    EXPECT_EQ(p.frame[10 * kW + 21], kStill);  // the letter under the square gives way
    EXPECT_EQ(p.frame[4 * kW + 20], kLow);     // in the letter's tile, outside the square
    EXPECT_EQ(p.movingTop, std::vector<uint32_t>(kW * kH, 0));  // left clear
    if (once.empty()) once = p.frame;
    EXPECT_TRUE(p.frame == once);
  }
}

TEST(OverStill, ALaterShapeWinsOverOneDrawnThroughASurface) {
  Pictures p;
  // A letter (shape 3) where no still item lies: the low line's run
  // (shape 1) comes earlier in the order and must not cover it.
  for (int x = 20; x < 24; ++x) p.frame[4 * kW + x] = kLetter, p.movingTop[4 * kW + x] = 3;
  p.Draw(kH);
  EXPECT_EQ(p.frame[4 * kW + 21], kLetter);
  EXPECT_EQ(p.frame[4 * kW + 28], kHigh);  // shape 2's line crosses the letter's row later
  EXPECT_EQ(p.frame[4 * kW + 26], kLow);
}

}  // namespace
