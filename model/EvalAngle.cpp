// Evaluation of the steps that involve angles: angle marks through three
// points, lines and points at a given angle to a line, bisectors of angles
// and of pairs of lines, and the centre of the circle through three points.
#include <cmath>

#include "model/GConst.h"

namespace {

constexpr double kDegree = 3.1415926535 / 180.0;

// Unit vectors of the two arms of the angle A V B, in real affine
// coordinates; a zero-length arm is replaced by a fixed direction so that the
// bisector stays defined while a point is dragged over the vertex.
struct ArmPair {
  double vx, vy;  // vertex
  double u1, u2;  // unit vector towards A
  double w1, w2;  // unit vector towards B
  double m1, m2;  // half sum of the two: the bisector's direction, unnormalised
  bool straight;  // the arms point in opposite directions
};

ArmPair Arms(const GPoint& a, const GPoint& v, const GPoint& b) {
  ArmPair r;
  r.vx = v.xz().re;
  r.vy = v.yz().re;
  double u1 = a.xz().re - r.vx, u2 = a.yz().re - r.vy;
  double w1 = b.xz().re - r.vx, w2 = b.yz().re - r.vy;
  const double lu = std::sqrt(u1 * u1 + u2 * u2);
  const double lw = std::sqrt(w1 * w1 + w2 * w2);
  if (lu < 0.0001) {
    u1 = 1;
    u2 = 0;
  } else {
    u1 /= lu;
    u2 /= lu;
  }
  if (lw < 0.0001) {
    w1 = 0;
    w2 = 1;
  } else {
    w1 /= lw;
    w2 /= lw;
  }
  r.u1 = u1;
  r.u2 = u2;
  r.w1 = w1;
  r.w2 = w2;
  r.m1 = (u1 + w1) / 2;
  r.m2 = (u2 + w2) / 2;
  // Rounding leaves a few ulps of the half sum when the angle is straight; a
  // direction made of rounding noise would point anywhere, so treat anything
  // below the tolerance as straight and use the perpendicular instead.
  r.straight = std::fabs(r.m1) < CCPXepsilon && std::fabs(r.m2) < CCPXepsilon;
  return r;
}

// The line with normal (a, b) turned by theta, through (x, y).
void TurnedLine(const GLine& l, double theta, const CComplex& x, const CComplex& y, GLine* out) {
  const double c = std::cos(theta), s = std::sin(theta);
  CComplex a = l.a * c - l.b * s;
  const CComplex b = l.a * s + l.b * c;
  const CComplex cc = -(a * x + b * y);
  if (zerop(a) && zerop(b) && zerop(cc)) a = CComplex(1, 0);
  out->a = a;
  out->b = b;
  out->c = cc;
}

// P moved by t along the line that makes the angle theta with L.
void PointOnTurnedLine(const GLine& l, const GPoint& p, double theta, const CComplex& t,
                       GPoint* out) {
  const double c = std::cos(theta), s = std::sin(theta);
  const CComplex dx = l.b * c + l.a * s;
  const CComplex dy = l.b * s - l.a * c;
  const CComplex tz = t * p.z;
  const CComplex x = p.x + dx * tz;
  const CComplex y = p.y + dy * tz;
  out->x = x;
  out->y = y;
  out->z = p.z;
}

// Sum of the normalised first line and sigma times the normalised second.
void BisectorCoefficients(const GLine& l1, const GLine& l2, const CComplex& sigma, CComplex* a,
                          CComplex* b, CComplex* c) {
  const CComplex n1 = sqrtC(l1.a * l1.a + l1.b * l1.b);
  const CComplex n2 = sqrtC(l2.a * l2.a + l2.b * l2.b);
  const CComplex sn1 = sigma * n1;
  *a = n2 * l1.a + sn1 * l2.a;
  *b = n2 * l1.b + sn1 * l2.b;
  *c = n2 * l1.c + sn1 * l2.c;
}

}  // namespace

// The signed angle from ray V A to ray V B: positive counter-clockwise.
int GConst::Evaluate_3PAngle() {
  if (!PInput1 || !PInput2 || !PInput3 || !AngleOutput) return 1;
  GAngle& m = *AngleOutput;
  const CComplex vx = PInput2->xz(), vy = PInput2->yz();
  m.vx = vx;
  m.vy = vy;
  m.d1x = PInput1->xz() - vx;
  m.d1y = PInput1->yz() - vy;
  m.d2x = PInput3->xz() - vx;
  m.d2y = PInput3->yz() - vy;
  const double u1 = m.d1x.re, u2 = m.d1y.re, w1 = m.d2x.re, w2 = m.d2y.re;
  const double lu = std::sqrt(u1 * u1 + u2 * u2);
  const double lw = std::sqrt(w1 * w1 + w2 * w2);
  const double k = u1 * w2 - u2 * w1;
  if (lu != 0 && lw != 0 && k != 0) {
    m.d1x /= lu;
    m.d1y /= lu;
    m.d2x /= lw;
    m.d2y /= lw;
    m.hidden = m.userHidden;
    // Rounding can push the cosine a hair beyond 1 for nearly collinear arms.
    const double cosine = std::fmax(-1.0, std::fmin(1.0, (u1 * w1 + u2 * w2) / (lu * lw)));
    const double angle = std::acos(cosine);
    m.value = CComplex(k < 0 ? -angle : angle, 0);
  } else {
    m.hidden = 1;  // coincident or collinear points: no angle to mark
  }
  return 0;
}

