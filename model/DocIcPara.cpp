// Parameters of the points recorded on a line (position along it) or circle
// (clockwise angle), rebuilding those records from the construction list, and
// finding the outermost records that bound a drawn segment.
#include <cmath>
#include <vector>

#include "model/Document.h"
#include "model/Lookup.h"
#include "model/StepKinds.h"

namespace {

void SetParam(GIncident* ic, double t) { ic->param = CComplex(t, 0.0); }
void SetParam(GIncident* ic, const CComplex& t) { ic->param = CComplex(t.re, 0.0); }

// Clockwise angle of P seen from the circle's centre (y grows upwards).
double AngleOn(const GCircle* C, const GPoint* P) {
  return std::atan2(C->cy.re - P->yz().re, P->xz().re - C->cx.re);
}

// Position of each recorded point along the line through T with direction d:
// its foot measured from T in units of |d|, growing against d.
void ParamsAlongFrom(GLine* L, const GPoint* T, CComplex d1, CComplex d2) {
  const CComplex xT = T->xz(), yT = T->yz();
  const CComplex len = d1 * d1 + d2 * d2;
  for (GIncident* ic = L->ics.head; ic; ic = ic->next) {
    if (!ic->point) continue;
    const CComplex t = ((xT - ic->point->xz()) * d1 + (yT - ic->point->yz()) * d2) / len;
    SetParam(ic, t);
  }
}

// Unit direction of the bisector of the angle P1-V-P3, in real affine values.
void BisectorDirection(const GPoint* P1, const GPoint* V, const GPoint* P3, double* dx,
                       double* dy) {
  const double xv = V->xz().re, yv = V->yz().re;
  double ux = P1->xz().re - xv, uy = P1->yz().re - yv;
  double wx = P3->xz().re - xv, wy = P3->yz().re - yv;
  const double lu = std::sqrt(ux * ux + uy * uy), lw = std::sqrt(wx * wx + wy * wy);
  if (lu < 0.0001) {
    ux = 1;
    uy = 0;
  } else {
    ux /= lu;
    uy /= lu;
  }
  if (lw < 0.0001) {
    wx = 0;
    wy = 1;
  } else {
    wx /= lw;
    wy /= lw;
  }
  double mx = (ux + wx) / 2, my = (uy + wy) / 2;  // midpoint of the tips, from V
  if (mx == 0.0 && my == 0.0) {
    // A straight angle: the bisector stands perpendicular on the tips' chord.
    mx = uy - wy;
    my = wx - ux;
  }
  const double l = std::sqrt(mx * mx + my * my);
  *dx = l > 0 ? mx / l : 0;
  *dy = l > 0 ? my / l : 0;
}

}  // namespace

void GRelations::ResetLineIcPara(GLine* L) {
  GConst* step = nullptr;
  if (!L || !FindLnFromCn(m_Doc.FirstConst(), L, &step) || !step) return;
  ResetLineIcPara(L, step);
}

void GRelations::ResetLineIcPara(GLine* L, GConst* step) {
  if (!L || !step || step->LOutput != L) return;
  GIncident* first = L->ics.head;
  if (!first || !first->point) return;
  const GPoint* A = first->point;
  const CComplex xA = A->xz(), yA = A->yz();
  switch (step->type) {
    case CONST_JOIN: {
      if (L->icCount <= 2 || !first->next || !first->next->point) return;
      const GPoint* B = first->next->point;
      const bool vertical = xA == B->xz();
      for (GIncident* ic = first->next->next; ic; ic = ic->next) {
        if (!ic->point) continue;
        const CComplex t = vertical ? (ic->point->yz() - yA) / (B->yz() - yA)
                                    : (ic->point->xz() - xA) / (B->xz() - xA);
        SetParam(ic, t);
      }
      return;
    }
    case CONST_PARALLEL:
    case CONST_PERP: {
      if (L->icCount <= 1) return;
      const bool noB = L->b == CComplex(0, 0);
      for (GIncident* ic = first->next; ic; ic = ic->next) {
        if (!ic->point) continue;
        SetParam(ic, noB ? (ic->point->yz() - yA) / L->a : -(ic->point->xz() - xA) / L->b);
      }
      return;
    }
    case CONST_TANGENT: {
      const GPoint* T = step->PInput1;
      const GCircle* C = step->CInput1;
      if (!T || !C) return;
      ParamsAlongFrom(L, T, T->yz() - C->cy, C->cx - T->xz());
      return;
    }
    case CONST_CURVE_TANGENT:
      if (step->PInput1) ParamsAlongFrom(L, step->PInput1, -L->b, L->a);
      return;
    case CONST_3P_BISECTOR: {
      if (L->icCount <= 1 || !step->PInput1 || !step->PInput2 || !step->PInput3) return;
      double dx, dy;
      BisectorDirection(step->PInput1, step->PInput2, step->PInput3, &dx, &dy);
      const double xV = step->PInput2->xz().re, yV = step->PInput2->yz().re;
      for (GIncident* ic = first->next; ic; ic = ic->next) {
        if (!ic->point) continue;
        SetParam(ic, dy != 0.0 ? (ic->point->yz().re - yV) / dy : (ic->point->xz().re - xV) / dx);
      }
      return;
    }
    case CONST_LINE_WITH_ANGLE: {
      if (L->icCount <= 1 || !step->AngleInput1 || !step->LInput1) return;
      const double th = step->AngleInput1->value.re;
      const CComplex a = step->LInput1->a, b = step->LInput1->b;
      const CComplex dx = b * std::cos(th) + a * std::sin(th);
      const CComplex dy = b * std::sin(th) - a * std::cos(th);
      const bool noDx = dx == CComplex(0, 0);
      for (GIncident* ic = first->next; ic; ic = ic->next) {
        if (!ic->point) continue;
        SetParam(ic, noDx ? (ic->point->yz() - yA) / dy : (ic->point->xz() - xA) / dx);
      }
      return;
    }
    case CONST_BISECTOR: {
      // Signed distance from the meeting point V of the two lines, along the
      // bisector's direction (b, -a): the same t that places a point on a
      // bisector. Parallel lines have no meeting point: every record gets 0.
      const GLine* L1 = step->LInput1;
      const GLine* L2 = step->LInput2;
      if (!L1 || !L2) return;
      const double a1 = L1->a.re, b1 = L1->b.re, c1 = L1->c.re;
      const double a2 = L2->a.re, b2 = L2->b.re, c2 = L2->c.re;
      const double z = a1 * b2 - a2 * b1;
      const double n1 = std::hypot(a1, b1), n2 = std::hypot(a2, b2);
      const double a = L->a.re, b = L->b.re, n = std::hypot(a, b);
      const bool parallel = !(std::fabs(z) > 1e-12 * n1 * n2) || !(n > 0);
      const double xV = (b1 * c2 - c1 * b2) / z, yV = (c1 * a2 - a1 * c2) / z;
      for (GIncident* ic = first; ic; ic = ic->next) {
        if (!ic->point) continue;
        if (parallel) {
          SetParam(ic, 0.0);
          continue;
        }
        const double dxP = ic->point->xz().re - xV, dyP = ic->point->yz().re - yV;
        SetParam(ic, (dxP * b - dyP * a) / n);
      }
      return;
    }
    default:
      return;
  }
}

