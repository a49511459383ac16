// Loading of point-style strips and background tiles from the built-in XPM
// images. While an image is missing from resources/ a plain drawn stand-in is
// used, so the program always has something to show.
#include <wx/dcmemory.h>

#include "render/Theme.h"

#if __has_include("resources/ball_r0.xpm")
#define FG_HAVE_STRIPS 1
#include "resources/ball_h0.xpm"
#include "resources/ball_h1.xpm"
#include "resources/ball_h2.xpm"
#include "resources/ball_h3.xpm"
#include "resources/ball_h4.xpm"
#include "resources/ball_r0.xpm"
#include "resources/ball_r1.xpm"
#include "resources/ball_r2.xpm"
#include "resources/ball_r3.xpm"
#include "resources/ball_r4.xpm"
#include "resources/cat_h0.xpm"
#include "resources/cat_h1.xpm"
#include "resources/cat_h2.xpm"
#include "resources/cat_h3.xpm"
#include "resources/cat_h4.xpm"
#include "resources/cat_r0.xpm"
#include "resources/cat_r1.xpm"
#include "resources/cat_r2.xpm"
#include "resources/cat_r3.xpm"
#include "resources/cat_r4.xpm"
#include "resources/skeleton.xpm"
#include "resources/skeleton_mask.xpm"
#include "resources/skeleton_r.xpm"
#include "resources/skeleton_rmask.xpm"
#include "resources/star_h0.xpm"
#include "resources/star_h1.xpm"
#include "resources/star_h2.xpm"
#include "resources/star_h3.xpm"
#include "resources/star_h4.xpm"
#include "resources/star_r0.xpm"
#include "resources/star_r1.xpm"
#include "resources/star_r2.xpm"
#include "resources/star_r3.xpm"
#include "resources/star_r4.xpm"
#endif

#if __has_include("resources/bkstandard0.xpm")
#define FG_HAVE_TILES 1
#include "resources/bkcat.xpm"
#include "resources/bkpastel.xpm"
#include "resources/bkquil.xpm"
#include "resources/bkskeleton.xpm"
#include "resources/bkstandard0.xpm"
#include "resources/bkstandard1.xpm"
#include "resources/bkstandard2.xpm"
#include "resources/bkstar.xpm"
#include "resources/bktovik.xpm"
#endif

namespace {

#ifndef FG_HAVE_STRIPS
// A stand-in strip: frames of a plain ball, paler frame by frame, on black.
wxBitmap DrawnStrip(int size, int frames, const GRgb& c) {
  wxBitmap bmp(size * frames, size, 24);
  {
    wxMemoryDC dc(bmp);
    dc.SetBackground(*wxBLACK_BRUSH);
    dc.Clear();
    for (int i = 0; i < frames; ++i) {
      const GRgb col = c.Faded(std::min(i, 3), GRgb{255, 255, 255});
      dc.SetPen(wxPen(ToWx(col)));
      dc.SetBrush(wxBrush(ToWx(col)));
      dc.DrawCircle(i * size + size / 2, size / 2, size / 3);
    }
  }
  bmp.SetMask(new wxMask(bmp, *wxBLACK));
  return bmp;
}
#endif

// Cuts a strip of square frames (frame size = height) into single frames.
std::vector<wxBitmap> CutStrip(const wxBitmap& strip) {
  std::vector<wxBitmap> frames;
  if (!strip.IsOk() || strip.GetHeight() <= 0) return frames;
  const int s = strip.GetHeight();
  for (int i = 0; i + 1 <= strip.GetWidth() / s; ++i)
    frames.push_back(strip.GetSubBitmap(wxRect(i * s, 0, s, s)));
  return frames;
}

#ifdef FG_HAVE_STRIPS
wxBitmap Masked(const char* const* xpm, const wxColour& transparent) {
  wxBitmap bmp(xpm);
  bmp.SetMask(new wxMask(bmp, transparent));
  return bmp;
}
wxBitmap MaskedBy(const char* const* xpm, const char* const* maskXpm) {
  wxBitmap bmp(xpm);
  bmp.SetMask(new wxMask(wxBitmap(maskXpm), *wxBLACK));
  return bmp;
}
#endif

}  // namespace

void PtBmp::LoadData(int s) {
  style = s;
  normal = hilight = wxBitmap();
  normalFrames.clear();
  hilightFrames.clear();
  bitmapMode = s >= 0 && s <= 15;
  if (!bitmapMode) {
    if (!DiscStyle(s, this)) DiscStyle(16, this);
    return;
  }
#ifdef FG_HAVE_STRIPS
  static const char* const* kNormal[16] = {ball_r0_xpm, ball_r1_xpm, ball_r2_xpm, ball_r3_xpm,
                                           ball_r4_xpm, cat_r0_xpm,  cat_r1_xpm,  cat_r2_xpm,
                                           cat_r3_xpm,  cat_r4_xpm,  star_r0_xpm, star_r1_xpm,
                                           star_r2_xpm, star_r3_xpm, star_r4_xpm, skeleton_xpm};
  static const char* const* kHilight[16] = {ball_h0_xpm, ball_h1_xpm, ball_h2_xpm, ball_h3_xpm,
                                            ball_h4_xpm, cat_h0_xpm,  cat_h1_xpm,  cat_h2_xpm,
                                            cat_h3_xpm,  cat_h4_xpm,  star_h0_xpm, star_h1_xpm,
                                            star_h2_xpm, star_h3_xpm, star_h4_xpm, skeleton_r_xpm};
  if (s == 15) {
    normal = MaskedBy(skeleton_xpm, skeleton_mask_xpm);
    hilight = MaskedBy(skeleton_r_xpm, skeleton_rmask_xpm);
  } else {
    // Cats sit on white, balls and stars on black.
    const wxColour transparent = (s >= 5 && s <= 9) ? *wxWHITE : *wxBLACK;
    normal = Masked(kNormal[s], transparent);
    hilight = Masked(kHilight[s], transparent);
  }
#else
  static const GRgb kColours[5] = {
      {220, 40, 40}, {40, 80, 220}, {30, 160, 60}, {240, 140, 20}, {150, 60, 190}};
  normal = DrawnStrip(16, 4, kColours[s % 5]);
  hilight = DrawnStrip(24, 8, GRgb{255, 220, 0});
#endif
  normalFrames = CutStrip(normal);
  hilightFrames = CutStrip(hilight);
}

void BGBmp::LoadData(int n) {
  if (n < 0 || n > 8) return;  // the User backgrounds have no picture: keep the current one
  number = n;
  colour = BackgroundColour(n);
#ifdef FG_HAVE_TILES
  static const char* const* kTiles[9] = {bkstandard0_xpm, bkstandard1_xpm, bkstandard2_xpm,
                                         bkcat_xpm,       bkstar_xpm,      bkskeleton_xpm,
                                         bktovik_xpm,     bkquil_xpm,      bkpastel_xpm};
  tile = wxBitmap(kTiles[n]);
#else
  tile = wxBitmap(256, 192, 24);
  wxMemoryDC dc(tile);
  dc.SetBackground(wxBrush(ToWx(colour)));
  dc.Clear();
#endif
  width = tile.GetWidth();
  height = tile.GetHeight();
}
