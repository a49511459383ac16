// Moving points as the Move tool drags them: a free point goes to the target,
// a point bound to a line, circle or curve gets the parameter that puts it
// where the target projects onto its carrier, and the steps the point drives
// are evaluated.
#include <algorithm>
#include <cmath>
#include <vector>

#include "model/Document.h"
#include "model/Lookup.h"
#include "model/StepGraph.h"
#include "model/StepKinds.h"

namespace {

// Evaluates the sheet after the point made by step k moved: only the steps k
// drives, directly or through others, in list order (a step that reads every
// earlier one, a locus or a text with formulas, is always driven). Any other
// step reads nothing that changed, so its value stays as it is. Without a
// usable record of what each step reads, or with the literal walk asked for,
// the whole list.
void EvaluateDriven(GDocument& doc, GConst* k) {
  GRelations& rel = doc.Relations();
  GStepGraph* g = rel.LiteralWalk() ? nullptr : &rel.StepGraph();
  if (g) g->Update(doc);
  const int from = g && g->usable ? g->Position(doc, k) : -1;
  if (from < 0) {
    doc.EvaluateConst(doc.FirstConst());
    return;
  }
  const int n = static_cast<int>(g->steps.size());
  std::vector<char> driven(n, 0);
  driven[from] = 1;
  GPoint* const moving = doc.MovingPoint();
  for (int i = from; i < n; ++i) {
    bool d = driven[i] || g->readsAllEarlier[i];
    for (int r = g->readStart[i]; !d && r < g->readStart[i + 1]; ++r) d = driven[g->readList[r]];
    if (!d) continue;
    driven[i] = 1;
    GConst* c = g->steps[i];
    c->Evaluate();
    // The circle intersections that follow predict their branch from it.
    if (moving && c->POutput == moving)
      doc.SetMotion({moving->a11, moving->a12, moving->a21, moving->a22});
  }
}

// Turning a point on a circle: the angle walks in steps of this size so that
// the intersections depending on the point can follow it.
constexpr double kAngleStep = 0.3;
// An old angle this far from the new one (a parameter read from a file, not
// left by an earlier drag) is first brought to the equivalent angle nearest the
// target, so a drag step never turns through hundreds of whole turns.
constexpr double kLongestWalk = 64.0;

bool Finite(const CComplex& z) { return std::isfinite(z.re) && std::isfinite(z.im); }

// The parameter of T's foot on the line through `base` along `dir`, measured
// in units of `dir` (complex arithmetic, no conjugation, so it stays algebraic
// when the figure is complex). False when the direction vanishes: such a
// carrier offers no way to slide, and the point keeps its parameter.
bool FootParameter(const CComplex& bx, const CComplex& by, const CComplex& dx, const CComplex& dy,
                   double tx, double ty, CComplex* t) {
  const CComplex d2 = dx * dx + dy * dy;
  if (zerop(d2)) return false;
  const CComplex r = ((CComplex(tx, 0) - bx) * dx + (CComplex(ty, 0) - by) * dy) / d2;
  if (!Finite(r)) return false;
  *t = r;
  return true;
}

// For a point whose step moves it along a straight carrier by one parameter
// (P = base + t * direction), the base and the direction are found by
// evaluating the step at t = 0 and t = 1. This inverts every such evaluation
// exactly, however it builds its direction (bisectors, tangents, turned lines).
bool SlideAlong(GConst* k, CComplex GConst::*param, int (GConst::*eval)(), double tx, double ty) {
  GPoint* p = k->POutput;
  const GPoint keep = *p;
  const CComplex old = k->*param;
  k->*param = CComplex(0, 0);
  const bool ok0 = (k->*eval)() == 0;
  const CComplex x0 = p->xz(), y0 = p->yz();
  k->*param = CComplex(1, 0);
  const bool ok1 = (k->*eval)() == 0;
  const CComplex x1 = p->xz(), y1 = p->yz();
  k->*param = old;
  *p = keep;
  CComplex t;
  if (!ok0 || !ok1 || !FootParameter(x0, y0, x1 - x0, y1 - y0, tx, ty, &t)) return false;
  k->*param = t;
  return true;
}

// The fractional sample index of the point of the curve's polyline nearest T.
// The whole polyline is searched, so the point follows the pointer however far
// the pointer strays from the curve.
bool CurveIndex(const GParaCurve& c, double tx, double ty, double* index) {
  if (c.count < 2) return false;
  const int n = std::min(c.count, kCurveSamples);
  double best = INFINITY, found = 0;
  for (int i = 1; i < n; ++i) {
    const double ax = c.X[i - 1], ay = c.Y[i - 1];
    const double ux = c.X[i] - ax, uy = c.Y[i] - ay;
    const double len2 = ux * ux + uy * uy;
    if (!(len2 > 0) || !std::isfinite(len2)) continue;
    double s = ((tx - ax) * ux + (ty - ay) * uy) / len2;
    s = std::fmax(0.0, std::fmin(1.0, s));
    const double qx = ax + s * ux - tx, qy = ay + s * uy - ty;
    const double d2 = qx * qx + qy * qy;
    if (d2 < best) {
      best = d2;
      found = (i - 1) + s;
    }
  }
  if (!(best < INFINITY)) return false;
  // The last sample itself is not an index the evaluation accepts (it would
  // fall back to the first segment): stay just before it.
  *index = std::fmin(found, n - 1 - 1e-9);
  return true;
}

// Angles on a circle run clockwise (y grows upwards). The point turns from its
// old angle to the target's in steps of 0.3 radians, and the sheet is
// evaluated at each one, so an intersection that depends on the point sees a
// sequence of small moves and keeps its branch instead of jumping across. The
// step ends with the target angle set; the caller evaluates the sheet there.
void TurnOnCircle(GDocument& doc, GConst* k, double x, double y) {
  const GCircle& c = *k->CInput1;
  const double theta = std::atan2(c.cy.re - y, x - c.cx.re);
  double from = k->param1.re;
  if (!std::isfinite(from)) {
    from = theta;
  } else if (std::fabs(from - theta) > kLongestWalk) {
    from -= 2 * M_PI * std::round((from - theta) / (2 * M_PI));
  }
  // Across the cut of atan2 the target lies a whole turn away: go the short way.
  if (theta > from + 5.28 && theta < from + 7.28)
    from += 6.28;
  else if (theta > from - 7.28 && theta < from - 5.28)
    from -= 6.28;
  if (theta < from) {
    for (int i = 1; from - i * kAngleStep >= theta + kAngleStep; ++i) {
      k->param1 = CComplex(from - i * kAngleStep, 0);
      EvaluateDriven(doc, k);
    }
  } else {
    for (int i = 1; from + i * kAngleStep <= theta - kAngleStep; ++i) {
      k->param1 = CComplex(from + i * kAngleStep, 0);
      EvaluateDriven(doc, k);
    }
  }
  k->param1 = CComplex(theta, 0);
}

}  // namespace

