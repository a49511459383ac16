// Hit testing in world coordinates: picking points, snapping a position onto
// lines, circles and curves, finding two carriers for an intersection, and
// hitting brackets, angle marks and (in pixels) images.
#include <cmath>

#include "geometry/Meet.h"
#include "model/Gesture.h"
#include "model/HitTest.h"

// ---- single-element tests ----

bool LineFoot(const GLine* l, double x, double y, double* fx, double* fy) {
  double a = 0, b = 0, c = 0;
  if (!l->realp(&a, &b, &c)) return false;
  const double n = a * a + b * b;
  if (!(n > 0)) return false;  // the line at infinity has no foot
  const double k = b * x - a * y;
  *fx = (b * k - a * c) / n;
  *fy = -(a * k + b * c) / n;
  return true;
}

Hit LineHit(const GLine* l, double x, double y, double pick2, double* fx, double* fy) {
  double a = 0, b = 0, c = 0;
  if (!l->realp(&a, &b, &c)) return Hit::kNotReal;
  double u = 0, v = 0;
  if (!LineFoot(l, x, y, &u, &v)) return Hit::kMiss;
  if ((u - x) * (u - x) + (v - y) * (v - y) >= pick2) return Hit::kMiss;
  *fx = u;
  *fy = v;
  return Hit::kHit;
}

Hit CircleHit(const GCircle* c, double x, double y, double pick) {
  double p = 0, q = 0, r2 = 0;
  if (!c->realp(&p, &q, &r2)) return Hit::kNotReal;
  const double r = r2 > 0 ? std::sqrt(r2) : 0.0;
  const double d = std::sqrt((p - x) * (p - x) + (q - y) * (q - y));
  return (r - pick < d && d < r + pick) ? Hit::kHit : Hit::kMiss;
}

bool CurveHit(const GParaCurve* c, double x, double y, double pick2, double* qx, double* qy,
              double* index) {
  for (int i = 1; i < c->count && i < kCurveSamples; ++i) {
    const double sx = c->X[i - 1], sy = c->Y[i - 1];
    const double dx = c->X[i] - sx, dy = c->Y[i] - sy;
    const double l2 = dx * dx + dy * dy;
    if (!(l2 > 0)) continue;
    const double s = ((x - sx) * dx + (y - sy) * dy) / l2;
    if (!(s >= 0 && s < 1)) continue;
    const double ux = sx + s * dx, uy = sy + s * dy;
    if ((ux - x) * (ux - x) + (uy - y) * (uy - y) >= pick2) continue;
    *qx = ux;
    *qy = uy;
    if (index) *index = (i - 1) + s;
    return true;
  }
  return false;
}

// The mark spans the turn from its first side by its (signed) value; the
// position's own turn from the first side must lie inside, off both sides.
bool InAngleSector(const GAngle* a, double x, double y) {
  const double vx = x - a->vx.re, vy = y - a->vy.re;
  const double ux = a->d1x.re, uy = a->d1y.re;
  if (vx == 0 && vy == 0) return false;
  const double turn = std::atan2(ux * vy - uy * vx, ux * vx + uy * vy);
  const double value = a->value.re;
  constexpr double kMargin = 0.01;
  if (value > 0) return kMargin < turn && turn < value - kMargin;
  return value + kMargin < turn && turn < -kMargin;
}

// ---- points ----

bool GGesture::NearPoint(GPoint* list, double* x, double* y, GPoint** out) {
  if (out) *out = nullptr;
  for (GPoint* p = list; p; p = p->next) {
    if (p->hidden) continue;
    const CComplex px = p->xz(), py = p->yz();
    const double dx = px.re - *x, dy = py.re - *y;
    if (dx * dx + dy * dy < m_Doc.Viewport().PickDistance2()) {
      if (out) *out = p;
      return true;
    }
  }
  return false;
}

