// Construction tools that make points and circles: midpoints, circles by
// centre and point, compass circles, circles through three points, and the
// intersections of the hilighted lines and circles.
#include <cmath>

#include "model/Gesture.h"
#include "model/Lookup.h"

namespace {

// Gives back a point that never reached the point list, with its step.
void DropUnlistedPoint(GDocument& doc, GPoint* p) {
  doc.DeletePtFromCn(&doc.Sheet().consts.head, p);
  doc.Selection().Points().Remove(p);
  p->inUse = 0;
  p->hilighted = 0;
  p->name = std::string();
}

// Clockwise angle of P seen from the circle's centre, as points on circles
// store it.
double AngleOnCircle(const GCircle* c, const GPoint* p) {
  return std::atan2(c->cy.re - p->yz().re, p->xz().re - c->cx.re);
}

}  // namespace

bool GGesture::ConstDefMid() {
  if (m_Doc.Selection().Points().Count() < 2) return false;
  GPoint* p = m_Doc.Selection().Points()[0];
  GPoint* q = m_Doc.Selection().Points()[1];
  GPoint* m = m_Doc.NewPoint(CComplex(0, 0), CComplex(0, 0));
  if (!m) return false;
  GConst* c = m_Doc.NewConst(CONST_MID);
  if (!c) {
    m->inUse = 0;
    return false;
  }
  c->PInput1 = p;
  c->PInput2 = q;
  c->POutput = m;
  c->Evaluate();
  m_Doc.SetPointName(m);
  ShowNewOutput(c);
  return m_Doc.Relations().CheckNewElement(m, true);
}

// A circle step of the given kind on up to three points, named, hilighted,
// listed and checked. The circle through P2 records P2 on itself.
bool GGesture::MakeCircleStep(GStepKind type, GPoint* p1, GPoint* p2, GPoint* p3) {
  GCircle* circle = m_Doc.NewCircle(0, 0, 1);
  if (!circle) return false;
  GConst* c = m_Doc.NewConst(type);
  if (!c) {
    circle->inUse = 0;
    return false;
  }
  c->PInput1 = p1;
  c->PInput2 = p2;
  c->PInput3 = p3;
  c->COutput = circle;
  m_Doc.SetCircleName(circle);
  m_Doc.EvaluateConst(m_Doc.FirstConst());
  if (type == CONST_MULTI_CIRCLE) {
    m_Doc.AssignIncident(circle, p2, 0);
    m_Doc.Relations().ResetCircleIcPara(circle);
  }
  ShowNewOutput(c);
  return m_Doc.Relations().CheckNewElement(circle, true);
}

// Two points: the circle about P1 through P2. Three points: the compass circle
// of radius P1 P2 about P3, with the segment P1 P2 drawn as the compass's
// measure unless a line already joins them.
bool GGesture::ConstDefCircle() {
  if (m_Doc.Selection().Points().Count() == 2)
    return MakeCircleStep(CONST_MULTI_CIRCLE, m_Doc.Selection().Points()[0],
                          m_Doc.Selection().Points()[1], nullptr);
  if (m_Doc.Selection().Points().Count() != 3) return false;
  GPoint* p = m_Doc.Selection().Points()[0];
  GPoint* q = m_Doc.Selection().Points()[1];
  const bool built = ConstDefCompass();
  GConst* join = nullptr;
  if (FindJoinFromCns(m_Doc.FirstConst(), p, q, &join)) return built;
  GCircle* circle =
      m_Doc.Selection().Circles().Count() > 0 ? m_Doc.Selection().Circles()[0] : nullptr;
  GConst* c = NewLineStep(CONST_JOIN, p);
  if (!c) return built;
  c->PInput1 = p;
  c->PInput2 = q;
  c->LOutput->toolMark = 1;
  c->Evaluate();
  m_Doc.AssignIncident(c->LOutput, p, 0);
  m_Doc.AssignIncident(c->LOutput, q, 1);
  m_Doc.Relations().ResetLineIcPara(c->LOutput);
  m_Doc.WriteConst(c);
  m_Doc.AssignLine(c->LOutput);
  // The segment only shows the radius: its relations are recorded quietly,
  // and the circle stays the one hilighted element.
  m_Doc.Relations().CheckNewElement(c->LOutput, false);
  m_Doc.ClearAllHilights();
  if (circle) m_Doc.Sethilighted(circle);
  return built;
}

