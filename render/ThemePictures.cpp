// Loading of point-style strips and background tiles from the built-in XPM
// images into plain pictures. While an image is missing from resources/ a
// plain drawn stand-in is used, so the program always has something to show.
#include <algorithm>
#include <cstdint>

#include "render/Raster.h"
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
// A stand-in strip: frames of a plain ball, paler frame by frame, on a
// see-through ground.
GRaster DrawnStrip(int size, int frames, const GRgb& c) {
  GRaster r;
  r.width = size * frames;
  r.height = size;
  r.rgba.assign((size_t)r.width * r.height * 4, 0);
  const int rad = size / 3;
  for (int i = 0; i < frames; ++i) {
    const GRgb col = c.Faded(std::min(i, 3), GRgb{255, 255, 255});
    const int cx = i * size + size / 2, cy = size / 2;
    for (int y = 0; y < size; ++y)
      for (int x = i * size; x < (i + 1) * size; ++x) {
        if ((x - cx) * (x - cx) + (y - cy) * (y - cy) > rad * rad) continue;
        uint8_t* p = &r.rgba[((size_t)y * r.width + x) * 4];
        p[0] = (uint8_t)col.r, p[1] = (uint8_t)col.g, p[2] = (uint8_t)col.b, p[3] = 255;
      }
  }
  return r;
}
#endif

// Cuts a strip of square frames (frame size = height) into single frames.
std::vector<GRaster> CutStrip(const GRaster& strip) {
  std::vector<GRaster> frames;
  if (strip.Empty()) return frames;
  const int s = strip.height;
  for (int i = 0; i + 1 <= strip.width / s; ++i) frames.push_back(CutRaster(strip, i * s, 0, s, s));
  return frames;
}

#ifdef FG_HAVE_STRIPS
GRaster Keyed(const char* const* xpm, const GRgb& transparent) {
  GRaster r;
  if (DecodeXpm(xpm, &r)) KeyOut(&r, transparent);
  return r;
}
GRaster MaskedBy(const char* const* xpm, const char* const* maskXpm) {
  GRaster r, mask;
  if (DecodeXpm(xpm, &r) && DecodeXpm(maskXpm, &mask)) MaskOut(&r, mask);
  return r;
}
#endif

}  // namespace

void PtBmp::LoadData(int s) {
  style = s;
  m_Strips = std::make_shared<Strips>();
  bitmapMode = s >= 0 && s <= 15;
  if (!bitmapMode && !DiscStyle(s, this)) DiscStyle(16, this);
}

const std::vector<GRaster>& PtBmp::Frames(bool hilight) const {
  static const std::vector<GRaster> kNone;
  if (!bitmapMode || !m_Strips) return kNone;
  Strips& st = *m_Strips;
  std::vector<GRaster>& frames = st.frames[hilight];
  if (st.decoded[hilight]) return frames;
  st.decoded[hilight] = true;
  const int s = style;
  GRaster strip;
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
    strip = hilight ? MaskedBy(skeleton_r_xpm, skeleton_rmask_xpm)
                    : MaskedBy(skeleton_xpm, skeleton_mask_xpm);
  } else {
    // Cats sit on white, balls and stars on black.
    const GRgb transparent = (s >= 5 && s <= 9) ? GRgb{255, 255, 255} : GRgb{0, 0, 0};
    strip = Keyed(hilight ? kHilight[s] : kNormal[s], transparent);
  }
#else
  static const GRgb kColours[5] = {
      {220, 40, 40}, {40, 80, 220}, {30, 160, 60}, {240, 140, 20}, {150, 60, 190}};
  strip = hilight ? DrawnStrip(24, 8, GRgb{255, 220, 0}) : DrawnStrip(16, 4, kColours[s % 5]);
#endif
  frames = CutStrip(strip);
  return frames;
}

void BGBmp::LoadData(int n) {
  if (n < 0 || n > 8) return;  // the User backgrounds have no picture: keep the current one
  number = n;
  colour = BackgroundColour(n);
  tile = GRaster();
#ifdef FG_HAVE_TILES
  static const char* const* kTiles[9] = {bkstandard0_xpm, bkstandard1_xpm, bkstandard2_xpm,
                                         bkcat_xpm,       bkstar_xpm,      bkskeleton_xpm,
                                         bktovik_xpm,     bkquil_xpm,      bkpastel_xpm};
  DecodeXpm(kTiles[n], &tile);
#endif
  if (tile.Empty()) {
    // No picture: a tile of the plain colour.
    tile.width = 256;
    tile.height = 192;
    tile.rgba.resize((size_t)tile.width * tile.height * 4);
    for (size_t i = 0; i < tile.rgba.size(); i += 4) {
      tile.rgba[i] = (uint8_t)colour.r;
      tile.rgba[i + 1] = (uint8_t)colour.g;
      tile.rgba[i + 2] = (uint8_t)colour.b;
      tile.rgba[i + 3] = 255;
    }
  }
  width = tile.width;
  height = tile.height;
}
