// Intersections with circles: a line and a circle (CONST_MEET_CL) or two
// circles (CONST_MEET_CC) meet in two points; the step follows one of them
// through dragging, tangency and excursions into the complex plane.
#include "geometry/Meet.h"
#include "model/Document.h"

namespace {

// Solutions that almost coincide are pushed this far apart in each
// coordinate, so that "the other one" stays defined at a tangency.
constexpr double kPushApart = 0.001;

// The two solutions of one evaluation. When the line is vertical (no
// y-coefficient) the solutions differ in y only, and y is the coordinate that
// runs along the line; otherwise x does.
struct MeetPair {
  CComplex x1, y1, x2, y2;
  bool alongY = false;
};

double Dist(const CComplex& xa, const CComplex& ya, const CComplex& xb, const CComplex& yb) {
  return norm1(xa - xb) + norm1(ya - yb);
}

bool IsMarker(const CComplex& z) { return z == kNoRejectedMeet; }

// Meets the line a x + b y + c = 0 with the circle. A line without a
// y-coefficient cannot be solved for y, so x and y exchange their roles.
void SolveLineCircle(const CComplex& a, const CComplex& b, const CComplex& c, const GCircle* circle,
                     MeetPair* m) {
  if (zerop(b)) {
    Meet_CL(b, a, c, circle->cy, circle->cx, circle->r2, &m->y1, &m->y2);
    m->x1 = m->x2 = -c / a;
    m->alongY = true;
  } else {
    Meet_CL(a, b, c, circle->cx, circle->cy, circle->r2, &m->x1, &m->x2);
    m->y1 = -(a * m->x1 + c) / b;
    m->y2 = -(a * m->x2 + c) / b;
    m->alongY = false;
  }
}

void PushApart(MeetPair* m) {
  m->x1 += CComplex(kPushApart, 0);
  m->y1 += CComplex(kPushApart, 0);
  m->x2 -= CComplex(kPushApart, 0);
  m->y2 -= CComplex(kPushApart, 0);
}

// Distance of a solution to the last rejected one; a coordinate still holding
// the "none known" marker contributes nothing.
double DistToRejected(const CComplex& x, const CComplex& y, const GConst& k) {
  return (IsMarker(k.param3) ? 0.0 : norm1(x - k.param3)) +
         (IsMarker(k.param4) ? 0.0 : norm1(y - k.param4));
}

// How far u lies ahead of w along the line. On a conjugate pair, the one
// with the positive imaginary part counts as ahead, matching the way points
// enter and leave the complex plane below.
double Lead(const CComplex& u, const CComplex& w) { return (u - w).re + (u - w).im; }

// Both old points lie nearest the same new solution: the pair moved farther
// than its two points are apart. Keep the pair's order along the line: if the
// chosen point was ahead of the rejected one, take the solution ahead now.
// The order along the line, not the direction in the plane, is compared,
// because at a tangency the pair is pushed apart diagonally, which says
// nothing about the line's direction.
bool ChooseFirstByOrder(const MeetPair& m, const GConst& k) {
  const CComplex& u1 = m.alongY ? m.y1 : m.x1;
  const CComplex& u2 = m.alongY ? m.y2 : m.x2;
  const CComplex& chosenU = m.alongY ? k.param2 : k.param1;
  const CComplex& rejectedU = m.alongY ? k.param4 : k.param3;
  const double wasAhead =
      IsMarker(rejectedU) ? Lead(chosenU, CComplex()) : Lead(chosenU, rejectedU);
  return Lead(u1, u2) * wasAhead > 0;
}

// Chooses between the two solutions without knowing the other intersection
// point. Returns true for the first solution.
bool ChooseFirst(const MeetPair& m, const GConst& k, bool predict) {
  // The coordinate that runs along the line tells real from complex: on a
  // vertical line x stays real even when the points have left the circle.
  const CComplex& u1 = m.alongY ? m.y1 : m.x1;
  const CComplex& u2 = m.alongY ? m.y2 : m.x2;
  const CComplex& chosenU = m.alongY ? k.param2 : k.param1;
  const CComplex& rejectedU = m.alongY ? k.param4 : k.param3;
  const bool realNow = u1.realp();
  const bool realBefore = chosenU.realp();

  if (!realNow && realBefore) {
    // The two points merged and left the real plane as a conjugate pair. The
    // one that lay ahead along the line takes the positive imaginary part.
    const double g = chosenU.re - rejectedU.re;
    return g * u1.im > 0;
  }
  if (realNow && !realBefore) {
    // Back in the real plane: the positive imaginary part returns ahead along
    // the line, so the point reappears on the side it left.
    const double g = chosenU.im;
    return g * (u1.re - u2.re) > 0;
  }

  // A step outside any document (a bare record) sees no drag.
  const GMotion mo = k.owner ? k.owner->Motion() : GMotion();
  if (predict && (mo.a11 != 0.0 || mo.a12 != 0.0)) {
    // Where would this point be if it moved as the dragged point turned and
    // stretched its last step? A clear winner settles the choice.
    const GPoint* p = k.POutput;
    const CComplex px(p->dX * mo.a11 + p->dY * mo.a12 + p->prevX, 0);
    const CComplex py(p->dX * mo.a21 + p->dY * mo.a22 + p->prevY, 0);
    const double r = Dist(m.x1, m.y1, px, py);
    const double s = Dist(m.x2, m.y2, px, py);
    if (r < s / 2) return true;
    if (s < r / 2) return false;
  }

  const double q1 = Dist(m.x1, m.y1, k.param1, k.param2);
  const double q2 = Dist(m.x2, m.y2, k.param1, k.param2);
  const double t1 = DistToRejected(m.x1, m.y1, k);
  const double t2 = DistToRejected(m.x2, m.y2, k);
  const int nearChosen = q1 > q2 ? 2 : 1;
  const int nearRejected = t1 > t2 ? 2 : 1;
  if (nearChosen == nearRejected && !IsMarker(k.param3)) return ChooseFirstByOrder(m, k);
  // Otherwise pair old and new points so that the total movement is least.
  return q2 + t1 > q1 + t2;
}

void Store(GConst* k, const MeetPair& m, bool first) {
  const CComplex& x = first ? m.x1 : m.x2;
  const CComplex& y = first ? m.y1 : m.y2;
  k->POutput->x = x;
  k->POutput->y = y;
  // Always an affine point: a step that failed earlier (concentric circles)
  // left z = 0, and the point must come back once the circles part.
  k->POutput->z = CComplex(1, 0);
  k->param1 = x;
  k->param2 = y;
  k->param3 = first ? m.x2 : m.x1;
  k->param4 = first ? m.y2 : m.y1;
}

// With the other intersection point known, the step simply takes the
// solution farther from it (the first on a tie).
bool FirstIsFartherFrom(const MeetPair& m, const GPoint* other) {
  const CComplex ox = other->xz(), oy = other->yz();
  return Dist(m.x1, m.y1, ox, oy) >= Dist(m.x2, m.y2, ox, oy);
}

}  // namespace

