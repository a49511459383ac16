// The walk that decides whether a relation holds for every position of the
// free points: each free point is nudged along x and along y, the figure is
// re-evaluated and the relation tested, and the figure is then put back.
#include <cstring>
#include <vector>

#include "model/Incidence.h"
#include "model/StepState.h"

namespace {

// The steps of the list that starts at `head`, in list order.
std::vector<GConst*> ListSteps(GConst* head) {
  std::vector<GConst*> steps;
  for (GConst* c = head; c; c = c->next) steps.push_back(c);
  return steps;
}

bool Contains(const std::vector<GConst*>& steps, const GConst* c) {
  for (const GConst* s : steps)
    if (s == c) return true;
  return false;
}

// Nudges the free point of `free` along x, then along y, evaluates with
// `evaluate` after each nudge and tests the relation. Everything in `touched`
// (every step `evaluate` may change) is put back exactly afterwards.
template <class Evaluate>
bool SurvivesNudges(GDocument& doc, GConst* free, const Relation& r,
                    const std::vector<GConst*>& touched, std::vector<SavedStep>& saved,
                    Evaluate evaluate) {
  GPoint* p = free->PInput1 ? free->PInput1 : free->POutput;
  if (!p) return true;  // nothing to move: the step cannot change anything
  saved.resize(touched.size());
  for (size_t i = 0; i < touched.size(); ++i) SaveStep(touched[i], saved[i]);
  const CComplex x = p->x, y = p->y, z = p->z;
  p->x = x + z * 0.1;
  evaluate();
  bool holds = RelationHoldsNow(doc, r);
  if (holds) {
    p->x = x;
    p->y = y + z * 0.1;
    evaluate();
    holds = RelationHoldsNow(doc, r);
  }
  p->x = x;
  p->y = y;
  p->z = z;
  RestoreSteps(saved);
  return holds;
}

// Every free point from `from` on, the whole list evaluated after each nudge.
bool LiteralWalk(GDocument& doc, GConst* from, const Relation& r) {
  std::vector<GConst*> touched = ListSteps(doc.FirstConst());
  if (!Contains(touched, from)) touched = ListSteps(from);
  std::vector<SavedStep> saved;
  for (GConst* c = from; c; c = c->next) {
    if (c->type != CONST_FREE) continue;
    if (!SurvivesNudges(doc, c, r, touched, saved, [&] { doc.EvaluateConst(c); })) return false;
  }
  return true;
}

// ---- dependencies between the steps of the sheet ----

// Which earlier steps each step reads. A step's value is a pure function of
// what it reads (and its own parameters) once the figure is evaluated, so a
// step that reads nothing a nudged point drives keeps its value: evaluating it
// again changes nothing.
struct StepGraph {
  std::vector<GConst*> steps;  // list order
  // The producers step i reads: readList[readStart[i] .. readStart[i + 1]).
  std::vector<int> readStart, readList;
  std::vector<char> readsAllEarlier;    // reads elements by name (texts in formulas)
  bool usable = true;                   // false: use the literal walk

