// Drawing of angle marks, brackets (dimension marks between two points), the
// coordinate axes with their ticks and numbers, and the compass circle.
#include <charconv>
#include <cmath>
#include <string>
#include <vector>

#include "render/Draw.h"
#include "model/EvalText.h"

namespace {

struct Vec {
  double x, y;
};

GPix Px(double x, double y) { return GPix{(int)std::floor(x), (int)std::floor(y)}; }

// The pen of one mark: colour and width.
struct Pen {
  GRgb c;
  int width;
};

// Polyline of the arc of radius r about (cx, cy) from screen angle a0 over
// sweep s (screen angles: y downwards).
void Arc(GSurface& out, const Pen& pen, double cx, double cy, double r, double a0, double s) {
  const int n = std::max(4, (int)(std::fabs(s) * r / 3.0));
  std::vector<GPix> pts(n + 1);
  for (int i = 0; i <= n; ++i) {
    const double a = a0 + s * i / n;
    pts[i] = Px(cx + r * std::cos(a), cy + r * std::sin(a));
  }
  out.Polyline(pen.c, pen.width, pts.data(), (int)pts.size());
}

// Screen end point of homogeneous (x : y : z); false at infinity or complex.
bool BracketEnd(const CComplex& x, const CComplex& y, const CComplex& z, const GView& v, Vec* out) {
  if (z.zerop()) return false;
  const CComplex X = x / z, Y = y / z;
  if (!X.realp() || !Y.realp()) return false;
  *out = {(double)v.PixelX(X.re), (double)v.PixelY(Y.re)};
  return true;
}

}  // namespace

void DrawOneAngle(GAngle* a, const GPaint& g, GSurface& out) {
  if (!a || a->hidden || a->fadeLevel > 3) return;
  if (!a->vx.realp() || !a->vy.realp() || !a->d1x.realp() || !a->d1y.realp() || !a->d2x.realp() ||
      !a->d2y.realp())
    return;
  const double o = a->value.re;
  if (o >= -0.05 && o <= 0.05) return;
  // The slide show moves a mark by its pixel offsets.
  const double cx = g.view.PixelX(a->vx.re) + a->offsetDx;
  const double cy = g.view.PixelY(a->vy.re) + a->offsetDy;
  const double r = a->radius * a->widthFactor;
  // Arms on the screen (y downwards); the mark sweeps from the first arm to
  // the second in the sense of the angle's sign.
  const double a1 = std::atan2(-a->d1y.re, a->d1x.re);
  const double a2 = std::atan2(-a->d2y.re, a->d2x.re);
  double s = std::remainder(a2 - a1, 2 * M_PI);  // screen sense: negative is counter-clockwise
  if (o > 0 && s > 0) s -= 2 * M_PI;
  if (o < 0 && s < 0) s += 2 * M_PI;
  const double mid = a1 + s / 2;
  const Vec t{std::cos(mid), std::sin(mid)};  // unit bisector
  const Vec n{-t.y, t.x};                     // across the bisector
  const GRgb col = Faded(GRgb{a->red, a->green, a->blue}, a->fadeLevel, g);
  const Pen pen{col, std::max(1, (int)std::floor(2 * a->widthFactor))};
  if (a->hilighted) Arc(out, Pen{g.look->hilightFrame, pen.width + 4}, cx, cy, r, a1, s);
  auto tick = [&](double shift) {
    out.Stroke(col, pen.width,
               Px(cx + t.x * 0.8 * r + n.x * shift, cy + t.y * 0.8 * r + n.y * shift),
               Px(cx + t.x * 1.2 * r + n.x * shift, cy + t.y * 1.2 * r + n.y * shift));
  };
  switch (a->style) {
    case 1:
      Arc(out, pen, cx, cy, 1.08 * r, a1, s);
      Arc(out, pen, cx, cy, 0.92 * r, a1, s);
      break;
    case 2:
      Arc(out, pen, cx, cy, r, a1, s);
      tick(0);
      break;
    case 3:
      Arc(out, pen, cx, cy, r, a1, s);
      tick(0.15 * r);
      tick(-0.15 * r);
      break;
    case 4:  // "Circle": the arc with a small ring where the bisector meets it
      Arc(out, pen, cx, cy, r, a1, s);
      out.Circle(GInk::Outline(col, pen.width), Px(cx + t.x * r, cy + t.y * r),
                 std::max(2, (int)std::floor(0.2 * r)));
      break;
    case 5:  // the arc with a filled dot inside the angle
      Arc(out, pen, cx, cy, r, a1, s);
      out.Circle(GInk::Both(col, pen.width, col), Px(cx + t.x * 0.6 * r, cy + t.y * 0.6 * r),
                 std::max(2, (int)std::floor(0.1 * r)));
      break;
    case 6: {  // a filled sector, paler than its rim
      std::vector<GPix> pts;
      pts.push_back(Px(cx, cy));
      const int k = std::max(4, (int)(std::fabs(s) * r / 3.0));
      for (int i = 0; i <= k; ++i) {
        const double ang = a1 + s * i / k;
        pts.push_back(Px(cx + r * std::cos(ang), cy + r * std::sin(ang)));
      }
      const int paler = std::min(3, a->fadeLevel + 2);
      out.Polygon(GInk::Both(col, pen.width, Faded(GRgb{a->red, a->green, a->blue}, paler, g)),
                  pts.data(), (int)pts.size());
      out.Circle(GInk::Both(col, pen.width, col), Px(cx + t.x * 0.2 * r, cy + t.y * 0.2 * r), 2);
      break;
    }
    default:
      Arc(out, pen, cx, cy, r, a1, s);
      break;
  }
}

