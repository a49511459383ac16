// Distance tests of the pointer against single elements, in world units: the
// foot on a line, the ring around a circle, the nearest point of a sampled
// curve, the apex of a bracket and the sector of an angle mark.
#pragma once

#include "model/Elements.h"

// A line or circle without real coordinates cannot be hit, and it ends any
// walk over its list (the elements after it are not tested).
enum class Hit { kNotReal, kMiss, kHit };

// Foot of the perpendicular from (x, y) on l, when l is a real finite line.
bool LineFoot(const GLine* l, double x, double y, double* fx, double* fy);
// Whether the foot lies closer than the pick distance (squared: pick2).
// The hidden flag is not looked at.
Hit LineHit(const GLine* l, double x, double y, double pick2, double* fx, double* fy);
// Whether (x, y) lies in the ring of half-width pick around the circle.
Hit CircleHit(const GCircle* c, double x, double y, double pick);
// The first segment of the curve whose nearest point Q lies closer than the
// pick distance; Q and its fractional sample index are returned. Hidden
// curves are not looked at here either.
bool CurveHit(const GParaCurve* c, double x, double y, double pick2, double* qx, double* qy,
              double* index = nullptr);
// Whether (x, y) lies strictly inside the sector an angle mark spans, with a
// margin of 0.01 radians on either side.
bool InAngleSector(const GAngle* a, double x, double y);
