// The XPM decoder and the small cuts and masks the themes need.
#include "render/Raster.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

namespace {

// Larger pictures than this are no built-in image: a header claiming one is
// malformed, and its pixel count must not overflow.
constexpr int kMaxSide = 1 << 14;

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The colour of a colour line's "c" entry: "#rrggbb" as opaque RGBA, "None"
// as see-through.
bool ParseColour(const char* s, uint8_t rgba[4]) {
  if (std::strncmp(s, "None", 4) == 0 && (s[4] == '\0' || s[4] == ' ' || s[4] == '\t')) {
    std::memset(rgba, 0, 4);
    return true;
  }
  if (s[0] != '#') return false;
  for (int i = 0; i < 3; ++i) {
    const int hi = HexDigit(s[1 + 2 * i]);
    const int lo = hi < 0 ? -1 : HexDigit(s[2 + 2 * i]);
    if (lo < 0) return false;
    rgba[i] = (uint8_t)(hi * 16 + lo);
  }
  const char end = s[7];
  if (end != '\0' && end != ' ' && end != '\t') return false;
  rgba[3] = 255;
  return true;
}

// The value after the "c" key of a colour line's keys (the part after the
// pixel characters), or null when there is none.
const char* ColourValue(const char* keys) {
  const char* p = keys;
  while (*p) {
    while (*p == ' ' || *p == '\t') ++p;
    const char* word = p;
    while (*p && *p != ' ' && *p != '\t') ++p;
    if (p - word == 1 && word[0] == 'c') {
      while (*p == ' ' || *p == '\t') ++p;
      return *p ? p : nullptr;
    }
  }
  return nullptr;
}

// The pixel characters as a table index: one or two bytes.
int Code(const char* s, int cpp) {
  return cpp == 1 ? (unsigned char)s[0] : ((unsigned char)s[0] << 8) | (unsigned char)s[1];
}

}  // namespace

bool DecodeXpm(const char* const* xpm, GRaster* out) {
  if (!xpm || !xpm[0]) return false;
  int w = 0, h = 0, colours = 0, cpp = 0;
  if (std::sscanf(xpm[0], "%d %d %d %d", &w, &h, &colours, &cpp) != 4) return false;
  if (w <= 0 || h <= 0 || w > kMaxSide || h > kMaxSide || colours <= 0 || cpp < 1 || cpp > 2)
    return false;
  // Each code with its colour's index, sorted by code; a code defined twice
  // keeps its last colour. A table indexed by every possible two-byte code
  // would be 256 KB of fresh memory per picture, for a few dozen colours.
  std::vector<std::pair<int, int>> codes;
  codes.reserve(colours);
  std::vector<uint8_t> palette((size_t)colours * 4);
  for (int i = 0; i < colours; ++i) {
    const char* line = xpm[1 + i];
    if (!line || std::strlen(line) < (size_t)cpp) return false;
    const char* value = ColourValue(line + cpp);
    if (!value || !ParseColour(value, &palette[(size_t)i * 4])) return false;
    codes.emplace_back(Code(line, cpp), i);
  }
  std::stable_sort(codes.begin(), codes.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  auto last = codes.begin();
  for (auto it = codes.begin(); it != codes.end(); ++it) {
    if (it != codes.begin() && it->first == last->first)
      *last = *it;
    else if (it != codes.begin())
      *++last = *it;
  }
  if (!codes.empty()) codes.erase(last + 1, codes.end());
  // Neighbouring pixels mostly share a code: the last one found is tried first.
  int lastCode = -1, lastIndex = -1;
  auto find = [&](int code) {
    if (code == lastCode) return lastIndex;
    auto at = std::lower_bound(codes.begin(), codes.end(), std::make_pair(code, -1));
    lastCode = code;
    lastIndex = at != codes.end() && at->first == code ? at->second : -1;
    return lastIndex;
  };
  GRaster r;
  r.width = w;
  r.height = h;
  r.rgba.resize((size_t)w * h * 4);
  uint8_t* px = r.rgba.data();
  for (int y = 0; y < h; ++y) {
    const char* row = xpm[1 + colours + y];
    if (!row || std::strlen(row) != (size_t)w * cpp) return false;
    for (int x = 0; x < w; ++x, px += 4) {
      const int i = find(Code(row + x * cpp, cpp));
      if (i < 0) return false;
      std::memcpy(px, &palette[(size_t)i * 4], 4);
    }
  }
  *out = std::move(r);
  return true;
}

GRaster CutRaster(const GRaster& from, int x, int y, int w, int h) {
  GRaster r;
  const int x0 = std::max(0, x), y0 = std::max(0, y);
  const int x1 = std::min(from.width, x + w), y1 = std::min(from.height, y + h);
  if (x1 <= x0 || y1 <= y0) return r;
  r.width = x1 - x0;
  r.height = y1 - y0;
  r.rgba.resize((size_t)r.width * r.height * 4);
  for (int row = 0; row < r.height; ++row)
    std::memcpy(&r.rgba[(size_t)row * r.width * 4],
                &from.rgba[((size_t)(y0 + row) * from.width + x0) * 4], (size_t)r.width * 4);
  return r;
}

void KeyOut(GRaster* r, const GRgb& key) {
  for (size_t i = 0; i + 3 < r->rgba.size(); i += 4) {
    uint8_t* p = &r->rgba[i];
    if (p[0] == key.r && p[1] == key.g && p[2] == key.b) p[3] = 0;
  }
  r->id = GRaster::NewId();  // other pixels than what surfaces may have kept
}

bool MaskOut(GRaster* r, const GRaster& mask) {
  if (mask.width != r->width || mask.height != r->height) return false;
  for (size_t i = 0; i + 3 < r->rgba.size(); i += 4) {
    const uint8_t* m = &mask.rgba[i];
    if (m[0] == 0 && m[1] == 0 && m[2] == 0) r->rgba[i + 3] = 0;
  }
  r->id = GRaster::NewId();
  return true;
}