void DrawOneBracket(GBracket* b, const GPaint& g, GSurface& out) {
  if (!b || b->hidden || b->fadeLevel > 3) return;
  Vec p, q;
  if (!BracketEnd(b->x1, b->y1, b->z1, g.view, &p) || !BracketEnd(b->x2, b->y2, b->z2, g.view, &q))
    return;
  p.x += b->offsetDx;
  p.y += b->offsetDy;
  q.x += b->offsetDx;
  q.y += b->offsetDy;
  const GRgb col = Faded(GRgb{b->red, b->green, b->blue}, b->fadeLevel, g);
  const Pen pen{col, b->hilighted ? 6 : std::max(1, (int)std::floor(5 * b->widthFactor - 2))};

  const double N = std::hypot(q.x - p.x, q.y - p.y);
  const Vec t = N > 0 ? Vec{(q.x - p.x) / N, (q.y - p.y) / N} : Vec{1, 0};
  const Vec n{t.y, -t.x};  // a positive height bulges to the left of p->q (upwards for p left of q)
  const Vec M{(p.x + q.x) / 2, (p.y + q.y) / 2};
  double h = b->bulge;
  Vec mark = M;
  if (std::fabs(h) > 0.02) {
    if (N < 0.1) return;
    const double R = std::fabs(h * N);
    const double side = h > 0 ? 1.0 : -1.0;
    const double rho = (R * R + N * N / 4) / (2 * R);
    const Vec apex{M.x + side * n.x * R, M.y + side * n.y * R};
    const Vec C{apex.x - side * n.x * rho, apex.y - side * n.y * rho};
    const double a0 = std::atan2(p.y - C.y, p.x - C.x);
    const double am = std::atan2(apex.y - C.y, apex.x - C.x);
    // The arc is symmetric about the apex: twice the turn from p to the apex.
    const double half = std::remainder(am - a0, 2 * M_PI);
    Arc(out, pen, C.x, C.y, rho, a0, 2 * half);
    mark = apex;
  } else {
    h = 0;
    out.Stroke(col, pen.width, Px(p.x, p.y), Px(q.x, q.y));
  }

  auto line = [&](Vec from, Vec to) {
    out.Stroke(col, pen.width, Px(mark.x + from.x, mark.y + from.y),
               Px(mark.x + to.x, mark.y + to.y));
  };
  switch (b->intField) {
    case 1:
      line({10 * n.x, 10 * n.y}, {-10 * n.x, -10 * n.y});
      break;
    case 2:
      for (double s : {5.0, -5.0})
        line({10 * n.x + s * t.x, 10 * n.y + s * t.y}, {-10 * n.x + s * t.x, -10 * n.y + s * t.y});
      break;
    case 3:
      out.Circle(GInk::Outline(col, pen.width), Px(mark.x, mark.y), 10);
      break;
    case 4:
      line({10 * n.x + 5 * t.x, 10 * n.y + 5 * t.y}, {-10 * n.x - 5 * t.x, -10 * n.y - 5 * t.y});
      line({10 * n.x - 5 * t.x, 10 * n.y - 5 * t.y}, {-10 * n.x + 5 * t.x, -10 * n.y + 5 * t.y});
      break;
    case -1: {
      std::string shown;
      if (!g.doc || EvaluateText(g.doc->FirstConst(), b->label, shown, false) != 0)
        shown = b->label;
      RemoveYenCommaOnText(shown);
      const int size = std::max(1, b->nameFontSize);
      int w = 0, hh = 0, descent = 0;
      out.TextExtent(shown, size, false, &w, &hh, &descent);
      out.Text(shown, size, false, col, (int)std::floor(mark.x) - w / 2,
               (int)std::floor(mark.y) - hh / 2);
      break;
    }
    default:
      break;
  }
}

