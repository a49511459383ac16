// Evaluation of the elementary steps: free points, joins and meets, parallels
// and perpendiculars, midpoints, circles, points bound to lines and circles,
// polars and brackets. Homogeneous complex coordinates throughout, so that
// parallel lines meet at infinity and nothing divides by zero.
#include <cmath>

#include "model/GConst.h"

namespace {

// A homogeneous triple whose every component vanishes names no point or line.
inline bool NearZero(const CComplex& a, const CComplex& b, const CComplex& c) {
  return zerop(a) && zerop(b) && zerop(c);
}

}  // namespace

int GConst::Evaluate_FreePoint() {
  if (!PInput1 || !POutput) return 1;
  param1 = PInput1->x;
  param2 = PInput1->y;
  param3 = PInput1->z;
  POutput->x = PInput1->x;
  POutput->y = PInput1->y;
  POutput->z = PInput1->z;
  return 0;
}

// The line through P and Q is the cross product of their coordinates.
int GConst::Evaluate_Join() {
  if (!PInput1 || !PInput2 || !LOutput) return 1;
  const GPoint& p = *PInput1;
  const GPoint& q = *PInput2;
  CComplex a = p.y * q.z - p.z * q.y;
  CComplex b = p.z * q.x - p.x * q.z;
  CComplex c = p.x * q.y - p.y * q.x;
  if (NearZero(a, b, c)) {
    // P and Q coincide: any line through P would do; take the vertical one.
    a = CComplex(1, 0);
    b = CComplex(0, 0);
    c = -p.xz();
  }
  LOutput->a = a;
  LOutput->b = b;
  LOutput->c = c;
  return 0;
}

// The meeting point of two lines is the cross product of their coefficients;
// parallel lines meet at a point with z = 0.
int GConst::Evaluate_Meet() {
  if (!LInput1 || !LInput2 || !POutput) return 1;
  const GLine& l = *LInput1;
  const GLine& m = *LInput2;
  CComplex x = l.b * m.c - l.c * m.b;
  CComplex y = l.c * m.a - l.a * m.c;
  CComplex z = l.a * m.b - l.b * m.a;
  if (NearZero(x, y, z)) {
    // The two lines coincide. Every point of the line is a meeting point;
    // take the one nearest the origin, (-ac : -bc : a^2 + b^2), so the point
    // stays on its line.
    x = -(l.a * l.c);
    y = -(l.b * l.c);
    z = l.a * l.a + l.b * l.b;
    if (NearZero(x, y, z)) {
      // Line at infinity (or an isotropic line through the origin): a fixed
      // point at infinity in the x direction.
      x = CComplex(1, 0);
      y = CComplex(0, 0);
      z = CComplex(0, 0);
    }
  }
  POutput->x = x;
  POutput->y = y;
  POutput->z = z;
  return 0;
}

// Same normal as L, moved through P.
int GConst::Evaluate_Parallel() {
  if (!LInput1 || !PInput1 || !LOutput) return 1;
  const CComplex x = PInput1->xz();
  const CComplex y = PInput1->yz();
  CComplex a = LInput1->a;
  CComplex b = LInput1->b;
  CComplex c = -(a * x + b * y);
  if (NearZero(a, b, c)) {
    // L is the line at infinity and has no direction: the vertical through P.
    a = CComplex(1, 0);
    b = CComplex(0, 0);
    c = -x;
  }
  LOutput->a = a;
  LOutput->b = b;
  LOutput->c = c;
  return 0;
}

// L's normal turned by a right angle, moved through P.
int GConst::Evaluate_Perp() {
  if (!LInput1 || !PInput1 || !LOutput) return 1;
  const CComplex x = PInput1->xz();
  const CComplex y = PInput1->yz();
  CComplex a = LInput1->b;
  CComplex b = -LInput1->a;
  CComplex c = LInput1->a * y - LInput1->b * x;
  if (NearZero(a, b, c)) {
    a = CComplex(1, 0);
    b = CComplex(0, 0);
    c = -x;
  }
  LOutput->a = a;
  LOutput->b = b;
  LOutput->c = c;
  return 0;
}

// Homogeneous midpoint: with one point at infinity it is that point again.
int GConst::Evaluate_Mid() {
  if (!PInput1 || !PInput2 || !POutput) return 1;
  const GPoint& p = *PInput1;
  const GPoint& q = *PInput2;
  CComplex x = p.x * q.z + p.z * q.x;
  const CComplex y = p.y * q.z + p.z * q.y;
  const CComplex z = p.z * q.z * 2.0;
  if (NearZero(x, y, z)) x = CComplex(1, 0);
  POutput->x = x;
  POutput->y = y;
  POutput->z = z;
  return 0;
}

