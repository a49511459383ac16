// Construction tools that make lines: joins and segments, parallels and
// perpendiculars, bisectors, tangents to circles and curves, and lines at an
// angle to a line. Each builder reads the hilighted elements.
#include <cmath>

#include "model/Gesture.h"
#include "model/Lookup.h"

namespace {

bool IsRecordedOn(const GCircle* c, const GPoint* p) {
  for (const GIncident* ic = c->ics.head; ic; ic = ic->next)
    if (ic->point == p) return true;
  return false;
}

}  // namespace

// A fresh line through P and a point just beside it, with the next line name.
// Its step's evaluation moves it to its true place.
GLine* GGesture::NewToolLine(GPoint* through) {
  const double x = through ? through->xz().re : 0.0;
  const double y = through ? through->yz().re : 0.0;
  GLine* l = m_Doc.NewLine(x, y, x + 0.01, y + 0.01);
  if (!l) return nullptr;
  l->name = m_Doc.TakeName(GNameKind::kLine);
  return l;
}

// A line step with its output, appended to the list. When the step pool is
// full the line goes back to its pool and nothing is made.
GConst* GGesture::NewLineStep(GStepKind type, GPoint* through) {
  GLine* l = NewToolLine(through);
  if (!l) return nullptr;
  GConst* c = m_Doc.NewConst(type);
  if (!c) {
    l->inUse = 0;
    l->name = std::string();
    return nullptr;
  }
  c->LOutput = l;
  return c;
}

void GGesture::ShowNewOutput(GConst* c) {
  m_Doc.ClearAllHilights();
  switch (c->Output_Type()) {
    case OUTPUT_POINT:
      m_Doc.AssignPoint(c->POutput);
      m_Doc.Sethilighted(c->POutput);
      break;
    case OUTPUT_LINE:
      m_Doc.AssignLine(c->LOutput);
      m_Doc.Sethilighted(c->LOutput);
      break;
    case OUTPUT_CIRCLE:
      m_Doc.AssignCircle(c->COutput);
      m_Doc.Sethilighted(c->COutput);
      break;
    case OUTPUT_CURVE:
      m_Doc.AssignCurve(c->CurveOutput);
      m_Doc.Sethilighted(c->CurveOutput);
      break;
    case OUTPUT_ANGLE:
      m_Doc.AssignAngle(c->AngleOutput);
      m_Doc.Sethilighted(c->AngleOutput);
      break;
    case OUTPUT_BRACKET:
      m_Doc.AssignBracket(c->BracketOutput);
      m_Doc.Sethilighted(c->BracketOutput);
      break;
  }
  m_Doc.WriteConst(c);
}

// The common end of every line builder: a line that only repeats an existing
// one is removed again, otherwise the points it passes are recorded.
bool GGesture::FinishLine(GConst* c, bool announce) {
  m_Doc.EvaluateConst(m_Doc.FirstConst());
  ShowNewOutput(c);
  return m_Doc.Relations().CheckNewElement(c->LOutput, announce);
}

// An existing line stands in for the one asked for: it alone is hilighted.
void GGesture::ShowExisting(GLine* l) {
  m_Doc.ClearAllHilights();
  if (l) m_Doc.Sethilighted(l);
}

bool GGesture::MakeJoin(GPoint* p, GPoint* q, bool clipped) {
  if (!p || !q || p == q) return false;
  GConst* old = nullptr;
  if (FindJoinFromCns(m_Doc.FirstConst(), p, q, &old) && old && old->LOutput) {
    // The line is there already; asking for a segment makes it one.
    if (clipped) old->LOutput->toolMark = 1;
    ShowExisting(old->LOutput);
    return false;
  }
  GConst* c = NewLineStep(CONST_JOIN, p);
  if (!c) return false;
  c->PInput1 = p;
  c->PInput2 = q;
  c->LOutput->toolMark = clipped ? 1 : 0;
  c->Evaluate();
  m_Doc.AssignIncident(c->LOutput, p, 0);
  m_Doc.AssignIncident(c->LOutput, q, 1);
  m_Doc.Relations().ResetLineIcPara(c->LOutput);
  return FinishLine(c, true);
}

bool GGesture::ConstDefLine() {
  if (m_Doc.Selection().Points().Count() < 2) return false;
  return MakeJoin(m_Doc.Selection().Points()[0], m_Doc.Selection().Points()[1], false);
}

bool GGesture::ConstDefClippingLine() {
  if (m_Doc.Selection().Points().Count() < 2) return false;
  return MakeJoin(m_Doc.Selection().Points()[0], m_Doc.Selection().Points()[1], true);
}