namespace {

// The step between two numbered places on an axis: 1, 2 or 5 times a power
// of ten, the smallest that leaves at least `minPixels` between the numbers
// at `pixelsPerUnit`. As m * 10^k, so the numbers can be written exactly.
void AxisStep(double pixelsPerUnit, double minPixels, int* m, int* k) {
  *m = 1;
  *k = 0;
  if (!(pixelsPerUnit > 0) || !std::isfinite(pixelsPerUnit)) return;
  *k = static_cast<int>(std::floor(std::log10(minPixels / pixelsPerUnit)));
  for (int tries = 0; tries < 4; ++tries, ++*k)
    for (int mant : {1, 2, 5})
      if (mant * std::pow(10.0, *k) * pixelsPerUnit >= minPixels) {
        *m = mant;
        return;
      }
}

// i steps of m * 10^k as the shortest text that reads back to it, whatever
// the locale ("0.3", not "0.30000000000000004" nor "0,3").
std::string AxisNumber(long i, int m, int k) {
  const double v = k >= 0 ? static_cast<double>(i * m) * std::pow(10.0, k)
                          : static_cast<double>(i * m) / std::pow(10.0, -k);
  char buf[32];
  const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
  return std::string(buf, r.ptr);
}

}  // namespace

std::string AxisLabel(double pixelsPerUnit, long i) {
  int m = 1, k = 0;
  AxisStep(pixelsPerUnit, kAxisLabelGap, &m, &k);
  return AxisNumber(i, m, k);
}

void DrawAxis(const GPaint& g, GSurface& out) {
  const GView& v = g.view;
  const GRgb axis = g.look->axis, tick = g.look->tick;
  auto line = [&](const GRgb& c, int x1, int y1, int x2, int y2) {
    out.Stroke(c, 1, GPix{x1, y1}, GPix{x2, y2});
  };
  if (v.xMin < 0 && 0 < v.xMax) {
    line(axis, v.PixelX(0), v.PixelY(v.yMax), v.PixelX(0), v.PixelY(v.yMin));
    for (double y = std::floor(v.yMin) + 1; y < std::floor(v.yMax) + 1; y += 1)
      line(tick, v.PixelX(-0.05), v.PixelY(y), v.PixelX(0.05), v.PixelY(y));
  }
  if (v.yMin < 0 && 0 < v.yMax) {
    line(axis, v.PixelX(v.xMin), v.PixelY(0), v.PixelX(v.xMax), v.PixelY(0));
    for (double x = std::floor(v.xMin) + 1; x < std::floor(v.xMax) + 1; x += 1)
      line(tick, v.PixelX(x), v.PixelY(0.05), v.PixelX(x), v.PixelY(-0.05));
  }
  DrawAxisNumbers(g, out);
}

