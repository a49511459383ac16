// Moving shapes over the still picture, a band of rows at a time: the
// strokes, chains, fills and pictures become runs of pixels, sorted by row
// (the order within a row kept), and are set row by row. A pixel takes a
// run's colour where the run's item comes later than the still item on top
// and, in the tiles of surface-drawn shapes, than the moving shape already
// there. Row by row the pixels are read as they lie in memory.
#include "render/DrawOverStill.h"

#include <algorithm>

#include "render/DrawTiles.h"

namespace {
constexpr int kTile = GTileMarker::kTile;
constexpr uint32_t kPlace = 0xFFFFFF;
}  // namespace

class GOverStillSurface::Keeper : public GSpanSink {
 public:
  Keeper(std::vector<GOverStillRun>& runs, uint32_t shape, uint32_t colour)
      : m_Runs(runs), m_Shape(shape), m_Colour(colour) {}
  void Row(int y, int x0, int x1) override { m_Runs.push_back({y, x0, x1, m_Shape, m_Colour}); }

 private:
  std::vector<GOverStillRun>& m_Runs;
  uint32_t m_Shape, m_Colour;
};

GOverStillSurface::GOverStillSurface(const GOverStillPixels& px, GOverStillScratch& scratch, int y0,
                                     int y1)
    : m_Px(px), m_S(scratch) {
  m_Px.frame.y0 = std::max(m_Px.frame.y0, y0);
  m_Px.frame.y1 = std::min(m_Px.frame.y1, y1);
  m_S.runs.clear();
  m_S.pictures.clear();
}

void GOverStillSurface::Stroke(const GRgb& c, int width, GPix a, GPix b) {
  if (width <= 0) return;  // a pen of no width draws nothing
  const double o = PenOffset(width);
  const GPixF ends[2] = {{a.x + o, a.y + o}, {b.x + o, b.y + o}};
  StrokeChain(c, width, ends, 2);
}

void GOverStillSurface::StrokeChain(const GRgb& c, int width, const GPixF* pts, int n) {
  if (n < 2 || width <= 0) return;
  Keeper keep(m_S.runs, m_Shape, SpanPixel(c));
  if (!SpanChain(m_Px.frame, keep, width, pts, n)) m_Failed = true;
}

void GOverStillSurface::Fill(const GRgb& c, const GPix* pts, const int* counts, int n) {
  if (n <= 0) return;
  Keeper keep(m_S.runs, m_Shape, SpanPixel(c));
  if (!SpanPolygons(m_Px.frame, keep, pts, counts, n)) m_Failed = true;
}

void GOverStillSurface::Picture(const GRaster& p, int x, int y) {
  if (p.Empty() || p.rgba.size() < (size_t)p.width * p.height * 4) return;
  const GSpanTarget& t = m_Px.frame;
  const int y0 = std::max(t.y0, y), y1 = std::min(t.y1, y + p.height);
  const int x0 = std::max(t.x0, x), x1 = std::min(t.x1, x + p.width);
  if (y0 >= y1 || x0 >= x1) return;
  // A run's colour holds the row's number below 0x1000000.
  if (m_S.pictures.size() + (size_t)(y1 - y0) >= 0x1000000) m_Failed = true;
  for (int py = y0; py < y1 && !m_Failed; ++py) {
    const uint8_t* row = &p.rgba[((size_t)(py - y) * p.width + (x0 - x)) * 4];
    // A pixel that blends with what lies below is the whole drawing's.
    for (int i = 0; i < x1 - x0; ++i)
      if (row[i * 4 + 3] != 0 && row[i * 4 + 3] != 255) m_Failed = true;
    m_S.runs.push_back({py, x0, x1, m_Shape, (uint32_t)m_S.pictures.size()});
    m_S.pictures.push_back(row);
  }
}