void GGesture::LineClippingon() {
  for (int i = 0; i < m_Doc.Selection().Lines().Count(); ++i)
    if (m_Doc.Selection().Lines()[i]) m_Doc.Selection().Lines()[i]->toolMark = 1;
}

void GGesture::SetClipping(bool on) {
  for (int i = 0; i < m_Doc.Selection().Lines().Count(); ++i)
    if (m_Doc.Selection().Lines()[i]) m_Doc.Selection().Lines()[i]->toolMark = on ? 1 : 0;
  for (int i = 0; i < m_Doc.Selection().Circles().Count(); ++i)
    if (m_Doc.Selection().Circles()[i]) m_Doc.Selection().Circles()[i]->toolMark = on ? 1 : 0;
}

// Parallel and perpendicular share everything but the step kind.
bool GGesture::MakeParaOrPerp(GStepKind type) {
  if (m_Doc.Selection().Points().Count() < 1 || m_Doc.Selection().Lines().Count() < 1) return false;
  GPoint* p = m_Doc.Selection().Points()[0];
  GLine* base = m_Doc.Selection().Lines()[0];
  GConst* old = nullptr;
  const int found = type == CONST_PARALLEL ? FindParaFromCns(m_Doc.FirstConst(), base, p, &old)
                                           : FindPerpFromCns(m_Doc.FirstConst(), base, p, &old);
  if (found && old) {
    ShowExisting(old->LOutput);
    return false;
  }
  GConst* c = NewLineStep(type, p);
  if (!c) return false;
  c->PInput1 = p;
  c->LInput1 = base;
  c->Evaluate();
  m_Doc.AssignIncident(c->LOutput, p, 0);
  return FinishLine(c, true);
}

bool GGesture::ConstDefPara() { return MakeParaOrPerp(CONST_PARALLEL); }
bool GGesture::ConstDefPerp() { return MakeParaOrPerp(CONST_PERP); }

// The bisector of the angle P1 P2 P3 at the vertex P2, which it passes through.
bool GGesture::ConstDefBisector() {
  if (m_Doc.Selection().Points().Count() < 3) return false;
  GPoint* a = m_Doc.Selection().Points()[0];
  GPoint* v = m_Doc.Selection().Points()[1];
  GPoint* b = m_Doc.Selection().Points()[2];
  GConst* old = nullptr;
  if (Find3PBisectorFromCns(m_Doc.FirstConst(), a, v, b, &old) && old) {
    ShowExisting(old->LOutput);
    return false;
  }
  GConst* c = NewLineStep(CONST_3P_BISECTOR, v);
  if (!c) return false;
  c->PInput1 = a;
  c->PInput2 = v;
  c->PInput3 = b;
  c->Evaluate();
  m_Doc.AssignIncident(c->LOutput, v, 0);
  return FinishLine(c, true);
}

// One of the two bisectors of two lines: side +1 adds the normalised lines,
// -1 subtracts them.
bool GGesture::ConstDefBisector(GLine* l1, GLine* l2, double side) {
  if (!l1 || !l2 || l1 == l2) return false;
  GConst* old = nullptr;
  if (FindBisectorFromCns(m_Doc.FirstConst(), l1, l2, side, &old) && old) {
    ShowExisting(old->LOutput);
    return false;
  }
  GConst* c = NewLineStep(CONST_BISECTOR, nullptr);
  if (!c) return false;
  c->LInput1 = l1;
  c->LInput2 = l2;
  c->param1 = CComplex(side, 0);
  c->Evaluate();
  return FinishLine(c, true);
}

// Of the two bisectors of l1 and l2, the one inside the angle that holds both
// clicked positions: its direction is the sum of the unit vectors from the
// lines' meeting point towards the two clicks. Parallel lines have only the
// middle line, which is the sum of the normalised lines when both normals
// point the same way.
double GGesture::BisectorSide(const GLine& l1, const GLine& l2, double x1, double y1, double x2,
                              double y2) {
  const double a1 = l1.a.re, b1 = l1.b.re, c1 = l1.c.re;
  const double a2 = l2.a.re, b2 = l2.b.re, c2 = l2.c.re;
  const double n1 = std::hypot(a1, b1), n2 = std::hypot(a2, b2);
  if (n1 == 0 || n2 == 0) return 1;
  // Normals of the two candidate bisectors.
  const double pa = a1 / n1 + a2 / n2, pb = b1 / n1 + b2 / n2;
  const double ma = a1 / n1 - a2 / n2, mb = b1 / n1 - b2 / n2;
  const double z = a1 * b2 - b1 * a2;
  if (std::fabs(z) < 1e-12 * n1 * n2) return std::hypot(pa, pb) >= std::hypot(ma, mb) ? 1 : -1;
  const double vx = (b1 * c2 - c1 * b2) / z, vy = (c1 * a2 - a1 * c2) / z;
  double ux = x1 - vx, uy = y1 - vy, wx = x2 - vx, wy = y2 - vy;
  const double lu = std::hypot(ux, uy), lw = std::hypot(wx, wy);
  if (lu > 0) ux /= lu, uy /= lu;
  if (lw > 0) wx /= lw, wy /= lw;
  const double dx = ux + wx, dy = uy + wy;
  // The wanted bisector runs along d, so its normal is the one across d.
  const double across = std::fabs(pa * dx + pb * dy) / std::hypot(pa, pb);
  const double acrossM = std::fabs(ma * dx + mb * dy) / std::hypot(ma, mb);
  return across <= acrossM ? 1 : -1;
}

