// Drawing of lines: the visible chord of a line within the view (for a
// segment, only as far as its outermost incident points reach), pushed past
// the window border, and the line style's pattern repeated along it.
#include <algorithm>
#include <cmath>
#include <vector>

#include "render/Draw.h"

namespace {

struct WorldPt {
  double x, y;
};

// The part of the chord c1-c2 between the outermost points P and Q of a
// segment; false when nothing of the segment lies in the view.
bool CutToSegment(WorldPt P, WorldPt Q, WorldPt& c1, WorldPt& c2) {
  // Parameters along P->Q, measured in x (in y for a vertical segment).
  auto param = [&](WorldPt c) {
    if (P.x != Q.x) return (c.x - P.x) / (Q.x - P.x);
    return (c.y - P.y) / (Q.y - P.y);
  };
  const double t1 = param(c1), t2 = param(c2);
  const WorldPt e1 = c1, e2 = c2;
  if (t1 < 0) {
    if (t2 < 0) return false;
    c1 = P;
    c2 = t2 < 1 ? e2 : Q;
  } else if (t1 < 1) {
    c1 = e1;
    c2 = t2 < 0 ? P : (t2 < 1 ? e2 : Q);
  } else {
    if (t2 >= 1) return false;
    if (t2 < 0) {
      c1 = P;
      c2 = Q;
    } else {
      c1 = e2;
      c2 = Q;
    }
  }
  return true;
}

// Affine real position of an incident record's point.
WorldPt PointOf(const GIncident* ic) {
  const GPoint* p = ic->point;
  return {p->xz().re, p->yz().re};
}

}  // namespace

bool GetGeomXY(GLine* l, const GPaint& g, double* x1, double* y1, double* x2, double* y2) {
  if (!l || l->hidden) return false;
  double a, b, c;
  if (!l->realp(&a, &b, &c)) return false;
  const GView& v = g.view;

  // The chord of the line inside the view box (strict, so a line lying on the
  // border itself is not drawn).
  WorldPt ends[4];
  int n = 0;
  if (b != 0) {
    for (double x : {v.xMin, v.xMax}) {
      const double y = -(a * x + c) / b;
      if (y > v.yMin && y < v.yMax) ends[n++] = {x, y};
    }
  }
  if (a != 0) {
    for (double y : {v.yMax, v.yMin}) {
      const double x = -(b * y + c) / a;
      if (x > v.xMin && x < v.xMax) ends[n++] = {x, y};
    }
  }
  if (n < 2) return false;
  WorldPt e1 = ends[0], e2 = ends[1];

  if (l->toolMark && l->icCount < 0) {
    // An afterimage keeps the ends its source was drawn with.
    e1 = {l->ex1, l->ey1};
    e2 = {l->ex2, l->ey2};
  } else if (l->toolMark && l->icCount >= 2) {
    if (g.doc) g.doc->Relations().ResetLineIcPara(l);
    GIncident *lo = nullptr, *hi = nullptr;
    FindLineends(l->ics.head, &lo, &hi);
    if (lo && hi && lo != hi) {
      if (!CutToSegment(PointOf(lo), PointOf(hi), e1, e2)) return false;
    }
    l->ex1 = e1.x;
    l->ey1 = e1.y;
    l->ex2 = e2.x;
    l->ey2 = e2.y;
  }

  if (e2.x < e1.x) std::swap(e1, e2);
  double sx1 = v.ScreenX(e1.x), sy1 = v.ScreenY(e1.y);
  double sx2 = v.ScreenX(e2.x), sy2 = v.ScreenY(e2.y);

  // Ends on the window border move outwards by the style's margin, so that
  // the pattern runs on out of the window instead of stopping at its edge.
  const double m = g.look->LineSlot(l->lineStyle).margin;
  const double th = std::atan2(sy2 - sy1, sx2 - sx1);
  const double co = std::cos(th), si = std::sin(th);
  const double ta = std::fabs(std::tan(th));
  const bool canSlide = std::fabs(si) > 1e-9;  // a level chord has no top/bottom push
  const double k = canSlide ? co * m / si : 0.0;
  const double right = 2.0 * v.centerX, bottom = 2.0 * v.centerY;
  if (std::fabs(sx1) < 0.5) {
    sx1 -= co * ta * m;
    sy1 -= si * ta * m;
  } else if (canSlide && std::fabs(sy1) < 0.5) {
    sx1 -= co * k;
    sy1 -= co * m;
  } else if (canSlide && std::fabs(sy1 - bottom) < 0.5) {
    sx1 += co * k;
    sy1 += co * m;
  }
  if (std::fabs(sx2 - right) < 0.5) {
    sx2 += co * ta * m;
    sy2 += si * ta * m;
  } else if (canSlide && std::fabs(sy2) < 0.5) {
    sx2 -= co * k;
    sy2 -= co * m;
  } else if (canSlide && std::fabs(sy2 - bottom) < 0.5) {
    sx2 += co * k;
    sy2 += co * m;
  }
  *x1 = sx1;
  *y1 = sy1;
  *x2 = sx2;
  *y2 = sy2;
  return true;
}