int GConst::Evaluate_MeetCL() {
  if (LInput1 == nullptr || CInput1 == nullptr || POutput == nullptr) return 1;
  MeetPair m;
  SolveLineCircle(LInput1->a, LInput1->b, LInput1->c, CInput1, &m);
  if (norm2(m.x1 - m.x2) + norm2(m.y1 - m.y2) < 1e-7) PushApart(&m);
  const bool first =
      PInput1 != nullptr ? FirstIsFartherFrom(m, PInput1) : ChooseFirst(m, *this, false);
  Store(this, m, first);
  return 0;
}

int GConst::Evaluate_MeetCC() {
  if (CInput1 == nullptr || CInput2 == nullptr || POutput == nullptr) return 1;
  const GCircle* c1 = CInput1;
  const GCircle* c2 = CInput2;
  // Subtracting the two circle equations leaves the radical axis, the line
  // through both meeting points.
  const CComplex n = (c1->cx - c2->cx) * 2.0;
  const CComplex r = (c1->cy - c2->cy) * 2.0;
  if (zerop(n) && zerop(r)) {
    // Concentric circles have no radical axis: the point goes to infinity.
    POutput->x = CComplex(1, 0);
    POutput->y = CComplex(1, 0);
    POutput->z = CComplex(0, 0);
    return 1;
  }
  const CComplex e =
      c1->r2 - c2->r2 - c1->cx * c1->cx - c1->cy * c1->cy + c2->cx * c2->cx + c2->cy * c2->cy;
  MeetPair m;
  SolveLineCircle(n, r, e, c1, &m);
  if (norm1(m.x1 - m.x2) + norm1(m.y1 - m.y2) < 0.00001) PushApart(&m);
  const bool first =
      PInput1 != nullptr ? FirstIsFartherFrom(m, PInput1) : ChooseFirst(m, *this, true);
  Store(this, m, first);
  return 0;
}