// Numbers at round places of both axes, the step following the zoom; the
// origin's 0 once, below and left of it.
void DrawAxisNumbers(const GPaint& g, GSurface& out) {
  const GView& v = g.view;
  const double ppu = std::fabs(static_cast<double>(v.PixelX(1000)) - v.PixelX(0)) / 1000;
  int m = 1, k = 0;
  AxisStep(ppu, kAxisLabelGap, &m, &k);
  const double step = k >= 0 ? m * std::pow(10.0, k) : m / std::pow(10.0, -k);
  const GRgb ink = g.look->tick;
  constexpr int kSize = 10;
  auto put = [&](const std::string& s, int x, int y, bool alignRight, bool centreY) {
    int w = 0, h = 0, descent = 0;
    out.TextExtent(s, kSize, false, &w, &h, &descent);
    out.Text(s, kSize, false, ink, alignRight ? x - w : x - w / 2, centreY ? y - h / 2 : y);
  };
  const bool xAxis = v.yMin < 0 && 0 < v.yMax, yAxis = v.xMin < 0 && 0 < v.xMax;
  if (xAxis) {
    const long first = static_cast<long>(std::ceil(v.xMin / step));
    const long last = static_cast<long>(std::floor(v.xMax / step));
    for (long i = first; i <= last && last - first < 1000; ++i)
      if (i != 0) put(AxisNumber(i, m, k), v.PixelX(i * step), v.PixelY(0) + 4, false, false);
  }
  if (yAxis) {
    const long first = static_cast<long>(std::ceil(v.yMin / step));
    const long last = static_cast<long>(std::floor(v.yMax / step));
    for (long i = first; i <= last && last - first < 1000; ++i)
      if (i != 0) put(AxisNumber(i, m, k), v.PixelX(0) - 4, v.PixelY(i * step), true, true);
  }
  if (xAxis && yAxis) put("0", v.PixelX(0) - 4, v.PixelY(0) + 4, true, false);
}

// A line at every whole unit, where points land when Ctrl snaps them; zoomed
// out until units come closer than kPaperGap pixels, every 2, 5, 10, ...
// units instead, so the paper never turns into a grey blur.
void DrawSquaredPaper(const GPaint& g, GSurface& out) {
  const GView& v = g.view;
  const double ppu = std::fabs(static_cast<double>(v.PixelX(1000)) - v.PixelX(0)) / 1000;
  if (!(ppu > 0)) return;
  double step = 1;
  if (ppu < kPaperGap) {
    int m = 1, k = 0;
    AxisStep(ppu, kPaperGap, &m, &k);
    step = m * std::pow(10.0, k);
  }
  const GRgb ink = Faded(g.look->axis, 3, g);
  const long x0 = static_cast<long>(std::ceil(v.xMin / step));
  const long x1 = static_cast<long>(std::floor(v.xMax / step));
  for (long i = x0; i <= x1 && x1 - x0 < 2000; ++i)
    out.Stroke(ink, 1, GPix{v.PixelX(i * step), 0}, GPix{v.PixelX(i * step), v.height});
  const long y0 = static_cast<long>(std::ceil(v.yMin / step));
  const long y1 = static_cast<long>(std::floor(v.yMax / step));
  for (long i = y0; i <= y1 && y1 - y0 < 2000; ++i)
    out.Stroke(ink, 1, GPix{0, v.PixelY(i * step)}, GPix{v.width, v.PixelY(i * step)});
}

void DrawCompass(const GPaint& g, GSurface& out, GPix centre, int radius) {
  if (radius <= 0) return;
  out.Circle(GInk::Outline(g.look->axis, 1), centre, radius);
}
