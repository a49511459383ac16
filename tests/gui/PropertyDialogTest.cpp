// "Property" on a hilighted bracket and angle mark: the ranges each field
// accepts, typed into the dialogs' own controls, and the real command with
// its modal dialogs answered from inside their event loops.
#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <functional>
#include <string>
#include <wx/dcmemory.h>
#include <wx/dcclient.h>
#include <wx/timer.h>

#include "app/CommandIds.h"
#include "app/MyFrame.h"
#include "app/dialogs/PropertyDialogs.h"
#include "gui/GuiHarness.h"
#include "interaction/MyCanvas.h"
#include "script/Script.h"

namespace {

// The colour fields' edges: a component outside 0..255 keeps its old value
// while the others are taken.
struct ColourCase {
  const char *red, *green, *blue;
  int r, g, b;
};
const ColourCase kColourCases[] = {
    {"255", "0", "17", 255, 0, 17},
    {"256", "-1", "12", 1, 2, 12},
    {"x", " 40 ", "", 1, 40, 3},
};

template <class E>
void ExpectColours(const ColourRow& row, E& e) {
  for (const ColourCase& c : kColourCases) {
    e.red = 1, e.green = 2, e.blue = 3;
    row.red->SetValue(c.red);
    row.green->SetValue(c.green);
    row.blue->SetValue(c.blue);
    int r = e.red, g = e.green, b = e.blue;
    row.Read(r, g, b);
    EXPECT_EQ(r, c.r) << c.red;
    EXPECT_EQ(g, c.g) << c.green;
    EXPECT_EQ(b, c.b) << c.blue;
  }
}

TEST(AnglePropertyDialogTest, SizeIsTakenFrom20To100AndColoursFrom0To255) {
  GAngle angle;
  angle.name = std::string("ag1");
  angle.style = 1;
  angle.radius = 40;
  auto* dialog = new AnglePropertyDialog(nullptr, angle);
  EXPECT_EQ(dialog->GetTitle(), "Property");
  EXPECT_EQ(dialog->m_Style->GetSelection(), 1);
  EXPECT_EQ(dialog->m_Size->GetValue(), "40");
  const struct {
    const char* typed;
    int want;
  } sizes[] = {{"19", 40}, {"20", 20}, {"100", 100}, {"101", 40}, {"-1", 40}, {"5O", 40}};
  for (const auto& s : sizes) {
    angle.radius = 40;
    dialog->m_Size->SetValue(s.typed);
    dialog->Apply(angle);
    EXPECT_EQ(angle.radius, s.want) << s.typed;
  }
  dialog->m_Style->SetSelection(4);
  dialog->Apply(angle);
  EXPECT_EQ(angle.style, 4);
  ExpectColours(dialog->m_Colour, angle);
  dialog->Destroy();
}

TEST(BracketPropertyDialogTest, HeightIsTakenWithinHalfAndCaptionReplacesTheMark) {
  GBracket bracket;
  bracket.name = std::string("br1");
  bracket.intField = 2;
  bracket.bulge = 0.3;
  auto* dialog = new BracketPropertyDialog(nullptr, bracket);
  EXPECT_EQ(dialog->m_Height->GetValue(), "0.300");
  EXPECT_TRUE(dialog->m_ByStyle->GetValue());
  EXPECT_EQ(dialog->m_Style->GetSelection(), 2);
  const struct {
    const char* typed;
    double want;
  } heights[] = {{"0.5", 0.5}, {"0.51", 0.3}, {"-0.5", -0.5}, {"-0.51", 0.3},
                 {"0", 0},     {"nan", 0.3},  {"half", 0.3}};
  for (const auto& h : heights) {
    bracket.bulge = 0.3;
    dialog->m_Height->SetValue(h.typed);
    dialog->Apply(bracket);
    EXPECT_DOUBLE_EQ(bracket.bulge, h.want) << h.typed;
  }
  dialog->m_Style->SetSelection(4);
  dialog->Apply(bracket);
  EXPECT_EQ(bracket.intField, 4);
  // Typing a caption chooses the caption: style -1.
  dialog->m_Caption->SetValue(wxString::FromUTF8("a+b = ½"));
  EXPECT_TRUE(dialog->m_ByCaption->GetValue());
  dialog->Apply(bracket);
  EXPECT_EQ(bracket.intField, -1);
  EXPECT_EQ(bracket.label, "a+b = ½");
  ExpectColours(dialog->m_Colour, bracket);
  dialog->Destroy();

  // A bracket with a caption opens with the caption chosen.
  auto* again = new BracketPropertyDialog(nullptr, bracket);
  EXPECT_TRUE(again->m_ByCaption->GetValue());
  EXPECT_EQ(again->m_Caption->GetValue(), wxString::FromUTF8("a+b = ½"));
  again->Destroy();
}

// Answers the modal dialogs the command opens, one step for each, from a
// timer that runs inside their own event loops.
class DialogAnswers : public wxTimer {
 public:
  std::deque<std::function<void(wxDialog&)>> steps;
  int unexpected = 0;

