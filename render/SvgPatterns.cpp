// The line styles' patterns in SVG. Along a straight line: one rectangle,
// turned along the line, filled with a tile that holds one period of the
// shape. Around a circle: a marker of one copy at each copy's place on a path
// that is itself not drawn. Either way a copy costs no element of its own.
#include <algorithm>
#include <cmath>

#include "render/SvgSurface.h"

namespace {

constexpr size_t kRoom = 256;

// "x y x y ... z" of the shape's vertices moved by (du, dv), v turned by sign.
char* PutShape(char* p, const std::vector<GPixF>& shape, double du, double dv, double sign) {
  *p++ = 'M';
  for (size_t j = 0; j < shape.size(); ++j) {
    if (j) *p++ = ' ';
    p = PutNum(p, shape[j].x + du);
    *p++ = ' ';
    p = PutNum(p, sign * shape[j].y + dv);
  }
  *p++ = 'z';
  return p;
}

bool SameShape(const std::vector<GPixF>& a, const GPixF* b, int n) {
  if ((int)a.size() != n) return false;
  for (int j = 0; j < n; ++j)
    if (a[j].x != b[j].x || a[j].y != b[j].y) return false;
  return true;
}

}  // namespace

int GSvgSurface::PatternDefinition(bool marker, const GPatternLayer& layer) {
  for (size_t i = 0; i < m_PatternDefs.size(); ++i) {
    const PatternDef& d = m_PatternDefs[i];
    if (d.marker == marker && d.colour == layer.colour && d.period == layer.period &&
        SameShape(d.shape, layer.shape, layer.n))
      return (int)i;
  }
  PatternDef d{marker, layer.colour, layer.period,
               std::vector<GPixF>(layer.shape, layer.shape + layer.n), 0};
  double lo = d.shape[0].x, hi = lo, across = 0;
  for (const GPixF& v : d.shape) {
    lo = std::min(lo, v.x);
    hi = std::max(hi, v.x);
    across = std::max(across, std::fabs(v.y));
  }
  const int id = (int)m_PatternDefs.size();
  char* p = m_Out.Room(kRoom + d.shape.size() * 2 * (kNumBytes + 1));
  if (marker) {
    // The marker's own x runs along the path, its y to the path's right,
    // which on a circle drawn clockwise is inwards: across turns over.
    d.offset = (lo + hi) / 2;
    p = Put(p, "<defs><marker id=\"b");
    p = PutInt(p, id);
    p = Put(p,
            "\" markerUnits=\"userSpaceOnUse\" orient=\"auto\" overflow=\"visible\"><path fill=\"");
    p = PutColour(p, d.colour);
    p = Put(p, "\" d=\"");
    p = PutShape(p, d.shape, -d.offset, 0, -1);
    p = Put(p, "\"/></marker></defs>\n");
  } else {
    // The tile spans one period along and the shape's whole width across,
    // the course running through its middle.
    d.offset = std::ceil(across) + 1;
    p = Put(p, "<defs><pattern id=\"t");
    p = PutInt(p, id);
    p = Put(p, "\" patternUnits=\"userSpaceOnUse\" width=\"");
    p = PutNum(p, d.period);
    p = Put(p, "\" height=\"");
    p = PutNum(p, 2 * d.offset);
    p = Put(p, "\"><path fill=\"");
    p = PutColour(p, d.colour);
    p = Put(p, "\" d=\"");
    p = PutShape(p, d.shape, 0, d.offset, 1);
    p = Put(p, "\"/></pattern></defs>\n");
  }
  m_Out.Done(p);
  m_PatternDefs.push_back(std::move(d));
  return id;
}

bool GSvgSurface::PatternAlong(const GPatternLayer& layer, GPixF from, double co, double si,
                               double length) {
  if (layer.n < 3 || !(layer.period > 0) || !(length > 0) || !std::isfinite(length)) return false;
  const int id = PatternDefinition(false, layer);
  const double half = m_PatternDefs[id].offset;
  // The rectangle's corner lies half the tile's height to the course's left.
  char* p = Put(m_Out.Room(kRoom), "<rect width=\"");
  p = PutNum(p, length);
  p = Put(p, "\" height=\"");
  p = PutNum(p, 2 * half);
  p = Put(p, "\" fill=\"url(#t");
  p = PutInt(p, id);
  p = Put(p, ")\" transform=\"translate(");
  p = PutNum(p, from.x + si * half);
  *p++ = ' ';
  p = PutNum(p, from.y - co * half);
  p = Put(p, ") rotate(");
  p = PutNum(p, std::atan2(si, co) * 180 / M_PI);
  m_Out.Done(Put(p, ")\"/>\n"));
  return true;
}

bool GSvgSurface::PatternAround(const GPatternLayer& layer, GPixF centre, double radius,
                                double start, double step, int count) {
  if (layer.n < 3 || count < 1 || !(radius > 0) || !std::isfinite(radius) || !(step > 0))
    return false;
  const int id = PatternDefinition(true, layer);
  // The path runs through the copies' middles in whole pixels (as the
  // window places its beads), with a place before the first and after the
  // last, so that every copy is a middle vertex: a marker there lies along
  // the circle's tangent.
  char* p = Put(m_Out.Room(kRoom), "<path fill=\"none\" marker-mid=\"url(#b");
  p = PutInt(p, id);
  p = Put(p, ")\" d=\"M");
  const double first = start + m_PatternDefs[id].offset / radius - step;
  const double cosStep = std::cos(step), sinStep = std::sin(step);
  double co = std::cos(first), si = std::sin(first);
  // The nearest whole pixel, halves away from zero; far beyond any picture
  // (or not a number) held at its edge of the range.
  auto pixel = [](double v) -> int64_t {
    if (!(v > -1e12)) return v < 0 ? (int64_t)-1e12 : 0;
    if (v > 1e12) return (int64_t)1e12;
    return (int64_t)(v < 0 ? v - 0.5 : v + 0.5);
  };
  int64_t x = pixel(centre.x + radius * co), y = pixel(centre.y + radius * si);
  p = PutInt(p, x);
  *p++ = ' ';
  p = PutInt(p, y);
  *p++ = 'l';
  m_Out.Done(p);
  for (int i = 0; i <= count; ++i) {
    // Each place is the one before turned once more about the centre.
    const double turned = co * cosStep - si * sinStep;
    si = si * cosStep + co * sinStep;
    co = turned;
    const int64_t nx = pixel(centre.x + radius * co), ny = pixel(centre.y + radius * si);
    p = m_Out.Room(2 * kNumBytes + 2);
    if (i) *p++ = ' ';
    p = PutInt(p, nx - x);
    if (ny - y >= 0) *p++ = ' ';
    p = PutInt(p, ny - y);
    m_Out.Done(p);
    x = nx;
    y = ny;
  }
  m_Out.Done(Put(m_Out.Room(8), "\"/>\n"));
  return true;
}
