// The slide show on screen: the effect dialog's buttons, the picture in the
// middle of a fade, the click through the mouse dispatcher, and the main
// window's full screen, Escape and deaf toolbars while the show runs.
#include <cstdlib>
#include <gtest/gtest.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>

#include "app/CommandIds.h"
#include "app/MyFrame.h"
#include "app/dialogs/AnimationDialog.h"
#include "gui/CanvasFixture.h"
#include "gui/GuiHarness.h"
#include "script/Script.h"

namespace {

class SlideCanvasTest : public CanvasTest {
 protected:
  // A named free point as the Point tool leaves it: its step, its place in the list.
  GConst* Free(double x, double y, const char* name) {
    gesture->ConstFree(x, y, false);
    GConst* k = doc->CurrentConst();
    doc->AssignPoint(k->POutput);
    k->POutput->name = name;
    return k;
  }
  void Send(wxWindow* w, wxEventType type) {
    wxCommandEvent event(type, w->GetId());
    event.SetEventObject(w);
    w->ProcessWindowEvent(event);
  }
  // Writes the picture to FIGURETTA_SLIDE_SHOTS/<name>.png for a person to look at.
  void Keep(const char* name) {
    if (const char* dir = std::getenv("FIGURETTA_SLIDE_SHOTS"))
      picture.SaveFile(wxString(dir) + "/" + name + ".png", wxBITMAP_TYPE_PNG);
  }
};

TEST_F(SlideCanvasTest, DialogButtonsReorderAndDeleteRowsAndOkRebuildsTheEffects) {
  GConst* a = Free(-1, 0, "A");
  GConst* b = Free(0, 0, "B");
  GConst* c = Free(1, 0, "C");
  AddConstEffect(*doc, c, 1, kTop, 0, 1);
  doc->Sethilighted(a->POutput);
  doc->Sethilighted(b->POutput);
  auto* dialog = new AnimationDialog(frame, *doc);
  EXPECT_EQ(dialog->GetTitle(), "Animation setup");
  const std::pair<wxWindow*, const char*> labels[] = {{dialog->m_Appear, "appear"},
                                                      {dialog->m_Disappear, "disappear"},
                                                      {dialog->m_OnClick, "on click"},
                                                      {dialog->m_Immediately, "immediately"},
                                                      {dialog->m_Direction[0], "fade"},
                                                      {dialog->m_Direction[1], "right"},
                                                      {dialog->m_Direction[2], "left"},
                                                      {dialog->m_Direction[3], "top"},
                                                      {dialog->m_Direction[4], "bottom"},
                                                      {dialog->m_Effect, "effect"},
                                                      {dialog->m_NoEffect, "no effect"},
                                                      {dialog->m_Delete, "Delete"},
                                                      {dialog->m_Up, "Up"},
                                                      {dialog->m_Down, "Down"},
                                                      {dialog->m_Ok, "Ok"},
                                                      {dialog->m_Cancel, "Cancel"}};
  for (const auto& [w, label] : labels) EXPECT_EQ(w->GetLabel(), label);
  ASSERT_EQ(dialog->m_List->GetCount(), 3u);
  EXPECT_TRUE(dialog->m_Disappear->GetValue());  // the first row, C's effect, is shown
  EXPECT_TRUE(dialog->m_Direction[kTop]->GetValue());

  dialog->Select(0);
  Send(dialog->m_Down, wxEVT_BUTTON);  // C below A
  EXPECT_EQ(dialog->m_List->GetSelection(), 1);
  EXPECT_EQ(dialog->m_List->GetString(0), wxString::FromUTF8(EffectRowText({a})));
  Send(dialog->m_Up, wxEVT_BUTTON);  // and back
  EXPECT_EQ(dialog->m_List->GetString(0), wxString::FromUTF8(EffectRowText({c})));
  dialog->Select(2);
  Send(dialog->m_Delete, wxEVT_BUTTON);  // B goes
  EXPECT_EQ(dialog->m_List->GetCount(), 2u);
  EXPECT_EQ(dialog->m_List->GetSelection(), 1);
  dialog->m_Direction[kLeft]->SetValue(true);  // A slides in from the left, with the swell
  Send(dialog->m_Direction[kLeft], wxEVT_RADIOBUTTON);
  dialog->m_Effect->SetValue(true);
  Send(dialog->m_Effect, wxEVT_RADIOBUTTON);
  Send(dialog->m_Ok, wxEVT_BUTTON);
  EXPECT_EQ(dialog->GetReturnCode(), wxID_OK);
  dialog->Destroy();

  std::vector<GConst*> effects;
  for (GConst* k = doc->FirstConst(); k; k = k->next)
    if (IsEffect(k)) effects.push_back(k);
  ASSERT_EQ(effects.size(), 2u);
  EXPECT_EQ(effects[0]->effectTarget, c);
  EXPECT_EQ(effects[0]->inout, 1);
  EXPECT_EQ(effects[1]->effectTarget, a);
  EXPECT_EQ(effects[1]->direction, kLeft);
  EXPECT_EQ(effects[1]->effect, 1);
  EXPECT_EQ(effects[1]->inout, 0);
}

TEST_F(SlideCanvasTest, TheCanvasMidFadeDiffersFromBeforeAndAfter) {
  Theme(THM_STANDARD);
  GConst* k = doc->NewConst(CONST_MULTI_CIRCLE);
  k->COutput = Circle(0, 0, 1.5);
  AddConstEffect(*doc, k, 1, kFade, 0, 0);
  canvas->OnSlideShowStart();
  const int x = Px(1.5) - 1, y = Py(0);  // on the circle's rim
  auto colourAt = [&] {
    int best = -1;  // the pixel of the rim's neighbourhood furthest from the background
    wxColour c = Background();
    for (int dx = -3; dx <= 3; ++dx)
      if (ColourDistance(At(x + dx, y), Background()) > best) {
        best = ColourDistance(At(x + dx, y), Background());
        c = At(x + dx, y);
      }
    return c;
  };
  Render();
  Keep("before");
  const wxColour before = colourAt();
  EXPECT_EQ(before, Background());  // waits for its click, hidden
  wxPoint anywhere(400, 300);
  canvas->LButtonDown(anywhere);  // the click goes through the mouse dispatcher
  canvas->LButtonUp(anywhere);
  Render();  // fade level 3
  Render();  // 2: half way
  Keep("middle");
  const wxColour middle = colourAt();
  Render();
  Render();
  Keep("after");
  const wxColour after = colourAt();
  EXPECT_EQ(canvas->m_Slides.m_CurrentEffect, nullptr);
  EXPECT_GT(ColourDistance(middle, before), 20);
  EXPECT_GT(ColourDistance(after, middle), 20);
  EXPECT_EQ(doc->Selection().Circles().Count(), 0);
  EXPECT_EQ(canvas->m_Tool.m_Mode, kModeMove);
}

TEST_F(SlideCanvasTest, ClicksDuringTheShowPlaceNothing) {
  Free(0, 0, "A");
  canvas->m_Tool.SetMode(kModeSPoint);
  canvas->OnSlideShowStart();
  ASSERT_TRUE(canvas->m_Tool.m_SlideShow);
  ASSERT_TRUE(canvas->m_Tool.m_SlideWaitClick);  // a sheet without effects waits
  wxPoint at(200, 200);
  canvas->LButtonDown(at);
  canvas->LButtonUp(at);
  EXPECT_FALSE(canvas->m_Tool.m_SlideShow);  // the only sheet: the show ended
  ASSERT_EQ(user.messages.size(), 1u);
  EXPECT_EQ(user.messages[0].text, "End of Slidshow");
  int steps = 0;
  for (GConst* k = doc->FirstConst(); k; k = k->next) ++steps;
  EXPECT_EQ(steps, 1);
}

class SlideFrameTest : public ::testing::Test {
 protected:
  MyFrame* frame = nullptr;
  void SetUp() override {
    frame = new MyFrame(wxT("Figuretta - untitled.fgf"), wxPoint(50, 50), wxSize(950, 700),
                        LastingUser());
    frame->Show(true);
  }
  void TearDown() override {
    frame->Destroy();
    PumpEvents([] { return false; }, 0);
  }
  void Command(int command) {
    wxCommandEvent event(wxEVT_MENU, ToolkitId(command));
    event.SetEventObject(frame->m_ModeToolbar);
    frame->ProcessWindowEvent(event);
  }
  void Command(GToolMode mode) { Command(ModeNumber(mode)); }
  void Command(GStyle style) { Command(StyleNumber(style)); }
  void Key(int code) {
    wxKeyEvent event(wxEVT_CHAR_HOOK);
    event.m_keyCode = code;
    frame->ProcessWindowEvent(event);
  }
};

TEST_F(SlideFrameTest, F5FillsTheScreenToolbarsGoDeafAndEscapeEndsTheShow) {
  MyCanvas* canvas = frame->m_Canvas;
  Command(kCmdSlideShowStart);
  EXPECT_TRUE(canvas->m_Slides.m_SlideShow);
  EXPECT_TRUE(frame->IsFullScreen());
  EXPECT_FALSE(frame->m_ModeToolbar->IsEnabled());
  Command(kModeSPoint);    // a toolbar button
  Command(kCmdInsertNew);  // a menu key
  EXPECT_EQ(canvas->m_Tool.m_Mode, kModeMove);
  EXPECT_EQ(canvas->m_Doc->Sheets().Count(), 1);
  Key(WXK_ESCAPE);
  EXPECT_FALSE(canvas->m_Slides.m_SlideShow);
  EXPECT_FALSE(frame->IsFullScreen());
  EXPECT_TRUE(frame->m_ModeToolbar->IsEnabled());
  Command(kModeSPoint);
  EXPECT_EQ(canvas->m_Tool.m_Mode, kModeSPoint);
  Command(kCmdSlideShowStart);
  Command(kCmdSlideShowStart);  // F5 again stops it
  EXPECT_FALSE(canvas->m_Slides.m_SlideShow);
  Command(kCmdSlideShowStart);
  Key(WXK_SPACE);  // as a click: past the only sheet the show ends, and the window comes back
  EXPECT_FALSE(canvas->m_Slides.m_SlideShow);
  EXPECT_FALSE(frame->IsFullScreen());
  EXPECT_TRUE(frame->m_ModeToolbar->IsEnabled());
}

}  // namespace

