// The history of actions on generated documents: random actions of every
// kind (construct, erase, drag, rename, restyle, hide, zoom, sheets, script,
// effects), then undoing them all gives the document back bit for bit and
// redoing them all gives the end back; random mixes of undo, redo and new
// actions follow a plain model of the two stacks; the limits and the steps
// of an opened figure.
#include <gtest/gtest.h>

#include <vector>

#include "Recorder.h"
#include "bench/SheetBuilder.h"
#include "bench/SheetGenerator.h"
#include "model/Gesture.h"
#include "model/Invariants.h"
#include "model/Styles.h"
#include "model/ViewSteps.h"
#include "script/Script.h"
#include "slides/SlideShow.h"

namespace {

using Copy = GDocImage::Copy;

constexpr uint64_t kSeeds[] = {3, 11, 29};

template <class T>
std::vector<T*> Listed(GList<T>& list) {
  std::vector<T*> out;
  for (T* e = list.head; e; e = e->next) out.push_back(e);
  return out;
}

// Drives one random action through the document's own operations, as the
// window's commands do, and records it. Returns its name.
class Actor {
 public:
  Actor(GDocument& d, uint64_t seed) : m_Doc(d), m_Gesture(d), m_Rng{seed} {}

  std::string Act() {
    GDocument& d = m_Doc;
    d.ClearAllHilights();
    std::vector<GPoint*> points = Listed(d.Sheet().points);
    GPoint* p = points.empty() ? nullptr : points[m_Rng.Index(static_cast<int>(points.size()))];
    switch (m_Rng.Index(11)) {
      case 0: {
        GLine *l = nullptr, *m = nullptr;
        if (PickMeetingLines(d, static_cast<unsigned>(m_Rng.Index(1000)), &l, &m))
          PlaceMeetPoint(d, l, m);
        return "construct";
      }
      case 1:
        m_Gesture.LDown_SPoint(m_Rng.Uniform(-4, 4), m_Rng.Uniform(-2, 2));
        if (GPoint* placed = m_Gesture.PointBeingPlaced())
          m_Gesture.LUp_SPoint(placed->xz().re, placed->yz().re);
        return "point";
      case 2:
        if (p) d.Sethilighted(p);
        d.OnModeEraser();
        return "erase";
      case 3:
        if (p && m_Gesture.BeginDrag(p, false)) {
          for (int i = 0; i < 4; ++i) m_Gesture.DragTo(m_Rng.Uniform(-4, 4), m_Rng.Uniform(-2, 2));
          m_Gesture.EndDrag(false);
        }
        return "drag";
      case 4:
        if (p) d.RenameElement(p, std::string(1, 'R').append(std::to_string(++m_Names)));
        return "rename";
      case 5:
        if (p) d.Sethilighted(p);
        SetPointStyleOfHilighted(d, m_Rng.Index(5));
        SetThemeColours(d, m_Rng.Index(256), m_Rng.Index(256), m_Rng.Index(256));
        return "restyle";
      case 6:
        if (p) d.Sethilighted(p);
        d.OnModeInvisible();
        return "hide";
      case 7:
        ZoomStep(d, m_Rng.Index(2) == 0);
        return "zoom";
      case 8: {
        const int k = m_Rng.Index(3);
        if (k == 0) d.InsertNewSheet();
        if (k == 1) d.InsertCopyFigure(true);
        if (k == 2 && d.SheetCount() > 1) d.DeleteSheet();
        return "sheet";
      }
      case 9: {
        std::string text = SheetScriptText(d);
        text += "\npoint Q";
        text += std::to_string(++m_Names);
        text += "=Pt(1.500,0.250);\n";
        ApplySheetScript(d, text);
        return "script";
      }
      default:
        if (d.FirstConst()) AddConstEffect(d, d.FirstConst(), 1, m_Rng.Index(4), m_Rng.Index(3), 0);
        return "effect";
    }
  }

