// The SVG surface's letter widths against cairo measuring DejaVu Sans as the
// window and the old SVG writer did (hinted metrics, 96 pixels per inch):
// equal to the pixel at every size, so texts are laid out alike in both.
#include <cairo.h>
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "render/FontMetrics.h"

namespace {

struct Cairo {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1);
  cairo_t* cr = cairo_create(surface);
  ~Cairo() {
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
  }
  GLetterBox Measure(const std::string& s, int points, bool bold) {
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, points * 96.0 / 72.0);
    cairo_font_extents_t fe;
    cairo_text_extents_t te;
    cairo_font_extents(cr, &fe);
    cairo_text_extents(cr, s.c_str(), &te);
    GLetterBox b;
    b.width = (int)std::ceil(te.x_advance - 1e-6);
    b.height = (int)std::ceil(fe.ascent + fe.descent - 1e-6);
    b.descent = (int)std::ceil(fe.descent - 1e-6);
    b.ascent = (int)std::ceil(fe.ascent - 1e-6);
    return b;
  }
};

}  // namespace

TEST(LettersAgainstCairo, EqualAtEverySize) {
  const char* texts[] = {
      "A",
      "Hello world",
      "The quick brown fox jumps over the lazy dog 0123456789",
      "!\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~",
      "\xc3\x84\xc3\x96\xc3\x9c \xc3\xa9\xc3\xa8 \xc3\x9f",
      "\xce\xb1\xce\xb2\xce\xb3 \xce\x94\xce\xa9 \xcf\x80",
      "\xe2\x88\xa0"
      "ABC = 30\xc2\xb0",
      "AB \xe2\x8a\xa5 CD, AB \xe2\x88\xa5 EF, x\xe2\x80\xb2 \xe2\x88\x92 1 \xe2\x89\xa4 2",
  };
  Cairo cairo;
  for (bool bold : {false, true})
    for (int points = 1; points <= 96; ++points)
      for (const char* t : texts) {
        const GLetterBox want = cairo.Measure(t, points, bold);
        const GLetterBox got = MeasureLetters(t, points, bold);
        ASSERT_EQ(got.width, want.width) << t << " " << points << (bold ? " bold" : "");
        ASSERT_EQ(got.ascent, want.ascent) << points << (bold ? " bold" : "");
        ASSERT_EQ(got.descent, want.descent) << points << (bold ? " bold" : "");
        ASSERT_EQ(got.height, want.height) << points << (bold ? " bold" : "");
      }
}