bool GGesture::Snapping(GPoint* list, double* x, double* y, GPoint** out) {
  GPoint* p = nullptr;
  if (!NearPoint(list, x, y, &p)) {
    if (out) *out = nullptr;
    return false;
  }
  *x = p->xz().re;
  *y = p->yz().re;
  if (out) *out = p;
  return true;
}

// ---- carriers, first hit from the head ----

bool GGesture::Snap2Line(GLine* list, double* x, double* y) {
  for (GLine* l = list; l; l = l->next) {
    double fx = 0, fy = 0;
    const Hit h = LineHit(l, *x, *y, m_Doc.Viewport().PickDistance2(), &fx, &fy);
    if (h == Hit::kNotReal) return false;
    if (h == Hit::kHit && !l->hidden) {
      *x = fx;
      *y = fy;
      return true;
    }
  }
  return false;
}

bool GGesture::Snap2Circle(GCircle* list, double* x, double* y) {
  for (GCircle* c = list; c; c = c->next) {
    const Hit h = CircleHit(c, *x, *y, m_Doc.Viewport().PickDistance());
    if (h == Hit::kNotReal) return false;
    if (h == Hit::kHit && !c->hidden && c != m_DrawingCircle) {
      Proj2Circle(c, x, y);
      return true;
    }
  }
  return false;
}

bool GGesture::Snap2Curve(GParaCurve* list, double* x, double* y) {
  for (GParaCurve* c = list; c; c = c->next) {
    if (c->count < 2) return false;
    double qx = 0, qy = 0;
    if (!c->hidden && CurveHit(c, *x, *y, m_Doc.Viewport().PickDistance2(), &qx, &qy)) {
      *x = qx;
      *y = qy;
      return true;
    }
  }
  return false;
}

// ---- up to two carriers, searched from the tail ----
// Each call first searches the rest of the list, then tests its own element:
// the element nearest the tail that is hit becomes `first`, the next one
// towards the head `second`, and the position moves onto both.

int GGesture::Snap2LineEx(GLine* l, double* x, double* y, GLine** first, GLine** second) {
  if (!l) return 0;
  double fx = 0, fy = 0;
  // Not real: ends the walk; nothing after it is searched.
  if (LineHit(l, *x, *y, m_Doc.Viewport().PickDistance2(), &fx, &fy) == Hit::kNotReal) return 0;
  const int r = Snap2LineEx(l->next, x, y, first, second);
  if (r == 2) return 2;
  // The rest may have moved the position; test at the moved one.
  if (LineHit(l, *x, *y, m_Doc.Viewport().PickDistance2(), &fx, &fy) != Hit::kHit || l->hidden)
    return r;
  if (r == 0) {
    *first = l;
    *second = nullptr;
    *x = fx;
    *y = fy;
    return 1;
  }
  // A line parallel to (or lying on) the first has no meeting point to offer:
  // a point made there would sit at infinity and vanish, so the position
  // stays on the first line alone.
  const PointCoords m = Meet(*first, l);
  if (zerop(m.z)) return 1;
  *second = l;
  *x = m.xz().re;
  *y = m.yz().re;
  return 2;
}

int GGesture::Snap2CircleEx(GCircle* c, double* x, double* y, GCircle** first, GCircle** second) {
  if (!c) return 0;
  if (CircleHit(c, *x, *y, m_Doc.Viewport().PickDistance()) == Hit::kNotReal) return 0;
  const int r = Snap2CircleEx(c->next, x, y, first, second);
  if (r == 2) return 2;
  if (CircleHit(c, *x, *y, m_Doc.Viewport().PickDistance()) != Hit::kHit || c->hidden ||
      c == m_DrawingCircle)
    return r;
  if (r == 0) {
    *first = c;
    *second = nullptr;
    Proj2Circle(c, x, y);
    return 1;
  }
  *second = c;
  Meet(*first, c, x, y);
  return 2;
}

