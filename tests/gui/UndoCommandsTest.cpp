// Undo and redo as a child reaches them in the main window: the Edit menu,
// Ctrl+Z and Ctrl+Y typed on the keyboard, and the toolbar buttons clicked
// with the mouse; the picture goes back to the empty sheet and returns, and the
// buttons are usable only while there is something to undo or redo.
#include <gtest/gtest.h>
#include <cstdlib>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/toolbar.h>
#include <wx/uiaction.h>

#include "WindowFixture.h"
#include "interaction/MyCanvas.h"

namespace {

class UndoCommandsTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::MakeWindow(wxPoint(0, 0), true);
    doc->ResetAllName();
    PumpEvents([] { return false; }, 200);
  }

  // Three points placed with the Point tool at pixel positions.
  void PlaceThreePoints() {
    Command(kModeSPoint);
    for (wxPoint at : {wxPoint(200, 200), wxPoint(400, 250), wxPoint(300, 400)}) {
      canvas->LButtonDown(at);
      canvas->LButtonUp(at);
    }
    doc->ClearAllHilights();  // the last point would blink
    frame->enableToolbar();
  }
  int Visible() {
    int n = 0;
    for (GPoint* p = doc->Sheet().points.head; p; p = p->next) n += p->hidden ? 0 : 1;
    return n;
  }
  bool ToolEnabled(int command) { return frame->GetToolBar()->GetToolEnabled(ToolkitId(command)); }

  // A real click (through the display server) on the centre of a button of
  // the frame's toolbar. The toolkit does not tell where a button sits; the
  // buttons all carry 24-pixel pictures and no text, so they share the
  // toolbar's natural width equally.
  bool ClickTool(int command) {
    wxToolBar* bar = frame->GetToolBar();
    const int n = static_cast<int>(bar->GetToolsCount());
    int index = -1;
    for (int i = 0; i < n; ++i)
      if (bar->GetToolByPos(i)->GetId() == ToolkitId(command)) index = i;
    if (index < 0) return false;
    const double width = static_cast<double>(bar->GetBestSize().x) / n;
    const wxPoint at(static_cast<int>((index + 0.5) * width), bar->GetClientSize().y / 2);
    wxUIActionSimulator sim;
    sim.MouseMove(bar->ClientToScreen(at));
    PumpEvents([] { return false; }, 50);
    sim.MouseClick();
    return true;
  }
  void Type(int key) {
    frame->Raise();
    canvas->SetFocus();
    PumpEvents([] { return false; }, 50);
    wxUIActionSimulator sim;
    sim.Char(key, wxMOD_CONTROL);
  }
};

TEST_F(UndoCommandsTest, ThreeUndosEmptyTheCanvasAndThreeRedosBringThePointsBack) {
  const wxImage empty = Picture();
  PlaceThreePoints();
  ASSERT_EQ(Visible(), 3);
  const wxImage three = Picture();
  ASSERT_FALSE(Same(empty, three));
  EXPECT_TRUE(ToolEnabled(kCmdUndo));
  EXPECT_FALSE(ToolEnabled(kCmdRedo));

  for (int i = 0; i < 3; ++i) Command(kCmdUndo);
  EXPECT_EQ(Visible(), 0);
  EXPECT_TRUE(Same(Picture(), empty));
  EXPECT_FALSE(ToolEnabled(kCmdUndo));  // nothing left to undo
  EXPECT_TRUE(ToolEnabled(kCmdRedo));

  for (int i = 0; i < 3; ++i) Command(kCmdRedo);
  EXPECT_EQ(Visible(), 3);
  EXPECT_TRUE(Same(Picture(), three));
  EXPECT_FALSE(ToolEnabled(kCmdRedo));
  EXPECT_EQ(doc->Sheet().points.head->name, "A");
}

TEST_F(UndoCommandsTest, CtrlZAndCtrlYUndoAndRedo) {
  PlaceThreePoints();
  for (int i = 0; i < 3; ++i) {
    const int before = Visible();
    Type('Z');
    EXPECT_TRUE(PumpEvents([&] { return Visible() == before - 1; })) << "Ctrl+Z " << i;
  }
  for (int i = 0; i < 3; ++i) {
    const int before = Visible();
    Type('Y');
    EXPECT_TRUE(PumpEvents([&] { return Visible() == before + 1; })) << "Ctrl+Y " << i;
  }
}

TEST_F(UndoCommandsTest, ToolbarButtonsUndoAndRedo) {
  PlaceThreePoints();
  for (int i = 0; i < 3; ++i) {
    const int before = Visible();
    ASSERT_TRUE(ClickTool(kCmdUndo));
    EXPECT_TRUE(PumpEvents([&] { return Visible() == before - 1; })) << "Undo button " << i;
  }
  EXPECT_TRUE(PumpEvents([&] { return !ToolEnabled(kCmdUndo); }));
  for (int i = 0; i < 3; ++i) {
    const int before = Visible();
    ASSERT_TRUE(ClickTool(kCmdRedo));
    EXPECT_TRUE(PumpEvents([&] { return Visible() == before + 1; })) << "Redo button " << i;
  }
  if (const char* out = std::getenv("FIGURETTA_SCREENSHOT_UNDO")) {
    Command(kCmdUndo);
    PumpEvents([] { return false; }, 300);
    const wxRect r = frame->GetScreenRect();
    wxBitmap shot(r.width, r.height, 24);
    {
      wxScreenDC screen;
      wxMemoryDC mem(shot);
      mem.Blit(0, 0, r.width, r.height, &screen, r.x, r.y);
    }
    shot.SaveFile(out, wxBITMAP_TYPE_PNG);
  }
}

// Zoom, Invisible and the eraser through their buttons' commands.
TEST_F(UndoCommandsTest, ZoomInvisibleAndEraserAreUndone) {
  PlaceThreePoints();
  const double scale = doc->Viewport().Scale();
  Command(kModeZoomIn);
  EXPECT_NEAR(doc->Viewport().Scale(), scale / 1.2, 1e-12);
  EXPECT_NEAR(canvas->View().xMin, doc->Viewport().XMin(), 1e-9);
  Command(kCmdUndo);
  EXPECT_NEAR(doc->Viewport().Scale(), scale, 1e-12);

  GPoint* a = doc->Sheet().points.head;
  doc->Sethilighted(a);
  Command(kModeInvisible);
  EXPECT_TRUE(a->hidden);
  Command(kCmdUndo);
  EXPECT_FALSE(a->hidden);

  doc->Sethilighted(a);
  Command(kModeEraser);
  EXPECT_EQ(Visible(), 2);
  EXPECT_TRUE(ToolEnabled(kCmdUndo));
  EXPECT_FALSE(ToolEnabled(kCmdRedo));
}

// Tovik: pressing Segment clips the chosen line at once.
TEST_F(UndoCommandsTest, SegmentToggleClipsTheChosenLine) {
  PlaceThreePoints();
  GPoint* a = doc->Sheet().points.head;
  doc->Sethilighted(a);
  doc->Sethilighted(a->next);
  ASSERT_TRUE(gesture->ConstDefLine());
  GLine* l = doc->CurrentConst()->LOutput;
  doc->ClearAllHilights();
  doc->Sethilighted(l);
  Command(kModeClipping);
  EXPECT_EQ(l->toolMark, 1);
  Command(kModeClipping);
  EXPECT_EQ(l->toolMark, 0);
}

}  // namespace
