// Builds a benchmark sheet: a shuffled recipe of step kinds, each step made
// with NewConst and new elements like the tools make them, its inputs picked
// among elements that are real and near the view so the figure stays drawable,
// and its written statements readable as they are.
#include "bench/SheetGenerator.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <vector>

#include "model/StepKinds.h"

namespace {

// splitmix64: the same numbers on every platform and library.
struct Rng {
  uint64_t s;
  uint64_t Next() {
    uint64_t z = (s += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
  }
  double Uniform(double a, double b) { return a + (b - a) * (Next() >> 11) * 0x1.0p-53; }
  int Index(size_t n) { return static_cast<int>(Next() % n); }
  double Sign() { return (Next() & 1) ? 1.0 : -1.0; }
};

// Kinds and their share of a 1000-step sheet; the first 40 steps are free
// points so that every later kind finds inputs.
struct Share {
  int kind;
  int count;
};
constexpr Share kRecipe[] = {
    {CONST_FREE, 160},
    // lines: 325
    {CONST_JOIN, 170},
    {CONST_PARALLEL, 40},
    {CONST_PERP, 40},
    {CONST_BISECTOR, 20},
    {CONST_3P_BISECTOR, 20},
    {CONST_TANGENT, 20},
    {CONST_LINE_WITH_ANGLE_DEGREE, 15},
    // circles: 155
    {CONST_MULTI_CIRCLE, 115},
    {CONST_COMPASS, 40},
    // points: 335
    {CONST_ON_LINE, 30},
    {CONST_PT_ON_PARA, 10},
    {CONST_PT_ON_PER, 10},
    {CONST_PT_ON_CIRCLE, 45},
    {CONST_PT_ON_TANGENT, 10},
    {CONST_PT_ON_BISECTOR, 5},
    {CONST_PT_ON_3P_BISECTOR, 5},
    {CONST_MEET, 80},
    {CONST_MID, 40},
    {CONST_MEET_CL, 45},
    {CONST_MEET_CC, 30},
    {CONST_ORTHOCENTER, 20},
    {CONST_PT_ON_LINE_WITH_ANGLE_DEGREE, 5},
    // angle marks and brackets: 25
    {CONST_3P_ANGLE, 15},
    {CONST_BRACKET, 10},
};
constexpr int kSeedPoints = 40;

// The region where inputs are taken from: a little more than the view.
constexpr double kBoundX = 7.0, kBoundY = 5.0;

bool Real(const CComplex& z) { return z.realp() && std::isfinite(z.re); }

bool GoodPoint(const GPoint* p) {
  if (!Real(p->x) || !Real(p->y) || !Real(p->z) || std::fabs(p->z.re) < 1e-9) return false;
  const double x = p->x.re / p->z.re, y = p->y.re / p->z.re;
  return std::fabs(x) < kBoundX && std::fabs(y) < kBoundY;
}

bool GoodLine(const GLine* l) {
  if (!Real(l->a) || !Real(l->b) || !Real(l->c)) return false;
  const double n = std::hypot(l->a.re, l->b.re);
  return n > 1e-9 && std::fabs(l->c.re) / n < kBoundY;  // passes near the view
}

bool GoodCircle(const GCircle* c) {
  if (!Real(c->cx) || !Real(c->cy) || !Real(c->r2)) return false;
  return c->r2.re > 0.04 && c->r2.re < 16.0 && std::fabs(c->cx.re) < kBoundX &&
         std::fabs(c->cy.re) < kBoundY;
}

double X(const GPoint* p) { return p->x.re / p->z.re; }
double Y(const GPoint* p) { return p->y.re / p->z.re; }
double Dist(const GPoint* p, const GPoint* q) { return std::hypot(X(p) - X(q), Y(p) - Y(q)); }

// Where two real lines meet; false when they are nearly parallel or meet far
// outside the view.
bool MeetOf(const GLine* l, const GLine* m, double* x, double* y) {
  const double na = std::hypot(l->a.re, l->b.re), nb = std::hypot(m->a.re, m->b.re);
  const double det = l->a.re * m->b.re - l->b.re * m->a.re;
  if (std::fabs(det) < 0.25 * na * nb) return false;  // less than about 15 degrees
  *x = (l->b.re * m->c.re - l->c.re * m->b.re) / det;
  *y = (l->c.re * m->a.re - l->a.re * m->c.re) / det;
  return std::fabs(*x) < kBoundX && std::fabs(*y) < kBoundY;
}

// Values the generator chooses freely (coordinates of free points, positions
// along lines and circles, angles) lie on the grid of the file's three
// decimals: the written document is then the figure itself, and reading it
// back rebuilds the same positions to the last bit.
double Grid(double v) { return std::round(v * 1000.0) / 1000.0; }

// The kind of line a point-on-a-line kind runs along, as the point tool binds
// a point to the line under it; 0 for the other kinds.
int CarrierKind(int pointKind) { return StepKindOf(pointKind)->carrier; }

class Builder {
 public:
  Builder(GDocument& doc, uint64_t seed) : doc_(doc), rng_{seed} {}

