// Measuring letters without a font library: the widths of render/FontMetrics.cpp
// scaled the way FreeType scales and hints metrics for cairo, in its 26.6
// fixed-point numbers, so that the widths agree with cairo's to the pixel.
#include <cstdint>
#include <string_view>

#include "render/FontMetrics.h"

namespace {

// Font units to 26.6 pixels at a 16.16 scale, rounded as FreeType's FT_MulFix.
int64_t Scaled(int64_t units, int64_t scale) { return (units * scale + 0x8000) >> 16; }

int Width(uint32_t c, const GFontTable& face) {
  if (c >= 0x20 && c < 0x7f) return face.widths[c - 0x20];
  for (int i = 1; i < kLetterRangeCount; ++i) {
    const GLetterRange& r = kLetterRanges[i];
    if (c >= r.first && c < r.first + r.count) return face.widths[r.at + (c - r.first)];
  }
  return face.average;
}

}  // namespace

uint32_t NextCodePoint(const char*& p, const char* end) {
  const auto* s = reinterpret_cast<const unsigned char*>(p);
  const unsigned char b = s[0];
  ++p;
  if (b < 0x80) return (b >= 0x20 || b == '\t' || b == '\n' || b == '\r') ? b : 0xfffd;
  // The length of the sequence and the bits of its lead byte; the smallest
  // code point it may carry (shorter forms of smaller ones are malformed).
  int n = 0;
  uint32_t c = 0, least = 0;
  if (b >= 0xc2 && b <= 0xdf)
    n = 1, c = b & 0x1f, least = 0x80;
  else if (b >= 0xe0 && b <= 0xef)
    n = 2, c = b & 0x0f, least = 0x800;
  else if (b >= 0xf0 && b <= 0xf4)
    n = 3, c = b & 0x07, least = 0x10000;
  else
    return 0xfffd;
  if (end - p < n) return 0xfffd;
  for (int i = 1; i <= n; ++i) {
    if ((s[i] & 0xc0) != 0x80) return 0xfffd;
    c = (c << 6) | (s[i] & 0x3f);
  }
  if (c < least || c > 0x10ffff || (c >= 0xd800 && c <= 0xdfff) || c == 0xfffe || c == 0xffff)
    return 0xfffd;
  p += n;
  return c;
}

GLetterBox MeasureLetters(std::string_view utf8, int points, bool bold) {
  const GFontTable& face = bold ? kDejaVuSansBold : kDejaVuSans;
  if (points < 1) points = 1;
  if (points > 1 << 20) points = 1 << 20;
  // cairo asks FreeType for points * 96 / 72 pixels, in 26.6 rounded; the
  // scale from 2048 font units is then exactly 32 times that.
  const int64_t scale = ((int64_t)points * 512 + 3) / 6 * 32;
  GLetterBox box;
  // Ascent rounded up, descent down (away from the base line): whole pixels.
  box.ascent = (int)((Scaled(face.ascent, scale) + 63) >> 6);
  box.descent = (int)((Scaled(face.descent, scale) + 63) >> 6);
  box.height = box.ascent + box.descent;
  // Each advance rounded to whole pixels, as hinted metrics are.
  int64_t width = 0;
  for (const char *p = utf8.data(), *end = p + utf8.size(); p < end;)
    width += (Scaled(Width(NextCodePoint(p, end), face), scale) + 32) >> 6;
  box.width = (int)width;
  return box;
}