  int Position(const GConst* c) const {
    for (size_t i = 0; i < steps.size(); ++i)
      if (steps[i] == c) return static_cast<int>(i);
    return -1;
  }
};

StepGraph BuildGraph(GDocument& doc) {
  StepGraph g;
  g.steps = ListSteps(doc.FirstConst());
  const int n = static_cast<int>(g.steps.size());
  // Which step makes each pool slot; only slots ever made can be outputs.
  std::vector<int> pointBy(doc.m_PointPool.Built(), -1), lineBy(doc.m_LinePool.Built(), -1),
      circleBy(doc.m_CirclePool.Built(), -1), angleBy(doc.m_AnglePool.Built(), -1),
      curveBy(doc.m_CurvePool.Built(), -1);
  auto produce = [&](std::vector<int>& by, int slot, int i) {
    if (slot < 0 || slot >= static_cast<int>(by.size())) return;
    if (by[slot] >= 0) g.usable = false;  // two steps make one element
    by[slot] = i;
  };
  for (int i = 0; i < n; ++i) {
    GConst* c = g.steps[i];
    // A locus drives the whole figure through its range and resets every
    // intersection's branch memory: its evaluation reaches beyond what it reads.
    if (c->type == CONST_ORBIT1 || c->type == CONST_ORBIT2) g.usable = false;
    if (c->POutput) produce(pointBy, doc.m_PointPool.IndexOf(c->POutput), i);
    if (c->LOutput) produce(lineBy, doc.m_LinePool.IndexOf(c->LOutput), i);
    if (c->COutput) produce(circleBy, doc.m_CirclePool.IndexOf(c->COutput), i);
    if (c->AngleOutput) produce(angleBy, doc.m_AnglePool.IndexOf(c->AngleOutput), i);
    if (c->CurveOutput) produce(curveBy, doc.m_CurvePool.IndexOf(c->CurveOutput), i);
  }
  g.readStart.assign(n + 1, 0);
  g.readList.reserve(2 * n);
  g.readsAllEarlier.assign(n, 0);
  for (int i = 0; i < n; ++i) {
    GConst* c = g.steps[i];
    auto read = [&](const std::vector<int>& by, int slot) {
      if (slot < 0 || slot >= static_cast<int>(by.size()) || by[slot] < 0 || by[slot] == i) return;
      if (by[slot] > i) g.usable = false;  // reads a value made later
      g.readList.push_back(by[slot]);
    };
    // Most input slots are empty: they are passed over before any lookup.
    for (GPoint* p : {c->PInput1, c->PInput2, c->PInput3})
      if (p) read(pointBy, doc.m_PointPool.IndexOf(p));
    for (GLine* l : {c->LInput1, c->LInput2, c->LInput3})
      if (l) read(lineBy, doc.m_LinePool.IndexOf(l));
    for (GCircle* k : {c->CInput1, c->CInput2, c->CInput3})
      if (k) read(circleBy, doc.m_CirclePool.IndexOf(k));
    for (GParaCurve* k : {c->CurveInput1, c->CurveInput2})
      if (k) read(curveBy, doc.m_CurvePool.IndexOf(k));
    if (c->AngleInput1) read(angleBy, doc.m_AnglePool.IndexOf(c->AngleInput1));
    // Formulas name elements; a point on a curve tangent finds its tangent
    // step by search. Both may read anything made before them.
    if (c->type == CONST_GRAPH || c->type == CONST_PARA_CURVE ||
        c->type == CONST_PT_ON_CURVE_TANGENT)
      g.readsAllEarlier[i] = 1;
    g.readStart[i + 1] = static_cast<int>(g.readList.size());
  }
  return g;
}

// Marks the producers of the relation's elements and everything they read.
std::vector<char> Ancestors(GDocument& doc, const StepGraph& g, const Relation& r) {
  const int n = static_cast<int>(g.steps.size());
  std::vector<char> mark(n, 0);
  for (int i = 0; i < n; ++i) {
    GConst* c = g.steps[i];
    const bool makesOne = (c->POutput && (c->POutput == r.point1 || c->POutput == r.point2)) ||
                          (c->LOutput && (c->LOutput == r.line1 || c->LOutput == r.line2)) ||
                          (c->COutput && (c->COutput == r.circle1 || c->COutput == r.circle2));
    if (makesOne) mark[i] = 1;
  }
  (void)doc;
  bool all = false;
  for (int i = n - 1; i >= 0; --i) {
    if (all) mark[i] = 1;
    if (!mark[i]) continue;
    for (int k = g.readStart[i]; k < g.readStart[i + 1]; ++k) mark[g.readList[k]] = 1;
    if (g.readsAllEarlier[i]) all = true;
  }
  return mark;
}

// Moves only the free points the two elements depend on, and after each nudge
// evaluates only the steps between that point and the two elements.
bool DependencyWalk(GDocument& doc, const StepGraph& g, int fromPos, const Relation& r) {
  const int n = static_cast<int>(g.steps.size());
  const std::vector<char> needed = Ancestors(doc, g, r);
  std::vector<char> driven(n, 0);
  std::vector<GConst*> touched;
  std::vector<SavedStep> saved;
  for (int f = fromPos; f < n; ++f) {
    GConst* free = g.steps[f];
    if (free->type != CONST_FREE || !needed[f]) continue;
    touched.clear();
    std::fill(driven.begin() + f, driven.end(), 0);
    driven[f] = 1;
    touched.push_back(free);
    for (int i = f + 1; i < n; ++i) {
      if (!needed[i]) continue;
      bool d = g.readsAllEarlier[i] != 0;
      for (int k = g.readStart[i]; !d && k < g.readStart[i + 1]; ++k) d = driven[g.readList[k]];
      if (!d) continue;
      driven[i] = 1;
      touched.push_back(g.steps[i]);
    }
    auto evaluate = [&] {
      for (GConst* c : touched) c->Evaluate();
    };
    if (!SurvivesNudges(doc, free, r, touched, saved, evaluate)) return false;
  }
  return true;
}

}  // namespace

bool RelationHoldsEverywhere(GDocument& doc, GConst* from, const Relation& r) {
  if (!RelationHoldsNow(doc, r)) return false;
  if (!from) return true;
  QuietCheckScope quiet(doc, false, false);
  if (!doc.m_LiteralIncidenceWalk) {
    const StepGraph g = BuildGraph(doc);
    const int fromPos = g.usable ? g.Position(from) : -1;
    if (fromPos >= 0) return DependencyWalk(doc, g, fromPos, r);
  }
  return LiteralWalk(doc, from, r);
}

QuietCheckScope::QuietCheckScope(GDocument& doc, bool saveMotion, bool evaluate)
    : doc_(doc),
      movingPoint_(doc.m_MovingPoint),
      dragMotion_(doc.m_Motion),
      // The walks put back every motion record they touch; only the
      // evaluation of the whole list leaves records to restore.
      saveMotion_(saveMotion && !(evaluate && doc.m_ReadingScript)) {
  doc.m_MovingPoint = nullptr;
  doc.m_Motion = GMotion();
  if (saveMotion_) {
    motion_.resize(doc.m_PointPool.Built() * 8);
    for (int i = 0; i < doc.m_PointPool.Built(); ++i) {
      const GPoint& p = doc.m_PointPool[i];
      const double m[8] = {p.a11, p.a12, p.a21, p.a22, p.prevX, p.prevY, p.dX, p.dY};
      std::memcpy(&motion_[i * 8], m, sizeof m);
    }
  }
  if (evaluate && !doc.m_ReadingScript) doc.EvaluateConst(doc.FirstConst());
}

QuietCheckScope::~QuietCheckScope() {
  if (saveMotion_) {
    for (int i = 0; i < (int)motion_.size() / 8; ++i) {
      GPoint& p = doc_.m_PointPool[i];
      const double* m = &motion_[i * 8];
      p.a11 = m[0];
      p.a12 = m[1];
      p.a21 = m[2];
      p.a22 = m[3];
      p.prevX = m[4];
      p.prevY = m[5];
      p.dX = m[6];
      p.dY = m[7];
    }
  }
  doc_.m_MovingPoint = movingPoint_;
  doc_.m_Motion = dragMotion_;
}