bool GDocument::CanMovePoint(GPoint* p) {
  if (!p) return false;
  GConst* k = nullptr;
  if (!FindPtFromCn(FirstConst(), p, &k) || !k) return false;
  // Free points, and points bound to a line, a circle or a curve, which the
  // drag slides along their carrier.
  return k->type == CONST_FREE || k->type == CONST_PT_ON_CIRCLE || k->type == CONST_PT_ON_CURVE ||
         BoundToLine(k->type);
}

bool GDocument::MovePoint(GPoint* p, double x, double y) {
  if (!std::isfinite(x) || !std::isfinite(y) || !CanMovePoint(p)) return false;
  GConst* k = nullptr;
  FindPtFromCn(FirstConst(), p, &k);
  m_MovingPoint = p;
  CComplex t;
  switch (k->type) {
    case CONST_FREE:
      p->x = CComplex(x, 0);
      p->y = CComplex(y, 0);
      p->z = CComplex(1, 0);
      break;
    case CONST_ON_LINE:
      // Weights (1 - s) on A and s on B put the point at A + s (B - A).
      if (k->PInput1 && k->PInput2) {
        const GPoint& a = *k->PInput1;
        const GPoint& b = *k->PInput2;
        if (FootParameter(a.xz(), a.yz(), b.xz() - a.xz(), b.yz() - a.yz(), x, y, &t)) {
          k->param1 = t;
          k->param2 = CComplex(1, 0) - t;
        }
      }
      break;
    case CONST_PT_ON_PARA:
      // Along the line's direction (-b, a) from the base point.
      if (k->LInput1 && k->PInput1 &&
          FootParameter(k->PInput1->xz(), k->PInput1->yz(), -k->LInput1->b, k->LInput1->a, x, y,
                        &t))
        k->param1 = t;
      break;
    case CONST_PT_ON_PER:
      // Along the line's normal (a, b) from the base point.
      if (k->LInput1 && k->PInput1 &&
          FootParameter(k->PInput1->xz(), k->PInput1->yz(), k->LInput1->a, k->LInput1->b, x, y, &t))
        k->param1 = t;
      break;
    case CONST_PT_ON_CURVE: {
      double index = 0;
      if (k->CurveInput1 && CurveIndex(*k->CurveInput1, x, y, &index))
        k->param1 = CComplex(index, 0);
      break;
    }
    case CONST_PT_ON_CIRCLE:
      if (k->CInput1) TurnOnCircle(*this, k, x, y);
      break;
    default: {
      // The other lines (tangents, bisectors, turned lines) slide the point
      // by the parameter that places it, however they build their direction.
      const StepKind* kind = StepKindOf(k->type);
      SlideAlong(k, kind->position, kind->evaluate, x, y);
      break;
    }
  }
  EvaluateDriven(*this, k);
  return true;
}
