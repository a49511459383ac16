// Coordinate records over the complex numbers: a point in homogeneous
// coordinates (x : y : z), a line [a : b : c] holding the points with
// a x + b y + c z = 0, and a circle given by its centre and squared radius.
#pragma once

#include "geometry/CComplex.h"

struct PointCoords {
  CComplex x, y, z;

  PointCoords() : x(0, 0), y(0, 0), z(1, 0) {}
  PointCoords(CComplex xx, CComplex yy) : x(xx), y(yy), z(1, 0) {}
  PointCoords(CComplex xx, CComplex yy, CComplex zz) : x(xx), y(yy), z(zz) {}

  // Affine coordinates; a point at infinity reads as the origin (division by
  // an exact zero gives 0).
  CComplex xz() const { return x / z; }
  CComplex yz() const { return y / z; }
};
// Projective equality of two points (tolerance CCPXepsilon).
bool operator==(const PointCoords& p, const PointCoords& q);

struct LineCoords {
  CComplex a, b, c;

  // The default is the line at infinity [0 : 0 : 1].
  LineCoords() : a(0, 0), b(0, 0), c(1, 0) {}
  LineCoords(CComplex aa, CComplex bb, CComplex cc) : a(aa), b(bb), c(cc) {}

  CComplex xy() const { return a / b; }
  CComplex xz() const { return a / c; }
  CComplex yz() const { return b / c; }
  // The coefficients as reals, scaled; true when the line is real.
  bool realp(double* p, double* q, double* r) const;
  // Becomes the line through (x1, y1) and (x2, y2).
  void SetLine(double x1, double y1, double x2, double y2);
};

struct CircleCoords {
  CComplex cx, cy, r2;  // centre and squared radius

  CircleCoords() : cx(0, 0), cy(0, 0), r2(1, 0) {}
  CircleCoords(CComplex x, CComplex y, CComplex r) : cx(x), cy(y), r2(r) {}
  CircleCoords(double x, double y, double r) : cx(x, 0), cy(y, 0), r2(r, 0) {}

  // Centre and squared radius as reals; true when the circle is real.
  bool realp(double* p, double* q, double* r) const;
  void SetCircle(double x, double y, double r) {
    cx = CComplex(x, 0);
    cy = CComplex(y, 0);
    r2 = CComplex(r, 0);
  }
};
