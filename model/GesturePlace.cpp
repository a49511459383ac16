// Placing points: the free point that follows the pointer, and what it
// becomes at release: the existing point it was dropped on, a point bound to
// a line, circle or curve, an intersection, or a free point.
#include <cmath>

#include "model/Gesture.h"
#include "model/HitTest.h"
#include "model/Incidence.h"
#include "model/Lookup.h"
#include "model/StepKinds.h"

namespace {

// Clockwise angle of p on a circle about (cx, cy), as points on circles are
// evaluated: the y difference is taken centre minus point.
double AngleOn(const GCircle* c, const GPoint* p) {
  return std::atan2(c->cy.re - p->yz().re, p->xz().re - c->cx.re);
}

// Clears the inputs and parameters of a step before it is turned into
// another kind; its output stays.
void ClearInputs(GConst* k) {
  k->LInput1 = k->LInput2 = k->LInput3 = nullptr;
  k->PInput1 = k->PInput2 = k->PInput3 = nullptr;
  k->CInput1 = k->CInput2 = k->CInput3 = nullptr;
  k->CurveInput1 = k->CurveInput2 = nullptr;
  k->TextInput1 = nullptr;
  k->AngleInput1 = nullptr;
  k->param1 = k->param2 = k->param3 = k->param4 = CComplex();
}

// For the kinds that move a base point by t along a direction, the t that
// puts the point where it is now: evaluating at t = 0 and t = 1 gives the base
// and the direction, and t is the projection onto that direction (the same
// algebra with complex coordinates, so a complex point keeps its value).
CComplex SolveLinearParam(GConst* k, CComplex* t, const GPoint& at) {
  GPoint* p = k->POutput;
  *t = CComplex(0, 0);
  if (k->Evaluate() != 0) return CComplex();
  const CComplex ox = p->xz(), oy = p->yz();
  *t = CComplex(1, 0);
  if (k->Evaluate() != 0) return CComplex();
  const CComplex dx = p->xz() - ox, dy = p->yz() - oy;
  const CComplex n = dx * dx + dy * dy;
  const CComplex r = ((at.xz() - ox) * dx + (at.yz() - oy) * dy) / n;
  *t = r;
  return r;
}

// The weights (u, v) of a point dividing A B: the point is (v A + u B) / (u + v).
// Measured along x unless A and P share it, then along y; when that measure
// cannot tell the points apart (a horizontal line with P on A) the other
// coordinate is used, so the point does not land halfway instead.
void DivisionWeights(const GPoint& a, const GPoint& b, const GPoint& p, CComplex* u, CComplex* v) {
  const bool useY = p.xz() == a.xz();
  for (int pass = 0; pass < 2; ++pass) {
    const bool y = (pass == 0) ? useY : !useY;
    if (y) {
      *u = p.yz() - a.yz();
      *v = b.yz() - p.yz();
    } else {
      *u = p.xz() - a.xz();
      *v = b.xz() - p.xz();
    }
    if (!zerop(*u + *v)) return;
  }
  *u = *v = CComplex(1, 0);
}

}  // namespace

// ---- the point that follows the pointer ----

void GGesture::ConstFree(double x, double y, bool hilight) {
  m_NewPoint = m_Doc.NewPoint(CComplex(x, 0), CComplex(y, 0));
  if (!m_NewPoint) return;
  m_NewPoint->next = nullptr;
  GConst* k = m_Doc.NewConst(CONST_FREE);
  if (!k) {  // no step slot left: nothing is placed
    m_NewPoint->inUse = 0;
    m_NewPoint = nullptr;
    return;
  }
  if (hilight) m_Doc.Sethilighted(m_NewPoint);
  k->PInput1 = k->POutput = m_NewPoint;
  k->Evaluate();
}

void GGesture::LDown_SPoint(double x, double y) {
  ToWholeUnits(&x, &y);
  if (!m_ShiftDown) m_Doc.ClearAllHilights();
  ConstFree(x, y, true);
  m_PlacingPoint = m_NewPoint != nullptr;
  m_SnapPoint = m_NearLine = m_NearCircle = m_NearCurve = false;
  m_StartPoint = nullptr;
  m_DropPoint = nullptr;
}

