// The maker of one benchmark step of each kind: its inputs are picked among
// the elements already made, as the tools would find them, and the step is
// built and checked as the tools build it.
#include "bench/SheetBuilder.h"

namespace sheetgen {

// A point bound to a line made earlier, as the point tool binds a point to
// the line under it: the step takes the inputs of the line's step, and its
// parameter says where along the line the point sits.
bool Builder::OnCarrier(GStepKind kind) {
  const std::vector<GConst*>& made = carriers_[CarrierKind(kind)];
  if (made.empty()) return false;
  GConst* line = made[rng_.Index(made.size())];
  GConst* s = doc_.NewConst(kind);
  if (!s) return false;
  TakeCarrierInputs(s, line);
  // Along lines drawn from a base line, one parameter unit is as long as the
  // base line's normal.
  const GLine* base = line->LInput1;
  const double unit = base ? 1.0 / std::hypot(base->a.re, base->b.re) : 1.0;
  switch (kind) {
    case CONST_ON_LINE: {
      const double t = Grid(rng_.Uniform(-0.4, 1.4));
      s->param1 = CComplex(t, 0);
      s->param2 = CComplex(Grid(1 - t), 0);
      break;
    }
    case CONST_PT_ON_PARA:
    case CONST_PT_ON_PER:
      s->param1 = CComplex(Grid(rng_.Uniform(-1, 1) * unit), 0);
      break;
    case CONST_PT_ON_TANGENT:
      s->param1 = CComplex(Grid(rng_.Uniform(-0.8, 0.8) / std::sqrt(line->CInput1->r2.re)), 0);
      break;
    case CONST_PT_ON_BISECTOR:  // the side of the bisector, then the place
      s->param1 = line->param1;
      s->param2 = CComplex(Grid(rng_.Uniform(-1.5, 1.5)), 0);
      break;
    case CONST_PT_ON_3P_BISECTOR:
      s->param1 = CComplex(Grid(rng_.Uniform(0.2, 1.5)), 0);
      break;
    case CONST_PT_ON_LINE_WITH_ANGLE_DEGREE:  // the angle, then the place
      s->param1 = line->param1;
      s->param2 = CComplex(Grid(rng_.Uniform(-1, 1) * unit), 0);
      break;
    default:
      break;
  }
  OnLine(line->LOutput, OutPoint(s, false));
  return true;
}

bool Builder::TryMake(GStepKind kind) {
  GPoint *p = nullptr, *q = nullptr, *r = nullptr;
  GLine *l = nullptr, *m = nullptr;
  GCircle *c = nullptr, *e = nullptr;
  double x = 0, y = 0;
  GConst* s = nullptr;
  // Picks inputs first: a step is only made when its inputs were found.
  auto step = [&](GStepKind type) { return s = doc_.NewConst(type); };

  if (CarrierKind(kind) != GStepKind{}) return OnCarrier(kind);
  switch (kind) {
    case CONST_FREE: {
      GPoint* f = doc_.NewPoint(CComplex(Grid(rng_.Uniform(-4.5, 4.5)), 0),
                                CComplex(Grid(rng_.Uniform(-2.6, 2.6)), 0));
      if (!f || !step(CONST_FREE)) return false;
      s->PInput1 = s->POutput = f;
      s->Evaluate();
      doc_.AssignPoint(f);
      doc_.SetPointName(f);
      points_.push_back(f);
      return true;
    }
    case CONST_JOIN:
      if (!TwoPoints(0.4, 6.0, &p, &q) || !step(CONST_JOIN)) return false;
      s->PInput1 = p;
      s->PInput2 = q;
      l = OutLine(s);
      OnLine(l, p);
      OnLine(l, q);
      return l != nullptr;
    case CONST_PARALLEL:
    case CONST_PERP:
      if (!LineAndPoint(&l, &p) || !step(kind)) return false;
      s->LInput1 = l;
      s->PInput1 = p;
      l = OutLine(s);
      OnLine(l, p);
      return l != nullptr;
    case CONST_BISECTOR:
      if (!MeetingLines(&l, &m, &x, &y) || !step(CONST_BISECTOR)) return false;
      s->LInput1 = l;
      s->LInput2 = m;
      s->param1 = CComplex(rng_.Sign(), 0);
      return OutLine(s) != nullptr;
    case CONST_3P_BISECTOR:
      if (!Triangle(&p, &q, &r) || !step(CONST_3P_BISECTOR)) return false;
      s->PInput1 = p;
      s->PInput2 = q;
      s->PInput3 = r;
      l = OutLine(s);
      OnLine(l, q);
      return l != nullptr;
    case CONST_TANGENT: {
      if (onCircle_.empty()) return false;
      auto [circle, at] = onCircle_[rng_.Index(onCircle_.size())];
      if (!step(CONST_TANGENT)) return false;
      s->CInput1 = circle;
      s->PInput1 = at;
      l = OutLine(s);
      OnLine(l, at);
      return l != nullptr;
    }
    case CONST_LINE_WITH_ANGLE_DEGREE:
      if (!LineAndPoint(&l, &p) || !step(kind)) return false;
      s->LInput1 = l;
      s->PInput1 = p;
      s->param1 = CComplex(Grid(rng_.Uniform(10, 170)), 0);
      l = OutLine(s);
      OnLine(l, p);
      return l != nullptr;
    case CONST_MULTI_CIRCLE:
      if (!TwoPoints(0.3, 2.8, &p, &q) || !step(kind)) return false;
      s->PInput1 = p;
      s->PInput2 = q;
      c = OutCircle(s);
      OnCircle(c, q);
      return c != nullptr;
    case CONST_COMPASS:
      if (!TwoPoints(0.3, 2.5, &p, &q) || !step(kind)) return false;
      s->PInput1 = p;
      s->PInput2 = q;
      s->PInput3 = AnyPoint();
      return OutCircle(s) != nullptr;
    case CONST_PT_ON_CIRCLE: {
      if (circles_.empty() || !step(kind)) return false;
      c = circles_[rng_.Index(circles_.size())];
      s->CInput1 = c;
      s->param1 = CComplex(Grid(rng_.Uniform(-3.14, 3.14)), 0);
      GPoint* out = OutPoint(s, false);
      OnCircle(c, out);
      if (out) onCircle_.push_back({c, out});
      return true;
    }
    case CONST_MEET: {
      if (!MeetingLines(&l, &m, &x, &y) || !step(kind)) return false;
      s->LInput1 = l;
      s->LInput2 = m;
      GPoint* out = OutPoint(s, true);
      OnLine(l, out);
      OnLine(m, out);
      return out != nullptr;
    }
    case CONST_MID:
      if (!TwoPoints(0.2, 6.0, &p, &q) || !step(kind)) return false;
      s->PInput1 = p;
      s->PInput2 = q;
      return OutPoint(s, true) != nullptr;
    case CONST_MEET_CL: {
      if (!LineCircle(&l, &c, &x, &y) || !step(kind)) return false;
      s->LInput1 = l;
      s->CInput1 = c;
      s->param1 = CComplex(x, 0);
      s->param2 = CComplex(y, 0);
      s->param3 = s->param4 = kNoRejectedMeet;
      GPoint* out = OutPoint(s, true);
      OnLine(l, out);
      OnCircle(c, out);
      return out != nullptr;
    }
    case CONST_MEET_CC: {
      if (!CircleCircle(&c, &e, &x, &y) || !step(kind)) return false;
      s->CInput1 = c;
      s->CInput2 = e;
      s->param1 = CComplex(x, 0);
      s->param2 = CComplex(y, 0);
      s->param3 = s->param4 = kNoRejectedMeet;
      GPoint* out = OutPoint(s, true);
      OnCircle(c, out);
      OnCircle(e, out);
      return out != nullptr;
    }
    case CONST_ORTHOCENTER:
      if (!Triangle(&p, &q, &r) || !step(kind)) return false;
      s->PInput1 = p;
      s->PInput2 = q;
      s->PInput3 = r;
      return OutPoint(s, true) != nullptr;
    case CONST_3P_ANGLE: {
      if (!Triangle(&p, &q, &r)) return false;
      GAngle* a = doc_.NewAngle(0.0);
      if (!a || !step(kind)) return false;
      s->PInput1 = p;
      s->PInput2 = q;
      s->PInput3 = r;
      s->AngleOutput = a;
      s->Evaluate();
      doc_.AssignAngle(a);
      a->name = doc_.TakeName(GNameKind::kAngle);
      return true;
    }
    case CONST_BRACKET: {
      if (!TwoPoints(0.5, 4.0, &p, &q)) return false;
      GBracket* b = doc_.NewBracket(p, q);
      if (!b || !step(kind)) return false;
      s->PInput1 = p;
      s->PInput2 = q;
      s->BracketOutput = b;
      s->Evaluate();
      doc_.AssignBracket(b);
      doc_.SetBracketName(b);
      return true;
    }
    default:
      return false;
  }
}

}  // namespace sheetgen
