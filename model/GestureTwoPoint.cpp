// The model half of the Tovik-style tools: the press-drag-release gestures of
// the two-point tools, whose element exists from the press on and follows its
// second point, and the tools that collect clicked elements until they can build.
#include "model/Gesture.h"
#include "model/Lookup.h"
#include "model/Modes.h"

namespace {

bool IsLineMode(GToolMode mode) {
  return mode == kModeMLine || mode == kModePara || mode == kModePerp || mode == kModeLineWithAngle;
}

// Puts q where p stood in a carrier's incidence records, or records q when the
// record of p is gone (p was removed as a copy of q).
template <class T>
void ReplaceIncident(GDocument& doc, T* carrier, GPoint* p, GPoint* q, double t) {
  for (GIncident* ic = carrier->ics.head; ic; ic = ic->next) {
    if (ic->point == q) return;
    if (ic->point == p) {
      ic->point = q;
      return;
    }
  }
  doc.AssignIncident(carrier, q, t);
}

}  // namespace

bool GGesture::BeginTwoPointGesture(GToolMode mode, double x, double y, GPoint* snapped,
                                    GLine* base, bool clipped) {
  const bool needsBase = mode == kModePara || mode == kModePerp || mode == kModeLineWithAngle;
  if (needsBase && !base) return false;
  if (!needsBase && !IsLineMode(mode) && mode != kModeMid && mode != kModeMCircle &&
      mode != kModeBracket)
    return false;
  m_Doc.ClearAllHilights();
  m_NewElement = nullptr;
  m_GestureConst = nullptr;
  m_StartPoint = nullptr;
  m_DropPoint = nullptr;
  if (!needsBase) {
    if (snapped) {
      m_StartPoint = snapped;
      x = snapped->xz().re;
      y = snapped->yz().re;
    } else {
      ConstFree(x, y, false);
      if (!m_NewPoint) return false;
      m_StartPoint = m_NewPoint;
      m_Doc.AssignPoint(m_StartPoint);
      m_Doc.SetPointName(m_StartPoint);
    }
  }
  // The second point starts just beside the first, so the element is never
  // degenerate before the pointer moves.
  const double d = (mode == kModeMid || mode == kModeBracket || mode == kModeMCircle) ? 0.1 : 0.01;
  ConstFree(x + d, mode == kModeMCircle ? y : y + d, true);
  if (!m_NewPoint) return false;
  GPoint* moving = m_NewPoint;

  GConst* c = nullptr;
  if (IsLineMode(mode)) {
    int type = CONST_JOIN;
    if (mode == kModePara) type = CONST_PARALLEL;
    if (mode == kModePerp) type = CONST_PERP;
    if (mode == kModeLineWithAngle)
      type = m_CurrentAngle ? CONST_LINE_WITH_ANGLE : CONST_LINE_WITH_ANGLE_DEGREE;
    c = NewLineStep(type, m_StartPoint ? m_StartPoint : moving);
    if (!c) return false;
    GLine* l = c->LOutput;
    l->toolMark = clipped ? 1 : 0;
    if (mode == kModeMLine) {
      c->PInput1 = m_StartPoint;
      c->PInput2 = moving;
      m_Doc.AssignIncident(l, m_StartPoint, 0);
      m_Doc.AssignIncident(l, moving, 1);
    } else {
      c->PInput1 = moving;
      c->LInput1 = base;
      if (type == CONST_LINE_WITH_ANGLE) c->AngleInput1 = m_CurrentAngle;
      if (type == CONST_LINE_WITH_ANGLE_DEGREE) c->param1 = CComplex(m_AngleDegrees, 0);
      m_Doc.AssignIncident(l, moving, 0);
    }
    m_Doc.Sethilighted(l);
    m_NewElement = l;
  } else if (mode == kModeMid) {
    GPoint* m = m_Doc.NewPoint(CComplex(x + 0.05, 0), CComplex(y + 0.05, 0));
    c = m ? m_Doc.NewConst(CONST_MID) : nullptr;
    if (!c) {
      if (m) m->inUse = 0;
      return false;
    }
    c->PInput1 = m_StartPoint;
    c->PInput2 = moving;
    c->POutput = m;
    m_Doc.Sethilighted(m);
    m_NewElement = m;
  } else if (mode == kModeMCircle) {
    GCircle* circle = m_Doc.NewCircle(x, y, 0.01);
    c = circle ? m_Doc.NewConst(CONST_MULTI_CIRCLE) : nullptr;
    if (!c) {
      if (circle) circle->inUse = 0;
      return false;
    }
    c->PInput1 = m_StartPoint;
    c->PInput2 = moving;
    c->COutput = circle;
    m_Doc.AssignIncident(circle, moving, 1);
    m_Doc.Sethilighted(circle);
    m_NewElement = circle;
    m_DrawingCircle = circle;
  } else {
    GBracket* br = m_Doc.NewBracket(m_StartPoint, moving);
    c = br ? m_Doc.NewConst(CONST_BRACKET) : nullptr;
    if (!c) {
      if (br) br->inUse = 0;
      return false;
    }
    c->PInput1 = m_StartPoint;
    c->PInput2 = moving;
    c->BracketOutput = br;
    m_Doc.Sethilighted(br);
    m_NewElement = br;
  }
  m_GestureConst = c;
  m_Doc.SetCurrentConst(c);
  m_Doc.EvaluateConst(m_Doc.FirstConst());
  m_PlacingPoint = true;
  m_SnapPoint = m_NearLine = m_NearCircle = m_NearCurve = false;
  return true;
}

