// Crisp solid shapes set straight into 32-bit pixels: a pixel takes the
// colour when its centre lies inside the shape. This is how every picture of
// pixels draws the figure's strokes and pattern beads, so that the window, a
// frame over the still picture and an exported picture set the same pixels,
// at a fraction of what a general rasteriser spends on so many small shapes.
#pragma once

#include <cstdint>

#include "render/Surface.h"

// Pixels row after row, `stride` pixels apart, and the rectangle [x0, x1) x
// [y0, y1) that may be written (it lies within the pixels).
struct GSpanTarget {
  uint32_t* data = nullptr;
  int stride = 0;
  int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

// The pixel value of an opaque colour (as cairo keeps it: 0xFFRRGGBB).
inline uint32_t SpanPixel(const GRgb& c) {
  return 0xFF000000u | (uint32_t)(c.r & 255) << 16 | (uint32_t)(c.g & 255) << 8 |
         (uint32_t)(c.b & 255);
}

// Where the rows of a shape go: [x0, x1) of row y, within the target's
// rectangle. The plain one sets them to one pixel value; a frame over a
// still picture sets only those no still item lies above.
class GSpanSink {
 public:
  virtual ~GSpanSink() = default;
  virtual void Row(int y, int x0, int x1) = 0;
};
class GSpanFill : public GSpanSink {
 public:
  GSpanFill(const GSpanTarget& t, uint32_t v) : m_T(t), m_V(v) {}
  void Row(int y, int x0, int x1) override;

 private:
  const GSpanTarget& m_T;
  uint32_t m_V;
};

// n polygons of counts[i] vertices each, one after the other in pts, each
// filled by the non-zero winding rule (together: their union). Both give
// false, and set nothing, for a shape too far out to be worked out exactly
// (beyond ten million pixels), which the caller then draws otherwise.
bool SpanPolygons(const GSpanTarget& t, GSpanSink& sink, const GPix* pts, const int* counts, int n);
// A stroke `width` pixels wide with round ends and joins: the points nearer
// than width / 2 to one of the segments between consecutive points.
bool SpanChain(const GSpanTarget& t, GSpanSink& sink, double width, const GPixF* pts, int n);
// The same, each pixel set to v.
inline bool SpanPolygons(const GSpanTarget& t, uint32_t v, const GPix* pts, const int* counts,
                         int n) {
  GSpanFill fill(t, v);
  return SpanPolygons(t, fill, pts, counts, n);
}
inline bool SpanChain(const GSpanTarget& t, uint32_t v, double width, const GPixF* pts, int n) {
  GSpanFill fill(t, v);
  return SpanChain(t, fill, width, pts, n);
}
