// The moving items of a frame drawn over the still picture. Every pixel
// ends as the whole drawing would leave it, because a moving shape sets a
// pixel only where it comes later in the painting order than the still item
// on top there (and, where shapes drawn through a surface lie, than the
// moving shape already there). Order thus decides, not the time of drawing:
// the shapes only a surface can draw (letters, rings, outlined shapes) are
// drawn first, with their places; the others are kept as runs of pixels
// and then set row by row, the rows shared between threads.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "render/DrawIds.h"
#include "render/RasterSpans.h"

struct GOverStillPixels {
  GSpanTarget frame;                   // the frame, a copy of the still picture at first
  const uint32_t* stillPix = nullptr;  // the still picture
  int stillPixStride = 0;              // pixels from one row to the next
  const uint32_t* stillTop = nullptr;  // per pixel, the still item on top (base place + 1)
  int stillStride = 0;
  uint32_t* movingTop = nullptr;  // per pixel, the moving shape on top (from 1), in mixed tiles
  int movingStride = 0;
  const uint32_t* now = nullptr;             // base place + 1 -> place now + 1 (0 -> 0)
  uint32_t base = 0;                         // the largest base place + 1 in `now`
  const uint32_t* tileAbove = nullptr;       // per tile, the highest still item's place now + 1
  const std::vector<char>* mixed = nullptr;  // per tile: shapes drawn through a surface lie there
  int columns = 0;                           // tiles in a row
};

// Pixels [x0, x1) of row y of one shape, in one colour (0xFFRRGGBB) or, for
// a picture, from the picture's row `colour` (below 0x1000000) on, skipping
// its see-through pixels.
struct GOverStillRun {
  int y, x0, x1;
  uint32_t shape, colour;
};
// What the drawing of a frame keeps for the next, so that no frame asks for
// memory anew.
struct GOverStillScratch {
  std::vector<GOverStillRun> runs, sorted;
  std::vector<int> rowStart;             // per row, where its runs begin in `sorted`
  std::vector<uint32_t> itemOf;          // per shape, its item (place + 1)
  std::vector<const uint8_t*> pictures;  // rows of pictures the runs take pixels from
};

class GOverStillSurface : public GSurface {
 public:
  // `frame` and `places` draw on the same pixels; `direct(true)` comes
  // before the pixels are set directly, `direct(false)` after.
  GOverStillSurface(const GOverStillPixels& px, GOverStillScratch& scratch, GSurface& frame,
                    GIdSurface& places, std::function<void(bool)> direct);
  // The shapes from now on are the `shape`-th drawn (from 1, in painting
  // order) and belong to the item of this place plus one. Among moving
  // shapes the later one wins, within an item too.
  void SetShape(uint32_t shape, uint32_t item) {
    m_Shape = shape;
    m_Places.SetId(shape);
    std::vector<uint32_t>& of = m_S.itemOf;
    if (of.size() <= shape) of.resize(shape + 1, 0);
    of[shape] = item;
  }
  // Sets the runs kept, on two threads from `apart` runs on, and merges
  // the tiles of shapes drawn through a surface: there the still picture's
  // pixel wins where a still item lies above the moving one on top, and the
  // places are left clear. False when a shape could not be drawn the direct
  // way (a picture that blends, a shape beyond ten million pixels): the
  // frame must then be drawn whole.
  bool Finish(size_t apart);
  size_t Runs() const { return m_S.runs.size(); }

  bool Raster() const override { return true; }
  void Clear(const GRgb& bg) override;
  void Stroke(const GRgb& c, int width, GPix a, GPix b) override;
  void StrokeChain(const GRgb& c, int width, const GPixF* pts, int n) override;
  void Polyline(const GRgb& c, int width, const GPix* pts, int n) override;
  void Fill(const GRgb& c, const GPix* pts, const int* counts, int n) override;
  void Polygon(const GInk& ink, const GPix* pts, int n) override;
  void Circle(const GInk& ink, GPix centre, int radius) override;
  void Rectangle(const GInk& ink, int x, int y, int w, int h) override;
  void EllipticArc(const GInk& ink, int x, int y, int w, int h, double start, double end) override;
  void Picture(const GRaster& picture, int x, int y) override;
  void TextExtent(const std::string& text, int size, bool bold, int* w, int* h,
                  int* descent) override {
    m_Frame.TextExtent(text, size, bold, w, h, descent);
  }
  void Text(const std::string& text, int size, bool bold, const GRgb& c, int x, int y) override;

 private:
  class Keeper;
  void Apply(const GOverStillRun& r) const;
  void MergeRow(int y) const;
  void Rows(int from, int to) const;
  // A shape through the frame's surface and, as its place, the places'.
  template <class Draw>
  void Through(Draw draw) {
    draw(m_Frame);
    draw(m_Places);
  }
  GOverStillPixels m_Px;
  GSurface& m_Frame;
  GIdSurface& m_Places;
  std::function<void(bool)> m_Direct;
  GOverStillScratch& m_S;
  uint32_t m_Shape = 0;
  bool m_Failed = false;
};
