// Joins, intersections and projections over the complex numbers: two lines,
// a line and a circle, the nearest point of a circle, and an approximate
// meeting point of two circles found by alternating projections.
#include "geometry/Meet.h"

#include <cmath>

// The meeting point of two lines is the cross product of their coefficient
// vectors. Parallel lines meet at infinity (z = 0); identical lines give the
// null vector (0 : 0 : 0), which no caller draws.
PointCoords Meet(const LineCoords* l, const LineCoords* m) {
  return PointCoords(l->b * m->c - l->c * m->b, l->c * m->a - l->a * m->c,
                     l->a * m->b - l->b * m->a);
}

// Principal square root, the same branch as sqrtC (cut on the negative real
// axis, a negative zero imaginary part taken as below the cut), computed
// without trigonometry because every intersection evaluation needs one.
static CComplex PrincipalSqrt(const CComplex& z) {
  const double m = std::sqrt(z.re * z.re + z.im * z.im);
  const double a = std::sqrt((m + std::fabs(z.re)) * 0.5);
  if (a == 0.0) return CComplex(0, 0);
  if (z.re >= 0.0) return CComplex(a, z.im / (2 * a));
  return CComplex(std::fabs(z.im) / (2 * a), std::copysign(a, z.im));
}

// Substituting y = -(a x + c) / b into the circle's equation and multiplying
// by b^2 gives h x^2 - 2 v x + k = 0. The "+" root always goes to x1: callers
// that follow one of the two points rely on this fixed order.
void Meet_CL(CComplex a, CComplex b, CComplex c, CComplex cx, CComplex cy, CComplex r2,
             CComplex* x1, CComplex* x2) {
  const CComplex b2 = b * b;
  const CComplex h = a * a + b2;
  const CComplex v = cx * b2 - a * c - a * b * cy;
  const CComplex cb = c + b * cy;
  const CComplex k = b2 * cx * cx + cb * cb - b2 * r2;
  const CComplex s = PrincipalSqrt(v * v - h * k);
  *x1 = (v + s) / h;
  *x2 = (v - s) / h;
}

// Radius from a squared radius that may be negative (an imaginary circle):
// such a circle has no real points, and its real trace is taken to be its
// centre rather than a NaN that would poison every later computation.
static double RealRadius(double r2) { return r2 > 0.0 ? std::sqrt(r2) : 0.0; }

// Moves (x, y) radially onto the circle. The centre itself has no radial
// direction and goes to the rightmost point. A circle that is not real has no
// nearest point; its centre's real parts shifted by the radius stand in.
void Proj2Circle(const CircleCoords* c, double* x, double* y) {
  double p = 0, q = 0, r = 0;
  if (c->realp(&p, &q, &r)) {
    // Read the centre from the record itself: for a circle of radius zero the
    // projective reading reports (1, 0, 0), which is not where the circle is.
    p = c->cx.re;
    q = c->cy.re;
    const double rho = RealRadius(c->r2.re);
    const double dx = *x - p, dy = *y - q;
    const double d = std::sqrt(dx * dx + dy * dy);
    if (d != 0.0) {
      *x = dx * rho / d + p;
      *y = dy * rho / d + q;
    } else {
      *x = p + rho;
      *y = q;
    }
  } else {
    *x = c->cx.re + RealRadius(c->r2.re);
    *y = c->cy.re;
  }
}

// Alternating projections converge towards the meeting point nearest the
// start; three rounds are enough for snapping, so no convergence test is made.
// The result lies on the second circle.
void Meet(const CircleCoords* c1, const CircleCoords* c2, double* x, double* y) {
  for (int round = 0; round < 3; ++round) {
    Proj2Circle(c1, x, y);
    Proj2Circle(c2, x, y);
  }
}