void GRelations::ResetCircleIcPara(GCircle* C) {
  if (!C) return;
  for (GIncident* ic = C->ics.head; ic; ic = ic->next)
    if (ic->point) SetParam(ic, AngleOn(C, ic->point));
}

void GRelations::ResetIcs(GConst* first, GLine* lines) {
  // Only the lists cleared here are rebuilt, so a step on a line outside the
  // given list cannot add a second copy of a record that line still holds.
  std::vector<char> rebuilt(kPoolSize, 0);
  for (GLine* L = lines; L; L = L->next) {
    m_Doc.DeleteIcs(L);
    if (m_Doc.Store().Lines().Holds(L)) rebuilt[m_Doc.Store().Lines().IndexOf(L)] = 1;
  }
  auto ours = [&](const GLine* L) {
    return m_Doc.Store().Lines().Holds(L) && rebuilt[m_Doc.Store().Lines().IndexOf(L)];
  };
  auto add = [&](GLine* L, GPoint* P, double t, bool recompute) {
    if (!ours(L) || !P) return;
    m_Doc.AssignIncident(L, P, t);
    if (recompute) ResetLineIcPara(L);
  };
  for (GConst* c = first; c; c = c->next) {
    GConst* found = nullptr;
    switch (c->type) {
      case CONST_ON_LINE: {
        GLine* L = c->LInput1;
        if (!L && FindJoinFromCns(first, c->PInput1, c->PInput2, &found) && found)
          L = found->LOutput;
        add(L, c->POutput, (c->param1 / (c->param1 + c->param2)).re, true);
        break;
      }
      case CONST_JOIN:
        add(c->LOutput, c->PInput1, 0.0, false);
        add(c->LOutput, c->PInput2, 1.0, false);
        break;
      case CONST_MEET:
        add(c->LInput1, c->POutput, 0.0, true);
        add(c->LInput2, c->POutput, 0.0, true);
        break;
      case CONST_PARALLEL:
      case CONST_PERP:
        add(c->LOutput, c->PInput1, 0.0, false);
        break;
      case CONST_MEET_CL:
        add(c->LInput1, c->POutput, 0.0, true);
        break;
      default:
        // A point bound to any other kind of line: recorded on that line at
        // the parameter that places it there.
        if (const StepKind* kind = StepKindOf(c->type);
            kind && kind->position && FindCarrierFromCns(first, c, &found) && found)
          add(found->LOutput, c->POutput, (c->*kind->position).re, false);
        break;
    }
  }
}

void GRelations::ResetIcs(GConst* first, GCircle* circles) {
  std::vector<char> rebuilt(kPoolSize, 0);
  for (GCircle* C = circles; C; C = C->next) {
    m_Doc.DeleteIcs(C);
    if (m_Doc.Store().Circles().Holds(C)) rebuilt[m_Doc.Store().Circles().IndexOf(C)] = 1;
  }
  auto add = [&](GCircle* C, GPoint* P, bool angle, double t) {
    if (!P || !m_Doc.Store().Circles().Holds(C)) return;
    if (!rebuilt[m_Doc.Store().Circles().IndexOf(C)]) return;
    m_Doc.AssignIncident(C, P, angle ? AngleOn(C, P) : t);
  };
  for (GConst* c = first; c; c = c->next) {
    switch (c->type) {
      case CONST_MULTI_CIRCLE:
        add(c->COutput, c->PInput2, true, 0);
        break;
      case CONST_PT_ON_CIRCLE:
        add(c->CInput1, c->POutput, false, c->param1.re);
        break;
      case CONST_MEET_CL:
        add(c->CInput1, c->POutput, true, 0);
        break;
      case CONST_MEET_CC:
        add(c->CInput1, c->POutput, true, 0);
        add(c->CInput2, c->POutput, true, 0);
        break;
      default:
        break;
    }
  }
}

void FindLineends(GIncident* list, GIncident** low, GIncident** high) {
  *low = *high = nullptr;
  for (GIncident* ic = list; ic; ic = ic->next) {
    if (!*low || ic->param.re < (*low)->param.re) *low = ic;
    if (!*high || ic->param.re > (*high)->param.re) *high = ic;
  }
}