  // Makes a step of `kind`; false when its inputs cannot be found yet or
  // the new element turned out to repeat an existing one (and was removed).
  bool TryMake(int kind);

  // A failed pick of inputs becomes a simpler step of the same element kind.
  void Fallback(int kind) {
    switch (StepKindOf(kind)->output) {
      case OUTPUT_LINE:
        if (TryMake(CONST_JOIN)) return;
        break;
      case OUTPUT_CIRCLE:
        if (TryMake(CONST_MULTI_CIRCLE)) return;
        break;
      default:
        break;
    }
    TryMake(CONST_FREE);
  }

 private:
  GDocument& doc_;
  Rng rng_;
  std::vector<GPoint*> points_;  // good points, usable as inputs
  std::vector<GLine*> lines_;
  std::vector<GCircle*> circles_;
  std::vector<std::pair<GCircle*, GPoint*>> onCircle_;  // points made on circles
  std::map<int, std::vector<GConst*>> carriers_;        // steps of good lines, by kind

  GPoint* AnyPoint() { return points_[rng_.Index(points_.size())]; }

  // Two good points at a distance within [lo, hi], or none.
  bool TwoPoints(double lo, double hi, GPoint** p, GPoint** q) {
    if (points_.size() < 2) return false;
    for (int i = 0; i < 40; ++i) {
      *p = AnyPoint();
      *q = AnyPoint();
      const double d = Dist(*p, *q);
      if (*p != *q && d >= lo && d <= hi) return true;
    }
    return false;
  }

  // Three points spanning a triangle that is neither tiny nor flat.
  bool Triangle(GPoint** a, GPoint** v, GPoint** b) {
    for (int i = 0; i < 40; ++i) {
      if (!TwoPoints(0.5, 4.0, a, v)) return false;
      *b = AnyPoint();
      const double area = (X(*v) - X(*a)) * (Y(*b) - Y(*a)) - (X(*b) - X(*a)) * (Y(*v) - Y(*a));
      if (std::fabs(area) > 0.6 && Dist(*b, *a) < 4.0 && Dist(*b, *v) < 4.0) return true;
    }
    return false;
  }

  bool MeetingLines(GLine** l, GLine** m, double* x, double* y) {
    if (lines_.size() < 2) return false;
    for (int i = 0; i < 40; ++i) {
      *l = lines_[rng_.Index(lines_.size())];
      *m = lines_[rng_.Index(lines_.size())];
      if (*l != *m && MeetOf(*l, *m, x, y)) return true;
    }
    return false;
  }

  bool LineAndPoint(GLine** l, GPoint** p) {
    if (lines_.empty() || points_.empty()) return false;
    *l = lines_[rng_.Index(lines_.size())];
    *p = AnyPoint();
    return true;
  }

  // A line crossing a circle well inside it, and one of the two crossings.
  bool LineCircle(GLine** l, GCircle** c, double* x, double* y) {
    if (lines_.empty() || circles_.empty()) return false;
    for (int i = 0; i < 60; ++i) {
      *l = lines_[rng_.Index(lines_.size())];
      *c = circles_[rng_.Index(circles_.size())];
      const double a = (*l)->a.re, b = (*l)->b.re, cc = (*l)->c.re;
      const double n = std::hypot(a, b);
      const double cx = (*c)->cx.re, cy = (*c)->cy.re, r = std::sqrt((*c)->r2.re);
      const double d = (a * cx + b * cy + cc) / n;  // signed distance of the centre
      if (std::fabs(d) > 0.9 * r) continue;
      const double fx = cx - d * a / n, fy = cy - d * b / n;  // foot on the line
      const double h = rng_.Sign() * std::sqrt(r * r - d * d);
      *x = fx - h * b / n;
      *y = fy + h * a / n;
      return true;
    }
    return false;
  }