void DrawOneLine(GLine* l, const GPaint& g, GSurface& s) {
  double x1, y1, x2, y2;
  if (!l || !GetGeomXY(l, g, &x1, &y1, &x2, &y2)) return;
  const int f = l->fadeLevel;
  if (f > 3) return;
  const GLnRgn& st = g.look->LineSlot(l->lineStyle);
  const double w = l->widthFactor;
  const double th = std::atan2(y2 - y1, x2 - x1);
  const double co = std::cos(th), si = std::sin(th);
  const double len = std::hypot(x2 - x1, y2 - y1);
  const double a = st.period > 0 ? st.period : 1.0;
  const int periods = (int)std::floor(len / a) + 1;
  const double rest = std::floor(len - (periods - 1) * a);
  const int dx = l->offsetDx, dy = l->offsetDy;

  // Kept between calls: a repaint draws hundreds of lines.
  static std::vector<GPix> pts;
  static std::vector<int> counts;
  for (int li = l->hilighted ? 0 : 1; li < st.layers; ++li) {
    const GLnLayer& layer = st.layer[li];
    const GRgb col = Faded(layer.colour, f, g);
    if (layer.n == 2) {
      s.Stroke(col, StrokeWidth(w), GPix{(int)std::floor(x1) + dx, (int)std::floor(y1) + dy},
               GPix{(int)std::floor(x2) + dx, (int)std::floor(y2) + dy});
      continue;
    }
    if (layer.n < 3) continue;
    if (!s.Raster()) {
      // A vector surface may take the whole pattern at once.
      GPixF shape[kMaxLayerVertices];
      for (int j = 0; j < layer.n; ++j) shape[j] = GPixF{(double)layer.v[j].x, layer.v[j].y * w};
      if (s.PatternAlong(GPatternLayer{col, shape, layer.n, a}, GPixF{x1 + dx, y1 + dy}, co, si,
                         len))
        continue;
    }
    // All periods of a layer go out in one fill: same colour, same fill rule.
    pts.clear();
    counts.clear();
    for (int i = 0; i < periods; ++i) {
      const double bx = x1 + co * a * i, by = y1 + si * a * i;
      for (int j = 0; j < layer.n; ++j) {
        double u = layer.v[j].x;
        if (i == periods - 1) u = std::min(rest, u);
        const double vv = layer.v[j].y * w;
        pts.push_back(GPix{(int)std::floor(bx + co * u - si * vv) + dx,
                           (int)std::floor(by + si * u + co * vv) + dy});
      }
      counts.push_back(layer.n);
    }
    // Filled without an outline: stroking thousands of small shapes would
    // cost more than the rest of the frame, and the fill alone is the shape.
    s.Fill(col, pts.data(), counts.data(), (int)counts.size());
  }
}
