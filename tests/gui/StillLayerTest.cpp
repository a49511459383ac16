// Frames painted over the still picture are the whole drawing pixel for
// pixel: drags of points of generated figures with hilights, clipped
// segments, angle marks, brackets, live texts, a locus and afterimages; a
// moving element left in the still picture is seen; the repaint tick paints
// only what changed.
#include <cmath>
#include <functional>

#include "bench/SheetGenerator.h"
#include "gui/MouseFixture.h"
#include "script/Script.h"

namespace {

bool Same(const wxImage& a, const wxImage& b) {
  return a.GetSize() == b.GetSize() &&
         std::equal(a.GetData(), a.GetData() + a.GetWidth() * a.GetHeight() * 3, b.GetData());
}

class StillLayerTest : public MouseTest {
 protected:
  // A generated figure with an angle mark, a segment, a bracket and a locus
  // on its points, a text showing a point's coordinates and a few elements
  // hilighted.
  void Build(uint64_t seed) {
    RecordingUser maker;
    ASSERT_TRUE(ReadScript(*doc, WriteScript(*GenerateSheet(&maker, 90, seed))));
    std::vector<GPoint*> named;
    for (GPoint* p = doc->Sheet().points.head; p; p = p->next)
      if (!p->name.empty() && p->xz().realp() && p->yz().realp()) named.push_back(p);
    ASSERT_GE(named.size(), 6u);
    doc->ClearAllHilights();
    for (int i : {0, 1, 2}) doc->Sethilighted(named[(size_t)i]);
    gesture->ConstDefAngle();
    GGesture& hand = *gesture;
    auto build = [&](std::initializer_list<GPoint*> points, const std::function<bool()>& make) {
      doc->ClearAllHilights();
      for (GPoint* p : points) doc->Sethilighted(p);
      make();
      EXPECT_EQ(InvariantReport(*doc, gesture), "");
    };
    build({named[0], named[5]}, [&] { return hand.ConstDefClippingLine(); });
    build({named[1], named[3]}, [&] { return hand.ConstDefBracket(); });
    // A locus: the midpoint of a point bound to a circle or line and a named point,
    // traced as the first goes round.
    for (GConst* k = doc->FirstConst(); k; k = k->next)
      if ((k->type == CONST_PT_ON_CIRCLE || k->type == CONST_ON_LINE) && k->POutput) {
        build({k->POutput, named[2]}, [&] { return hand.ConstDefMid(); });
        build({k->POutput, doc->CurrentConst()->POutput}, [&] { return hand.ConstDefOrbit(); });
        break;
      }
    EXPECT_NE(doc->Sheet().curves.head, nullptr);
    GText* t = doc->NewText("{" + named[0]->name + "x}");
    ASSERT_NE(t, nullptr);
    doc->AssignText(t);
    t->x = 40;
    t->y = 40;
    doc->ClearAllHilights();
    doc->Sethilighted(named[4]);
    doc->Sethilighted(doc->Sheet().lines.head);
    UseStyle(kTovik);
  }

  std::vector<int> FrameCounts() {
    std::vector<int> f;
    for (GPoint* p = doc->Sheet().points.head; p; p = p->next) f.push_back(p->frameCount);
    return f;
  }
  void SetFrameCounts(const std::vector<int>& f) {
    size_t i = 0;
    for (GPoint* p = doc->Sheet().points.head; p; p = p->next) p->frameCount = f[i++];
  }

  // One frame as the window paints it, against the whole drawing of the
  // same moment (the hilight animation at the same step).
  bool FrameIsWhole() {
    const std::vector<int> before = FrameCounts();
    canvas->RenderToScreenPicture();
    const wxImage frame = canvas->ScreenPicture().ConvertToImage();
    SetFrameCounts(before);
    canvas->m_Painter.RenderWhole(canvas->m_Tool.Overlay());
    const wxImage whole = canvas->ScreenPicture().ConvertToImage();
    return Same(frame, whole);
  }

