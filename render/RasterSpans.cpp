// Crisp solid shapes into 32-bit pixels, row by row: a polygon's rows cross
// its edges, and between crossings of non-zero winding the pixels whose
// centres lie there take the colour; a stroke is the union of a rectangle
// along each segment and a disc at each point, each painted on its own (a
// solid colour painted twice is painted once).
#include "render/RasterSpans.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Shapes beyond this many pixels from the picture are left to the caller:
// their rows would be worked out in numbers too large to be exact.
constexpr double kFar = 1e7;

struct Edge {
  double top, bottom;  // the rows' centres it crosses: top <= y < bottom
  double x0, y0;       // a point of it
  double slope;        // x per y
  int dir;             // +1 downwards, -1 upwards
};
struct Crossing {
  double x;
  int dir;
};

thread_local std::vector<Edge> t_Edges;
thread_local std::vector<Crossing> t_Crossings;

// The least whole number not below v, for v within the picture's reach.
inline double Ceil(double v) {
  const double t = (double)(long long)v;
  return t < v ? t + 1 : t;
}

void Span(const GSpanTarget& t, GSpanSink& sink, int y, double from, double to) {
  // The pixels whose centres x + 0.5 lie in [from, to).
  const double lo = Ceil(std::max((double)t.x0, from - 0.5));
  const double hi = Ceil(std::min((double)t.x1, to - 0.5));
  if (lo < hi) sink.Row(y, (int)lo, (int)hi);
}

// The rows [first, last] of the picture whose centres y + 0.5 lie in [top, bottom).
bool Rows(const GSpanTarget& t, double top, double bottom, int* first, int* last) {
  const double a = Ceil(std::max((double)t.y0, top - 0.5));
  const double b = Ceil(std::min((double)t.y1, bottom - 0.5)) - 1;
  if (!(a <= b)) return false;
  *first = (int)a;
  *last = (int)b;
  return true;
}

bool Near(double x, double y) { return std::fabs(x) < kFar && std::fabs(y) < kFar; }

// One polygon by the non-zero rule.
template <class P>
void Polygon(const GSpanTarget& t, GSpanSink& sink, const P* pts, int n) {
  std::vector<Edge>& edges = t_Edges;
  edges.clear();
  double top = INFINITY, bottom = -INFINITY;
  for (int i = 0; i < n; ++i) {
    const P& a = pts[i];
    const P& b = pts[i + 1 < n ? i + 1 : 0];
    if (a.y == b.y) continue;
    Edge e;
    e.dir = b.y > a.y ? 1 : -1;
    e.top = std::min<double>(a.y, b.y);
    e.bottom = std::max<double>(a.y, b.y);
    e.x0 = a.x;
    e.y0 = a.y;
    e.slope = (double)(b.x - a.x) / (double)(b.y - a.y);
    edges.push_back(e);
    top = std::min(top, e.top);
    bottom = std::max(bottom, e.bottom);
  }
  int first = 0, last = -1;
  if (edges.size() < 2 || !Rows(t, top, bottom, &first, &last)) return;
  std::vector<Crossing>& xs = t_Crossings;
  for (int y = first; y <= last; ++y) {
    const double cy = y + 0.5;
    xs.clear();
    for (const Edge& e : edges)
      if (cy >= e.top && cy < e.bottom) xs.push_back({e.x0 + (cy - e.y0) * e.slope, e.dir});
    // A handful of crossings: sorted in place.
    for (size_t i = 1; i < xs.size(); ++i)
      for (size_t j = i; j > 0 && xs[j].x < xs[j - 1].x; --j) std::swap(xs[j], xs[j - 1]);
    int winding = 0;
    for (size_t i = 0; i + 1 < xs.size(); ++i) {
      winding += xs[i].dir;
      if (winding != 0) Span(t, sink, y, xs[i].x, xs[i + 1].x);
    }
  }
}

// The points nearer than r to c.
void Disc(const GSpanTarget& t, GSpanSink& sink, GPixF c, double r) {
  int first = 0, last = -1;
  if (!Rows(t, c.y - r, c.y + r, &first, &last)) return;
  const double r2 = r * r;
  for (int y = first; y <= last; ++y) {
    const double dy = y + 0.5 - c.y, w2 = r2 - dy * dy;
    if (w2 <= 0) continue;
    const double w = std::sqrt(w2);
    // Open at both ends: [from, to) shifted by the least step.
    Span(t, sink, y, std::nextafter(c.x - w, INFINITY), c.x + w);
  }
}

// The rectangle 2r wide along a to b: the points whose distance across the
// course is in [-r, r) and whose way along it is in [0, length). On each row
// both are stretches of x that move linearly with the row.
void Band(const GSpanTarget& t, GSpanSink& sink, GPixF a, GPixF b, double r) {
  const double dx = b.x - a.x, dy = b.y - a.y, len = std::hypot(dx, dy);
  if (!(len > 0)) return;
  const double ux = dx / len, uy = dy / len, nx = -uy, ny = ux;
  int first = 0, last = -1;
  const double reach = r * std::fabs(ny);
  if (!Rows(t, std::min(a.y, b.y) - reach, std::max(a.y, b.y) + reach, &first, &last)) return;
  // The stretch of x where lo <= (x - a.x) * k + c < hi (k the slope of
  // the measure along x, c its part from the row).
  auto stretch = [&](double k, double c, double lo, double hi, double* from, double* to) {
    if (k == 0) {
      if (c < lo || c >= hi) return false;
      *from = -INFINITY, *to = INFINITY;
      return true;
    }
    const double p = a.x + (lo - c) / k, q = a.x + (hi - c) / k;
    *from = std::min(p, q), *to = std::max(p, q);
    return true;
  };
  for (int y = first; y <= last; ++y) {
    const double ry = y + 0.5 - a.y;
    double f1, t1, f2, t2;
    if (!stretch(nx, ry * ny, -r, r, &f1, &t1) || !stretch(ux, ry * uy, 0, len, &f2, &t2)) continue;
    Span(t, sink, y, std::max(f1, f2), std::min(t1, t2));
  }
}

}  // namespace

void GSpanFill::Row(int y, int x0, int x1) {
  uint32_t* row = m_T.data + (size_t)y * m_T.stride;
  std::fill(row + x0, row + x1, m_V);
}

bool SpanPolygons(const GSpanTarget& t, GSpanSink& sink, const GPix* pts, const int* counts,
                  int n) {
  int total = 0;
  for (int i = 0; i < n; ++i) {
    if (counts[i] < 0) return false;
    total += counts[i];
  }
  for (int i = 0; i < total; ++i)
    if (!Near(pts[i].x, pts[i].y)) return false;
  for (int i = 0; i < n; pts += counts[i], ++i)
    if (counts[i] > 2) Polygon(t, sink, pts, counts[i]);
  return true;
}

bool SpanChain(const GSpanTarget& t, GSpanSink& sink, double width, const GPixF* pts, int n) {
  if (n < 1 || !(width > 0)) return false;
  for (int i = 0; i < n; ++i)
    if (!Near(pts[i].x, pts[i].y)) return false;
  const double r = width / 2;
  for (int i = 0; i < n; ++i) {
    Disc(t, sink, pts[i], r);
    if (i + 1 < n) Band(t, sink, pts[i], pts[i + 1], r);
  }
  return true;
}
