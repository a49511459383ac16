// The Graph command in the main window: the dialog's fields, the curve a
// formula makes, the message a wrong formula gives (the dialog staying open
// with the text), the formula as understood in the status bar, and a
// picture of curves (graph, parametric curve, locus) for a person to look at.
#include <gtest/gtest.h>

#include <cstdlib>
#include <wx/app.h>
#include <wx/toplevel.h>

#include "app/CommandIds.h"
#include "app/MyFrame.h"
#include "app/dialogs/ToolDialogs.h"
#include "gui/GuiHarness.h"
#include "interaction/MyCanvas.h"
#include "script/Script.h"

namespace {

TEST(GraphDialogTest, StartsWithTheRangeFromMinus5To5) {
  auto* dialog = new GraphDialog(nullptr, GGraphInput());
  EXPECT_EQ(dialog->GetTitle(), "Input graph");
  dialog->m_Formula->SetValue("x^2");
  GGraphInput g;
  g.xmin = g.xmax = "";
  dialog->Read(g);
  EXPECT_EQ(g.formula, "x^2");
  EXPECT_EQ(g.xmin, "-5");
  EXPECT_EQ(g.xmax, "5");
  dialog->Destroy();
}

class GraphCommandTest : public ::testing::Test {
 protected:
  RecordingUser* user = nullptr;
  MyFrame* frame = nullptr;
  MyCanvas* canvas = nullptr;
  GDocument* doc = nullptr;
  GGraphInput answer;
  bool asked = false;

