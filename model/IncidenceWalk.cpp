// The walk that decides whether a relation holds for every position of the
// free points: each free point is nudged along x and along y, the figure is
// re-evaluated and the relation tested, and the figure is then put back.
#include <algorithm>
#include <cstring>
#include <vector>

#include "model/Incidence.h"
#include "model/StepGraph.h"
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

// The positions, in list order, of the producers of the relation's elements
// and of every step they read, directly or not. A step that reads every
// earlier one (a locus) makes all earlier steps needed. Found by following
// what each needed step reads, so that a relation between two elements
// made of a few steps costs a few steps, however long the list.
std::vector<int> Ancestors(GDocument& doc, const GStepGraph& g, const Relation& r) {
  const int n = static_cast<int>(g.steps.size());
  std::vector<char> mark(n, 0);
  std::vector<int> stack, found;
  auto take = [&](int i) {
    if (mark[i]) return;
    mark[i] = 1;
    stack.push_back(i);
    found.push_back(i);
  };
  for (int i : {g.MakerOf(doc, r.point1), g.MakerOf(doc, r.point2), g.MakerOf(doc, r.line1),
                g.MakerOf(doc, r.line2), g.MakerOf(doc, r.circle1), g.MakerOf(doc, r.circle2)})
    if (i >= 0 && i < n) take(i);
  int allBelow = 0;  // every step below this position is needed
  while (!stack.empty()) {
    const int i = stack.back();
    stack.pop_back();
    if (g.readsAllEarlier[i] && i > allBelow) allBelow = i;
    for (int k = g.readStart[i]; k < g.readStart[i + 1]; ++k) take(g.readList[k]);
  }
  std::sort(found.begin(), found.end());
  std::vector<int> needed;
  for (int i = 0; i < allBelow; ++i) needed.push_back(i);
  for (int i : found)
    if (i >= allBelow) needed.push_back(i);
  return needed;
}

// Moves only the free points the two elements depend on, and after each nudge
// evaluates only the steps between that point and the two elements that it
// drives.
bool DependencyWalk(GDocument& doc, const GStepGraph& g, int fromPos, const Relation& r) {
  const int n = static_cast<int>(g.steps.size());
  const std::vector<int> needed = Ancestors(doc, g, r);
  std::vector<char> driven(n, 0);
  std::vector<GConst*> touched;
  std::vector<SavedStep> saved;
  for (size_t a = 0; a < needed.size(); ++a) {
    const int f = needed[a];
    GConst* free = g.steps[f];
    if (f < fromPos || free->type != CONST_FREE) continue;
    touched.clear();
    for (size_t b = a; b < needed.size(); ++b) driven[needed[b]] = 0;
    driven[f] = 1;
    touched.push_back(free);
    for (size_t b = a + 1; b < needed.size(); ++b) {
      const int i = needed[b];
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
  if (!doc.Relations().LiteralWalk()) {
    GStepGraph& g = doc.Relations().StepGraph();
    g.Update(doc);
    const int fromPos = g.usable ? g.Position(doc, from) : -1;
    if (fromPos >= 0) return DependencyWalk(doc, g, fromPos, r);
  }
  return LiteralWalk(doc, from, r);
}

QuietCheckScope::QuietCheckScope(GDocument& doc, bool saveMotion, bool evaluate)
    : doc_(doc),
      movingPoint_(doc.MovingPoint()),
      dragMotion_(doc.Motion()),
      // The walks put back every motion record they touch; only the
      // evaluation of the whole list leaves records to restore.
      saveMotion_(saveMotion && !(evaluate && doc.ReadingScript())) {
  doc.SetMovingPoint(nullptr);
  doc.SetMotion(GMotion());
  if (saveMotion_) {
    motion_.resize(doc.Store().Points().Built() * 8);
    for (int i = 0; i < doc.Store().Points().Built(); ++i) {
      const GPoint& p = doc.Store().Points()[i];
      const double m[8] = {p.a11, p.a12, p.a21, p.a22, p.prevX, p.prevY, p.dX, p.dY};
      std::memcpy(&motion_[i * 8], m, sizeof m);
    }
  }
  if (evaluate && !doc.ReadingScript()) doc.EvaluateConst(doc.FirstConst());
}

QuietCheckScope::~QuietCheckScope() {
  if (saveMotion_) {
    for (int i = 0; i < (int)motion_.size() / 8; ++i) {
      GPoint& p = doc_.Store().Points()[i];
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
  doc_.SetMovingPoint(movingPoint_);
  doc_.SetMotion(dragMotion_);
}

GStepGraph& GRelations::StepGraph() {
  if (!m_StepGraph) m_StepGraph = std::make_shared<GStepGraph>();
  return *m_StepGraph;
}
