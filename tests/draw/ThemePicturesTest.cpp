// The built-in pictures as the themes load them: point strips cut into square
// frames that show the figure only where the strip's ball, cat, star or
// skeleton is, and opaque background tiles.
#include <gtest/gtest.h>

#include "render/Theme.h"

namespace {

int Alpha(const GRaster& r, int x, int y) { return r.rgba[((size_t)y * r.width + x) * 4 + 3]; }

TEST(ThemePictures, PointFramesAreSeeThroughAroundTheirFigure) {
  // Balls and stars sit on black, cats on white, the skeleton has a mask.
  for (int style : {0, 4, 5, 9, 10, 15}) {
    SCOPED_TRACE(style);
    PtBmp p;
    p.LoadData(style);
    ASSERT_TRUE(p.bitmapMode);
    ASSERT_FALSE(p.NormalFrames().empty());
    ASSERT_GT(p.HilightFrames().size(), p.NormalFrames().size() / 2);
    for (const auto* frames : {&p.NormalFrames(), &p.HilightFrames()}) {
      for (const GRaster& f : *frames) {
        ASSERT_EQ(f.width, f.height);
        ASSERT_EQ(f.rgba.size(), (size_t)f.width * f.height * 4);
        EXPECT_EQ(Alpha(f, 0, 0), 0);  // a corner is ground
        int shown = 0;
        for (size_t i = 3; i < f.rgba.size(); i += 4) shown += f.rgba[i] == 255;
        EXPECT_GT(shown, 0);
        EXPECT_LT(shown, f.width * f.height);
      }
    }
    EXPECT_NE(p.NormalFrames()[0].id, p.HilightFrames()[0].id);
  }
}

TEST(ThemePictures, CopiesMadeBeforeDecodingShareTheFrames) {
  // A surface keeps what it made of a picture by the picture's number: every
  // copy of a style must hand out the same pictures, whichever decodes first.
  PtBmp original;
  original.LoadData(5);
  const PtBmp copy = original;
  ASSERT_FALSE(copy.HilightFrames().empty());
  EXPECT_EQ(copy.HilightFrames()[0].id, original.HilightFrames()[0].id);
  EXPECT_EQ(copy.NormalFrames().back().id, original.NormalFrames().back().id);
}

TEST(ThemePictures, DiscStylesHaveNoFramesAndUnknownStylesFallBack) {
  PtBmp p;
  p.LoadData(20);
  EXPECT_FALSE(p.bitmapMode);
  EXPECT_TRUE(p.NormalFrames().empty());
  EXPECT_GT(p.r1, p.r2);
  p.LoadData(99);
  EXPECT_FALSE(p.bitmapMode);
  EXPECT_GT(p.r2, 0);
}

TEST(ThemePictures, BackgroundTilesAreOpaqueAndUserNumbersKeepTheTile) {
  BGBmp bg;
  for (int n = 0; n <= 8; ++n) {
    SCOPED_TRACE(n);
    bg.LoadData(n);
    ASSERT_EQ(bg.tile.width, 256);
    ASSERT_EQ(bg.tile.height, 192);
    EXPECT_EQ(bg.width, 256);
    for (size_t i = 3; i < bg.tile.rgba.size(); i += 4) ASSERT_EQ(bg.tile.rgba[i], 255);
  }
  const uint64_t id = bg.tile.id;
  bg.LoadData(9);
  EXPECT_EQ(bg.tile.id, id);
  EXPECT_EQ(bg.number, 8);
}

}  // namespace
