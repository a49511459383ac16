// The moving items of a frame drawn over the still picture. Every pixel
// ends as the whole drawing would leave it, because a moving shape sets a
// pixel only where it comes later in the painting order than the still item
// on top there (and, where shapes drawn through a surface lie, than the
// moving shape already there). Order thus decides, not the time of drawing:
// the shapes only a surface can draw (letters, rings, outlined shapes) are
// drawn first, with their places; the others are kept as runs of pixels
// and then set row by row. The frame's rows can be shared out in bands,
// each worked on a thread of its own.
#pragma once

#include <cstdint>
#include <vector>

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
  const std::vector<uint32_t>* itemOf = nullptr;  // per shape (from 1), its item's place + 1
};

// Pixels [x0, x1) of row y of one shape, in one colour (0xFFRRGGBB) or, for
// a picture, from the picture's row `colour` (below 0x1000000) on, skipping
// its see-through pixels.
struct GOverStillRun {
  int y, x0, x1;
  uint32_t shape, colour;
};
// What a band keeps from one frame to the next, so that no frame asks for
// memory anew.
struct GOverStillScratch {
  std::vector<GOverStillRun> runs, sorted;
  std::vector<int> rowStart;             // per row of the band, where its runs begin in `sorted`
  std::vector<const uint8_t*> pictures;  // rows of pictures the runs take pixels from
};

// The rows [y0, y1) of a frame: strokes, chains, fills and pictures drawn
// on it become runs; Finish sets them.
class GOverStillSurface : public GSurface {
 public:
  GOverStillSurface(const GOverStillPixels& px, GOverStillScratch& scratch, int y0, int y1);
  // The shapes from now on are the `shape`-th drawn (from 1, in painting
  // order). Among moving shapes the later one wins, within an item too.
  void SetShape(uint32_t shape) { m_Shape = shape; }
  // Sorts the runs by row and sets them, merging the tiles of shapes drawn
  // through a surface: there the still picture's pixel wins where a still
  // item lies above the moving one on top, and the places are left clear.
  // The pixels must be up to date. False when a shape could not be drawn
  // the direct way (a picture that blends, a shape beyond ten million
  // pixels): the frame must then be drawn whole.
  void Sort();
  bool Finish();
  size_t Runs() const { return m_S.runs.size(); }

  bool Raster() const override { return true; }
  void Clear(const GRgb&) override { m_Failed = true; }
  void Stroke(const GRgb& c, int width, GPix a, GPix b) override;
  void StrokeChain(const GRgb& c, int width, const GPixF* pts, int n) override;
  void Polyline(const GRgb&, int, const GPix*, int) override { m_Failed = true; }
  void Fill(const GRgb& c, const GPix* pts, const int* counts, int n) override;
  void Polygon(const GInk&, const GPix*, int) override { m_Failed = true; }
  void Circle(const GInk&, GPix, int) override { m_Failed = true; }
  void Rectangle(const GInk&, int, int, int, int) override { m_Failed = true; }
  void EllipticArc(const GInk&, int, int, int, int, double, double) override { m_Failed = true; }
  void Picture(const GRaster& picture, int x, int y) override;
  void TextExtent(const std::string&, int, bool, int* w, int* h, int* descent) override {
    *w = *h = *descent = 0;
  }
  void Text(const std::string&, int, bool, const GRgb&, int, int) override { m_Failed = true; }

 private:
  class Keeper;
  void Apply(const GOverStillRun& r) const;
  void MergeRow(int y) const;
  GOverStillPixels m_Px;
  GOverStillScratch& m_S;
  uint32_t m_Shape = 0;
  bool m_Failed = false;
};
