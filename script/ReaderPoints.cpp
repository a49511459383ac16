// Statements that make points: free points, points bound to lines, circles,
// curves and constructed lines, meets of lines and circles, midpoints and the
// centre of the circle through three points.
#include "model/Lookup.h"
#include "script/ReaderHelpers.h"

namespace {

// The step of kind `type` and its new point at (x, y), named by the statement
// and with the display fields of a freshly read point. None (a message shown)
// when a pool is full.
GConst* MakePoint(GReader& r, GStepKind type, double x = 0, double y = 0) {
  GPoint* p = r.doc.NewPoint(CComplex(x, 0), CComplex(y, 0));
  if (!p) {
    r.Fail("line %d : too many points");
    return nullptr;
  }
  GConst* c = r.Step(type);
  if (!c) {
    p->inUse = 0;
    return nullptr;
  }
  p->name = ScriptName(r.name);
  p->hidden = 0;
  p->pointStyle = 0;
  p->nameFontSize = 18;
  p->nameAngle = 0.0;
  r.doc.AssignPoint(p);
  c->POutput = p;
  return c;
}

// Evaluates the new step so its point has a position before later
// statements and the checks need it, logs it and applies the attributes
// that follow the positional fields.
void FinishPoint(GReader& r, GConst* c, int attributesFrom) {
  c->Evaluate();
  r.doc.WriteConst(c);
  r.PointAttributes(c->POutput, attributesFrom);
}

bool ReadPt(GReader& r) {
  if (r.count < 2) return r.Fail("line %d : Pt : syntax error");
  GConst* c = MakePoint(r, CONST_FREE, r.Real(0), r.Real(1));
  if (!c) return false;
  c->PInput1 = c->POutput;
  FinishPoint(r, c, 2);
  return true;
}

// A point dividing PQ with the weights of its two reals; it lies on the
// join of P and Q, which must exist.
bool ReadPtOnLine(GReader& r) {
  const char* msg = "line %d : syntax error";
  if (r.count < 4) return r.Fail(msg);
  GPoint* p = r.Point(0);
  GPoint* q = r.Point(1);
  const double t = r.Real(2), u = r.Real(3);
  GConst* join = nullptr;
  if (!p || !q || t + u == 0 || !FindJoinFromCns(r.doc.FirstConst(), p, q, &join) || !join)
    return r.Fail(msg);
  GConst* c = MakePoint(r, CONST_ON_LINE);
  if (!c) return false;
  c->PInput1 = p;
  c->PInput2 = q;
  c->LInput1 = join->LOutput;
  c->param1 = CComplex(t, 0);
  c->param2 = CComplex(u, 0);
  FinishPoint(r, c, 4);
  r.Register(join->LOutput, c->POutput, t / (t + u));
  return true;
}

bool ReadMeet(GReader& r) {
  GLine* l = r.Line(0);
  GLine* m = r.Line(1);
  if (r.count < 2 || !l || !m) return r.Fail("line %d : syntax error");
  GConst* c = MakePoint(r, CONST_MEET);
  if (!c) return false;
  c->LInput1 = l;
  c->LInput2 = m;
  FinishPoint(r, c, 2);
  r.Register(l, c->POutput, 0);
  r.Register(m, c->POutput, 0);
  r.CheckPoint(c->POutput);
  return true;
}

bool ReadMid(GReader& r) {
  GPoint* p = r.Point(0);
  GPoint* q = r.Point(1);
  if (r.count < 2 || !p || !q) return r.Fail("line %d : syntax error");
  GConst* c = MakePoint(r, CONST_MID);
  if (!c) return false;
  c->PInput1 = p;
  c->PInput2 = q;
  FinishPoint(r, c, 2);
  r.CheckPoint(c->POutput);
  return true;
}

// A point on the parallel (perpendicular) to a line through a point; that
// line must already be in the sheet, and the point is recorded on it.
bool ReadPtOnParaOrPerp(GReader& r, bool para) {
  const char* msg = "line %d : syntax error";
  GLine* l = r.Line(0);
  GPoint* p = r.Point(1);
  if (r.count < (para ? 3 : 2) || !l || !p) return r.Fail(msg);
  GConst* carrier = nullptr;
  if (para)
    FindParaFromCns(r.doc.FirstConst(), l, p, &carrier);
  else
    FindPerpFromCns(r.doc.FirstConst(), l, p, &carrier);
  if (!carrier) return r.Fail(msg);
  GConst* c = MakePoint(r, para ? CONST_PT_ON_PARA : CONST_PT_ON_PER);
  if (!c) return false;
  c->LInput1 = l;
  c->PInput1 = p;
  c->param1 = CComplex(r.Real(2), 0);
  FinishPoint(r, c, 3);
  r.Register(carrier->LOutput, c->POutput, r.Real(2));
  return true;
}

bool ReadPtOnCircle(GReader& r) {
  GCircle* ci = r.Circle(0);
  if (r.count < 2 || !ci) return r.Fail("line %d : syntax error");
  GConst* c = MakePoint(r, CONST_PT_ON_CIRCLE);
  if (!c) return false;
  c->CInput1 = ci;
  c->param1 = CComplex(r.Real(1), 0);
  FinishPoint(r, c, 2);
  r.Register(ci, c->POutput);
  return true;
}

// An intersection with a circle: the four reals are the chosen solution
// (x = a + bi, y = c + di); no rejected solution is known yet. "not<name>"
// names the other intersection, which the new point must differ from.
bool ReadMeetWithCircle(GReader& r, bool twoCircles) {
  const char* msg = twoCircles ? "line %d : Meet_CC syntax error" : "line %d : syntax error";
  if (r.count < 6) return r.Fail(msg);
  GCircle* ci = r.Circle(0);
  GCircle* other = twoCircles ? r.Circle(1) : nullptr;
  GLine* l = twoCircles ? nullptr : r.Line(1);
  if (!ci || (twoCircles ? !other : !l)) return r.Fail(msg);
  GPoint* avoid = nullptr;
  int attributesFrom = 6;
  if (r.count > 6 && r.Word(6).compare(0, 3, "not") == 0) {
    const std::string bare = r.Word(6).substr(3);
    for (GConst* s = r.doc.FirstConst(); s && !avoid; s = s->next)
      if (s->POutput && s->POutput->name == ScriptName(bare)) avoid = s->POutput;
    if (!avoid) return r.Fail(msg);
    attributesFrom = 7;
  }
  const CComplex x(r.Real(2), r.Real(3));
  const CComplex y(r.Real(4), r.Real(5));
  GConst* c = MakePoint(r, twoCircles ? CONST_MEET_CC : CONST_MEET_CL);
  if (!c) return false;
  c->CInput1 = ci;
  if (twoCircles)
    c->CInput2 = other;
  else
    c->LInput1 = l;
  c->PInput1 = avoid;
  c->param1 = x;
  c->param2 = y;
  c->param3 = kNoRejectedMeet;
  c->param4 = kNoRejectedMeet;
  c->POutput->x = x;
  c->POutput->y = y;
  // The point has not moved yet: its motion record says it stands where the
  // file put it. Otherwise a motion matrix left over from the last drag would
  // predict it near the origin and could take the other intersection.
  c->POutput->prevX = x.re;
  c->POutput->prevY = y.re;
  c->POutput->dX = c->POutput->dY = 0.0;
  FinishPoint(r, c, attributesFrom);
  if (l) r.Register(l, c->POutput, 0);
  r.Register(ci, c->POutput);
  if (other) r.Register(other, c->POutput);
  r.CheckPoint(c->POutput);
  return true;
}

bool ReadPtOnCurve(GReader& r) {
  GParaCurve* cv = r.Curve(0);
  if (r.count < 2 || !cv) return r.Fail("line %d : PtOnGraph syntax error");
  GConst* c = MakePoint(r, CONST_PT_ON_CURVE);
  if (!c) return false;
  c->CurveInput1 = cv;
  c->param1 = CComplex(r.Real(1), 0);
  FinishPoint(r, c, 2);
  return true;
}

// A failing centre statement is skipped and reading goes on.
bool ReadOrthocenter(GReader& r) {
  GPoint* p1 = r.Point(0);
  GPoint* p2 = r.Point(1);
  GPoint* p3 = r.Point(2);
  if (r.count < 3 || !p1 || !p2 || !p3) return true;
  GConst* c = MakePoint(r, CONST_ORTHOCENTER);
  if (!c) return false;
  c->PInput1 = p1;
  c->PInput2 = p2;
  c->PInput3 = p3;
  FinishPoint(r, c, 3);
  r.CheckPoint(c->POutput);
  return true;
}

bool ReadPtOn3PBisector(GReader& r) {
  GPoint* p1 = r.Point(0);
  GPoint* p2 = r.Point(1);
  GPoint* p3 = r.Point(2);
  if (r.count < 4 || !p1 || !p2 || !p3) return r.Fail("line %d : syntax error");
  GConst* c = MakePoint(r, CONST_PT_ON_3P_BISECTOR);
  if (!c) return false;
  c->PInput1 = p1;
  c->PInput2 = p2;
  c->PInput3 = p3;
  c->param1 = CComplex(r.Real(3), 0);
  FinishPoint(r, c, 4);
  GConst* carrier = nullptr;
  Find3PBisectorFromCns(r.doc.FirstConst(), p1, p2, p3, &carrier);
  if (carrier) r.Register(carrier->LOutput, c->POutput, r.Real(3));
  return true;
}

// Side (+1 or -1) of the bisector, then the position along it.
bool ReadPtOnBisector(GReader& r) {
  GLine* l = r.Line(0);
  GLine* m = r.Line(1);
  if (r.count < 4 || !l || !m) return r.Fail("line %d : syntax error");
  GConst* c = MakePoint(r, CONST_PT_ON_BISECTOR);
  if (!c) return false;
  c->LInput1 = l;
  c->LInput2 = m;
  c->param1 = CComplex(r.Real(2), 0);
  c->param2 = CComplex(r.Real(3), 0);
  FinishPoint(r, c, 4);
  GConst* carrier = nullptr;
  FindBisectorFromCns(r.doc.FirstConst(), l, m, r.Real(2), &carrier);
  if (carrier) r.Register(carrier->LOutput, c->POutput, r.Real(3));
  return true;
}

bool ReadPtOnTangent(GReader& r) {
  GCircle* ci = r.Circle(0);
  GPoint* p = r.Point(1);
  if (r.count < 3 || !ci || !p) return r.Fail("line %d : syntax error");
  GConst* c = MakePoint(r, CONST_PT_ON_TANGENT);
  if (!c) return false;
  c->CInput1 = ci;
  c->PInput1 = p;
  c->param1 = CComplex(r.Real(2), 0);
  FinishPoint(r, c, 3);
  GConst* carrier = nullptr;
  FindTangentFromCns(r.doc.FirstConst(), ci, p, &carrier);
  if (carrier) r.Register(carrier->LOutput, c->POutput, r.Real(2));
  return true;
}

bool ReadPtOnCurveTangent(GReader& r) {
  GParaCurve* cv = r.Curve(0);
  GPoint* p = r.Point(1);
  if (r.count < 3 || !cv || !p) return r.Fail("line %d : syntax error");
  GConst* c = MakePoint(r, CONST_PT_ON_CURVE_TANGENT);
  if (!c) return false;
  c->CurveInput1 = cv;
  c->PInput1 = p;
  c->param1 = CComplex(r.Real(2), 0);
  FinishPoint(r, c, 3);
  GConst* carrier = nullptr;
  FindCurveTangentFromCns(r.doc.FirstConst(), cv, p, &carrier);
  if (carrier) r.Register(carrier->LOutput, c->POutput, r.Real(2));
  return true;
}

bool ReadPtOnLineWithAngle(GReader& r) {
  GLine* l = r.Line(0);
  GPoint* p = r.Point(1);
  GAngle* a = r.Angle(2);
  if (r.count < 4 || !l || !p || !a) return r.Fail("line %d : PtOnLineWithAngle : syntax error");
  GConst* c = MakePoint(r, CONST_PT_ON_LINE_WITH_ANGLE);
  if (!c) return false;
  c->LInput1 = l;
  c->PInput1 = p;
  c->AngleInput1 = a;
  c->param1 = CComplex(r.Real(3), 0);
  FinishPoint(r, c, 4);
  GConst* carrier = nullptr;
  FindLineWithAngleFromCns(r.doc.FirstConst(), l, p, a, &carrier);
  if (carrier) r.Register(carrier->LOutput, c->POutput, r.Real(3));
  return true;
}

// The angle in degrees, then the position along the line.
bool ReadPtOnLineWithAngleDegree(GReader& r) {
  GLine* l = r.Line(0);
  GPoint* p = r.Point(1);
  if (r.count < 4 || !l || !p) return r.Fail("line %d : PtOnLineWithAngleDegree : syntax error");
  GConst* c = MakePoint(r, CONST_PT_ON_LINE_WITH_ANGLE_DEGREE);
  if (!c) return false;
  c->LInput1 = l;
  c->PInput1 = p;
  c->param1 = CComplex(r.Real(2), 0);
  c->param2 = CComplex(r.Real(3), 0);
  FinishPoint(r, c, 4);
  GConst* carrier = nullptr;
  FindLineWithAngleDegreeFromCns(r.doc.FirstConst(), l, p, r.Real(2), &carrier);
  if (carrier) r.Register(carrier->LOutput, c->POutput, r.Real(3));
  return true;
}

}  // namespace

