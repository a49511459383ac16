// Measures DejaVu Sans and DejaVu Sans Bold with cairo, unhinted at 2048
// pixels (one pixel per font unit), and prints render/FontMetrics.cpp: the
// advance width of every letter the SVG surface knows, ascent and descent.
#include <cairo.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr double kUnitsPerEm = 2048;

// The letters measured: printable ASCII, Latin-1, Greek and a few signs a
// figure's texts use (primes, minus, angle, parallel, perpendicular, ...).
struct Span {
  unsigned first, last;
};
const Span kSpans[] = {{0x20, 0x7e},     {0xa0, 0xff},     {0x391, 0x3a1},   {0x3a3, 0x3a9},
                       {0x3b1, 0x3c9},   {0x2013, 0x2014}, {0x2018, 0x2019}, {0x201c, 0x201d},
                       {0x2026, 0x2026}, {0x2032, 0x2033}, {0x20ac, 0x20ac}, {0x2212, 0x2212},
                       {0x221a, 0x221a}, {0x221e, 0x221e}, {0x2220, 0x2220}, {0x2225, 0x2225},
                       {0x2248, 0x2248}, {0x2260, 0x2260}, {0x2264, 0x2265}, {0x22a5, 0x22a5}};

std::string Utf8(unsigned c) {
  std::string s;
  if (c < 0x80) {
    s += (char)c;
  } else if (c < 0x800) {
    s += (char)(0xc0 | (c >> 6));
    s += (char)(0x80 | (c & 63));
  } else {
    s += (char)(0xe0 | (c >> 12));
    s += (char)(0x80 | ((c >> 6) & 63));
    s += (char)(0x80 | (c & 63));
  }
  return s;
}

struct Face {
  cairo_surface_t* surface;
  cairo_t* cr;
  explicit Face(bool bold) {
    surface = cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1);
    cr = cairo_create(surface);
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_font_options_t* o = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(o, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_hint_style(o, CAIRO_HINT_STYLE_NONE);
    cairo_set_font_options(cr, o);
    cairo_font_options_destroy(o);
    cairo_set_font_size(cr, kUnitsPerEm);
  }
  ~Face() {
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
  }
  // Whether the font has a letter of its own for c (glyph 0 is the box of a missing one).
  bool Has(unsigned c) const {
    const std::string s = Utf8(c);
    cairo_glyph_t* glyphs = nullptr;
    int n = 0;
    cairo_scaled_font_text_to_glyphs(cairo_get_scaled_font(cr), 0, 0, s.c_str(), (int)s.size(),
                                     &glyphs, &n, nullptr, nullptr, nullptr);
    const bool has = n == 1 && glyphs[0].index != 0;
    cairo_glyph_free(glyphs);
    return has;
  }
  double Advance(unsigned c) const {
    cairo_text_extents_t te;
    cairo_text_extents(cr, Utf8(c).c_str(), &te);
    return te.x_advance;
  }
};

// A measure in font units, which at one pixel per unit must come out whole.
bool Whole(double v, const char* what, int* out) {
  *out = (int)std::lround(v);
  if (std::fabs(v - *out) < 1e-3) return true;
  std::fprintf(stderr, "fontmetrics-gen: %s is %.4f units, not whole: not a 2048-unit font?\n",
               what, v);
  return false;
}

bool PrintFace(const Face& face, const char* name, const std::vector<unsigned>& letters) {
  std::printf("const uint16_t k%sWidths[] = {", name);
  long sum = 0, ascii = 0;
  for (size_t i = 0; i < letters.size(); ++i) {
    int w = 0;
    if (!Whole(face.Advance(letters[i]), "an advance", &w)) return false;
    if (letters[i] < 0x7f) sum += w, ++ascii;
    std::printf("%s%d,", i % 16 ? " " : "\n    ", w);
  }
  std::printf("\n};\n");
  cairo_font_extents_t fe;
  cairo_font_extents(face.cr, &fe);
  int ascent = 0, descent = 0;
  if (!Whole(fe.ascent, "the ascent", &ascent) || !Whole(fe.descent, "the descent", &descent))
    return false;
  std::printf("const GFontTable k%sFace = {%d, %d, %ld, k%sWidths};\n", name, ascent, descent,
              (sum + ascii / 2) / ascii, name);
  return true;
}

}  // namespace

int main() {
  const Face regular(false), bold(true);
  std::vector<unsigned> letters;
  std::vector<Span> ranges;  // runs of letters both faces have
  for (const Span& s : kSpans)
    for (unsigned c = s.first; c <= s.last; ++c) {
      if (!regular.Has(c) || !bold.Has(c)) continue;
      if (ranges.empty() || ranges.back().last + 1 != c) ranges.push_back({c, c});
      ranges.back().last = c;
      letters.push_back(c);
    }
  if (letters.empty() || letters[0] != 0x20 || ranges[0].last != 0x7e) {
    std::fprintf(stderr, "fontmetrics-gen: DejaVu Sans not found or lacks ASCII\n");
    return 1;
  }
  std::printf(
      "// Advance widths of DejaVu Sans and DejaVu Sans Bold in font units (2048 to the em),\n"
      "// with ascent and descent, as cairo measures the fonts unhinted at 2048 pixels. Made by\n"
      "// tools/fontmetrics; do not edit: build the target fontmetrics-gen and run\n"
      "//   build/tools/fontmetrics/fontmetrics-gen > render/FontMetrics.cpp\n"
      "#include \"render/FontMetrics.h\"\n\n"
      "// clang-format off\n"
      "namespace {\n\n");
  if (!PrintFace(regular, "Regular", letters) || !PrintFace(bold, "Bold", letters)) return 1;
  std::printf("\n}  // namespace\n\nconst GLetterRange kLetterRanges[] = {");
  unsigned at = 0;
  for (size_t i = 0; i < ranges.size(); ++i) {
    const unsigned n = ranges[i].last - ranges[i].first + 1;
    std::printf("%s{0x%x, %u, %u},", i % 4 ? " " : "\n    ", ranges[i].first, n, at);
    at += n;
  }
  std::printf("\n};\nconst int kLetterRangeCount = %zu;\n", ranges.size());
  std::printf("const GFontTable& kDejaVuSans = kRegularFace;\n");
  std::printf("const GFontTable& kDejaVuSansBold = kBoldFace;\n");
  std::printf("// clang-format on\n");
  return 0;
}