// The tangent at a point recorded on the circle.
bool GGesture::ConstDefTangent() {
  if (m_Doc.Selection().Points().Count() < 1 || m_Doc.Selection().Circles().Count() < 1)
    return false;
  GPoint* p = m_Doc.Selection().Points()[0];
  GCircle* circle = m_Doc.Selection().Circles()[0];
  if (!IsRecordedOn(circle, p)) return false;
  GConst* old = nullptr;
  if (FindTangentFromCns(m_Doc.FirstConst(), circle, p, &old) && old) {
    ShowExisting(old->LOutput);
    return false;
  }
  GConst* c = NewLineStep(CONST_TANGENT, p);
  if (!c) return false;
  c->CInput1 = circle;
  c->PInput1 = p;
  return FinishLine(c, false);
}

// The tangent of a curve at a point placed on that curve: the step keeps the
// point's own step, whose parameter tells where on the curve the point sits.
// A point that is not on the curve has no tangent there, so nothing is made.
bool GGesture::ConstDefCurveTangent() {
  if (m_Doc.Selection().Points().Count() < 1 || m_Doc.Selection().Curves().Count() < 1)
    return false;
  GPoint* p = m_Doc.Selection().Points()[0];
  GParaCurve* curve = m_Doc.Selection().Curves()[0];
  GConst* pointStep = nullptr;
  FindPtFromCn(m_Doc.FirstConst(), p, &pointStep);
  if (!pointStep || pointStep->type != CONST_PT_ON_CURVE || pointStep->CurveInput1 != curve)
    return false;
  GConst* old = nullptr;
  if (FindCurveTangentFromCns(m_Doc.FirstConst(), curve, p, &old) && old) {
    ShowExisting(old->LOutput);
    return false;
  }
  GConst* c = NewLineStep(CONST_CURVE_TANGENT, p);
  if (!c) return false;
  c->CurveInput1 = curve;
  c->PInput1 = p;
  c->curveStep = pointStep;
  return FinishLine(c, false);
}

// The line through P1 at the current angle to L1: the first hilighted angle
// mark, else the mark chosen by names, else m_AngleDegrees.
bool GGesture::ConstDefLineWithAngle() {
  if (m_Doc.Selection().Points().Count() < 1 || m_Doc.Selection().Lines().Count() < 1) return false;
  if (m_Doc.Selection().Angles().Count() > 0) m_CurrentAngle = m_Doc.Selection().Angles()[0];
  return MakeLineWithAngle(m_Doc.Selection().Lines()[0], m_Doc.Selection().Points()[0]);
}

bool GGesture::MakeLineWithAngle(GLine* base, GPoint* p) {
  if (!base || !p) return false;
  // A mark chosen earlier may have been deleted since, or belong to another
  // sheet: then the typed angle is used.
  bool markHere = false;
  for (GAngle* a = m_Doc.Sheet().angles.head; a && !markHere; a = a->next)
    markHere = a == m_CurrentAngle;
  if (!markHere) m_CurrentAngle = nullptr;
  GConst* old = nullptr;
  const int found =
      m_CurrentAngle
          ? FindLineWithAngleFromCns(m_Doc.FirstConst(), base, p, m_CurrentAngle, &old)
          : FindLineWithAngleDegreeFromCns(m_Doc.FirstConst(), base, p, m_AngleDegrees, &old);
  if (found && old) {
    ShowExisting(old->LOutput);
    return false;
  }
  GConst* c = NewLineStep(m_CurrentAngle ? CONST_LINE_WITH_ANGLE : CONST_LINE_WITH_ANGLE_DEGREE, p);
  if (!c) return false;
  c->LInput1 = base;
  c->PInput1 = p;
  if (m_CurrentAngle)
    c->AngleInput1 = m_CurrentAngle;
  else
    c->param1 = CComplex(m_AngleDegrees, 0);
  c->Evaluate();
  m_Doc.AssignIncident(c->LOutput, p, 0);
  return FinishLine(c, true);
}
