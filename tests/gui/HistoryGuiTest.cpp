// The history of actions in the window, driven through the toolkit's event
// path as the program receives them: erasing a point that two lines and a
// midpoint are built on, and dragging a vertex, are each one action that
// Undo takes back to the very picture before; the buttons say what they do;
// moving between sheets and the slide show are no action.
#include <gtest/gtest.h>
#include <wx/toolbar.h>

#include "WindowFixture.h"
#include "interaction/MyCanvas.h"
#include "script/Script.h"

namespace {

class HistoryGuiTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::MakeWindow(wxPoint(0, 0), false);
    ASSERT_TRUE(ReadScript(*doc,
                           "point A=Pt(-2.000,-1.000);\npoint B=Pt(1.000,1.000);\n"
                           "point C=Pt(0.000,2.000);\nline a=Join(A,B);\nline b=Join(A,C);\n"
                           "point M=Mid(A,B);\n"));
    doc->Actions().Reset();
    canvas->m_Painter.UpdateView();
  }
  wxPoint PixelOf(GPoint* p) {
    const GView v = canvas->View();
    return wxPoint(static_cast<int>(v.PixelX(p->xz().re)), static_cast<int>(v.PixelY(p->yz().re)));
  }
  // A mouse event as the toolkit delivers it to the canvas.
  void Mouse(wxEventType type, wxPoint at, bool held) {
    wxMouseEvent e(type);
    e.SetPosition(at);
    e.m_leftDown = held;
    e.SetEventObject(canvas);
    canvas->ProcessWindowEvent(e);
    EXPECT_EQ(InvariantReport(*doc, gesture), "");
  }
  GPoint* Named(const char* name) {
    for (GPoint* p = doc->Sheet().points.head; p; p = p->next)
      if (p->name == name) return p;
    return nullptr;
  }
  std::string UndoTip() {
    return frame->GetToolBar()->GetToolShortHelp(ToolkitId(kCmdUndo)).utf8_string();
  }
};

TEST_F(HistoryGuiTest, ErasingAPointAndUndoingGivesThePictureBack) {
  const wxImage before = Picture();
  doc->Sethilighted(Named("A"));
  EXPECT_FALSE(doc->Actions().Commit("choose"));  // as after the click that chose it
  Command(kModeEraser);
  EXPECT_EQ(Named("M"), nullptr);
  EXPECT_EQ(UndoTip(), "Undo: erase 4 elements");
  EXPECT_FALSE(Same(Picture(), before));
  Command(kCmdUndo);
  EXPECT_TRUE(Same(Picture(), before));
  ASSERT_NE(Named("M"), nullptr);
  EXPECT_EQ(frame->GetToolBar()->GetToolShortHelp(ToolkitId(kCmdRedo)).utf8_string(),
            "Redo: erase 4 elements");
  EXPECT_TRUE(frame->CanRedo());
}

TEST_F(HistoryGuiTest, ADragIsOneActionThatUndoTakesBack) {
  Command(kModeMove);
  doc->Actions().Absorb();
  const wxImage before = Picture();
  GPoint* b = Named("B");
  const wxPoint from = PixelOf(b);
  Mouse(wxEVT_LEFT_DOWN, from, true);
  for (int i = 1; i <= 5; ++i) Mouse(wxEVT_MOTION, from + wxPoint(12 * i, 7 * i), true);
  EXPECT_EQ(doc->Actions().UndoCount(), 0u);  // nothing is recorded while the button is held
  Mouse(wxEVT_LEFT_UP, from + wxPoint(60, 35), false);
  EXPECT_EQ(doc->Actions().UndoCount(), 1u);
  EXPECT_EQ(UndoTip(), "Undo: move point B");
  EXPECT_FALSE(Same(Picture(), before));
  Command(kCmdUndo);
  EXPECT_TRUE(Same(Picture(), before));
  Command(kCmdRedo);
  EXPECT_FALSE(Same(Picture(), before));
}

// Looks kept by the window rather than the figure come back too, in every theme.
TEST_F(HistoryGuiTest, TheAxesAndThemesAreUndoneToTheSamePicture) {
  const wxImage before = Picture();
  Command(kModeAxis);
  EXPECT_EQ(doc->Actions().UndoCount(), 1u);
  EXPECT_FALSE(Same(Picture(), before));
  Command(kCmdUndo);
  EXPECT_TRUE(Same(Picture(), before));
  EXPECT_FALSE(canvas->m_Painter.m_AxisOn);
  for (GTheme theme : {THM_CAT, THM_STAR, THM_QUIL, THM_TOVIK, THM_PASTEL, THM_SKELETON}) {
    Command(ThemeNumber(theme));
    Command(kCmdUndo);
    EXPECT_EQ(canvas->m_Painter.m_Look.theme, THM_STANDARD);
    EXPECT_TRUE(frame->GetMenuBar()->IsChecked(ThemeNumber(THM_STANDARD)));
    EXPECT_TRUE(Same(Picture(), before)) << ThemeNumber(theme);
  }
}

TEST_F(HistoryGuiTest, TurningSheetsAndTheSlideShowAreNoAction) {
  Command(kCmdInsertNew);
  EXPECT_EQ(doc->Actions().UndoCount(), 1u);
  Command(kCmdPrevSheet);
  Command(kCmdNextSheet);
  EXPECT_EQ(doc->Actions().UndoCount(), 1u);
  Command(kCmdUndo);  // takes the inserted sheet back, from wherever it is looked at
  EXPECT_EQ(doc->SheetCount(), 1);
  canvas->OnSlideShowStart();
  ASSERT_TRUE(canvas->m_Slides.m_SlideShow);
  const size_t redo = doc->Actions().RedoCount();
  canvas->OnRedo();  // does nothing while the show runs
  EXPECT_EQ(doc->Actions().RedoCount(), redo);
  wxKeyEvent escape(wxEVT_CHAR_HOOK);
  escape.m_keyCode = WXK_ESCAPE;
  frame->ProcessWindowEvent(escape);
  EXPECT_FALSE(canvas->m_Slides.m_SlideShow);
  EXPECT_EQ(doc->Actions().RedoCount(), redo);  // nor is the show itself an action
}

}  // namespace
