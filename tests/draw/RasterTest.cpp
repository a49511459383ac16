// The XPM decoder on tiny images (one and two characters per pixel, see-through
// pixels, malformed input) and the cuts and masks the themes make of strips.
#include <gtest/gtest.h>

#include "render/Raster.h"

namespace {

// RGBA of pixel (x, y).
std::vector<int> At(const GRaster& r, int x, int y) {
  const uint8_t* p = &r.rgba[((size_t)y * r.width + x) * 4];
  return {p[0], p[1], p[2], p[3]};
}

const char* const kOneChar[] = {"3 2 3 1", "  c None", ". c #FF0000", "X c #00ff80", ". X", "XX."};
const char* const kTwoChars[] = {"2 2 2 2", "   c #000000", " . c #102030", "   .", " .  "};

TEST(DecodeXpm, ReadsColoursAndSeeThroughPixels) {
  GRaster r;
  ASSERT_TRUE(DecodeXpm(kOneChar, &r));
  EXPECT_EQ(r.width, 3);
  EXPECT_EQ(r.height, 2);
  EXPECT_EQ(At(r, 0, 0), (std::vector<int>{255, 0, 0, 255}));
  EXPECT_EQ(At(r, 1, 0)[3], 0);
  EXPECT_EQ(At(r, 2, 0), (std::vector<int>{0, 255, 128, 255}));
  EXPECT_EQ(At(r, 2, 1), (std::vector<int>{255, 0, 0, 255}));

  ASSERT_TRUE(DecodeXpm(kTwoChars, &r));
  EXPECT_EQ(At(r, 0, 0), (std::vector<int>{0, 0, 0, 255}));
  EXPECT_EQ(At(r, 1, 0), (std::vector<int>{16, 32, 48, 255}));
  EXPECT_EQ(At(r, 0, 1), (std::vector<int>{16, 32, 48, 255}));

  // Codes listed out of order, one of them twice: the later colour holds.
  const char* const kUnsorted[] = {"3 1 4 2",      "zz c #010101", "ab c #020202",
                                   "zz c #030303", "aa c #040404", "aazzab"};
  ASSERT_TRUE(DecodeXpm(kUnsorted, &r));
  EXPECT_EQ(At(r, 0, 0)[0], 4);
  EXPECT_EQ(At(r, 1, 0)[0], 3);
  EXPECT_EQ(At(r, 2, 0)[0], 2);
}

TEST(DecodeXpm, RejectsMalformedImagesAndKeepsTheOutput) {
  const char* const badHeader[] = {"2 x 1 1", "a c #000000", "aa"};
  const char* const tooManyChars[] = {"1 1 1 3", "abc c #000000", "abc"};
  const char* const namedColour[] = {"1 1 1 1", "a c red", "a"};
  const char* const shortHex[] = {"1 1 1 1", "a c #12345", "a"};
  const char* const noColourKey[] = {"1 1 1 1", "a s name", "a"};
  const char* const unknownCode[] = {"2 1 1 1", "a c #000000", "ab"};
  const char* const shortRow[] = {"3 1 1 1", "a c #000000", "aa"};
  const char* const missingRow[] = {"1 2 1 1", "a c #000000", "a", nullptr};
  const char* const hugeSize[] = {"100000 100000 1 1", "a c #000000", "a"};
  const char* const* cases[] = {badHeader,   tooManyChars, namedColour, shortHex, noColourKey,
                                unknownCode, shortRow,     missingRow,  hugeSize};
  GRaster r;
  ASSERT_TRUE(DecodeXpm(kOneChar, &r));
  const uint64_t id = r.id;
  for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
    EXPECT_FALSE(DecodeXpm(cases[i], &r)) << i;
    EXPECT_EQ(r.id, id) << i;
    EXPECT_EQ(r.width, 3) << i;
  }
}

TEST(Raster, CutsFramesAndTurnsKeysAndMasksIntoAlpha) {
  GRaster strip;
  ASSERT_TRUE(DecodeXpm(kOneChar, &strip));
  const GRaster frame = CutRaster(strip, 1, 0, 5, 5);  // cut to the picture
  EXPECT_EQ(frame.width, 2);
  EXPECT_EQ(frame.height, 2);
  EXPECT_NE(frame.id, strip.id);
  EXPECT_EQ(At(frame, 1, 1), At(strip, 2, 1));
  EXPECT_TRUE(CutRaster(strip, 3, 0, 1, 1).Empty());

  GRaster keyed = strip;
  KeyOut(&keyed, GRgb{255, 0, 0});
  EXPECT_NE(keyed.id, strip.id);  // other pixels: another picture for the surfaces
  EXPECT_EQ(At(keyed, 0, 0)[3], 0);
  EXPECT_EQ(At(keyed, 2, 0)[3], 255);

  // The mask's black pixels hide, the others show.
  const char* const mask[] = {"3 2 2 1", "k c #000000", "w c #FFFFFF", "kww", "wwk"};
  GRaster m, masked = strip;
  ASSERT_TRUE(DecodeXpm(mask, &m));
  ASSERT_TRUE(MaskOut(&masked, m));
  EXPECT_EQ(At(masked, 0, 0)[3], 0);
  EXPECT_EQ(At(masked, 2, 0)[3], 255);
  EXPECT_EQ(At(masked, 2, 1)[3], 0);
  EXPECT_FALSE(MaskOut(&masked, frame));
}

}  // namespace