  static void Press(wxDialog& d, int id) {
    wxWindow* button = d.FindWindow(id);
    wxCommandEvent click(wxEVT_BUTTON, id);
    click.SetEventObject(button);
    button->GetEventHandler()->ProcessEvent(click);
  }
  void Notify() override {
    for (wxWindow* w : wxTopLevelWindows) {
      auto* d = dynamic_cast<wxDialog*>(w);
      if (!d || !d->IsModal()) continue;
      if (steps.empty()) {  // more dialogs than the test expects: away with it
        ++unexpected;
        Press(*d, wxID_CANCEL);
        return;
      }
      auto step = steps.front();
      steps.pop_front();
      step(*d);
      return;
    }
  }
};

class PropertyCommandTest : public ::testing::Test {
 protected:
  RecordingUser* user = LastingUser();
  MyFrame* frame = nullptr;
  GDocument* doc = nullptr;
  GBracket* bracket = nullptr;
  GAngle* angle = nullptr;
  DialogAnswers answers;
  std::vector<std::string> shown;

  void SetUp() override {
    frame = new MyFrame(wxT("Figuretta - untitled.fgf"), wxPoint(50, 50), wxSize(950, 700), user);
    frame->Show(true);
    doc = frame->m_Canvas->m_Doc.get();
    GPoint* a = doc->NewPoint(CComplex(0, 0), CComplex(0, 0));
    GPoint* b = doc->NewPoint(CComplex(1, 0), CComplex(0, 0));
    doc->AssignPoint(a);
    doc->AssignPoint(b);
    bracket = doc->NewBracket(a, b);
    doc->AssignBracket(bracket);
    angle = doc->NewAngle(1.0);
    doc->AssignAngle(angle);
    answers.Start(20);
  }
  void TearDown() override {
    answers.Stop();
    frame->Destroy();
    PumpEvents([] { return false; }, 0);
  }
  void Property() {
    wxCommandEvent event(wxEVT_MENU, ToolkitId(kCmdProperty));
    event.SetEventObject(frame);
    frame->ProcessWindowEvent(event);
  }
  // A step that notes which dialog it met, types into it and presses button.
  void Answer(std::function<void(wxDialog&)> type, int button) {
    answers.steps.push_back([this, type, button](wxDialog& d) {
      shown.push_back(dynamic_cast<BracketPropertyDialog*>(&d) ? "bracket"
                      : dynamic_cast<AnglePropertyDialog*>(&d) ? "angle"
                                                               : "other");
      type(d);
      DialogAnswers::Press(d, button);
    });
  }
};

TEST_F(PropertyCommandTest, BracketFirstThenAngleEachAppliedOnOk) {
  doc->Sethilighted(angle);
  doc->Sethilighted(bracket);
  Answer(
      [](wxDialog& d) {
        auto& b = dynamic_cast<BracketPropertyDialog&>(d);
        b.m_Height->SetValue("-0.25");
        b.m_Colour.red->SetValue("200");
      },
      wxID_OK);
  Answer(
      [](wxDialog& d) {
        auto& a = dynamic_cast<AnglePropertyDialog&>(d);
        a.m_Size->SetValue("100");
        a.m_Style->SetSelection(3);
      },
      wxID_OK);
  Property();
  EXPECT_EQ(shown, (std::vector<std::string>{"bracket", "angle"}));
  EXPECT_EQ(answers.unexpected, 0);
  EXPECT_DOUBLE_EQ(bracket->bulge, -0.25);
  EXPECT_EQ(bracket->red, 200);
  EXPECT_EQ(angle->radius, 100);
  EXPECT_EQ(angle->style, 3);
}

TEST_F(PropertyCommandTest, CancelChangesNothingAndNothingHilightedAsksNothing) {
  Property();
  EXPECT_TRUE(shown.empty());
  doc->Sethilighted(angle);
  Answer([](wxDialog& d) { dynamic_cast<AnglePropertyDialog&>(d).m_Size->SetValue("90"); },
         wxID_CANCEL);
  Property();
  EXPECT_EQ(shown, std::vector<std::string>{"angle"});
  EXPECT_EQ(angle->radius, 40);
  EXPECT_EQ(answers.unexpected, 0);
}

}  // namespace