// The snaps follow one another: a position near a point and a line goes onto
// the point, then from there onto the line, so crossings come out right.
void GGesture::LDrag_Point(double x, double y) {
  if (!m_PlacingPoint || !m_NewPoint) return;
  ToWholeUnits(&x, &y);
  GSheet& s = m_Doc.Sheet();
  GPoint* found = nullptr;
  m_SnapPoint = Snapping(s.points.head, &x, &y, &found);
  m_NearLine = Snap2Line(s.lines.head, &x, &y);
  PtDragHilight(s.lines.head, x, y);
  m_NearCircle = Snap2Circle(s.circles.head, &x, &y);
  PtDragHilight(s.circles.head, x, y);
  m_NearCurve = Snap2Curve(s.curves.head, &x, &y);
  PtDragHilight(s.curves.head, x, y);
  PtDragHilight(s.points.head, x, y);
  m_NewPoint->x = CComplex(x, 0);
  m_NewPoint->y = CComplex(y, 0);
  m_NewPoint->z = CComplex(1, 0);
  m_Doc.EvaluateConst(m_Doc.FirstConst());
}

int GGesture::LUp_SPoint(double x, double y) {
  const int code = LUp_Point(&x, &y);
  m_Doc.WriteConst(m_Doc.CurrentConst());
  m_PlacingPoint = false;
  return code;
}

GPoint* GGesture::PlacedPoint() const {
  if (m_DropPoint) return m_DropPoint;
  if (m_NewPoint && m_NewPoint->inUse) return m_NewPoint;
  return nullptr;
}

// ---- the decision at release ----

namespace {

// Takes the point being placed and its step away. The slot is freed (a
// point in no list would otherwise hold its slot for good); incidence
// records a two-point tool made for it stay, so the tool can put the point
// it was dropped on in its place.
void DropNewPoint(GGesture& g) {
  GDocument& doc = g.Doc();
  GPoint* p = g.PointBeingPlaced();
  if (!p) return;
  doc.DeletePtFromCn(&doc.Sheet().consts.head, p);
  doc.Selection().Points().Remove(p);
  p->hilighted = 0;
  p->inUse = 0;
  p->next = nullptr;
}

int Undecided(GGesture& g) {
  DropNewPoint(g);
  return 0;
}

}  // namespace

int GGesture::LUp_Point(double* x, double* y) {
  m_DropPoint = nullptr;
  if (!m_PlacingPoint || !m_NewPoint) return 0;
  ToWholeUnits(x, y);
  // The release decides from where it happens, as though one last drag step
  // had gone there: a plain click (a tap, a trackpad click) has no motion at
  // all, and a release may come a little away from the last motion event.
  LDrag_Point(*x, *y);
  m_PlacingPoint = false;
  GSheet& s = m_Doc.Sheet();

  if (m_SnapPoint) {
    // The last drag step put the point onto an existing one; look for it at
    // the release position, then where the drag left the new point.
    GPoint* p = nullptr;
    double px = m_NewPoint->xz().re, py = m_NewPoint->yz().re;
    if (Snapping(s.points.head, x, y, &p) || Snapping(s.points.head, &px, &py, &p)) {
      DropNewPoint(*this);
      m_DropPoint = p;
      return p == m_StartPoint ? 2 : 1;
    }
  }

  // The new point joins the list and gets its name before it is bound.
  auto enter = [&]() {
    m_NewPoint->x = CComplex(*x, 0);
    m_NewPoint->y = CComplex(*y, 0);
    m_NewPoint->z = CComplex(1, 0);
    m_Doc.AssignPoint(m_NewPoint);
    m_Doc.SetPointName(m_NewPoint);
  };

  if (m_NearLine) {
    GLine *l1 = nullptr, *l2 = nullptr;
    const int nl = Snap2LineEx(s.lines.head, x, y, &l1, &l2);
    if (m_NearCircle && nl == 1) {
      GCircle *c1 = nullptr, *c2 = nullptr;
      if (Snap2CircleEx(s.circles.head, x, y, &c1, &c2) == 0) return Undecided(*this);
      enter();
      ConstMeet(c1, l1, *x, *y);
      return 5;
    }
    if (nl == 1) {
      enter();
      ConstOnLine(l1);
      return 3;
    }
    if (nl == 2) {
      enter();
      ConstMeet(l1, l2);
      return 4;
    }
    return Undecided(*this);
  }
  if (m_NearCircle) {
    GCircle *c1 = nullptr, *c2 = nullptr;
    const int nc = Snap2CircleEx(s.circles.head, x, y, &c1, &c2);
    if (nc == 1) {
      enter();
      ConstOnCircle(c1);
      return 6;
    }
    if (nc == 2) {
      enter();
      ConstMeet(c1, c2, *x, *y);
      return 7;
    }
    return Undecided(*this);
  }
  if (m_NearCurve) {
    GParaCurve *k1 = nullptr, *k2 = nullptr;
    if (Snap2CurveEx(s.curves.head, x, y, &k1, &k2) == 0) return Undecided(*this);
    enter();
    ConstOnCurve(k1);
    return 8;
  }
  m_Doc.SetPointName(m_NewPoint);
  m_Doc.AssignPoint(m_NewPoint);
  return 9;
}

