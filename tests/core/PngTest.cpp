// The PNG encoder read back with zlib (chunks, CRCs, header, pixels) and the
// base64 the SVG surface embeds it with.
#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "render/Png.h"
#include "render/SvgOut.h"

namespace {

uint32_t BE32(const std::string& s, size_t at) {
  return (uint32_t)(uint8_t)s[at] << 24 | (uint32_t)(uint8_t)s[at + 1] << 16 |
         (uint32_t)(uint8_t)s[at + 2] << 8 | (uint8_t)s[at + 3];
}

// The chunks of a PNG file by type (IDAT parts joined), each CRC checked.
struct Chunks {
  std::vector<std::string> types;
  std::string ihdr, idat;
};
Chunks ReadChunks(const std::string& png) {
  Chunks c;
  EXPECT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
  for (size_t at = 8; at + 12 <= png.size();) {
    const uint32_t n = BE32(png, at);
    EXPECT_LE(at + 12 + n, png.size());
    if (at + 12 + n > png.size()) break;
    const std::string type = png.substr(at + 4, 4), data = png.substr(at + 8, n);
    const auto* typed = reinterpret_cast<const Bytef*>(png.data() + at + 4);
    EXPECT_EQ(BE32(png, at + 8 + n), (uint32_t)crc32(0, typed, n + 4)) << type;
    c.types.push_back(type);
    if (type == "IHDR") c.ihdr = data;
    if (type == "IDAT") c.idat += data;
    at += 12 + n;
  }
  return c;
}

GRaster Picture(int w, int h) {
  GRaster r;
  r.width = w, r.height = h;
  r.rgba.resize((size_t)w * h * 4);
  uint32_t seed = 12345;
  for (uint8_t& b : r.rgba) b = (uint8_t)((seed = seed * 1103515245 + 12345) >> 16);
  return r;
}

}  // namespace

// With alpha: RGBA rows unfiltered. Opaque: RGB rows, each the difference
// from the row above (filter 2), undone here as a reader undoes it.
TEST(Png, DecodesBackToThePixels) {
  for (bool opaque : {false, true}) {
    const int bpp = opaque ? 3 : 4;
    // Pictures of one band of rows and of many; rows longer than a band; a
    // picture large enough to be packed in parts side by side.
    for (auto [w, h] : {std::pair{1, 1},
                        {3, 2},
                        {17, 5},
                        {1, 40},
                        {64, 64},
                        {300, 400},
                        {30000, 3},
                        {700, 301}}) {
      SCOPED_TRACE(testing::Message() << w << "x" << h << (opaque ? " opaque" : ""));
      const GRaster picture = Picture(w, h);
      const Chunks c = ReadChunks(EncodePng(picture, opaque));
      EXPECT_EQ(c.types, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
      ASSERT_EQ(c.ihdr.size(), 13u);
      EXPECT_EQ(BE32(c.ihdr, 0), (uint32_t)w);
      EXPECT_EQ(BE32(c.ihdr, 4), (uint32_t)h);
      // 8-bit RGB or RGBA, plain
      EXPECT_EQ(c.ihdr.substr(8), std::string(opaque ? "\x08\x02\0\0\0" : "\x08\x06\0\0\0", 5));
      const size_t stride = (size_t)w * bpp + 1;
      std::vector<uint8_t> raw(stride * h + 1);
      uLongf n = raw.size();
      ASSERT_EQ(
          uncompress(raw.data(), &n, reinterpret_cast<const Bytef*>(c.idat.data()), c.idat.size()),
          Z_OK);
      ASSERT_EQ(n, (uLongf)stride * h);
      std::vector<uint8_t> above((size_t)w * bpp, 0);
      for (int y = 0; y < h; ++y) {
        const uint8_t* row = &raw[(size_t)y * stride];
        EXPECT_EQ(row[0], opaque ? 2 : 0);
        std::vector<uint8_t> got(row + 1, row + stride), want;
        for (size_t i = 0; i < got.size(); ++i)
          if (opaque) got[i] = above[i] = (uint8_t)(got[i] + above[i]);
        for (int x = 0; x < w; ++x)
          for (int k = 0; k < bpp; ++k) want.push_back(picture.rgba[((size_t)y * w + x) * 4 + k]);
        EXPECT_EQ(got, want);
      }
    }
  }
}

// Pixels read where a cairo surface keeps them (32-bit words 0x00RRGGBB,
// rows padded) make the same file as the same pixels as RGBA bytes.
TEST(Png, RowsInPlaceMakeTheSameFile) {
  for (auto [w, h, pad] : {std::tuple{1, 1, 0}, {5, 3, 12}, {300, 400, 4}}) {
    GRaster rgba = Picture(w, h);
    const size_t stride = (size_t)w * 4 + pad;
    std::vector<uint32_t> words(stride / 4 * h, 0xdeadbeefu);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        uint8_t* p = &rgba.rgba[((size_t)y * w + x) * 4];
        p[3] = 255;
        words[y * stride / 4 + x] = 0xAB000000u | (uint32_t)p[0] << 16 | p[1] << 8 | p[2];
      }
    GPixelRows rows;
    rows.data = reinterpret_cast<const uint8_t*>(words.data());
    rows.stride = stride;
    rows.width = w;
    rows.height = h;
    rows.xrgb = true;
    EXPECT_EQ(EncodePngRows(rows, true), EncodePng(rgba, true)) << w << "x" << h;
  }
}

TEST(Png, RefusesPicturesWithoutMatchingPixels) {
  GRaster short_ = Picture(4, 4);
  short_.rgba.pop_back();
  GRaster empty;
  GRaster flat = Picture(3, 3);
  flat.height = 0;
  for (const GRaster* r : {&short_, &empty, &flat}) EXPECT_EQ(EncodePng(*r), "");
}

TEST(Base64, EncodesTheStandardVectors) {
  const std::pair<std::string, std::string> cases[] = {
      {"", ""},
      {"f", "Zg=="},
      {"fo", "Zm8="},
      {"foo", "Zm9v"},
      {"foob", "Zm9vYg=="},
      {"fooba", "Zm9vYmE="},
      {"foobar", "Zm9vYmFy"},
      {std::string("\xff\xfe\xfd\x00\x3e\x3f", 6), "//79AD4/"},
  };
  for (const auto& [in, want] : cases) {
    std::string out(Base64Size(in.size()), '?');
    char* end = PutBase64(out.data(), reinterpret_cast<const uint8_t*>(in.data()), in.size());
    EXPECT_EQ(end - out.data(), (long)want.size());
    EXPECT_EQ(out, want);
  }
}