int GConst::Evaluate_LineWithAngle() {
  if (!LInput1 || !PInput1 || !AngleInput1 || !LOutput) return 1;
  if (!AngleInput1->value.realp()) return 1;
  TurnedLine(*LInput1, AngleInput1->value.re, PInput1->xz(), PInput1->yz(), LOutput);
  return 0;
}

int GConst::Evaluate_LineWithAngleDegree() {
  if (!LInput1 || !PInput1 || !LOutput) return 1;
  TurnedLine(*LInput1, param1.re * kDegree, PInput1->xz(), PInput1->yz(), LOutput);
  return 0;
}

int GConst::Evaluate_PtOnLineWithAngle() {
  if (!LInput1 || !PInput1 || !AngleInput1 || !POutput) return 1;
  if (!AngleInput1->value.realp()) return 1;
  PointOnTurnedLine(*LInput1, *PInput1, AngleInput1->value.re, param1, POutput);
  return 0;
}

int GConst::Evaluate_PtOnLineWithAngleDegree() {
  if (!LInput1 || !PInput1 || !POutput) return 1;
  PointOnTurnedLine(*LInput1, *PInput1, param1.re * kDegree, param2, POutput);
  return 0;
}

// The bisector of angle A V B runs from V through the midpoint of the unit
// tips of the arms; for a straight angle it is the perpendicular at V.
int GConst::Evaluate_3pBisector() {
  if (!PInput1 || !PInput2 || !PInput3 || !LOutput) return 1;
  const ArmPair r = Arms(*PInput1, *PInput2, *PInput3);
  double a, b, c;
  if (!r.straight) {
    const double mx = r.vx + r.m1, my = r.vy + r.m2;
    a = r.vy - my;
    b = mx - r.vx;
    c = r.vx * my - r.vy * mx;
  } else {
    a = r.u1 - r.w1;
    b = r.u2 - r.w2;
    c = -r.vx * a - r.vy * b;
  }
  LOutput->a = CComplex(a, 0);
  LOutput->b = CComplex(b, 0);
  LOutput->c = CComplex(c, 0);
  return 0;
}

int GConst::Evaluate_PtOn3PBisector() {
  if (!PInput1 || !PInput2 || !PInput3 || !POutput) return 1;
  const ArmPair r = Arms(*PInput1, *PInput2, *PInput3);
  double dx, dy;
  if (!r.straight) {
    dx = r.m1;
    dy = r.m2;
  } else {
    dx = r.u2 - r.w2;
    dy = r.w1 - r.u1;
  }
  const double l = std::sqrt(dx * dx + dy * dy);
  const double t = param1.re;
  POutput->x = CComplex(r.vx + t * dx / l, 0);
  POutput->y = CComplex(r.vy + t * dy / l, 0);
  POutput->z = CComplex(1, 0);
  return 0;
}

// Of the two bisectors of L1 and L2, param1 (+1 or -1) keeps the chosen one
// while the figure is dragged.
int GConst::Evaluate_Bisector() {
  if (!LInput1 || !LInput2 || !LOutput) return 1;
  CComplex a, b, c;
  BisectorCoefficients(*LInput1, *LInput2, param1, &a, &b, &c);
  LOutput->a = a;
  LOutput->b = b;
  LOutput->c = c;
  return 0;
}

// The meeting point of the two lines moved by t along the chosen bisector.
int GConst::Evaluate_PtOnBisector() {
  if (!LInput1 || !LInput2 || !POutput) return 1;
  const GLine& l1 = *LInput1;
  const GLine& l2 = *LInput2;
  const CComplex vx = l1.b * l2.c - l1.c * l2.b;
  const CComplex vy = l1.c * l2.a - l1.a * l2.c;
  const CComplex vz = l1.a * l2.b - l1.b * l2.a;
  CComplex a, b, c;
  BisectorCoefficients(l1, l2, param1, &a, &b, &c);
  const CComplex n = sqrtC(a * a + b * b);
  a = a / n;
  b = b / n;
  const CComplex& t = param2;
  POutput->x = vx / vz + t * b;
  POutput->y = vy / vz - t * a;
  POutput->z = CComplex(1, 0);
  return 0;
}

// Centre of the circle through three points: the meeting point of two
// perpendicular bisectors, in homogeneous form so that three collinear
// points give a point at infinity.
int GConst::Evaluate_Orthcenter() {
  if (!PInput1 || !PInput2 || !PInput3 || !POutput) return 1;
  const CComplex x1 = PInput1->xz(), y1 = PInput1->yz();
  const CComplex x2 = PInput2->xz(), y2 = PInput2->yz();
  const CComplex x3 = PInput3->xz(), y3 = PInput3->yz();
  const CComplex q1 = x1 * x1 + y1 * y1;
  const CComplex s12 = x2 * x2 + y2 * y2 - q1;
  const CComplex s13 = x3 * x3 + y3 * y3 - q1;
  POutput->x = s12 * (y3 - y1) - s13 * (y2 - y1);
  POutput->y = s13 * (x2 - x1) - s12 * (x3 - x1);
  POutput->z = ((x2 - x1) * (y3 - y1) - (x3 - x1) * (y2 - y1)) * 2.0;
  return 0;
}
