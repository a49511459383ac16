// Joins, intersections and projections: the meeting point of two lines, the
// abscissae where a line meets a circle, the nearest point of a circle, and an
// approximate meeting point of two circles.
#pragma once

#include "geometry/Coordinates.h"

PointCoords Meet(const LineCoords* l, const LineCoords* m);
void Meet_CL(CComplex a, CComplex b, CComplex c, CComplex cx, CComplex cy, CComplex r2,
             CComplex* x1, CComplex* x2);
void Proj2Circle(const CircleCoords* c, double* x, double* y);
void Meet(const CircleCoords* c1, const CircleCoords* c2, double* x, double* y);
