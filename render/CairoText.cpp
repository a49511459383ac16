// Pango layouts of the cairo surface's letters, made once per letters, size
// and weight from one context of fixed resolution and font options, so that a
// picture and a page measure every text alike.
#include "render/CairoText.h"

#include <algorithm>
#include <cairo.h>
#include <cstring>
#include <pango/pangocairo.h>
#include <unordered_map>

#include "model/Utf8Text.h"

namespace {

// Kept layouts; past this all are dropped and made again as they are used.
constexpr size_t kMaxLayouts = 4096;

struct Layouts {
  PangoContext* context = nullptr;
  std::unordered_map<std::string, PangoLayout*> made;
  PangoFontDescription* fonts[2][64] = {};
};

// Never freed: the process ends with the drawing.
Layouts& Kept() {
  static Layouts* kept = [] {
    auto* k = new Layouts;
    PangoFontMap* map = pango_cairo_font_map_get_default();
    k->context = pango_font_map_create_context(map);
    pango_cairo_context_set_resolution(k->context, 96);
    cairo_font_options_t* fo = cairo_font_options_create();
    // Whole-pixel advances, as a picture's context measures them; unsmoothed
    // letters, as the window's masks are.
    cairo_font_options_set_hint_metrics(fo, CAIRO_HINT_METRICS_ON);
    cairo_font_options_set_antialias(fo, CAIRO_ANTIALIAS_NONE);
    pango_cairo_context_set_font_options(k->context, fo);
    cairo_font_options_destroy(fo);
    return k;
  }();
  return *kept;
}

PangoFontDescription* Font(Layouts& k, int size, bool bold) {
  size = std::clamp(size, 1, 1000);
  PangoFontDescription** slot = size < 64 ? &k.fonts[bold][size] : nullptr;
  if (slot && *slot) return *slot;
  PangoFontDescription* f = pango_font_description_new();
  pango_font_description_set_family(f, "Sans");
  pango_font_description_set_size(f, size * PANGO_SCALE);
  pango_font_description_set_weight(f, bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
  if (slot) *slot = f;
  return f;
}

// The letters as valid UTF-8 without controls: Pango refuses a whole text
// for one stray byte (or a NUL), which becomes U+FFFD here as in an SVG.
std::string ValidUtf8(const std::string& text) {
  std::string out;
  const char* p = text.data();
  const char* end = p + text.size();
  while (p < end) Utf8Append(out, NextCodePoint(p, end));
  return out;
}

PangoLayout* LayoutOf(const std::string& text, int size, bool bold) {
  Layouts& k = Kept();
  std::string key(sizeof size + 1, '\0');
  std::memcpy(&key[0], &size, sizeof size);
  key[sizeof size] = bold ? 'b' : 'r';
  key += text;
  auto it = k.made.find(key);
  if (it != k.made.end()) return it->second;
  if (k.made.size() >= kMaxLayouts) {
    for (auto& [_, layout] : k.made) g_object_unref(layout);
    k.made.clear();
  }
  PangoLayout* layout = pango_layout_new(k.context);
  PangoFontDescription* f = Font(k, size, bold);
  pango_layout_set_font_description(layout, f);
  const std::string letters = ValidUtf8(text);
  pango_layout_set_text(layout, letters.data(), (int)letters.size());
  if (size >= 64) pango_font_description_free(f);
  k.made.emplace(std::move(key), layout);
  return layout;
}

}  // namespace

GLetterBox CairoTextBox(const std::string& text, int size, bool bold) {
  PangoLayout* layout = LayoutOf(text, size, bold);
  int w = 0, h = 0;
  pango_layout_get_size(layout, &w, &h);
  GLetterBox box;
  box.width = (w + PANGO_SCALE / 2) / PANGO_SCALE;
  box.height = (h + PANGO_SCALE / 2) / PANGO_SCALE;
  box.ascent = (pango_layout_get_baseline(layout) + PANGO_SCALE / 2) / PANGO_SCALE;
  box.descent = box.height - box.ascent;
  return box;
}

void CairoShowText(cairo_t* cr, const std::string& text, int size, bool bold, int x, int y) {
  PangoLayout* layout = LayoutOf(text, size, bold);
  cairo_move_to(cr, x, y);
  pango_cairo_show_layout(cr, layout);
}

const std::string& CairoSansFamily() {
  static const std::string* family = [] {
    Layouts& k = Kept();
    auto* name = new std::string;
    PangoFont* font = pango_font_map_load_font(pango_context_get_font_map(k.context), k.context,
                                               Font(k, 12, false));
    if (font) {
      PangoFontDescription* d = pango_font_describe(font);
      const char* f = d ? pango_font_description_get_family(d) : nullptr;
      if (f) *name = f;
      if (d) pango_font_description_free(d);
      g_object_unref(font);
    }
    return name;
  }();
  return *family;
}

GSvgLetters CairoSvgLetters() {
  GSvgLetters letters;
  // An empty name leaves the viewer's own sans-serif.
  letters.family = CairoSansFamily();
  letters.measure = CairoTextBox;
  return letters;
}
