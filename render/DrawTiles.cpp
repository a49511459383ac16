// The tile marker: the shapes of the drawing interface as sets of tiles,
// each with a margin for its pen, round ends and the pixel grid.
#include "render/DrawTiles.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "render/DrawIds.h"

namespace {
// A pixel belongs to a shape when its centre does; a margin of two pixels
// beyond half the pen takes rounding of ends and joins.
double Margin(int width) { return width / 2.0 + 2.0; }
}  // namespace

GTileMarker::GTileMarker(int width, int height, GSurface* measure)
    : m_Width(std::max(1, width)),
      m_Height(std::max(1, height)),
      m_Cols((m_Width + kTile - 1) / kTile),
      m_Rows((m_Height + kTile - 1) / kTile),
      m_Measure(measure),
      m_Stamp((size_t)m_Cols * m_Rows, 0),
      m_First((size_t)m_Cols * m_Rows, 0) {}

std::vector<int> GTileMarker::Take() {
  std::vector<int> out;
  out.swap(m_Noted);
  m_Blended = false;
  if (++m_Round == 0) {
    std::fill(m_Stamp.begin(), m_Stamp.end(), 0);
    m_Round = 1;
  }
  return out;
}

void GTileMarker::Note(int tile) {
  if (m_Stamp[tile] == m_Round) return;
  m_Stamp[tile] = m_Round;
  m_First[tile] = m_Place;
  m_Noted.push_back(tile);
}

void GTileMarker::Box(double x0, double y0, double x1, double y1) {
  if (!(x1 >= 0 && y1 >= 0 && x0 < m_Width && y0 < m_Height)) return;  // also NaN
  // Clamped as doubles first: a shape far outside must not overflow an int.
  const int c0 = (int)std::max(0.0, x0) / kTile, r0 = (int)std::max(0.0, y0) / kTile;
  const int c1 = std::min(m_Cols - 1, (int)std::min(x1, (double)m_Width) / kTile);
  const int r1 = std::min(m_Rows - 1, (int)std::min(y1, (double)m_Height) / kTile);
  for (int r = r0; r <= r1; ++r)
    for (int c = c0; c <= c1; ++c) Note(r * m_Cols + c);
}

void GTileMarker::Segment(double ax, double ay, double bx, double by, double margin) {
  // Only the part inside the grid (widened by the margin) can touch a tile:
  // cut the segment to that box first, so far-away ends cost nothing.
  const double lo[2] = {-margin, -margin}, hi[2] = {m_Width + margin, m_Height + margin};
  const double p[2] = {ax, ay}, d[2] = {bx - ax, by - ay};
  double t0 = 0, t1 = 1;
  for (int k = 0; k < 2; ++k) {
    if (d[k] == 0) {
      if (p[k] < lo[k] || p[k] > hi[k]) return;
      continue;
    }
    double u = (lo[k] - p[k]) / d[k], v = (hi[k] - p[k]) / d[k];
    if (u > v) std::swap(u, v);
    t0 = std::max(t0, u);
    t1 = std::min(t1, v);
  }
  if (!(t0 <= t1)) return;
  const double x0 = ax + t0 * d[0], y0 = ay + t0 * d[1];
  const double x1 = ax + t1 * d[0], y1 = ay + t1 * d[1];
  // Samples half a tile apart, each with a box that reaches the margin from
  // every point of the segment between its neighbours.
  const double len = std::hypot(x1 - x0, y1 - y0);
  const double step = kTile / 2.0;
  const int n = std::max(1, (int)std::ceil(len / step));
  const double r = margin + step / 2 + 1;
  for (int i = 0; i <= n; ++i) {
    const double x = x0 + (x1 - x0) * i / n, y = y0 + (y1 - y0) * i / n;
    Box(x - r, y - r, x + r, y + r);
  }
}

void GTileMarker::Ring(double cx, double cy, double r, double margin) {
  const double outer = r + margin;
  if (!(outer >= 0)) return;
  if (r < 2 * kTile) {
    Box(cx - outer, cy - outer, cx + outer, cy + outer);
    return;
  }
  if (!(cx + outer >= 0 && cy + outer >= 0 && cx - outer < m_Width && cy - outer < m_Height))
    return;
  const int c0 = (int)std::max(0.0, cx - outer) / kTile,
            r0 = (int)std::max(0.0, cy - outer) / kTile;
  const int c1 = std::min(m_Cols - 1, (int)std::min(cx + outer, (double)m_Width) / kTile);
  const int r1 = std::min(m_Rows - 1, (int)std::min(cy + outer, (double)m_Height) / kTile);
  const double inner = r - margin;
  for (int row = r0; row <= r1; ++row)
    for (int col = c0; col <= c1; ++col) {
      // Nearest and farthest points of the tile from the centre.
      const double x0 = col * kTile, x1 = x0 + kTile, y0 = row * kTile, y1 = y0 + kTile;
      const double nx = std::clamp(cx, x0, x1) - cx, ny = std::clamp(cy, y0, y1) - cy;
      const double fx = std::max(std::abs(x0 - cx), std::abs(x1 - cx));
      const double fy = std::max(std::abs(y0 - cy), std::abs(y1 - cy));
      if (std::hypot(nx, ny) <= outer && std::hypot(fx, fy) >= inner) Note(row * m_Cols + col);
    }
}