int GGesture::Snap2CurveEx(GParaCurve* c, double* x, double* y, GParaCurve** first,
                           GParaCurve** second) {
  if (!c) return 0;
  const int r = Snap2CurveEx(c->next, x, y, first, second);
  if (r > 1) return r;
  double qx = 0, qy = 0;
  if (c->hidden || !CurveHit(c, *x, *y, m_Doc.Viewport().PickDistance2(), &qx, &qy)) return r;
  *x = qx;
  *y = qy;
  if (r == 0) {
    *first = c;
    *second = nullptr;
    return 1;
  }
  *second = c;
  return 2;
}

// ---- brackets, angle marks, images ----

// The handle of a bracket sits at the apex of its arc, on the side its bulge
// points to, at a height of |bulge| times its length.
bool GGesture::Snap2Bracket(GBracket* list, double x, double y) {
  m_PickedBracket = nullptr;
  for (GBracket* b = list; b; b = b->next) {
    if (b->hidden) continue;
    const CComplex x1 = b->x1 / b->z1, y1 = b->y1 / b->z1;
    const CComplex x2 = b->x2 / b->z2, y2 = b->y2 / b->z2;
    if (zerop(b->z1) || zerop(b->z2) || !x1.realp() || !y1.realp() || !x2.realp() || !y2.realp())
      continue;
    const double dx = x2.re - x1.re, dy = y2.re - y1.re;
    const double len = std::sqrt(dx * dx + dy * dy);
    if (len == 0) continue;
    const double s = b->bulge > 0 ? 1.0 : -1.0;
    const double h = std::fabs(b->bulge * len);
    const double ax = (x1.re + x2.re) / 2 + s * (h / len) * (-(y1.re - y2.re));
    const double ay = (y1.re + y2.re) / 2 + s * (h / len) * (x1.re - x2.re);
    if (std::fabs(x - ax) < m_Doc.Viewport().PickDistance() &&
        std::fabs(y - ay) < m_Doc.Viewport().PickDistance()) {
      m_PickedBracket = b;
      return true;
    }
  }
  return false;
}

// Inside the sector and near the drawn arc: between 0.8 and 1.2 times the
// mark's radius, measured in pixels.
bool GGesture::AngleMarkHit(const GAngle* a, double x, double y) {
  if (!a || a->hidden || a->radius <= 0 || !(m_Doc.Viewport().Scale() > 0)) return false;
  if (!InAngleSector(a, x, y)) return false;
  const double dx = x - a->vx.re, dy = y - a->vy.re;
  const double ratio = std::sqrt(dx * dx + dy * dy) / m_Doc.Viewport().Scale() / a->radius;
  return 0.8 < ratio && ratio < 1.2;
}

// The image itself, then four handles of 5 pixels just outside its corners.
int GGesture::Snap2Image(GImage* list, int px, int py) {
  m_PickedImage = nullptr;
  for (GImage* im = list; im; im = im->next) {
    if (im->hidden) continue;
    const int left = im->x, top = im->y;
    const int right = left + im->width, bottom = top + im->height;
    int code = 0, cx = left, cy = top;
    if (left <= px && px <= right && top <= py && py <= bottom) {
      code = 1;
    } else if (left - 5 <= px && px <= left && top - 5 <= py && py <= top) {
      code = 2;
    } else if (left - 5 <= px && px <= left && bottom <= py && py <= bottom + 5) {
      code = 3;
      cy = bottom;
    } else if (right <= px && px <= right + 5 && top - 5 <= py && py <= top) {
      code = 4;
      cx = right;
    } else if (right <= px && px <= right + 5 && bottom <= py && py <= bottom + 5) {
      code = 5;
      cx = right;
      cy = bottom;
    }
    if (code) {
      m_PickedImage = im;
      m_ImageGrabX = px - cx;
      m_ImageGrabY = py - cy;
      return code;
    }
  }
  return 0;
}