 private:
  GDocument& m_Doc;
  GGesture m_Gesture;
  sheetgen::Rng m_Rng;
  int m_Names = 0;
};

// Where two states first differ: part, record and byte (or text), for the failure message.
std::string Difference(const Copy& a, const Copy& b) {
  for (size_t k = 0; k < a.bytes.size() && k < b.bytes.size(); ++k) {
    const auto &x = a.bytes[k], &y = b.bytes[k];
    if (x.size() != y.size())
      return "part " + std::to_string(k) + " sizes " + std::to_string(x.size()) + "/" +
             std::to_string(y.size());
    for (size_t i = 0; i < x.size(); ++i)
      if (x[i] != y[i]) return "part " + std::to_string(k) + " byte " + std::to_string(i);
    for (size_t i = 0; i < a.texts[k].size() && i < b.texts[k].size(); ++i)
      if (a.texts[k][i] != b.texts[k][i])
        return "part " + std::to_string(k) + " text " + std::to_string(i) + ": " + a.texts[k][i] +
               " / " + b.texts[k][i];
  }
  return "the same";
}

void ExpectSound(GDocument& d, const std::string& after) {
  EXPECT_EQ(InvariantReport(d), "") << "after " << after;
}

TEST(ActionHistory, UndoingEveryActionGivesTheStartBackAndRedoingGivesTheEnd) {
  for (uint64_t seed : kSeeds) {
    RecordingUser user;
    auto doc = GenerateDocument(&user, 2, 60, seed);
    GActionHistory& h = doc->Actions();
    h.Reset();
    const Copy start = h.Image().Snapshot();
    const int startSheet = doc->CurrentSheetIndex();
    Actor actor(*doc, seed);
    for (int i = 0; i < 300; ++i) {
      const std::string what = actor.Act();
      h.Commit(what);
      ExpectSound(*doc, what);
    }
    const Copy end = h.Image().Snapshot();
    const int endSheet = doc->CurrentSheetIndex();
    const size_t actions = h.UndoCount();
    EXPECT_GT(actions, 200u) << seed;
    while (h.UndoCount() > 0) {
      ASSERT_TRUE(h.Undo());
      ExpectSound(*doc, "undo");
    }
    EXPECT_TRUE(h.Image().Snapshot() == start) << seed << Difference(h.Image().Snapshot(), start);
    EXPECT_EQ(doc->CurrentSheetIndex(), startSheet);
    while (h.RedoCount() > 0) {
      ASSERT_TRUE(h.Redo());
      ExpectSound(*doc, "redo");
    }
    EXPECT_TRUE(h.Image().Snapshot() == end) << seed << Difference(h.Image().Snapshot(), end);
    EXPECT_EQ(doc->CurrentSheetIndex(), endSheet);
    EXPECT_EQ(h.UndoCount(), actions);
  }
}

// Undo, redo and new actions in a random order, against the plain model: a
// list of the states and the place of the present one in it.
TEST(ActionHistory, MixedUndoRedoAndNewActionsFollowTheStackModel) {
  for (uint64_t seed : kSeeds) {
    RecordingUser user;
    auto doc = GenerateDocument(&user, 1, 40, seed);
    GActionHistory& h = doc->Actions();
    h.Reset();
    std::vector<Copy> states{h.Image().Snapshot()};
    size_t at = 0;
    Actor actor(*doc, seed + 1);
    sheetgen::Rng rng{seed};
    for (int i = 0; i < 150; ++i) {
      const int choice = rng.Index(4);
      if (choice == 0) {
        EXPECT_EQ(h.UndoCount() > 0, at > 0);
        if (at == 0) continue;
        h.Undo();
        --at;
      } else if (choice == 1) {
        EXPECT_EQ(h.RedoCount() > 0, at + 1 < states.size());
        if (!h.Redo()) continue;
        ++at;
      } else {
        const std::string what = actor.Act();
        if (!h.Commit(what)) continue;  // a mere choice waits for the next action
        states.resize(at + 1);
        states.push_back(h.Image().Snapshot());
        ++at;
      }
      ExpectSound(*doc, "a mixed command");
      ASSERT_TRUE(h.Image().Snapshot() == states[at])
          << seed << " at command " << i << " (" << choice
          << "): " << Difference(h.Image().Snapshot(), states[at]);
      EXPECT_EQ(h.UndoCount(), at);
      EXPECT_EQ(h.RedoCount(), states.size() - 1 - at);
    }
  }
}

// Nothing changed, nothing recorded; what happens between commands is no
// action; the names say what Undo and Redo would do; the oldest go first.
TEST(ActionHistory, RecordsOnlyChangesAndDropsTheOldestBeyondItsLimit) {
  RecordingUser user;
  auto doc = GenerateDocument(&user, 1, 20);
  GActionHistory& h = doc->Actions();
  h.Reset();
  EXPECT_FALSE(h.Commit("nothing"));
  doc->Sethilighted(doc->Sheet().points.head);
  h.Absorb();  // a choice made between commands
  EXPECT_FALSE(h.Commit("nothing"));
  doc->OnModeEraser();
  h.Name("erase 3 elements");
  EXPECT_TRUE(h.Commit("Eraser"));
  EXPECT_EQ(h.UndoText(), "Undo: erase 3 elements");
  EXPECT_TRUE(h.Undo());
  EXPECT_EQ(h.RedoText(), "Redo: erase 3 elements");
  for (size_t i = 0; i < kMaxActions + 5; ++i) {
    ZoomStep(*doc, i % 2 == 0);
    ASSERT_TRUE(h.Commit("zoom"));
  }
  EXPECT_EQ(h.UndoCount(), kMaxActions);
  EXPECT_EQ(h.RedoCount(), 0u);
  EXPECT_LT(h.Memory(), kMaxActionBytes);
}

// With every action taken back, Undo goes on through the steps the figure
// came with, and Redo brings each back.
TEST(ActionHistory, UndoGoesOnThroughTheStepsOfAnOpenedFigure) {
  RecordingUser user;
  auto doc = GenerateDocument(&user, 1, 12);
  GActionHistory& h = doc->Actions();
  h.Reset();
  const Copy opened = h.Image().Snapshot();
  ASSERT_TRUE(h.CanUndo());
  EXPECT_EQ(h.UndoText(), "Undo: the last step");
  int undone = 0;
  while (h.Undo()) ++undone;
  EXPECT_EQ(undone, 12);
  EXPECT_FALSE(h.CanUndo());
  while (h.Redo()) ExpectSound(*doc, "redo of a step");
  EXPECT_TRUE(h.Image().Snapshot() == opened);
}

}  // namespace
