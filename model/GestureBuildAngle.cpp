// Construction tools for angle marks, brackets and loci, the two choices of
// the angle dialog, and which construction buttons fit the hilighted
// selection.
#include <cmath>
#include <cstdlib>

#include "model/Gesture.h"
#include "model/Modes.h"
#include "model/Lookup.h"

namespace {

// The point of the sheet called `name`, or none.
GPoint* PointNamed(GDocument& doc, const std::string& name) {
  if (name.empty()) return nullptr;
  for (GPoint* p = doc.Sheet().points.head; p; p = p->next)
    if (p->name == name) return p;
  return nullptr;
}

}  // namespace

// The mark of the angle P1 P2 P3 at the vertex P2. The same three points in
// the same order already marked give that mark again.
bool GGesture::ConstDefAngle() {
  if (m_Doc.Selection().Points().Count() < 3) return false;
  GPoint* a = m_Doc.Selection().Points()[0];
  GPoint* v = m_Doc.Selection().Points()[1];
  GPoint* b = m_Doc.Selection().Points()[2];
  if (a == v || v == b || a == b) return false;
  for (GConst* c = m_Doc.FirstConst(); c; c = c->next) {
    if (c->type == CONST_3P_ANGLE && c->PInput1 == a && c->PInput2 == v && c->PInput3 == b) {
      m_Doc.ClearAllHilights();
      if (c->AngleOutput) m_Doc.Sethilighted(c->AngleOutput);
      return false;
    }
  }
  GAngle* mark = m_Doc.NewAngle(0.0);
  GConst* c = mark ? m_Doc.NewConst(CONST_3P_ANGLE) : nullptr;
  if (!c) {
    if (mark) mark->inUse = 0;
    return false;
  }
  c->PInput1 = a;
  c->PInput2 = v;
  c->PInput3 = b;
  c->AngleOutput = mark;
  mark->name = m_Doc.TakeName(GNameKind::kAngle);
  c->Evaluate();
  ShowNewOutput(c);
  return true;
}

bool GGesture::ConstDefBracket() {
  if (m_Doc.Selection().Points().Count() < 2) return false;
  GPoint* p = m_Doc.Selection().Points()[0];
  GPoint* q = m_Doc.Selection().Points()[1];
  if (p == q) return false;
  GBracket* br = m_Doc.NewBracket(p, q);
  GConst* c = br ? m_Doc.NewConst(CONST_BRACKET) : nullptr;
  if (!c) {
    if (br) br->inUse = 0;
    return false;
  }
  c->PInput1 = p;
  c->PInput2 = q;
  c->BracketOutput = br;
  m_Doc.SetBracketName(br);
  c->Evaluate();
  ShowNewOutput(c);
  return true;
}

// The locus of P2 while P1 runs round its circle or along its line. A first
// point that is free, or fixed by other points, has nowhere to run: nothing.
bool GGesture::ConstDefOrbit() {
  if (m_Doc.Selection().Points().Count() < 2) return false;
  GPoint* driver = m_Doc.Selection().Points()[0];
  GPoint* traced = m_Doc.Selection().Points()[1];
  GConst* driverStep = nullptr;
  FindPtFromCn(m_Doc.FirstConst(), driver, &driverStep);
  if (!driverStep) return false;
  GStepKind type;
  if (driverStep->type == CONST_PT_ON_CIRCLE)
    type = CONST_ORBIT1;
  else if (BoundToLine(driverStep->type))
    type = CONST_ORBIT2;
  else
    return false;
  GParaCurve* curve = m_Doc.NewCurve();
  GConst* c = curve ? m_Doc.NewConst(type) : nullptr;
  if (!c) {
    if (curve) curve->inUse = 0;
    return false;
  }
  c->PInput1 = driver;
  c->PInput2 = traced;
  c->CurveOutput = curve;
  curve->name = m_Doc.TakeName(GNameKind::kCurve);
  m_Doc.EvaluateConst(m_Doc.FirstConst());
  ShowNewOutput(c);
  return true;
}

// The angle A V B named in the dialog: its mark when one exists (either
// order of the arms), else a new mark, which is shown hilighted.
bool GGesture::SetCurrentAngleByNames(const std::string& an, const std::string& vn,
                                      const std::string& bn) {
  GPoint* a = PointNamed(m_Doc, an);
  GPoint* v = PointNamed(m_Doc, vn);
  GPoint* b = PointNamed(m_Doc, bn);
  if (!a || !v || !b) return false;
  for (GConst* c = m_Doc.FirstConst(); c; c = c->next) {
    if (c->type != CONST_3P_ANGLE || c->PInput2 != v || !c->AngleOutput) continue;
    if ((c->PInput1 == a && c->PInput3 == b) || (c->PInput1 == b && c->PInput3 == a)) {
      m_CurrentAngle = c->AngleOutput;
      return true;
    }
  }
  GAngle* mark = m_Doc.NewAngle(0.0);
  GConst* c = mark ? m_Doc.NewConst(CONST_3P_ANGLE) : nullptr;
  if (!c) {
    if (mark) mark->inUse = 0;
    return false;
  }
  c->PInput1 = a;
  c->PInput2 = v;
  c->PInput3 = b;
  c->AngleOutput = mark;
  mark->name = m_Doc.TakeName(GNameKind::kAngle);
  c->Evaluate();
  m_Doc.AssignAngle(mark);
  m_Doc.Sethilighted(mark);
  m_Doc.WriteConst(c);
  m_CurrentAngle = mark;
  return true;
}

// A typed angle. Text that does not start with a number, or a number that is
// not finite, gives 60 degrees.
void GGesture::SetAngleDegrees(const std::string& s) {
  m_CurrentAngle = nullptr;
  char* end = nullptr;
  const double v = std::strtod(s.c_str(), &end);
  m_AngleDegrees = (end == s.c_str() || !std::isfinite(v)) ? 60.0 : v;
}

// The construction buttons of the Quil and touch-panel styles, by the numbers
// of hilighted points, lines, circles and curves.
bool GGesture::CanBuild(GToolMode toolId) const {
  const int np = m_Doc.Selection().Points().Count(), nl = m_Doc.Selection().Lines().Count();
  const int nc = m_Doc.Selection().Circles().Count(), nk = m_Doc.Selection().Curves().Count();
  switch (toolId) {
    case kModeMLine:
    case kModeMid:
    case kModeOrbit:
    case kModeBracket:
      return np == 2;
    case kModeClipping:
      return np == 2 || nl > 0;
    case kModePara:
    case kModePerp:
    case kModeLineWithAngle:
      return np > 0 && nl == 1;
    case kModeMCircle:
      return np == 2 || np == 3 || (np > 0 && nl == 1);
    case kModeBisector:
    case kModeCircleBy3:
    case kModeAngle:
      return np == 3;
    case kModeMeet:
      return nl > 1 || (nl == 1 && nc == 1) || nc == 2;
    case kModeTangent:
      return np == 1 && (nc == 1 || nk == 1);
    default:
      return false;
  }
}

void GGesture::DropStaleCurrentAngle() {
  for (GAngle* a = m_Doc.Sheet().angles.head; a; a = a->next)
    if (a == m_CurrentAngle) return;
  m_CurrentAngle = nullptr;
}
