// Drawing of circles (whole, or as the arc a clipped circle's incident points
// choose) and of curves (sampled polylines) with the line style's pattern.
#include <algorithm>
#include <cmath>
#include <vector>

#include "render/Draw.h"

namespace {

// The full turn as the figure files have always measured it.
constexpr double kTurn = 6.28;

// Start and end angle of the arc chosen by the first three incident points:
// the arc runs from one outer point through the middle one to the other.
void ArcLimits(double al, double be, double ga, double* start, double* end) {
  if (al >= be && be >= ga) {
    *start = ga;
    *end = al;
  } else if (al >= ga && ga >= be) {
    *start = al;
    *end = ga + kTurn;
  } else if (be <= al && al <= ga) {
    *start = ga;
    *end = al + kTurn;
  } else if (ga <= al && al <= be) {
    *start = al;
    *end = ga + kTurn;
  } else if (al <= ga && ga <= be) {
    *start = ga;
    *end = al + kTurn;
  } else {
    *start = al;
    *end = ga;
  }
}

}  // namespace

void DrawOneCircle(GCircle* c, const GPaint& g, GSurface& s) {
  if (!c || c->hidden) return;
  if (!c->cx.realp() || !c->cy.realp() || !c->r2.realp() || c->r2.re < 0) return;
  const int f = c->fadeLevel;
  if (f > 3) return;
  const GView& v = g.view;
  const int cx = v.PixelX(c->cx.re), cy = v.PixelY(c->cy.re);
  const int r = (int)std::floor(std::sqrt(c->r2.re) / v.scale);
  if (r < 1) return;  // too small to carry a pattern
  if (cx + r < 0 || cx - r > v.width || cy + r < 0 || cy - r > v.height) return;

  const GLnRgn& st = g.look->LineSlot(c->lineStyle);
  const double delta = (st.period > 0 ? st.period : 1.0) / r;
  double start = 0.0, end = kTurn;
  if (c->toolMark && c->icCount > 2) {
    if (g.doc) g.doc->Relations().ResetCircleIcPara(c);
    const GIncident* i1 = c->ics.head;
    const GIncident* i2 = i1 ? i1->next : nullptr;
    const GIncident* i3 = i2 ? i2->next : nullptr;
    if (i3) ArcLimits(i1->param.re, i2->param.re, i3->param.re, &start, &end);
  }
  const double span = end - start;
  const double rest = span - std::floor(span / delta) * delta;
  const double w = c->widthFactor;
  const int dx = c->offsetDx + cx, dy = c->offsetDy + cy;

  // Kept between calls: a repaint draws hundreds of circles.
  static std::vector<GPix> pts;
  static std::vector<int> counts;
  static std::vector<GPixF> chain;
  for (int li = c->hilighted ? 0 : 1; li < st.layers; ++li) {
    const GLnLayer& layer = st.layer[li];
    if (layer.n < 2) continue;
    const GRgb col = Faded(layer.colour, f, g);
    if (layer.n == 2 && !s.Raster()) {
      // A vector surface gets the stroke as one circle or arc. Screen angles
      // turn clockwise (y points down); the surface's turn counter-clockwise.
      const GInk ink = GInk::Outline(col, StrokeWidth(w));
      if (end - start >= kTurn)
        s.Circle(ink, GPix{dx, dy}, r);
      else
        s.EllipticArc(ink, dx - r, dy - r, 2 * r, 2 * r, -end * 180 / M_PI, -start * 180 / M_PI);
      continue;
    }
    pts.clear();
    counts.clear();
    // A vector surface that draws the whole beads itself leaves the last
    // one, cut where the circle or arc ends, to the loop below. The beads'
    // angles are counted as the loop steps them. (A window's picture takes
    // its beads as polygons: a repaint does not count them first.)
    double phi = start;
    if (layer.n >= 3 && !s.Raster()) {
      int whole = 0;
      double lastPhi = start;
      for (double t = start; t < end; t += delta) lastPhi = t, ++whole;
      --whole;
      GPixF shape[kMaxLayerVertices];
      for (int j = 0; j < layer.n; ++j) shape[j] = GPixF{(double)layer.v[j].x, layer.v[j].y * w};
      if (whole > 0 && s.PatternAround(GPatternLayer{col, shape, layer.n, st.period},
                                       GPixF{(double)dx, (double)dy}, r, start, delta, whole))
        phi = lastPhi;
    }
    // Each vertex of a bead lies at a fixed turn du from the bead's angle:
    // its direction is the bead's turned by du, so one sine and cosine per
    // bead serve all its vertices (a circle has hundreds of beads).
    double cosDu[kMaxLayerVertices], sinDu[kMaxLayerVertices], rr[kMaxLayerVertices];
    for (int j = 0; j < layer.n; ++j) {
      const double du = (double)layer.v[j].x / r;
      cosDu[j] = std::cos(du);
      sinDu[j] = std::sin(du);
      rr[j] = r + layer.v[j].y * w;
    }
    // The beads' directions turn by delta from one to the next: each is the
    // one before turned once more (the drift over a circle's few hundred
    // beads stays far below a pixel's width).
    const double cosDelta = std::cos(delta), sinDelta = std::sin(delta);
    double co = std::cos(phi), si = std::sin(phi);
    for (; phi < end; phi += delta) {
      const bool last = phi + delta >= end;
      for (int j = 0; j < layer.n; ++j) {
        double c = co * cosDu[j] - si * sinDu[j], sn = si * cosDu[j] + co * sinDu[j];
        if (last) {
          // The last bead is cut short where the circle or arc ends.
          const double du = std::min(rest, (double)layer.v[j].x / r);
          c = std::cos(phi + du);
          sn = std::sin(phi + du);
        }
        pts.push_back(GPix{dx + (int)std::floor(rr[j] * c), dy + (int)std::floor(rr[j] * sn)});
      }
      counts.push_back(layer.n);
      const double turned = co * cosDelta - si * sinDelta;
      si = si * cosDelta + co * sinDelta;
      co = turned;
    }
    if (counts.empty()) continue;
    if (layer.n == 2) {
      // Stroke layer: the chord from vertex 0 to vertex 1 of every step. Each
      // chord ends where the next begins, so they go out as one connected
      // stroke, through the pixel centres.
      chain.clear();
      for (size_t i = 0; i + 1 < pts.size(); i += 2)
        chain.push_back(GPixF{pts[i].x + 0.5, pts[i].y + 0.5});
      chain.push_back(GPixF{pts.back().x + 0.5, pts.back().y + 0.5});
      s.StrokeChain(col, StrokeWidth(w), chain.data(), (int)chain.size());
    } else {
      s.Fill(col, pts.data(), counts.data(), (int)counts.size());
    }
  }
}