namespace {

// What a person sees, to look at: both dialogs, then the figure after their
// Ok; written only when FIGURETTA_SCREENSHOT names a .png file.
bool Shoot(wxWindow* w, const wxString& path) {
  w->Raise();
  w->Refresh();
  PumpEvents([] { return false; }, 300);
  w->Update();
  const wxSize size = w->GetSize();
  wxBitmap shot(size.x, size.y, 24);
  {
    wxWindowDC window(w);
    wxMemoryDC mem(shot);
    mem.Blit(0, 0, size.x, size.y, &window, 0, 0);
  }
  return shot.SaveFile(path, wxBITMAP_TYPE_PNG);
}

TEST_F(PropertyCommandTest, ScreenshotOfTheDialogsAndTheirResult) {
  const char* out = std::getenv("FIGURETTA_SCREENSHOT");
  if (!out) GTEST_SKIP() << "set FIGURETTA_SCREENSHOT to a .png path";
  const wxString base = wxString(out).BeforeLast('.');
  ASSERT_TRUE(
      ApplySheetScript(*doc,
                       "point A=Pt(-2,-1);\npoint B=Pt(2,-1);\npoint C=Pt(0,2);\n"
                       "angle ag1=AngleBy3P(A,C,B);\nbracket br1=Bracket(A,B,0.300,0,0,0);\n"));
  GBracket* br = doc->Sheet().brackets.head;
  GAngle* ag = doc->Sheet().angles.head;
  ASSERT_TRUE(br && ag);
  auto* b = new BracketPropertyDialog(frame, *br);
  b->Show();
  b->m_Caption->SetValue("4 cm");
  b->m_Height->SetValue("0.25");
  b->m_Colour.red->SetValue("220");
  EXPECT_TRUE(Shoot(b, base + "-bracket.png"));
  b->Apply(*br);
  b->Hide();  // gone from the screen now, not at the next idle time
  b->Destroy();
  auto* a = new AnglePropertyDialog(frame, *ag);
  a->Show();
  a->m_Style->SetSelection(4);
  a->m_Size->SetValue("70");
  a->m_Colour.blue->SetValue("230");
  EXPECT_TRUE(Shoot(a, base + "-angle.png"));
  a->Apply(*ag);
  a->Hide();
  a->Destroy();
  doc->ClearAllHilights();
  frame->m_Canvas->Refresh(false);
  EXPECT_TRUE(Shoot(frame, out));
}

}  // namespace
