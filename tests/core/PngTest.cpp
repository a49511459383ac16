// The PNG encoder read back with zlib (chunks, CRCs, header, pixels) and the
// base64 the SVG surface embeds it with.
#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <string>
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

TEST(Png, DecodesBackToThePixels) {
  for (auto [w, h] : {std::pair{1, 1}, {3, 2}, {17, 5}, {1, 40}, {64, 64}}) {
    SCOPED_TRACE(testing::Message() << w << "x" << h);
    const GRaster picture = Picture(w, h);
    const Chunks c = ReadChunks(EncodePng(picture));
    EXPECT_EQ(c.types, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
    ASSERT_EQ(c.ihdr.size(), 13u);
    EXPECT_EQ(BE32(c.ihdr, 0), (uint32_t)w);
    EXPECT_EQ(BE32(c.ihdr, 4), (uint32_t)h);
    EXPECT_EQ(c.ihdr.substr(8), std::string("\x08\x06\0\0\0", 5));  // 8-bit RGBA, plain
    std::vector<uint8_t> raw((size_t)(w * 4 + 1) * h + 1);
    uLongf n = raw.size();
    ASSERT_EQ(
        uncompress(raw.data(), &n, reinterpret_cast<const Bytef*>(c.idat.data()), c.idat.size()),
        Z_OK);
    ASSERT_EQ(n, (uLongf)(w * 4 + 1) * h);
    for (int y = 0; y < h; ++y) {
      const uint8_t* row = &raw[(size_t)y * (w * 4 + 1)];
      EXPECT_EQ(row[0], 0);  // filter: none
      EXPECT_EQ(std::vector<uint8_t>(row + 1, row + 1 + w * 4),
                std::vector<uint8_t>(picture.rgba.begin() + y * w * 4,
                                     picture.rgba.begin() + (y + 1) * w * 4));
    }
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