// ---- binding the new point ----

namespace {

// The step that makes the point being placed.
GConst* NewPointStep(GGesture& g) {
  GDocument& doc = g.Doc();
  GConst* k = nullptr;
  if (!g.PointBeingPlaced() || !FindPtFromCn(doc.FirstConst(), g.PointBeingPlaced(), &k))
    return nullptr;
  return k;
}

}  // namespace

// The point keeps its place on the line: its step becomes the bound kind that
// matches how the line was made, with the line's inputs, and a parameter that
// evaluates back to the present position.
int GGesture::ConstOnLine(GLine* line) {
  GConst* k = NewPointStep(*this);
  GConst* ls = nullptr;
  if (!k || !line || !FindLnFromCn(m_Doc.FirstConst(), line, &ls)) return 0;
  GPoint* p = m_NewPoint;
  const GPoint at = *p;
  const int type = BoundKindOn(ls->type);
  if (!type) return 0;
  ClearInputs(k);
  k->type = static_cast<short>(type);
  k->POutput = p;
  TakeCarrierInputs(k, ls);

  CComplex t;  // the parameter that fixes the position along the line
  switch (type) {
    case CONST_ON_LINE: {
      if (!ls->PInput1 || !ls->PInput2) return 0;
      DivisionWeights(*ls->PInput1, *ls->PInput2, at, &k->param1, &k->param2);
      t = k->param1 / (k->param1 + k->param2);
      break;
    }
    case CONST_PT_ON_PARA: {
      // P = A + t (-b, a) with (a, b) the normal of the base line.
      if (!ls->PInput1 || !ls->LInput1) return 0;
      const GPoint& a = *ls->PInput1;
      const GLine& base = *ls->LInput1;
      k->param1 = zerop(base.b) ? (at.yz() - a.yz()) / base.a : -(at.xz() - a.xz()) / base.b;
      t = k->param1;
      break;
    }
    case CONST_PT_ON_BISECTOR:  // param1 is the side of the bisector
      k->param1 = ls->param1;
      t = SolveLinearParam(k, &k->param2, at);
      break;
    case CONST_PT_ON_LINE_WITH_ANGLE_DEGREE:  // param1 is the angle in degrees
      k->param1 = ls->param1;
      t = SolveLinearParam(k, &k->param2, at);
      break;
    default:
      t = SolveLinearParam(k, &k->param1, at);
      break;
  }
  k->Evaluate();
  m_Doc.EvaluateConst(k->next);
  m_Doc.AssignIncident(line, p, t.re);
  m_Doc.Relations().ResetLineIcPara(line);
  return 1;
}

int GGesture::ConstOnCircle(GCircle* circle) {
  GConst* k = NewPointStep(*this);
  if (!k || !circle) return 0;
  GPoint* p = m_NewPoint;
  const double angle = AngleOn(circle, p);
  ClearInputs(k);
  k->type = CONST_PT_ON_CIRCLE;
  k->CInput1 = circle;
  k->param1 = CComplex(angle, 0);
  k->Evaluate();
  m_Doc.EvaluateConst(k->next);
  m_Doc.AssignIncident(circle, p, angle);
  m_Doc.Deletehilighted(circle);
  return 1;
}

// The parameter is the fractional sample index of the segment the point lies
// on (the first segment within the pick distance), 0 when none is.
int GGesture::ConstOnCurve(GParaCurve* curve) {
  GConst* k = NewPointStep(*this);
  if (!k || !curve) return 0;
  GPoint* p = m_NewPoint;
  double index = 0, qx = 0, qy = 0;
  if (curve->hidden ||
      !CurveHit(curve, p->xz().re, p->yz().re, m_Doc.Viewport().PickDistance2(), &qx, &qy, &index))
    index = 0;
  ClearInputs(k);
  k->type = CONST_PT_ON_CURVE;
  k->CurveInput1 = curve;
  k->param1 = CComplex(index, 0);
  k->Evaluate();
  m_Doc.EvaluateConst(k->next);
  m_Doc.Deletehilighted(curve);
  return 1;
}