void GOverStillSurface::Apply(const GOverStillRun& r) const {
  const GOverStillPixels& px = m_Px;
  uint32_t* const frame = px.frame.data + (size_t)r.y * px.frame.stride;
  const uint32_t* const still = px.stillTop + (size_t)r.y * px.stillStride;
  uint32_t* const moving = px.movingTop + (size_t)r.y * px.movingStride;
  const char* const mixed = px.mixed->data() + (size_t)(r.y / kTile) * px.columns;
  const uint32_t* const tileAbove = px.tileAbove + (size_t)(r.y / kTile) * px.columns;
  const uint32_t* const now = px.now;
  const uint32_t base = px.base, item = (*px.itemOf)[r.shape], shape = r.shape, solid = r.colour;
  const uint8_t* const picture = solid >> 24 ? nullptr : m_S.pictures[solid];
  const int x0 = r.x0, x1 = r.x1;
  // Whether the still item on top at x lies below this shape's item.
  auto over = [still, now, base, item](int x) {
    const uint32_t top = still[x] & kPlace;
    return now[top <= base ? top : 0] < item;
  };
  for (int c = x0 / kTile, last = (x1 - 1) / kTile; c <= last; ++c) {
    const int a = std::max(x0, c * kTile), b = std::min(x1, (c + 1) * kTile);
    const bool look = tileAbove[c] > item;  // a still item may lie above
    if (!picture && !mixed[c]) {
      // The most of a frame: one colour, nothing drawn through a surface.
      if (!look)
        std::fill(frame + a, frame + b, solid);
      else
        for (int x = a; x < b; ++x)
          if (over(x)) frame[x] = solid;
      continue;
    }
    for (int x = a; x < b; ++x) {
      uint32_t colour = solid;
      if (picture) {
        const uint8_t* q = picture + (size_t)(x - x0) * 4;
        if (q[3] == 0) continue;
        colour = SpanPixel(GRgb{q[0], q[1], q[2]});
      }
      if (look && !over(x)) continue;
      if (mixed[c]) {
        if ((moving[x] & kPlace) > shape) continue;
        moving[x] = 0xFF000000u | shape;
      }
      frame[x] = colour;
    }
  }
}

void GOverStillSurface::MergeRow(int y) const {
  const GOverStillPixels& px = m_Px;
  const char* mixed = px.mixed->data() + (size_t)(y / kTile) * px.columns;
  uint32_t* frame = px.frame.data + (size_t)y * px.frame.stride;
  const uint32_t* still = px.stillTop + (size_t)y * px.stillStride;
  const uint32_t* stillPix = px.stillPix + (size_t)y * px.stillPixStride;
  uint32_t* moving = px.movingTop + (size_t)y * px.movingStride;
  const uint32_t *now = px.now, base = px.base;
  const std::vector<uint32_t>& itemOf = *px.itemOf;
  const size_t shapes = itemOf.size();
  for (int c = 0; c < px.columns; ++c) {
    if (!mixed[c]) continue;
    const int from = c * kTile, to = std::min(px.frame.x1, from + kTile);
    uint32_t any = 0;
    for (int x = from; x < to; ++x) any |= moving[x];
    if (!any) continue;
    for (int x = from; x < to; ++x) {
      const uint32_t m = moving[x] & kPlace;
      if (!m) continue;
      moving[x] = 0;
      const uint32_t s = still[x] & kPlace, item = m < shapes ? itemOf[m] : 0;
      if (now[s <= base ? s : 0] > item) frame[x] = stillPix[x];
    }
  }
}

void GOverStillSurface::Sort() {
  // The runs by row, in their order within each row (the painting order).
  const int rows = m_Px.frame.y1 - m_Px.frame.y0, y0 = m_Px.frame.y0;
  std::vector<int>& start = m_S.rowStart;
  start.assign(std::max(0, rows) + 2, 0);
  for (const GOverStillRun& r : m_S.runs) ++start[r.y - y0 + 2];
  for (int y = 0; y < rows; ++y) start[y + 2] += start[y + 1];
  m_S.sorted.resize(m_S.runs.size());
  for (const GOverStillRun& r : m_S.runs) m_S.sorted[start[r.y - y0 + 1]++] = r;
  // start[y - y0] is now where row y begins.
}

bool GOverStillSurface::Finish() {
  // A row's runs lie anywhere along it, in painting order: the rows a few
  // ahead are asked for early, so that their pixels are at hand.
  constexpr int kAhead = 2, kLine = 16;  // rows; pixels of a cache line
  const int y0 = m_Px.frame.y0, y1 = m_Px.frame.y1, width = m_Px.frame.x1;
  const std::vector<int>& start = m_S.rowStart;
  for (int y = y0; y < y1; ++y) {
    const int ahead = y + kAhead - y0;
    if (y + kAhead < y1 && start[ahead] < start[ahead + 1]) {
      const uint32_t* still = m_Px.stillTop + (size_t)(y + kAhead) * m_Px.stillStride;
      const uint32_t* frame = m_Px.frame.data + (size_t)(y + kAhead) * m_Px.frame.stride;
      for (int x = 0; x < width; x += kLine) {
        __builtin_prefetch(still + x);
        __builtin_prefetch(frame + x, 1);
      }
    }
    for (int i = start[y - y0]; i < start[y - y0 + 1]; ++i) Apply(m_S.sorted[i]);
    MergeRow(y);
  }
  return !m_Failed;
}
