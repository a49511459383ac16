// Evaluation of the steps that use a sampled curve: a point on the curve,
// the curve's tangent at such a point and a point on that tangent. Sampling
// is in EvalGraph.cpp (graphs, parametric curves) and EvalLocus.cpp (loci).
#include <cmath>

#include "model/Lookup.h"

namespace {

// Unit direction of segment k of the polyline (samples k and k+1); a segment
// of zero length gives (0, 0).
void SegmentDirection(const GParaCurve& c, int k, double* dx, double* dy) {
  const double x = c.X[k + 1] - c.X[k];
  const double y = c.Y[k + 1] - c.Y[k];
  const double l = std::sqrt(x * x + y * y);
  *dx = l > 0 ? x / l : 0;
  *dy = l > 0 ? y / l : 0;
}

// Direction of the curve at the fractional sample index s. Near the two ends
// it is the end segment's direction. In between it changes linearly from one
// segment's direction to the next, reaching segment k's own direction at the
// middle of that segment, so it turns continuously as a point slides along.
void CurveDirection(const GParaCurve& c, double s, double* dx, double* dy) {
  const int n = c.count;
  if (!(s >= 1)) {  // also a NaN index
    SegmentDirection(c, 0, dx, dy);
    return;
  }
  if (s >= n - 2) {
    SegmentDirection(c, n - 2, dx, dy);
    return;
  }
  // Knots: s = 1 for segment 0, k + 0.5 for segments 1 .. n-3, n - 2 for
  // segment n - 2. Find the two knots around s.
  int k = static_cast<int>(std::floor(s - 0.5));  // s - 0.5 in [0.5, n - 2.5)
  double lo = k + 0.5, hi = k + 1.5;
  if (k <= 0) {
    k = 0;
    lo = 1;
  }
  if (k + 1 >= n - 2) hi = n - 2;
  const double g = (s - lo) / (hi - lo);
  double ax, ay, bx, by;
  SegmentDirection(c, k, &ax, &ay);
  SegmentDirection(c, k + 1, &bx, &by);
  *dx = (1 - g) * ax + g * bx;
  *dy = (1 - g) * ay + g * by;
  if (*dx == 0 && *dy == 0) {
    // Two opposite segments cancel out: keep the segment under the point.
    SegmentDirection(c, static_cast<int>(std::floor(s)), dx, dy);
  }
}

}  // namespace

// The point at the fractional sample index param1, interpolated linearly
// between two samples. An index outside the polyline falls back to the first
// segment with the same fraction.
int GConst::Evaluate_PtOnCurve() {
  if (!CurveInput1 || !POutput) return 1;
  const GParaCurve& c = *CurveInput1;
  // An empty curve has no point to offer; the point stays where it was.
  if (c.count <= 0) return 1;
  double xs, ys;
  if (c.count == 1) {
    xs = c.X[0];
    ys = c.Y[0];
  } else {
    const double s = param1.re;
    const double fl = std::floor(s);
    const int i = (fl >= 0 && fl < c.count - 1) ? static_cast<int>(fl) : 0;
    const double f = s - fl;
    xs = (1 - f) * c.X[i] + f * c.X[i + 1];
    ys = (1 - f) * c.Y[i] + f * c.Y[i + 1];
  }
  POutput->x = CComplex(xs, 0);
  POutput->y = CComplex(ys, 0);
  POutput->z = CComplex(1, 0);
  return 0;
}

// The line through P along the curve. curveStep is the step that placed P on
// the curve; its param1 is P's sample index.
int GConst::Evaluate_CurveTangent() {
  if (!CurveInput1 || !PInput1 || !curveStep || !LOutput) return 1;
  const GParaCurve& c = *CurveInput1;
  if (c.count < 2) return 1;  // no segment, no direction
  double dx, dy;
  CurveDirection(c, curveStep->param1.re, &dx, &dy);
  const double l = std::sqrt(dx * dx + dy * dy);
  if (l == 0) return 1;  // all samples on one spot
  const double a = dy / l;
  LOutput->a = CComplex(a, 0);
  LOutput->b = CComplex(-dx / l, 0);
  LOutput->c = CComplex(-a * PInput1->xz().re + (dx / l) * PInput1->yz().re, 0);
  return 0;
}

// P moved by t along the tangent of the curve at P.
int GConst::Evaluate_PtOnCurveTangent() {
  if (!CurveInput1 || !PInput1 || !POutput) return 1;
  GConst* tangent = nullptr;
  if (!FindCurveTangentFromCns(firstConst, CurveInput1, PInput1, &tangent) || !tangent ||
      !tangent->LOutput)
    return 1;
  const double a = tangent->LOutput->a.re;
  const double b = tangent->LOutput->b.re;
  const double t = param1.re;
  POutput->x = PInput1->xz() + CComplex(b * t, 0);
  POutput->y = PInput1->yz() - CComplex(a * t, 0);
  POutput->z = CComplex(1, 0);
  return 0;
}