namespace {

// After CheckCoincidency removed a new intersection as a copy, the old point
// it coincides with, found where the copy was.
GPoint* CoincidingPoint(GGesture& g, const GPoint& copy) {
  GDocument& doc = g.Doc();
  for (GPoint* q = doc.Sheet().points.head; q; q = q->next) {
    GPoint probe = copy;
    if (q != g.PointBeingPlaced() && doc.Relations().point_coincide_local(q, &probe)) return q;
  }
  return nullptr;
}

// Evaluates the new intersection step k and the steps after it. False when
// its point turned out to be an existing one: the copy is gone, and the
// release counts as dropped on that point.
bool EvaluateNewMeet(GGesture& g, GConst* k) {
  GDocument& doc = g.Doc();
  GPoint* p = g.PointBeingPlaced();
  k->Evaluate();
  doc.EvaluateConst(k->next);
  const GPoint copy = *p;
  if (!doc.Relations().CheckCoincidency(p)) return true;
  g.DroppedOn(CoincidingPoint(g, copy));
  return false;
}

}  // namespace

void GGesture::ConstMeet(GLine* l1, GLine* l2) {
  GConst* k = NewPointStep(*this);
  if (!k || !l1 || !l2) return;
  GPoint* p = m_NewPoint;
  ClearInputs(k);
  k->type = CONST_MEET;
  k->LInput1 = l1;
  k->LInput2 = l2;
  if (!EvaluateNewMeet(*this, k)) return;
  m_Doc.AssignIncident(l1, p, 0);
  m_Doc.AssignIncident(l2, p, 0);
  m_Doc.Relations().ResetLineIcPara(l1);
  m_Doc.Relations().ResetLineIcPara(l2);
  m_Doc.Relations().CheckIncidency(p, true);
}

namespace {

// Makes the point's step an intersection with a circle. The release position
// picks the nearer of the two roots; a point already standing on the other
// root makes the step take the root away from it for good.
GConst* MakeCircleMeet(GGesture& g, int type, double x, double y, GPoint* other) {
  GConst* k = NewPointStep(g);
  if (!k) return nullptr;
  ClearInputs(k);
  k->type = static_cast<short>(type);
  k->param1 = CComplex(x, 0);
  k->param2 = CComplex(y, 0);
  k->param3 = k->param4 = kNoRejectedMeet;
  k->PInput1 = (other && other != g.PointBeingPlaced()) ? other : nullptr;
  return k;
}

}  // namespace

void GGesture::ConstMeet(GCircle* c, GLine* l, double x, double y) {
  if (!c || !l) return;
  GPoint* other = nullptr;
  m_Doc.FindAnotherMeet(c, l, &other);
  GConst* k = MakeCircleMeet(*this, CONST_MEET_CL, x, y, other);
  if (!k) return;
  k->LInput1 = l;
  k->CInput1 = c;
  GPoint* p = m_NewPoint;
  if (!EvaluateNewMeet(*this, k)) return;
  m_Doc.AssignIncident(l, p, 0);
  m_Doc.Relations().ResetLineIcPara(l);
  m_Doc.AssignIncident(c, p, AngleOn(c, p));
  m_Doc.Relations().CheckIncidency(p, true);
}

void GGesture::ConstMeet(GCircle* c1, GCircle* c2, double x, double y) {
  if (!c1 || !c2) return;
  GPoint* other = nullptr;
  m_Doc.FindAnotherMeet(c1, c2, &other);
  GConst* k = MakeCircleMeet(*this, CONST_MEET_CC, x, y, other);
  if (!k) return;
  k->CInput1 = c1;
  k->CInput2 = c2;
  GPoint* p = m_NewPoint;
  if (!EvaluateNewMeet(*this, k)) return;
  m_Doc.AssignIncident(c1, p, AngleOn(c1, p));
  m_Doc.AssignIncident(c2, p, AngleOn(c2, p));
  m_Doc.Relations().CheckIncidency(p, true);
}