bool GGesture::ConstDefCompass() {
  if (m_Doc.Selection().Points().Count() < 3) return false;
  return MakeCircleStep(CONST_COMPASS, m_Doc.Selection().Points()[0], m_Doc.Selection().Points()[1],
                        m_Doc.Selection().Points()[2]);
}

// The circle through three points: first its centre, as a point of its own
// (the circumcentre, at infinity for three points on a line), then the circle
// about it through P3, with all three recorded on it.
bool GGesture::ConstDefCircleBy3() {
  if (m_Doc.Selection().Points().Count() < 3) return false;
  GPoint* p1 = m_Doc.Selection().Points()[0];
  GPoint* p2 = m_Doc.Selection().Points()[1];
  GPoint* p3 = m_Doc.Selection().Points()[2];
  const CComplex x1 = p1->xz(), y1 = p1->yz(), x2 = p2->xz(), y2 = p2->yz();
  const CComplex x3 = p3->xz(), y3 = p3->yz();
  const CComplex s12 = x2 * x2 - x1 * x1 + y2 * y2 - y1 * y1;
  const CComplex s13 = x3 * x3 - x1 * x1 + y3 * y3 - y1 * y1;
  GPoint* centre =
      m_Doc.NewPoint(s12 * (y3 - y1) - s13 * (y2 - y1), s13 * (x2 - x1) - s12 * (x3 - x1),
                     ((x2 - x1) * (y3 - y1) - (x3 - x1) * (y2 - y1)) * 2.0);
  GCircle* circle = centre ? m_Doc.NewCircle(0, 0, 1) : nullptr;
  GConst* cc = circle ? m_Doc.NewConst(CONST_ORTHOCENTER) : nullptr;
  GConst* cm = cc ? m_Doc.NewConst(CONST_MULTI_CIRCLE) : nullptr;
  if (!cm) {
    if (cc) m_Doc.DeleteConst(cc);
    if (circle) circle->inUse = 0;
    if (centre) centre->inUse = 0;
    return false;
  }
  cc->PInput1 = p1;
  cc->PInput2 = p2;
  cc->PInput3 = p3;
  cc->POutput = centre;
  m_Doc.AssignPoint(centre);
  m_Doc.SetPointName(centre);
  m_Doc.WriteConst(cc);
  m_Doc.ClearAllHilights();
  m_Doc.Sethilighted(centre);

  cm->PInput1 = centre;
  cm->PInput2 = p3;
  cm->COutput = circle;
  cm->Evaluate();
  m_Doc.SetCircleName(circle);
  m_Doc.WriteConst(cm);
  m_Doc.Sethilighted(circle);
  m_Doc.AssignCircle(circle);
  m_Doc.EvaluateConst(m_Doc.FirstConst());
  m_Doc.AssignIncident(circle, p1, 0);
  m_Doc.AssignIncident(circle, p2, 0);
  m_Doc.AssignIncident(circle, p3, 0);
  m_Doc.Relations().ResetCircleIcPara(circle);
  if (!m_Doc.Relations().CheckNewElement(circle, true)) {
    // The circle was there already; its new centre was made only for it.
    m_Doc.DeleteConst(cc);
    return false;
  }
  return true;
}