// Squared distance with complex squares (no conjugation), so that it stays
// an algebraic function of the coordinates when they turn complex.
static CComplex SquaredDistance(const GPoint& p, const GPoint& q) {
  const CComplex dx = p.xz() - q.xz();
  const CComplex dy = p.yz() - q.yz();
  return dx * dx + dy * dy;
}

int GConst::Evaluate_MCircle() {
  if (!PInput1 || !PInput2 || !COutput) return 1;
  COutput->cx = PInput1->xz();
  COutput->cy = PInput1->yz();
  COutput->r2 = SquaredDistance(*PInput1, *PInput2);
  return 0;
}

// Compass: the radius is the distance A B, the centre M.
int GConst::Evaluate_Compass() {
  if (!PInput1 || !PInput2 || !PInput3 || !COutput) return 1;
  COutput->cx = PInput3->xz();
  COutput->cy = PInput3->yz();
  COutput->r2 = SquaredDistance(*PInput1, *PInput2);
  return 0;
}

// The point dividing PQ with weight s on P and t on Q.
int GConst::Evaluate_PtOnLine() {
  if (!PInput1 || !PInput2 || !POutput) return 1;
  const CComplex& t = param1;
  const CComplex& s = param2;
  POutput->x = s * PInput1->xz() + t * PInput2->xz();
  POutput->y = s * PInput1->yz() + t * PInput2->yz();
  POutput->z = t + s;
  return 0;
}

// P moved by t along L's direction (b, -a) taken backwards: (-b, a).
int GConst::Evaluate_PtOnPara() {
  if (!LInput1 || !PInput1 || !POutput) return 1;
  const CComplex& t = param1;
  POutput->x = PInput1->xz() - LInput1->b * t;
  POutput->y = PInput1->yz() + LInput1->a * t;
  POutput->z = CComplex(1, 0);
  return 0;
}

// P moved by t along L's normal (a, b).
int GConst::Evaluate_PtOnPerp() {
  if (!LInput1 || !PInput1 || !POutput) return 1;
  const CComplex& t = param1;
  POutput->x = PInput1->xz() + LInput1->a * t;
  POutput->y = PInput1->yz() + LInput1->b * t;
  POutput->z = CComplex(1, 0);
  return 0;
}

// Angles on circles run clockwise in world coordinates (y grows upwards):
// the point at angle theta is (cx + rho cos theta, cy - rho sin theta). The
// imaginary part of the angle is carried along unchanged.
int GConst::Evaluate_PtOnCircle() {
  if (!CInput1 || !POutput) return 1;
  const GCircle& c = *CInput1;
  const double thr = param1.re;
  const double thi = param1.im;
  const double r2 = c.r2.re;
  // A circle with a negative squared radius has an imaginary radius; its
  // points are complex (not drawn) rather than undefined.
  const CComplex rho = r2 >= 0 ? CComplex(std::sqrt(r2), 0) : CComplex(0, std::sqrt(-r2));
  POutput->x = c.cx + (rho * std::cos(thr) + CComplex(0, thi));
  POutput->y = c.cy - (rho * std::sin(thr) + CComplex(0, thi));
  POutput->z = CComplex(1, 0);
  return 0;
}

// The polar of P with respect to the circle: the tangent at P when P lies on
// the circle, the line through both tangent points when P is outside.
int GConst::Evaluate_Tangent() {
  if (!CInput1 || !PInput1 || !LOutput) return 1;
  const GCircle& c = *CInput1;
  const double u = PInput1->xz().re - c.cx.re;
  const double v = PInput1->yz().re - c.cy.re;
  LOutput->a = CComplex(u, 0);
  LOutput->b = CComplex(v, 0);
  LOutput->c = CComplex(-c.r2.re - c.cx.re * u - c.cy.re * v, 0);
  return 0;
}

// P moved by t perpendicular to the radius through P.
int GConst::Evaluate_PtOnTangent() {
  if (!CInput1 || !PInput1 || !POutput) return 1;
  const GPoint& p = *PInput1;
  const CComplex& t = param1;
  const CComplex tz = t * p.z;
  const CComplex x = p.x + (CInput1->cy - p.yz()) * tz;
  const CComplex y = p.y + (p.xz() - CInput1->cx) * tz;
  POutput->x = x;
  POutput->y = y;
  POutput->z = p.z;
  return 0;
}

int GConst::Evaluate_Bracket() {
  if (!PInput1 || !PInput2 || !BracketOutput) return 1;
  GBracket& br = *BracketOutput;
  br.x1 = PInput1->x;
  br.y1 = PInput1->y;
  br.z1 = PInput1->z;
  br.x2 = PInput2->x;
  br.y2 = PInput2->y;
  br.z2 = PInput2->z;
  return 0;
}