  // Drags up to `count` movable points in eight steps each; the frames that
  // differ from the whole drawing.
  int DragFrames(int count, bool* dragged = nullptr) {
    int differing = 0, n = 0;
    for (GPoint* p = doc->Sheet().points.head; p && n < count; p = p->next) {
      if (!doc->CanMovePoint(p) || !p->xz().realp() || !p->yz().realp()) continue;
      if (std::fabs(p->xz().re) > 3 || std::fabs(p->yz().re) > 2) continue;
      wxPoint from = At(p->xz().re, p->yz().re);
      canvas->LButtonDown(from);
      if (canvas->m_Tool.m_PickedPoint != p) {
        canvas->LButtonUp(from);
        continue;
      }
      if (m_Leave) canvas->m_Painter.Still().LeaveInStill(p);
      differing += !FrameIsWhole();
      wxPoint at = from;
      for (int step = 1; step <= 8; ++step) {
        at = wxPoint(from.x + 7 * step, from.y + 4 * step * (n % 2 ? 1 : -1));
        canvas->LButtonDrag(at);
        EXPECT_EQ(InvariantReport(*doc, gesture), "");
        differing += !FrameIsWhole();
      }
      canvas->LButtonUp(at);
      canvas->m_Painter.Still().LeaveInStill(nullptr);
      ++n;
    }
    if (dragged) *dragged = n > 0;
    return differing;
  }
  bool m_Leave = false;
};

}  // namespace

TEST_F(StillLayerTest, EveryFrameOfADragIsTheWholeDrawing) {
  const size_t shapes = canvas->m_Painter.m_ShapesApart;
  for (uint64_t seed : {kSheetSeed, uint64_t{3}, uint64_t{11}})
    for (bool afterimages : {false, true}) {
      SCOPED_TRACE(testing::Message() << "seed " << seed << " afterimages " << afterimages);
      Build(seed);
      canvas->m_Tool.SetCloneOn(afterimages);
      // The frames with afterimages shared by two threads, however little
      // there is to do.
      canvas->m_Painter.m_ShapesApart = afterimages ? 0 : shapes;
      bool dragged = false;
      EXPECT_EQ(DragFrames(4, &dragged), 0);
      EXPECT_TRUE(dragged);
    }
  EXPECT_GT(canvas->m_Painter.m_FramesOverStill, 20);
}

// Undo and redo keep the still picture; every frame through a history of
// drags, a theme change, other styles and an erase, taken back and done again, is the
// whole drawing.
TEST_F(StillLayerTest, FramesOfUndoAndRedoAreTheWholeDrawing) {
  Build(kSheetSeed);
  doc->Actions().Reset();
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(DragFrames(1), 0);
    EXPECT_TRUE(doc->Actions().Commit("drag"));
  }
  canvas->m_Painter.SetTheme(THM_CAT);
  canvas->Refresh(false);
  EXPECT_TRUE(doc->Actions().Commit("theme"));
  // Other point and line styles over the same background.
  const int points[kSlots] = {14, 13, 12, 11, 10}, lines[kSlots] = {4, 3, 2, 1, 0};
  canvas->m_Painter.ApplyAppearance(points, lines, -1);
  canvas->Refresh(false);
  EXPECT_TRUE(doc->Actions().Commit("styles"));
  doc->ClearAllHilights();
  for (GPoint* p = doc->Sheet().points.head; p; p = p->next)
    if (doc->CanMovePoint(p)) {
      doc->Sethilighted(p);
      break;
    }
  canvas->OnModeEraser();
  EXPECT_TRUE(doc->Actions().Commit("erase"));
  const size_t actions = doc->Actions().UndoCount();
  EXPECT_EQ(actions, 6u);
  const long over = canvas->m_Painter.m_FramesOverStill;
  EXPECT_TRUE(FrameIsWhole());
  for (bool undo : {true, false})
    for (size_t i = 0; i < actions; ++i) {
      SCOPED_TRACE(testing::Message() << (undo ? "undo " : "redo ") << i);
      if (undo)
        canvas->OnUndo();
      else
        canvas->OnRedo();
      EXPECT_EQ(InvariantReport(*doc, gesture), "");
      EXPECT_TRUE(FrameIsWhole());
    }
  EXPECT_GT(canvas->m_Painter.m_FramesOverStill, over);
}

TEST_F(StillLayerTest, AMovingPointLeftInTheStillPictureIsSeen) {
  Build(kSheetSeed);
  m_Leave = true;
  EXPECT_GT(DragFrames(2), 0);
}

TEST_F(StillLayerTest, TheTickPaintsOnlyWhenTheFigureChanged) {
  Build(kSheetSeed);
  doc->ClearAllHilights();
  auto paint = [&] {
    canvas->RenderToScreenPicture();
    canvas->NoteShown();
  };
  paint();
  EXPECT_FALSE(canvas->TickWouldPaint());
  GPoint* p = nullptr;
  for (GPoint* q = doc->Sheet().points.head; q && !p; q = q->next)
    if (doc->CanMovePoint(q)) p = q;
  ASSERT_NE(p, nullptr);
  ASSERT_TRUE(doc->MovePoint(p, p->xz().re + 0.5, p->yz().re));
  EXPECT_TRUE(canvas->TickWouldPaint());
  paint();
  EXPECT_FALSE(canvas->TickWouldPaint());
}
