// Coordinates of points, lines and circles: reading them as reals, the line
// through two points and projective equality of points.
#include "geometry/Coordinates.h"

// Two points are the same projective point when their coordinates are
// proportional. Points at infinity (z = 0) are compared by their direction
// x : y; finite points by their affine coordinates.
bool operator==(const PointCoords& p, const PointCoords& q) {
  if (zerop(p.z)) {
    if (!zerop(q.z)) return false;
    if (zerop(p.y)) return zerop(q.y);
    return !zerop(q.y) && p.x / p.y == q.x / q.y;
  }
  if (zerop(q.z)) return false;
  return p.x / p.z == q.x / q.z && p.y / p.z == q.y / q.z;
}

// The line scaled so that its last non-negligible coefficient is 1. A line
// with c = 0 passes through the origin; with b = 0 as well it is read as the
// vertical axis [1 : 0 : 0] whatever a is.
bool LineCoords::realp(double* p, double* q, double* r) const {
  if (zerop(c)) {
    if (zerop(b)) {
      *p = 1;
      *q = 0;
      *r = 0;
      return true;
    }
    const CComplex ab = a / b;
    *p = ab.re;
    *q = 1;
    *r = 0;
    return ab.realp();
  }
  const CComplex ac = a / c;
  const CComplex bc = b / c;
  *p = ac.re;
  *q = bc.re;
  *r = 1;
  return ac.realp() && bc.realp();
}

// The cross product of (x1, y1, 1) and (x2, y2, 1); two equal points give
// the line at infinity.
void LineCoords::SetLine(double x1, double y1, double x2, double y2) {
  if (x2 != x1 || y2 != y1) {
    a = CComplex(y1 - y2, 0);
    b = CComplex(x2 - x1, 0);
    c = CComplex(x1 * y2 - x2 * y1, 0);
  } else {
    a = CComplex(0, 0);
    b = CComplex(0, 0);
    c = CComplex(1, 0);
  }
}

// Centre and squared radius as reals; the circle is real when they are. A
// real circle may still have a negative squared radius (imaginary radius).
// With a nonzero squared radius the test is made on cx/r2 and cy/r2, so a
// circle whose three values share one complex factor also counts as real.
bool CircleCoords::realp(double* p, double* q, double* r) const {
  *p = cx.re;
  *q = cy.re;
  if (zerop(r2)) {
    // A circle shrunk to its centre (compass set to zero, centre dragged onto
    // the defining point) keeps its centre, wherever it lies.
    *r = 0;
    return cx.realp() && cy.realp();
  }
  *r = r2.re;
  return (cx / r2).realp() && (cy / r2).realp();
}