namespace {

// The screen's pixels of a window, for a person to look at.
void KeepWindow(wxWindow* w, const char* name) {
  const char* dir = std::getenv("FIGURETTA_SLIDE_SHOTS");
  if (!dir) return;
  const wxRect r = w->GetScreenRect();
  wxBitmap shot(r.width, r.height, 24);
  {
    wxScreenDC screen;
    wxMemoryDC mem(shot);
    mem.Blit(0, 0, r.width, r.height, &screen, r.x, r.y);
  }
  shot.SaveFile(wxString(dir) + "/" + name + ".png", wxBITMAP_TYPE_PNG);
}

// The dialog with rows and the window in the middle of a slide, written only
// when FIGURETTA_SLIDE_SHOTS names a folder.
TEST_F(SlideFrameTest, ScreenshotsOfTheDialogAndOfASlide) {
  if (!std::getenv("FIGURETTA_SLIDE_SHOTS"))
    GTEST_SKIP() << "set FIGURETTA_SLIDE_SHOTS to a folder";
  GDocument& doc = *frame->m_Canvas->m_Doc;
  const std::string text =
      "point A=Pt(-2.000,-1.000);\npoint B=Pt(2.000,-1.000);\npoint C=Pt(0.000,2.000);\n"
      "line a=Join(A,B);\nvoid EffectPoint(C,withClick,right,in,withEffect);\n";
  ASSERT_TRUE(ReadScript(doc, text));
  doc.Sethilighted(doc.Sheets().Slot(0).lines.head);
  auto* dialog = new AnimationDialog(frame, doc);
  dialog->Show();
  PumpEvents([] { return false; }, 300);
  KeepWindow(dialog, "dialog");
  dialog->Destroy();
  Command(kCmdSlideShowStart);
  MyCanvas* canvas = frame->m_Canvas;
  canvas->SlideClick();
  for (int i = 0; i < 6; ++i) canvas->RenderToScreenPicture();  // the swell, then on its way in
  canvas->ScreenPicture().SaveFile(wxString(std::getenv("FIGURETTA_SLIDE_SHOTS")) + "/sliding.png",
                                   wxBITMAP_TYPE_PNG);
}

}  // namespace
