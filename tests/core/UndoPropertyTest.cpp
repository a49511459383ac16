// Undo, redo and the eraser on generated sheets (every point, line and circle
// kind), with random choices from fixed seeds: the history gives back exactly
// what it took, the eraser takes exactly what depends on the erased element,
// and no pool slot or element is lost on the way.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "model/ViewSteps.h"
#include "Recorder.h"
#include "bench/SheetBuilder.h"
#include "bench/SheetGenerator.h"
#include "model/Gesture.h"
#include "model/Lookup.h"
#include "script/Script.h"

namespace {

constexpr int kSheetSteps = 240;  // all of them fit on the redo stack
constexpr uint64_t kSeeds[] = {1, 7, 23};

std::vector<double> Coordinates(GDocument& d) {
  std::vector<double> out;
  for (GPoint* p = d.Sheet().points.head; p; p = p->next)
    for (const CComplex& v : {p->x, p->y, p->z}) out.insert(out.end(), {v.re, v.im});
  return out;
}

std::vector<GConst*> StepList(GDocument& d) {
  std::vector<GConst*> out;
  for (GConst* c = d.FirstConst(); c; c = c->next) out.push_back(c);
  return out;
}

// Hilights the element a step made (points, lines and circles).
void Choose(GDocument& d, GConst* c) {
  d.ClearAllHilights();
  if (c->Output_Type() == OUTPUT_POINT) d.Sethilighted(c->POutput);
  if (c->Output_Type() == OUTPUT_LINE) d.Sethilighted(c->LOutput);
  if (c->Output_Type() == OUTPUT_CIRCLE) d.Sethilighted(c->COutput);
}

// The steps that depend on `root`, computed as a closure: a step depends on
// root when it uses an element a dependent step made, or lies on a line a
// dependent step made.
std::set<GConst*> Dependents(GDocument& d, GConst* root) {
  std::set<GConst*> out{root};
  const std::vector<GConst*> steps = StepList(d);
  for (bool grew = true; grew;) {
    grew = false;
    std::set<const GObject*> made;
    for (GConst* c : out) made.insert(c->Output());
    for (GConst* c : steps) {
      if (out.count(c)) continue;
      bool uses = false;
      const GObject* const inputs[] = {c->PInput1, c->PInput2, c->PInput3, c->LInput1,
                                       c->LInput2, c->CInput1, c->CInput2, c->AngleInput1};
      for (const GObject* in : inputs) uses = uses || (in && in != c->Output() && made.count(in));
      GConst* carrier = nullptr;
      if (c->type == CONST_ON_LINE)
        FindJoinFromCns(d.FirstConst(), c->PInput1, c->PInput2, &carrier);
      else if (BoundToLine(c->type))
        FindCarrierFromCns(d.FirstConst(), c, &carrier);
      if (uses || (carrier && out.count(carrier))) grew = out.insert(c).second || grew;
    }
  }
  return out;
}

// No slot in use outside the lists, no element without a step (in the list
// or waiting for redo), no incidence record of an element that is gone.
template <class T, int N>
int InUse(const GPool<T, N>& pool) {
  int n = 0;
  for (const T& e : pool) n += e.inUse ? 1 : 0;
  return n;
}
template <class T>
int Listed(const GList<T>& list) {
  int n = 0;
  for (T* e = list.head; e; e = e->next) ++n;
  return n;
}

void ExpectNothingLost(GDocument& d, const char* after) {
  GSheet& s = d.Sheet();
  EXPECT_EQ(InUse(d.Store().Points()), Listed(s.points)) << after;
  EXPECT_EQ(InUse(d.Store().Lines()), Listed(s.lines)) << after;
  EXPECT_EQ(InUse(d.Store().Circles()), Listed(s.circles)) << after;
  EXPECT_EQ(InUse(d.Store().Steps()), Listed(s.consts)) << after;  // undone steps wait unmarked
  std::set<const GObject*> made;
  for (GConst* c = s.consts.head; c; c = c->next) made.insert(c->Output());
  for (int i = 0; i < d.History().RedoCount(); ++i) made.insert(d.History().RedoAt(i)->Output());
  for (GPoint* p = s.points.head; p; p = p->next) EXPECT_TRUE(made.count(p)) << after;
  for (GLine* l = s.lines.head; l; l = l->next) EXPECT_TRUE(made.count(l)) << after;
  for (GCircle* c = s.circles.head; c; c = c->next) EXPECT_TRUE(made.count(c)) << after;
  int records = 0;
  for (GLine* l = s.lines.head; l; l = l->next) records += Listed(l->ics);
  for (GCircle* c = s.circles.head; c; c = c->next) records += Listed(c->ics);
  EXPECT_EQ(InUse(d.Store().Incidents()), records) << after;
}

TEST(UndoProperty, UndoingAndRedoingEveryStepGivesTheSheetBack) {
  for (uint64_t seed : kSeeds) {
    RecordingUser user;
    auto doc = GenerateSheet(&user, kSheetSteps, seed);
    const std::string text = WriteScript(*doc);
    const std::vector<double> where = Coordinates(*doc);
    int undone = 0;
    while (doc->OnUndo()) ++undone;
    EXPECT_EQ(undone, kSheetSteps);
    for (GPoint* p = doc->Sheet().points.head; p; p = p->next) EXPECT_TRUE(p->hidden);
    while (doc->OnRedo()) {
    }
    EXPECT_EQ(WriteScript(*doc), text) << seed;
    EXPECT_EQ(Coordinates(*doc), where) << seed;
  }
}

TEST(UndoProperty, UndoThenANewStepEmptiesRedo) {
  for (uint64_t seed : kSeeds) {
    RecordingUser user;
    auto doc = GenerateSheet(&user, kSheetSteps, seed);
    GGesture gesture(*doc);
    sheetgen::Rng rng{seed};
    const int k = 1 + rng.Index(60);
    for (int i = 0; i < k; ++i) doc->OnUndo();
    EXPECT_EQ(doc->History().RedoCount(), k);
    gesture.LDown_SPoint(rng.Uniform(-4, 4), rng.Uniform(-2, 2));
    gesture.LUp_SPoint(gesture.PointBeingPlaced()->xz().re, gesture.PointBeingPlaced()->yz().re);
    EXPECT_EQ(doc->History().RedoCount(), 0);
    EXPECT_FALSE(doc->OnRedo());
    ExpectNothingLost(*doc, "a new point after undoing");
  }
}

TEST(UndoProperty, EraserTakesExactlyTheDependentSteps) {
  for (uint64_t seed : kSeeds) {
    RecordingUser user;
    sheetgen::Rng rng{seed * 31};
    for (int pick = 0; pick < 4; ++pick) {
      auto doc = GenerateSheet(&user, kSheetSteps, seed);
      const std::vector<GConst*> before = StepList(*doc);
      GConst* root = before[rng.Index(before.size())];
      const std::set<GConst*> gone = Dependents(*doc, root);
      Choose(*doc, root);
      EXPECT_EQ(doc->OnModeEraser(), static_cast<int>(gone.size()));
      std::vector<GConst*> want;
      for (GConst* c : before)
        if (!gone.count(c)) want.push_back(c);
      EXPECT_EQ(StepList(*doc), want) << "seed " << seed << " step " << root->type;
      ExpectNothingLost(*doc, "erasing");
    }
  }
}

// A long random mix of the history commands and new steps.
TEST(UndoProperty, PoolsNeverLeakOverLongSequences) {
  for (uint64_t seed : kSeeds) {
    RecordingUser user;
    auto doc = GenerateSheet(&user, 200, seed);
    GGesture gesture(*doc);
    ExpectNothingLost(*doc, "generating");
    sheetgen::Rng rng{seed + 99};
    for (int i = 0; i < 400; ++i) {
      const int op = rng.Index(20);
      const std::vector<GConst*> steps = StepList(*doc);
      if (op < 8) {
        doc->OnUndo();
      } else if (op < 13) {
        doc->OnRedo();
      } else if (op < 15) {
        doc->ClearAllHilights();
        gesture.LDown_SPoint(rng.Uniform(-4, 4), rng.Uniform(-2, 2));
        gesture.LUp_SPoint(gesture.PointBeingPlaced()->xz().re,
                           gesture.PointBeingPlaced()->yz().re);
      } else if (op < 17 && !steps.empty()) {
        Choose(*doc, steps[rng.Index(steps.size())]);
        doc->OnModeEraser();
      } else if (op < 18 && !steps.empty()) {
        Choose(*doc, steps[rng.Index(steps.size())]);
        doc->OnModeInvisible();
      } else {
        ZoomStep(*doc, rng.Index(2) == 0);
      }
      ExpectNothingLost(*doc, "a random command");
      if (HasFailure()) return;
    }
    doc->DiscardRedo();
    ExpectNothingLost(*doc, "giving up redo");
  }
}

}  // namespace