void GTileMarker::Clear(const GRgb&) { Box(0, 0, m_Width, m_Height); }

void GTileMarker::Stroke(const GRgb&, int width, GPix a, GPix b) {
  Segment(a.x, a.y, b.x, b.y, Margin(width));
}

void GTileMarker::StrokeChain(const GRgb&, int width, const GPixF* pts, int n) {
  for (int i = 0; i < n; ++i) {
    const GPixF& b = pts[i + 1 < n ? i + 1 : i];
    Segment(pts[i].x, pts[i].y, b.x, b.y, Margin(width));
  }
}

void GTileMarker::Polyline(const GRgb&, int width, const GPix* pts, int n) {
  for (int i = 0; i < n; ++i) {
    const GPix& b = pts[i + 1 < n ? i + 1 : i];
    Segment(pts[i].x, pts[i].y, b.x, b.y, Margin(width));
  }
}

void GTileMarker::Fill(const GRgb& c, const GPix* pts, const int* counts, int n) {
  for (int k = 0; k < n; ++k) {
    Polygon(GInk::Filled(c), pts, counts[k]);
    pts += counts[k];
  }
}

void GTileMarker::Polygon(const GInk& ink, const GPix* pts, int n) {
  if (n <= 0) return;
  double x0 = pts[0].x, x1 = x0, y0 = pts[0].y, y1 = y0;
  for (int i = 1; i < n; ++i) {
    x0 = std::min(x0, (double)pts[i].x);
    x1 = std::max(x1, (double)pts[i].x);
    y0 = std::min(y0, (double)pts[i].y);
    y1 = std::max(y1, (double)pts[i].y);
  }
  const double m = Margin(ink.width);
  if (!ink.filled && (x1 - x0) + (y1 - y0) > 8 * kTile) {
    // A large outline touches only the tiles along its edges.
    for (int i = 0; i < n; ++i) {
      const GPix& b = pts[(i + 1) % n];
      Segment(pts[i].x, pts[i].y, b.x, b.y, m);
    }
    return;
  }
  Box(x0 - m, y0 - m, x1 + m, y1 + m);
}

void GTileMarker::Circle(const GInk& ink, GPix centre, int radius) {
  const double m = Margin(ink.width);
  if (ink.filled)
    Box(centre.x - radius - m, centre.y - radius - m, centre.x + radius + m, centre.y + radius + m);
  else
    Ring(centre.x, centre.y, radius, m);
}

void GTileMarker::Rectangle(const GInk& ink, int x, int y, int w, int h) {
  const GPix corners[4] = {{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}};
  Polygon(ink, corners, 4);
}

void GTileMarker::EllipticArc(const GInk& ink, int x, int y, int w, int h, double, double) {
  const double m = Margin(ink.width);
  // The whole rim stands for any arc of it; a pie is its whole disc.
  if (!ink.filled && w == h)
    Ring(x + w / 2.0, y + h / 2.0, w / 2.0, m + 1);
  else
    Box(x - m, y - m, x + w + m, y + h + m);
}

void GTileMarker::Picture(const GRaster& picture, int x, int y) {
  // Each picture is looked at once.
  static std::unordered_map<uint64_t, bool> blends;
  if (blends.size() > 20000) blends.clear();
  auto it = blends.find(picture.id);
  if (it == blends.end()) it = blends.emplace(picture.id, Blends(picture)).first;
  m_Blended |= it->second;
  Box(x - 1, y - 1, x + picture.width + 1, y + picture.height + 1);
}

void GTileMarker::TextExtent(const std::string& text, int size, bool bold, int* w, int* h,
                             int* descent) {
  m_Measure->TextExtent(text, size, bold, w, h, descent);
}

void GTileMarker::Text(const std::string& text, int size, bool bold, const GRgb&, int x, int y) {
  int w = 0, h = 0, descent = 0;
  m_Measure->TextExtent(text, size, bold, &w, &h, &descent);
  // Letters may reach a little beyond their box (accents, slanted strokes).
  const double m = 4 + size / 4.0;
  Box(x - m, y - m, x + w + m, y + h + descent + m);
}