// Two intersection steps of a line and a circle (l set) or of two circles,
// the second told to take the root the first did not. A new point that lands
// on a point already there is given back, and that point serves as the other
// step's "other root" instead. Returns how many new points stay.
int GGesture::MakeMeetPair(GLine* l, GCircle* c1, GCircle* c2) {
  const GStepKind type = l ? CONST_MEET_CL : CONST_MEET_CC;
  GConst* step[2] = {nullptr, nullptr};
  GPoint* pt[2] = {nullptr, nullptr};
  for (int i = 0; i < 2; ++i) {
    pt[i] = m_Doc.NewPoint(CComplex(0, 0), CComplex(0, 0));
    step[i] = pt[i] ? m_Doc.NewConst(type) : nullptr;
    if (!step[i]) {
      if (pt[i]) pt[i]->inUse = 0;
      if (i == 1) DropUnlistedPoint(m_Doc, pt[0]);
      return 0;
    }
    step[i]->LInput1 = l;
    step[i]->CInput1 = c1;
    step[i]->CInput2 = c2;
    step[i]->POutput = pt[i];
    // Without a remembered position the first step starts from the origin's
    // nearer root; the second takes the other one.
    step[i]->param1 = step[i]->param2 = CComplex(0, 0);
    step[i]->param3 = step[i]->param4 = kNoRejectedMeet;
  }
  step[1]->PInput1 = pt[0];
  m_Doc.EvaluateConst(m_Doc.FirstConst());

  GPoint* const existingHead = m_Doc.Sheet().points.head;
  for (int i = 0; i < 2; ++i) {
    GPoint* old = m_Doc.FindPtFromPts(existingHead, pt[i]);
    if (!old) continue;
    GConst* other = step[1 - i];
    DropUnlistedPoint(m_Doc, pt[i]);
    pt[i] = nullptr;
    step[i] = nullptr;
    if (other) other->PInput1 = old;
  }
  m_Doc.EvaluateConst(m_Doc.FirstConst());

  m_Doc.ClearAllHilights();
  int kept = 0;
  for (int i = 0; i < 2; ++i) {
    GPoint* p = pt[i];
    if (!p) continue;
    ++kept;
    m_Doc.SetPointName(p);
    m_Doc.Sethilighted(p);
    if (l) m_Doc.AssignIncident(l, p, 0);
    m_Doc.AssignIncident(c1, p, AngleOnCircle(c1, p));
    if (c2) m_Doc.AssignIncident(c2, p, AngleOnCircle(c2, p));
    m_Doc.AssignPoint(p);
    m_Doc.WriteConst(step[i]);
    if (l) m_Doc.Relations().CheckIncidency(p, true);
  }
  if (l) m_Doc.Relations().ResetLineIcPara(l);
  m_Doc.Relations().ResetCircleIcPara(c1);
  if (c2) m_Doc.Relations().ResetCircleIcPara(c2);
  return kept;
}

bool GGesture::ConstDefMeet() {
  if (m_Doc.Selection().Lines().Count() >= 2) {
    GLine* l = m_Doc.Selection().Lines()[0];
    GLine* m = m_Doc.Selection().Lines()[1];
    if (l == m) return false;
    GConst* old = nullptr;
    if (FindMeetFromCn(m_Doc.FirstConst(), l, m, &old) == 0) {
      m_Doc.ClearAllHilights();
      if (old && old->POutput) m_Doc.Sethilighted(old->POutput);
      return false;
    }
    GPoint* p = m_Doc.NewPoint(CComplex(0, 0), CComplex(0, 0));
    GConst* c = p ? m_Doc.NewConst(CONST_MEET) : nullptr;
    if (!c) {
      if (p) p->inUse = 0;
      return false;
    }
    c->LInput1 = l;
    c->LInput2 = m;
    c->POutput = p;
    c->Evaluate();
    m_Doc.SetPointName(p);
    ShowNewOutput(c);
    // Two lines through one point already meet there: no second point.
    if (m_Doc.Relations().CheckCoincidency(p)) return false;
    m_Doc.AssignIncident(l, p, 0);
    m_Doc.AssignIncident(m, p, 0);
    m_Doc.Relations().ResetLineIcPara(l);
    m_Doc.Relations().ResetLineIcPara(m);
    m_Doc.Relations().CheckIncidency(p, true);
    return true;
  }
  if (m_Doc.Selection().Lines().Count() == 1 && m_Doc.Selection().Circles().Count() == 1)
    return MakeMeetPair(m_Doc.Selection().Lines()[0], m_Doc.Selection().Circles()[0], nullptr) > 0;
  if (m_Doc.Selection().Lines().Count() == 0 && m_Doc.Selection().Circles().Count() >= 2)
    return MakeMeetPair(nullptr, m_Doc.Selection().Circles()[0], m_Doc.Selection().Circles()[1]) >
           0;
  return false;
}