int GGesture::EndTwoPointGesture(GToolMode mode, double x, double y) {
  if (!m_PlacingPoint || !m_GestureConst) {
    m_PlacingPoint = false;
    return 0;
  }
  const int code = SetDownGesture(mode, x, y);
  // While the second point moved, the elements near it were lit up; once it
  // is set down only what is chosen stays lit, or a line the pointer passed
  // last would look chosen for good.
  m_Doc.DropUnchosenHilights();
  return code;
}

int GGesture::SetDownGesture(GToolMode mode, double x, double y) {
  GConst* c = m_GestureConst;
  GPoint* moving = m_NewPoint;
  if (!c || !c->inUse || !m_PlacingPoint) {
    m_PlacingPoint = false;
    return 0;
  }
  const int code = LUp_Point(&x, &y);
  GPoint* second = PlacedPoint();
  m_GestureConst = nullptr;
  m_NewElement = nullptr;
  m_DrawingCircle = nullptr;
  m_PlacingPoint = false;

  // Each output goes into its list first, so that removing the step below
  // removes the element with its records and hilight.
  if (c->LOutput) m_Doc.AssignLine(c->LOutput);
  if (c->POutput) m_Doc.AssignPoint(c->POutput);
  if (c->COutput) m_Doc.AssignCircle(c->COutput);
  if (c->BracketOutput) m_Doc.AssignBracket(c->BracketOutput);

  // Undecided, or dropped back on the start point: the element goes away
  // (a start point the press created stays).
  if (code == 0 || code == 2 || !second || second == m_StartPoint) {
    m_Doc.DeleteConst(c);
    return code;
  }
  if (second != moving) {
    // Dropped on an existing point, or the new point turned out to be one:
    // that point takes the moving point's place.
    if (c->PInput1 == moving) c->PInput1 = second;
    if (c->PInput2 == moving) c->PInput2 = second;
    if (c->LOutput) ReplaceIncident(m_Doc, c->LOutput, moving, second, mode == kModeMLine ? 1 : 0);
    if (c->COutput) ReplaceIncident(m_Doc, c->COutput, moving, second, 1);
  }
  m_Doc.EvaluateConst(m_Doc.FirstConst());

  GConst* old = nullptr;
  if (mode == kModeMLine && FindJoinFromCns(m_Doc.FirstConst(), m_StartPoint, second, &old) &&
      old != c) {
    // The two points were joined already: that line is kept, not a copy.
    m_Doc.DeleteConst(c);
    ShowExisting(old->LOutput);
    return code;
  }
  m_Doc.WriteConst(c);
  if (GLine* l = c->LOutput) {
    m_Doc.Relations().ResetLineIcPara(l);
    m_Doc.Relations().CheckNewElement(l, true);
  } else if (GPoint* m = c->POutput) {
    m_Doc.SetPointName(m);
    m_Doc.Relations().CheckNewElement(m, true);
  } else if (GCircle* circle = c->COutput) {
    m_Doc.Relations().ResetCircleIcPara(circle);
    m_Doc.SetCircleName(circle);
    m_Doc.Relations().CheckNewElement(circle, true);
  } else if (c->BracketOutput) {
    m_Doc.SetBracketName(c->BracketOutput);
  }
  return code;
}