bool ReadPointStatement(GReader& r, bool* known) {
  const std::string& k = r.keyword;
  *known = true;
  if (k == "Pt") return ReadPt(r);
  if (k == "PtOnLine") return ReadPtOnLine(r);
  if (k == "Meet") return ReadMeet(r);
  if (k == "Mid") return ReadMid(r);
  if (k == "PtOnParallel") return ReadPtOnParaOrPerp(r, true);
  if (k == "PtOnPerp") return ReadPtOnParaOrPerp(r, false);
  if (k == "PtOnCircle") return ReadPtOnCircle(r);
  if (k == "MeetCircleAndLine") return ReadMeetWithCircle(r, false);
  if (k == "Meet2Circles") return ReadMeetWithCircle(r, true);
  if (k == "PtOnCurve") return ReadPtOnCurve(r);
  if (k == "Orthocenter") return ReadOrthocenter(r);
  if (k == "PtOn3PBisector") return ReadPtOn3PBisector(r);
  if (k == "PtOnBisector") return ReadPtOnBisector(r);
  if (k == "PtOnTangent") return ReadPtOnTangent(r);
  if (k == "PtOnCurveTangent") return ReadPtOnCurveTangent(r);
  if (k == "PtOnLineWithAngle") return ReadPtOnLineWithAngle(r);
  if (k == "PtOnLineWithAngleDegree") return ReadPtOnLineWithAngleDegree(r);
  *known = false;
  return true;
}
