// Statements that make lines and circles: joins, parallels, perpendiculars,
// bisectors, tangents, lines at an angle, and circles by centre and point or
// by compass.
#include "model/Lookup.h"
#include "script/ReaderHelpers.h"

namespace {

// The step of kind `type` and its new line, named by the statement, visible,
// in colour slot 0 and unclipped. None (a message shown) when a pool is full.
GConst* MakeLine(GReader& r, GStepKind type) {
  GLine* l = r.doc.NewLine(CComplex(0, 0), CComplex(0, 0), CComplex(1, 0));
  if (!l) {
    r.Fail("line %d : too many lines");
    return nullptr;
  }
  GConst* c = r.Step(type);
  if (!c) {
    l->inUse = 0;
    return nullptr;
  }
  l->name = ScriptName(r.name);
  l->hidden = 0;
  l->lineStyle = 0;
  l->toolMark = 0;
  r.doc.AssignLine(l);
  c->LOutput = l;
  return c;
}

GConst* MakeCircle(GReader& r, GStepKind type) {
  GCircle* ci = r.doc.NewCircle(0, 0, 1);
  if (!ci) {
    r.Fail("line %d : too many circles");
    return nullptr;
  }
  GConst* c = r.Step(type);
  if (!c) {
    ci->inUse = 0;
    return nullptr;
  }
  ci->name = ScriptName(r.name);
  ci->hidden = 0;
  ci->lineStyle = 0;
  ci->toolMark = 0;
  r.doc.AssignCircle(ci);
  c->COutput = ci;
  return c;
}

// Evaluate (so the checks and later statements see the new position), log,
// take the attributes; then the through-point is recorded first, so that the
// line's parameters are measured from it, and the checks run.
void FinishLine(GReader& r, GConst* c, int attributesFrom, GPoint* through, bool incidence = true) {
  c->Evaluate();
  r.doc.WriteConst(c);
  r.LineAttributes(c->LOutput, attributesFrom);
  if (through) r.Register(c->LOutput, through, 0);
  GLine* l = c->LOutput;
  if (incidence)
    r.CheckLine(l);
  else
    r.doc.Relations().CheckCoincidency(l);
}

bool ReadJoin(GReader& r) {
  GPoint* p = r.Point(0);
  GPoint* q = r.Point(1);
  if (r.count < 2 || !p || !q || p == q) return r.Fail("line %d : Join : syntax error");
  GConst* c = MakeLine(r, CONST_JOIN);
  if (!c) return false;
  c->PInput1 = p;
  c->PInput2 = q;
  c->Evaluate();
  r.doc.WriteConst(c);
  r.LineAttributes(c->LOutput, 2);
  r.Register(c->LOutput, p, 0);
  r.Register(c->LOutput, q, 1);
  r.CheckLine(c->LOutput);
  return true;
}

bool ReadParallelOrPerp(GReader& r, GStepKind type) {
  GLine* l = r.Line(0);
  GPoint* p = r.Point(1);
  if (r.count < 2 || !l || !p) return r.Fail("line %d : syntax error");
  GConst* c = MakeLine(r, type);
  if (!c) return false;
  c->LInput1 = l;
  c->PInput1 = p;
  FinishLine(r, c, 2, p);
  return true;
}

bool ReadBisector(GReader& r) {
  GLine* l = r.Line(0);
  GLine* m = r.Line(1);
  if (r.count < 3 || !l || !m) return r.Fail("line %d : syntax error");
  GConst* c = MakeLine(r, CONST_BISECTOR);
  if (!c) return false;
  c->LInput1 = l;
  c->LInput2 = m;
  c->param1 = CComplex(r.Real(2), 0);
  FinishLine(r, c, 3, nullptr);
  return true;
}

bool Read3PBisector(GReader& r) {
  GPoint* p1 = r.Point(0);
  GPoint* v = r.Point(1);
  GPoint* p3 = r.Point(2);
  if (r.count < 3 || !p1 || !v || !p3) return r.Fail("line %d : syntax error");
  GConst* c = MakeLine(r, CONST_3P_BISECTOR);
  if (!c) return false;
  c->PInput1 = p1;
  c->PInput2 = v;
  c->PInput3 = p3;
  FinishLine(r, c, 3, v);
  return true;
}

// The tangent follows the curve at the point that was placed on it: the
// step of that point is kept with the tangent. Only the coincidence check
// runs for it.
bool ReadCurveTangent(GReader& r) {
  GParaCurve* cv = r.Curve(0);
  GPoint* p = r.Point(1);
  if (r.count < 2 || !cv || !p) return r.Fail("line %d : TangentGraph syntax error");
  GConst* c = MakeLine(r, CONST_CURVE_TANGENT);
  if (!c) return false;
  c->CurveInput1 = cv;
  c->PInput1 = p;
  GConst* placed = nullptr;
  FindPtFromCn(r.doc.FirstConst(), p, &placed);
  c->curveStep = placed;
  FinishLine(r, c, 2, p, false);
  return true;
}

bool ReadTangent(GReader& r) {
  GCircle* ci = r.Circle(0);
  GPoint* p = r.Point(1);
  if (r.count < 2 || !ci || !p) return r.Fail("line %d : Tangent syntax error");
  GConst* c = MakeLine(r, CONST_TANGENT);
  if (!c) return false;
  c->CInput1 = ci;
  c->PInput1 = p;
  FinishLine(r, c, 2, nullptr);
  return true;
}

bool ReadLineWithAngle(GReader& r, bool degrees) {
  GLine* l = r.Line(0);
  GPoint* p = r.Point(1);
  GAngle* a = degrees ? nullptr : r.Angle(2);
  if (r.count < 3 || !l || !p || (!degrees && !a))
    return r.Fail("line %d : LineWithAngle syntax error");
  GConst* c = MakeLine(r, degrees ? CONST_LINE_WITH_ANGLE_DEGREE : CONST_LINE_WITH_ANGLE);
  if (!c) return false;
  c->LInput1 = l;
  c->PInput1 = p;
  if (degrees)
    c->param1 = CComplex(r.Real(2), 0);
  else
    c->AngleInput1 = a;
  FinishLine(r, c, 3, p);
  return true;
}

// Centre and a point on the circle; that point is recorded on it.
bool ReadCircle(GReader& r) {
  GPoint* m = r.Point(0);
  GPoint* p = r.Point(1);
  if (r.count < 2 || !m || !p) return r.Fail("line %d : syntax error");
  GConst* c = MakeCircle(r, CONST_MULTI_CIRCLE);
  if (!c) return false;
  c->PInput1 = m;
  c->PInput2 = p;
  c->Evaluate();
  r.doc.WriteConst(c);
  r.CircleAttributes(c->COutput, 2);
  r.Register(c->COutput, p);
  r.CheckCircle(c->COutput);
  return true;
}

// Radius |AB|, centre M.
bool ReadCompass(GReader& r) {
  GPoint* a = r.Point(0);
  GPoint* b = r.Point(1);
  GPoint* m = r.Point(2);
  if (r.count < 3 || !a || !b || !m) return r.Fail("line %d :Compass syntax error");
  GConst* c = MakeCircle(r, CONST_COMPASS);
  if (!c) return false;
  c->PInput1 = a;
  c->PInput2 = b;
  c->PInput3 = m;
  c->Evaluate();
  r.doc.WriteConst(c);
  r.CircleAttributes(c->COutput, 3);
  r.CheckCircle(c->COutput);
  return true;
}

}  // namespace

bool ReadLineStatement(GReader& r, bool* known) {
  const std::string& k = r.keyword;
  *known = true;
  if (k == "Join") return ReadJoin(r);
  if (k == "Parallel") return ReadParallelOrPerp(r, CONST_PARALLEL);
  if (k == "Perp") return ReadParallelOrPerp(r, CONST_PERP);
  if (k == "Bisector") return ReadBisector(r);
  if (k == "3PBisector") return Read3PBisector(r);
  if (k == "CurveTangent") return ReadCurveTangent(r);
  if (k == "Tangent") return ReadTangent(r);
  if (k == "LineWithAngle") return ReadLineWithAngle(r, false);
  if (k == "LineWithAngleDegree") return ReadLineWithAngle(r, true);
  if (k == "Circle") return ReadCircle(r);
  if (k == "Compass") return ReadCompass(r);
  *known = false;
  return true;
}