// ---- collecting tools ----

bool GGesture::CollectPointFor3(GPoint* p, bool (GGesture::*build)()) {
  if (p) m_Doc.Sethilighted(p);
  if (m_Doc.Selection().Points().Count() < 3) return false;
  return (this->*build)();
}

bool GGesture::CollectAnglePoint(GPoint* p) {
  return CollectPointFor3(p, &GGesture::ConstDefAngle);
}

bool GGesture::CollectCircleBy3Point(GPoint* p) {
  return CollectPointFor3(p, &GGesture::ConstDefCircleBy3);
}

// The compass takes its measure from the first two points and is set down on
// the third; the canvas draws it open meanwhile.
int GGesture::CollectCompassPoint(GPoint* p) {
  while (m_Doc.Selection().Lines().Count() > 0) m_Doc.Deletehilighted(m_Doc.Selection().Lines()[0]);
  while (m_Doc.Selection().Circles().Count() > 0)
    m_Doc.Deletehilighted(m_Doc.Selection().Circles()[0]);
  while (m_Doc.Selection().Curves().Count() > 0)
    m_Doc.Deletehilighted(m_Doc.Selection().Curves()[0]);
  if (p && !(m_Doc.Selection().Points().Count() == 1 && m_Doc.Selection().Points()[0] == p))
    m_Doc.Sethilighted(p);
  if (m_Doc.Selection().Points().Count() <= 2) return m_Doc.Selection().Points().Count();
  ConstDefCompass();
  return 3;
}

void GGesture::StartBisectorTool() {
  m_BisectorLine = nullptr;
  m_Doc.ClearAllHilights();
}

bool GGesture::BisectorClick(GLine* line, double x, double y) {
  if (!line) return false;
  if (!m_BisectorLine) {
    m_BisectorLine = line;
    m_BisectorX = x;
    m_BisectorY = y;
    m_Doc.Sethilighted(line);
    return false;
  }
  if (line == m_BisectorLine) return false;
  GLine* first = m_BisectorLine;
  m_BisectorLine = nullptr;
  return ConstDefBisector(first, line, BisectorSide(*first, *line, m_BisectorX, m_BisectorY, x, y));
}

GGesture::TangentPick GGesture::RememberTangentPick() const {
  TangentPick t;
  if (m_Doc.Selection().Points().Count() > 0) t.point = m_Doc.Selection().Points()[0];
  if (m_Doc.Selection().Circles().Count() > 0) t.circle = m_Doc.Selection().Circles()[0];
  if (m_Doc.Selection().Curves().Count() > 0) t.curve = m_Doc.Selection().Curves()[0];
  return t;
}

// A click that selected only a circle keeps the point chosen before, and the
// other way round, so point and carrier can be clicked one after the other.
bool GGesture::TangentAfterSelect(const TangentPick& before) {
  if (m_Doc.Selection().Points().Count() == 0 && before.point && before.point->inUse)
    m_Doc.Sethilighted(before.point);
  if (m_Doc.Selection().Circles().Count() == 0 && before.circle && before.circle->inUse)
    m_Doc.Sethilighted(before.circle);
  if (m_Doc.Selection().Curves().Count() == 0 && before.curve && before.curve->inUse)
    m_Doc.Sethilighted(before.curve);
  if (m_Doc.Selection().Points().Count() > 0 && m_Doc.Selection().Circles().Count() > 0)
    return ConstDefTangent();
  if (m_Doc.Selection().Points().Count() > 0 && m_Doc.Selection().Curves().Count() > 0)
    return ConstDefCurveTangent();
  return false;
}
