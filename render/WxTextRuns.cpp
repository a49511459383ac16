// Texts drawn through small masks kept per letters and size: laying
// out and shaping a name costs far more than copying its letters, and names
// and labels seldom change from one repaint to the next.
#include <algorithm>
#include <cairo.h>
#include <cstring>
#include <memory>
#include <string>
#include <unordered_map>
#include <wx/font.h>
#include <wx/graphics.h>
#include <wx/image.h>

#include "render/WxSurface.h"

namespace {

// Room around the box of the letters: a glyph's ink may reach a little past
// the box the font reports.
constexpr int kPad = 3;
// Kept runs; past this all are dropped and made again as they are used.
constexpr size_t kMaxRuns = 4096;

struct SurfaceFree {
  void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};

struct Run {
  int uses = 0;
  wxCoord w = 0, h = 0, descent = 0;
  bool made = false;      // the mask is made at the second use: a run seen once may never return
  bool straight = false;  // no picture could be drawn for the mask: letters straight
  // The pixels the letters cover, cut to their ink, and where that cut sits
  // relative to the corner of the box; no mask for letters without ink.
  std::shared_ptr<cairo_surface_t> mask;
  int left = 0, top = 0;
};

std::unordered_map<std::string, Run>& Runs() {
  static std::unordered_map<std::string, Run> runs;
  return runs;
}

std::string Key(const std::string& s, int size, bool bold) {
  std::string key(sizeof size + 1, '\0');
  std::memcpy(&key[0], &size, sizeof size);
  key[sizeof size] = bold ? 'b' : 'r';
  key += s;
  return key;
}

wxFont FontOfSize(int size, bool bold) {
  wxFontInfo info(std::max(1, size));
  info.Family(wxFONTFAMILY_DEFAULT);
  if (bold) info.Bold();
  return wxFont(info);
}

// Draws the letters once into a transparent picture and keeps the covered
// pixels, cut to their ink, as an 8-bit mask.
void MakeMask(const wxString& s, int size, bool bold, wxGraphicsRenderer* renderer, Run* run) {
  run->made = true;
  const int W = run->w + 2 * kPad, H = run->h + 2 * kPad;
  wxImage img(W, H);
  img.InitAlpha();
  std::memset(img.GetAlpha(), 0, (size_t)W * H);
  {
    std::unique_ptr<wxGraphicsContext> gc(renderer->CreateContextFromImage(img));
    if (!gc) {
      run->straight = true;
      return;
    }
    // The letters as the canvas draws everything: on the pixel grid, unsmoothed.
    gc->SetAntialiasMode(wxANTIALIAS_NONE);
    gc->SetFont(FontOfSize(size, bold), *wxBLACK);
    gc->DrawText(s, kPad, kPad);
  }
  const unsigned char* alpha = img.GetAlpha();
  int x0 = W, y0 = H, x1 = -1, y1 = -1;
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x)
      if (alpha[y * W + x]) {
        x0 = std::min(x0, x);
        x1 = std::max(x1, x);
        y0 = std::min(y0, y);
        y1 = std::max(y1, y);
      }
  if (x1 < 0) return;
  const int mw = x1 - x0 + 1, mh = y1 - y0 + 1;
  cairo_surface_t* m = cairo_image_surface_create(CAIRO_FORMAT_A8, mw, mh);
  if (cairo_surface_status(m) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(m);
    return;
  }
  cairo_surface_flush(m);
  unsigned char* data = cairo_image_surface_get_data(m);
  const int stride = cairo_image_surface_get_stride(m);
  for (int y = 0; y < mh; ++y)
    std::memcpy(data + (size_t)y * stride, alpha + (size_t)(y0 + y) * W + x0, (size_t)mw);
  cairo_surface_mark_dirty(m);
  run->mask.reset(m, SurfaceFree());
  run->left = x0 - kPad;
  run->top = y0 - kPad;
}

Run& Find(wxDC& dc, const std::string& s, int size, bool bold) {
  auto& runs = Runs();
  const std::string key = Key(s, size, bold);
  auto it = runs.find(key);
  if (it != runs.end()) return it->second;
  if (runs.size() >= kMaxRuns) runs.clear();
  Run& run = runs[key];
  const wxFont old = dc.GetFont();
  dc.SetFont(FontOfSize(size, bold));
  dc.GetTextExtent(wxString::FromUTF8(s), &run.w, &run.h, &run.descent);
  if (old.IsOk()) dc.SetFont(old);
  return run;
}

void DrawStraight(wxDC& dc, const std::string& s, int size, bool bold, const wxColour& c, int x,
                  int y) {
  dc.SetFont(FontOfSize(size, bold));
  dc.SetTextForeground(c);
  dc.DrawText(wxString::FromUTF8(s), x, y);
}

}  // namespace

void GetTextRunExtent(wxDC& dc, const std::string& s, int size, bool bold, int* w, int* h,
                      int* descent) {
  const Run& run = Find(dc, s, size, bold);
  *w = run.w;
  *h = run.h;
  *descent = run.descent;
}

void DrawTextRun(wxDC& dc, const std::string& s, int size, bool bold, const wxColour& c, int x,
                 int y) {
  if (s.empty()) return;
  wxGraphicsContext* gc = dc.GetGraphicsContext();
  // Contexts other than cairo pictures (a printer) get the letters straight.
  if (!gc || gc->GetRenderer() != wxGraphicsRenderer::GetCairoRenderer()) {
    DrawStraight(dc, s, size, bold, c, x, y);
    return;
  }
  Run& run = Find(dc, s, size, bold);
  if (run.uses < 2) ++run.uses;
  if (!run.made && run.uses >= 2)
    MakeMask(wxString::FromUTF8(s), size, bold, gc->GetRenderer(), &run);
  if (!run.made || run.straight) {
    DrawStraight(dc, s, size, bold, c, x, y);
    return;
  }
  cairo_t* cr = static_cast<cairo_t*>(gc->GetNativeContext());
  if (!cr || !run.mask) return;  // nothing to show (blanks only)
  // The mask holds only which pixels the letters cover; the colour is laid
  // on here, so a fading text keeps its mask.
  cairo_save(cr);
  cairo_set_source_rgb(cr, c.Red() / 255.0, c.Green() / 255.0, c.Blue() / 255.0);
  cairo_mask_surface(cr, run.mask.get(), x + run.left, y + run.top);
  cairo_restore(cr);
}