void DrawOneCurve(GParaCurve* c, const GPaint& g, GSurface& s) {
  if (!c || c->hidden || c->count <= 0) return;
  const int f = c->fadeLevel;
  if (f > 3) return;
  const GView& v = g.view;
  const GLnRgn& st = g.look->LineSlot(c->lineStyle);
  const double a = st.period > 0 ? st.period : 1.0;
  const int n = std::min(c->count, kCurveSamples);
  auto inside = [&](int i) {
    return c->X[i] > v.xMin && c->X[i] < v.xMax && c->Y[i] > v.yMin && c->Y[i] < v.yMax;
  };
  const int dx = c->offsetDx, dy = c->offsetDy;

  if (g.quickCurves) {
    // While a drag runs only the samples are shown, which keeps it fast.
    const GRgb col = Faded(st.layer[std::min(1, st.layers - 1)].colour, f, g);
    const GInk ink = GInk::Both(col, 1, col);
    for (int i = 0; i < n; ++i) {
      if (!inside(i)) continue;
      s.Rectangle(ink, (int)std::floor(v.ScreenX(c->X[i])) - 2 + dx,
                  (int)std::floor(v.ScreenY(c->Y[i])) - 2 + dy, 5, 5);
    }
    return;
  }

  GPix poly[kMaxLayerVertices];
  for (int i = 1; i < n; ++i) {
    if (!inside(i - 1) && !inside(i)) continue;
    const double px = v.ScreenX(c->X[i - 1]), py = v.ScreenY(c->Y[i - 1]);
    const double qx = v.ScreenX(c->X[i]), qy = v.ScreenY(c->Y[i]);
    const double len = std::hypot(qx - px, qy - py);
    const double k = len / a;
    if (k >= 3) continue;  // a long chord bridges a gap of the graph
    const double th = std::atan2(qy - py, qx - px);
    const double co = std::cos(th), si = std::sin(th);
    for (int li = c->hilighted ? 0 : 1; li < st.layers; ++li) {
      const GLnLayer& layer = st.layer[li];
      const GRgb col = Faded(layer.colour, f, g);
      if (layer.n == 2) {
        s.Stroke(col, StrokeWidth(c->widthFactor),
                 GPix{(int)std::floor(px) + dx, (int)std::floor(py) + dy},
                 GPix{(int)std::floor(qx) + dx, (int)std::floor(qy) + dy});
      } else if (layer.n > 2) {
        for (int j = 0; j < layer.n; ++j) {
          const double u = layer.v[j].x * k, vv = layer.v[j].y;
          poly[j] = GPix{(int)std::floor(px + co * u - si * vv) + dx,
                         (int)std::floor(py + si * u + co * vv) + dy};
        }
        s.Polygon(GInk::Filled(col), poly, layer.n);
      }
    }
  }
}
