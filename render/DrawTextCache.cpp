// Texts drawn through small pictures kept per (letters, size, colour): laying
// out and shaping a name costs far more than copying its letters, and names
// and labels seldom change from one repaint to the next.
#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <unordered_map>
#include <wx/dcmemory.h>
#include <wx/font.h>
#include <wx/graphics.h>
#include <wx/image.h>

#include "render/Draw.h"

namespace {

// Room around the box of the letters: a glyph's ink may reach a little past
// the box the font reports.
constexpr int kPad = 3;
// Kept pictures; past this all are dropped and made again as they are used.
constexpr size_t kMaxRuns = 4096;

struct Run {
  int uses = 0;
  wxCoord w = 0, h = 0, descent = 0;
  wxGraphicsBitmap picture;  // made at the second use: a run seen once may never return
};

std::unordered_map<std::string, Run>& Runs() {
  static std::unordered_map<std::string, Run> runs;
  return runs;
}

std::string Key(const wxString& s, int size, const wxColour& c) {
  std::string key(8, '\0');
  const uint32_t rgb = (uint32_t)c.GetRGB();
  std::memcpy(&key[0], &size, 4);
  std::memcpy(&key[4], &rgb, 4);
  key += s.utf8_string();
  return key;
}

wxFont FontOfSize(int size) {
  return wxFont(wxFontInfo(std::max(1, size)).Family(wxFONTFAMILY_DEFAULT));
}

// The letters in colour c on a transparent picture, the box's corner at (kPad, kPad).
wxGraphicsBitmap MakePicture(const wxString& s, int size, const wxColour& c, const Run& run,
                             wxGraphicsRenderer* renderer) {
  wxImage img(run.w + 2 * kPad, run.h + 2 * kPad);
  img.SetRGB(wxRect(0, 0, img.GetWidth(), img.GetHeight()), c.Red(), c.Green(), c.Blue());
  img.InitAlpha();
  std::memset(img.GetAlpha(), 0, (size_t)img.GetWidth() * img.GetHeight());
  {
    std::unique_ptr<wxGraphicsContext> gc(renderer->CreateContextFromImage(img));
    if (!gc) return wxGraphicsBitmap();
    // The letters as the canvas draws everything: on the pixel grid, unsmoothed.
    gc->SetAntialiasMode(wxANTIALIAS_NONE);
    gc->SetFont(FontOfSize(size), c);
    gc->DrawText(s, kPad, kPad);
  }
  return renderer->CreateBitmapFromImage(img);
}

Run& Find(wxDC& dc, const wxString& s, int size, const wxColour& c) {
  auto& runs = Runs();
  const std::string key = Key(s, size, c);
  auto it = runs.find(key);
  if (it != runs.end()) return it->second;
  if (runs.size() >= kMaxRuns) runs.clear();
  Run& run = runs[key];
  const wxFont old = dc.GetFont();
  dc.SetFont(FontOfSize(size));
  dc.GetTextExtent(s, &run.w, &run.h, &run.descent);
  if (old.IsOk()) dc.SetFont(old);
  return run;
}

}  // namespace

void GetTextRunExtent(wxDC& dc, const wxString& s, int size, const wxColour& c, int* w, int* h,
                      int* descent) {
  const Run& run = Find(dc, s, size, c);
  *w = run.w;
  *h = run.h;
  *descent = run.descent;
}

void DrawTextRun(wxDC& dc, const wxString& s, int size, const wxColour& c, int x, int y) {
  if (s.empty()) return;
  wxGraphicsContext* gc = dc.GetGraphicsContext();
  if (!gc) {
    // A context without pictures of its own (a printer): straight letters.
    dc.SetFont(FontOfSize(size));
    dc.SetTextForeground(c);
    dc.DrawText(s, x, y);
    return;
  }
  Run& run = Find(dc, s, size, c);
  if (run.uses < 2) ++run.uses;
  if (run.uses >= 2 && run.picture.IsNull() && run.w > 0 && run.h > 0)
    run.picture = MakePicture(s, size, c, run, gc->GetRenderer());
  if (run.picture.IsNull()) {
    dc.SetFont(FontOfSize(size));
    dc.SetTextForeground(c);
    dc.DrawText(s, x, y);
    return;
  }
  gc->DrawBitmap(run.picture, x - kPad, y - kPad, run.w + 2 * kPad, run.h + 2 * kPad);
}