  // Two circles crossing at a clear angle, and one of the two crossings.
  bool CircleCircle(GCircle** c, GCircle** e, double* x, double* y) {
    if (circles_.size() < 2) return false;
    for (int i = 0; i < 60; ++i) {
      *c = circles_[rng_.Index(circles_.size())];
      *e = circles_[rng_.Index(circles_.size())];
      if (*c == *e) continue;
      const double x1 = (*c)->cx.re, y1 = (*c)->cy.re, r1 = std::sqrt((*c)->r2.re);
      const double x2 = (*e)->cx.re, y2 = (*e)->cy.re, r2 = std::sqrt((*e)->r2.re);
      const double d = std::hypot(x2 - x1, y2 - y1);
      if (d < std::fabs(r1 - r2) + 0.1 || d > r1 + r2 - 0.1) continue;
      const double along = (d * d + r1 * r1 - r2 * r2) / (2 * d);
      const double h = rng_.Sign() * std::sqrt(r1 * r1 - along * along);
      const double ux = (x2 - x1) / d, uy = (y2 - y1) / d;
      *x = x1 + along * ux - h * uy;
      *y = y1 + along * uy + h * ux;
      return true;
    }
    return false;
  }

  // ---- outputs: made, evaluated, listed and named as the tools do ----
  //
  // With `unique`, the coincidence check of the tools (and of opening a file)
  // runs: a new element that is an old one again is removed with its step,
  // and none is returned. A document written from the sheet therefore reads
  // back into the very same steps.

  GPoint* OutPoint(GConst* c, bool unique) {
    GPoint* p = doc_.NewPoint(CComplex(0, 0), CComplex(0, 0));
    if (!p) return nullptr;
    c->POutput = p;
    c->Evaluate();
    doc_.AssignPoint(p);
    doc_.SetPointName(p);
    if (unique && doc_.CheckCoincidency(p)) return nullptr;
    if (GoodPoint(p)) points_.push_back(p);
    return p;
  }

  GLine* OutLine(GConst* c) {
    GLine* l = doc_.NewLine(CComplex(1, 0), CComplex(0, 0), CComplex(0, 0));
    if (!l) return nullptr;
    c->LOutput = l;
    c->Evaluate();
    doc_.AssignLine(l);
    l->name = doc_.m_LineName;
    doc_.next_name(doc_.m_LineName);
    if (doc_.CheckCoincidency(l)) return nullptr;
    if (GoodLine(l)) {
      lines_.push_back(l);
      carriers_[c->type].push_back(c);
    }
    return l;
  }

  GCircle* OutCircle(GConst* c) {
    GCircle* e = doc_.NewCircle(0, 0, 1);
    if (!e) return nullptr;
    c->COutput = e;
    c->Evaluate();
    doc_.AssignCircle(e);
    doc_.SetCircleName(e);
    if (doc_.CheckCoincidency(e)) return nullptr;
    if (GoodCircle(e)) circles_.push_back(e);
    return e;
  }

  // Records that p lies on l (or c), as the tools do for the points they
  // place on a line or circle.
  void OnLine(GLine* l, GPoint* p) {
    if (l && p) doc_.AssignIncident(l, p, 0.0);
  }
  void OnCircle(GCircle* c, GPoint* p) {
    if (!c || !p) return;
    doc_.AssignIncident(c, p, std::atan2(c->cy.re - Y(p), X(p) - c->cx.re));
  }