  void SetUp() override {
    user = LastingUser();
    user->messages.clear();
    frame = new MyFrame(wxT("Figuretta - untitled.fgf"), wxPoint(50, 50), wxSize(950, 700), user);
    frame->Show(true);
    canvas = frame->m_Canvas;
    doc = canvas->m_Doc.get();
    canvas->m_AskGraph = [this](GGraphInput& g, const GGraphAccept& accept) {
      asked = true;
      g = answer;
      return accept(g);
    };
  }
  void TearDown() override {
    frame->Destroy();
    PumpEvents([] { return false; }, 0);
  }
  // The Graph button with `formula` typed into the dialog.
  GConst* Graph(const char* formula, const char* xmin = "-5", const char* xmax = "5") {
    answer.formula = formula;
    answer.xmin = xmin;
    answer.xmax = xmax;
    wxCommandEvent event(wxEVT_MENU, ToolkitId(kModeGraph));
    event.SetEventObject(frame);
    frame->ProcessWindowEvent(event);
    GConst* last = nullptr;
    for (GConst* c = doc->FirstConst(); c; c = c->next) last = c;
    return last;
  }
};

TEST_F(GraphCommandTest, FormulaMakesAGraphOrAParametricCurve) {
  GConst* g = Graph("x^2-1", "-1", "1");
  ASSERT_TRUE(asked);
  ASSERT_NE(g, nullptr);
  EXPECT_EQ(g->type, CONST_GRAPH);
  const GParaCurve* c = g->CurveOutput;
  EXPECT_EQ(c->expr1, "x^2-1");
  EXPECT_EQ(c->xmin, -1);
  EXPECT_EQ(c->xmax, 1);
  ASSERT_GT(c->count, 10);
  EXPECT_NEAR(c->X[0], -1, 1e-12);
  EXPECT_NEAR(c->X[c->count - 1], 1, 1e-12);
  EXPECT_FALSE(c->name.empty());
  GConst* p = Graph("cos(x),sin(x)");
  EXPECT_EQ(p->type, CONST_PARA_CURVE);
  EXPECT_GT(p->CurveOutput->count, 50);
  EXPECT_TRUE(user->messages.empty());
}

TEST_F(GraphCommandTest, WrongFormulaIsToldAndEmptyOneIgnored) {
  EXPECT_EQ(Graph("(x+1"), nullptr);
  ASSERT_EQ(user->messages.size(), 1u);
  EXPECT_EQ(user->messages[0].text, "error 128\nThe bracket \"(\" at position 1 is never closed.");
  EXPECT_EQ(user->messages[0].caption, "Invalid function input");
  EXPECT_EQ(Graph(""), nullptr);
  EXPECT_EQ(user->messages.size(), 1u);
}

// The real dialog, answered while it is shown: OK on a wrong formula is
// explained and leaves the dialog open with the text as typed; OK on the
// mended one builds the graph over the preset range, and the status bar
// shows the formula as the parser nested it.
TEST_F(GraphCommandTest, DialogStaysOpenUntilTheFormulaIsRight) {
  canvas->m_AskGraph = [this](GGraphInput& g, const GGraphAccept& accept) {
    return AskGraphByDialog(canvas, g, accept);
  };
  bool stayedOpen = false, closed = false;
  wxString kept;
  wxTheApp->CallAfter([&] {
    for (wxWindow* w : wxTopLevelWindows) {
      auto* dialog = dynamic_cast<GraphDialog*>(w);
      if (!dialog || !dialog->IsModal()) continue;
      auto ok = [dialog] {
        wxCommandEvent click(wxEVT_BUTTON, wxID_OK);
        click.SetEventObject(dialog->FindWindow(wxID_OK));
        dialog->FindWindow(wxID_OK)->GetEventHandler()->ProcessEvent(click);
      };
      dialog->m_Formula->SetValue("sin(x");
      ok();
      stayedOpen = dialog->IsModal();
      kept = dialog->m_Formula->GetValue();
      dialog->m_Formula->SetValue("x/2*2");
      ok();
      closed = !dialog->IsModal();
      if (!closed) dialog->EndModal(wxID_CANCEL);
    }
  });
  wxCommandEvent event(wxEVT_MENU, ToolkitId(kModeGraph));
  event.SetEventObject(frame);
  frame->ProcessWindowEvent(event);
  EXPECT_TRUE(stayedOpen);
  EXPECT_EQ(kept, "sin(x");
  ASSERT_EQ(user->messages.size(), 1u);
  EXPECT_EQ(user->messages[0].text, "error 128\nThe bracket \"(\" at position 4 is never closed.");
  EXPECT_TRUE(closed);
  GConst* g = doc->FirstConst();
  ASSERT_NE(g, nullptr);
  EXPECT_EQ(g->next, nullptr);
  EXPECT_EQ(g->CurveOutput->expr1, "x/2*2");
  EXPECT_EQ(g->CurveOutput->xmin, -5);
  EXPECT_EQ(g->CurveOutput->xmax, 5);
  const std::string made = "Made curve " + g->CurveOutput->name + ": x/(2*2)";
  EXPECT_TRUE(PumpEvents([&] {
    return frame->GetStatusBar()->GetStatusText(1).utf8_string().rfind(made, 0) == 0;
  })) << frame->GetStatusBar()->GetStatusText(1).utf8_string();
}

TEST_F(GraphCommandTest, CurvesScreenshotAfterOpening) {
  const char* out = std::getenv("FIGURETTA_SCREENSHOT");
  if (!out) GTEST_SKIP() << "set FIGURETTA_SCREENSHOT to a .png path";
  const std::string text =
      "point O=Pt(-2.000,0.000);\npoint B=Pt(-1.000,0.000);\ncircle C1=Circle(O,B);\n"
      "point P=PtOnCircle(C1,0.300);\npoint F=Pt(0.500,1.000);\npoint M=Mid(F,P);\n"
      "curve x1=OrbitOnCircle(P,M);\ncurve x2=Graph(1/x,-5.000,5.000);\n"
      "curve x3=ParaCurve(1.5cos(x),2sin(x)+1,0.000,6.300);\n"
      "curve x4=Graph(sin(3x),-5.000,5.000);\n";
  ASSERT_TRUE(ReadScript(*doc, text));
  canvas->Refresh(false);
  PumpEvents([] { return false; }, 300);
  EXPECT_TRUE(SaveWindowPicture(frame, out));
}

}  // namespace