  bool OnCarrier(int kind);
};

// A point bound to a line made earlier, as the point tool binds a point to
// the line under it: the step takes the inputs of the line's step, and its
// parameter says where along the line the point sits.
bool Builder::OnCarrier(int kind) {
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

bool Builder::TryMake(int kind) {
  GPoint *p = nullptr, *q = nullptr, *r = nullptr;
  GLine *l = nullptr, *m = nullptr;
  GCircle *c = nullptr, *e = nullptr;
  double x = 0, y = 0;
  GConst* s = nullptr;
  // Picks inputs first: a step is only made when its inputs were found.
  auto step = [&](int type) { return s = doc_.NewConst(type); };

  if (CarrierKind(kind)) return OnCarrier(kind);
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
      a->name = doc_.m_AngleName;
      doc_.next_name(doc_.m_AngleName);
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

// Fills the current sheet of `doc` with `steps` steps of the recipe's mix.
// Kinds whose inputs do not exist yet (a point on a kind of line not made so
// far) wait until the end of the list; what still finds no inputs there
// becomes a simpler step of its element kind.
void FillSheet(GDocument& doc, int steps, uint64_t seed) {
  std::vector<int> kinds;
  for (const Share& share : kRecipe) kinds.insert(kinds.end(), share.count, share.kind);
  // Free points first, then the rest in a fixed shuffled order.
  std::stable_partition(kinds.begin(), kinds.end(), [](int k) { return k == CONST_FREE; });
  Rng order{seed ^ 0x5eedULL};
  for (size_t i = kinds.size() - 1; i > kSeedPoints; --i) {
    const size_t j = kSeedPoints + order.Next() % (i - kSeedPoints + 1);
    std::swap(kinds[i], kinds[j]);
  }
  kinds.resize(std::min<size_t>(kinds.size(), std::max(steps, 0)));

  Builder builder(doc, seed);
  std::vector<int> waiting;
  for (int kind : kinds) {
    if (builder.TryMake(kind)) continue;
    if (CarrierKind(kind))
      waiting.push_back(kind);
    else
      builder.Fallback(kind);
  }
  for (int kind : waiting)
    if (!builder.TryMake(kind)) builder.Fallback(kind);

  for (GLine* l = doc.Sheet().lines.head; l; l = l->next) doc.ResetLineIcPara(l);
  for (GCircle* c = doc.Sheet().circles.head; c; c = c->next) doc.ResetCircleIcPara(c);
  doc.EvaluateConst(doc.FirstConst());
}

}  // namespace

std::unique_ptr<GDocument> GenerateSheet(GUser* user, int steps, uint64_t seed) {
  auto doc = std::make_unique<GDocument>(user);
  doc->ResetAllName();
  FillSheet(*doc, std::clamp(steps, 0, kPoolSize), seed);
  return doc;
}

std::unique_ptr<GDocument> GenerateDocument(GUser* user, int sheets, int stepsPerSheet,
                                            uint64_t seed) {
  auto doc = std::make_unique<GDocument>(user);
  sheets = std::clamp(sheets, 1, kSheetPoolSize);
  stepsPerSheet = std::clamp(stepsPerSheet, 0, kPoolSize / sheets);
  Rng looks{seed ^ 0x100cULL};
  for (int i = 0; i < sheets; ++i) {
    if (i > 0 && !doc->InsertNewSheet()) break;
    // Each sheet keeps an appearance of its own.
    GSheet& sheet = doc->Sheet();
    for (int k = 0; k < 5; ++k) {
      sheet.pointStyles[k] = looks.Index(3);
      sheet.lineStyles[k] = looks.Index(3);
    }
    sheet.background = looks.Index(5);
    doc->ResetAllName();
    FillSheet(*doc, stepsPerSheet, seed + i);
  }
  // Sheet 0 on screen, as after opening a file.
  doc->m_CurrentSheet = 0;
  doc->MoveSheet(false);
  doc->EvaluateConst(doc->FirstConst());
  return doc;
}

SheetStats CountSheet(GDocument& doc) {
  SheetStats st;
  std::set<int> kinds;
  for (GConst* c = doc.FirstConst(); c; c = c->next) {
    ++st.steps;
    kinds.insert(c->type);
    if (c->type == CONST_FREE) ++st.freePoints;
  }
  st.kinds = static_cast<int>(kinds.size());
  for (GPoint* p = doc.Sheet().points.head; p; p = p->next) {
    ++st.points;
    if (GoodPoint(p)) ++st.realPoints;
  }
  for (GLine* l = doc.Sheet().lines.head; l; l = l->next) {
    ++st.lines;
    if (GoodLine(l)) ++st.realLines;
  }
  for (GCircle* c = doc.Sheet().circles.head; c; c = c->next) {
    ++st.circles;
    if (GoodCircle(c)) ++st.realCircles;
  }
  return st;
}

bool PickMeetingLines(GDocument& doc, unsigned pick, GLine** l, GLine** m) {
  std::vector<GLine*> lines;
  for (GLine* g = doc.Sheet().lines.head; g; g = g->next)
    if (GoodLine(g)) lines.push_back(g);
  if (lines.size() < 2) return false;
  Rng rng{kSheetSeed + pick};
  double x, y;
  for (int i = 0; i < 1000; ++i) {
    *l = lines[rng.Index(lines.size())];
    *m = lines[rng.Index(lines.size())];
    if (*l != *m && MeetOf(*l, *m, &x, &y)) return true;
  }
  return false;
}

GPoint* PlaceMeetPoint(GDocument& doc, GLine* l, GLine* m, GConst** step) {
  if (step) *step = nullptr;
  GPoint* p = doc.NewPoint(CComplex(0, 0), CComplex(0, 0));
  if (!p) return nullptr;
  GConst* c = doc.NewConst(CONST_MEET);
  if (!c) {
    p->inUse = 0;
    return nullptr;
  }
  c->LInput1 = l;
  c->LInput2 = m;
  c->POutput = p;
  c->Evaluate();
  doc.AssignPoint(p);
  doc.SetPointName(p);
  if (step) *step = c;
  return p;
}
