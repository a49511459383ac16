// The script editor as a person uses it, without its modal loop: the buttons
// are pressed by their own click events, the field is typed into, and the
// document is checked after each step.
#include <gtest/gtest.h>

#include "app/CommandIds.h"
#include "app/MyFrame.h"
#include "gui/CanvasFixture.h"
#include "gui/GuiHarness.h"
#include "model/Lookup.h"
#include "app/dialogs/ScriptDialog.h"
#include "script/Script.h"

namespace {

class ScriptDialogTest : public CanvasTest {
 protected:
  ScriptDialog* dialog = nullptr;

  void TearDown() override {
    if (dialog) dialog->Destroy();
    CanvasTest::TearDown();
  }
  void Open() {
    if (dialog) dialog->Destroy();
    dialog = new ScriptDialog(frame, canvas);
  }
  void Click(wxButton* button) {
    wxCommandEvent event(wxEVT_BUTTON, button->GetId());
    event.SetEventObject(button);
    button->ProcessWindowEvent(event);
  }
  void Type(const char* text) { dialog->m_Script->SetValue(wxString::FromUTF8(text)); }
  std::string Field() const { return dialog->m_Script->GetValue().utf8_string(); }
  std::string Label() const { return dialog->m_SheetLabel->GetValue().utf8_string(); }
  GPoint* Pt(const char* name) {
    GConst* c = nullptr;
    FindNameFromCns(doc->FirstConst(), name, &c);
    return c ? c->POutput : nullptr;
  }
  // The current sheet as the writer gives it.
  std::string Written() { return WriteSheetScript(*doc, doc->Sheets().CurrentIndex()); }
  void ReadDocument(const char* text) { ASSERT_TRUE(ReadScript(*doc, text)); }
};

TEST_F(ScriptDialogTest, HasItsTitleAndButtonLabels) {
  Open();
  EXPECT_EQ(dialog->GetTitle(), "Edit script");
  EXPECT_EQ(dialog->m_Apply->GetLabel(), "Apply");
  EXPECT_EQ(dialog->m_Back->GetLabel(), "< Next");
  EXPECT_EQ(dialog->m_Forward->GetLabel(), "Prev >");
  EXPECT_EQ(dialog->m_Insert->GetLabel(), "Insert");
  EXPECT_EQ(dialog->m_Cancel->GetLabel(), "Cancel");
  EXPECT_FALSE(dialog->m_SheetLabel->IsEditable());
}

TEST_F(ScriptDialogTest, AnEmptySheetShowsAnEmptyFieldAndApplyBuildsWhatWasTyped) {
  Open();
  EXPECT_EQ(Field(), "");
  EXPECT_EQ(Label(), "Sheet: 1/1");
  Type("point A=Pt(0,0);");
  Click(dialog->m_Apply);
  EXPECT_EQ(dialog->GetReturnCode(), wxID_OK);
  ASSERT_NE(Pt("A"), nullptr);
  EXPECT_DOUBLE_EQ(Pt("A")->x.re, 0);

  // Opening again shows the sheet as the writer gives it, header lines first.
  Open();
  EXPECT_EQ(Field(), Written());
  EXPECT_EQ(Field().rfind("void SetPtMode(", 0), 0u);
  EXPECT_NE(Field().find("point A=Pt(0.000,0.000,"), std::string::npos);
}

TEST_F(ScriptDialogTest, ApplyWithAnErrorKeepsTheDialogAndTheTextOpen) {
  Open();
  const char* typed = "point A=Pt(0,0);\npoint B=Pt(1,0);\nline a=Join(A,A);\npoint C=Pt(2,2);";
  Type(typed);
  Click(dialog->m_Apply);
  EXPECT_NE(dialog->GetReturnCode(), wxID_OK);
  EXPECT_EQ(Field(), typed);
  ASSERT_FALSE(user.messages.empty());
  EXPECT_EQ(user.messages.back().text, "line 3 : Join : syntax error");
  EXPECT_NE(Pt("B"), nullptr);
  EXPECT_EQ(Pt("C"), nullptr);
  // Put right, the same text builds the whole figure.
  Type("point A=Pt(0,0);\npoint B=Pt(1,0);\nline a=Join(A,B);\npoint C=Pt(2,2);");
  Click(dialog->m_Apply);
  EXPECT_EQ(dialog->GetReturnCode(), wxID_OK);
  EXPECT_NE(Pt("C"), nullptr);
}

TEST_F(ScriptDialogTest, SteppingPastEitherEndDoesNothingNotEvenApplying) {
  ReadDocument("//Sheet 0;\npoint A=Pt(0,0);\n");
  Open();
  const std::string shown = Field();
  Type("point Z=Pt(5,5);");
  Click(dialog->m_Forward);  // "Prev >" on the last sheet
  Click(dialog->m_Back);     // "< Next" on the first sheet
  EXPECT_EQ(Field(), "point Z=Pt(5,5);");
  EXPECT_EQ(Label(), "Sheet: 1/1");
  EXPECT_EQ(Pt("Z"), nullptr);
  EXPECT_NE(Pt("A"), nullptr);
  EXPECT_EQ(Written(), shown);
}

TEST_F(ScriptDialogTest, SteppingAppliesTheEditAndShowsTheNeighbour) {
  ReadDocument("//Sheet 0;\npoint A=Pt(0,0);\n//Sheet 1;\npoint P=Pt(1,1);point Q=Pt(2,2);\n");
  Open();
  EXPECT_EQ(Label(), "Sheet: 1/2");
  Type("point A=Pt(0,0);point B=Pt(3,0);");
  Click(dialog->m_Forward);  // "Prev >" goes forward
  EXPECT_EQ(Label(), "Sheet: 2/2");
  EXPECT_EQ(doc->Sheets().CurrentIndex(), 1);
  EXPECT_EQ(Field(), Written());
  EXPECT_NE(Field().find("point Q=Pt(2.000,2.000,"), std::string::npos);
  EXPECT_EQ(Field().find("point B"), std::string::npos);

  Click(dialog->m_Back);  // "< Next" goes back, applying sheet 2's text as shown
  EXPECT_EQ(Label(), "Sheet: 1/2");
  EXPECT_NE(Field().find("point B=Pt(3.000,0.000,"), std::string::npos);
  ASSERT_NE(Pt("B"), nullptr);
  // The automatic names go on after the sheet's own.
  EXPECT_EQ(doc->Naming().Next(GNameKind::kPoint), "C");
  // Cancel keeps what the stepping applied.
  Click(dialog->m_Cancel);
  EXPECT_EQ(dialog->GetReturnCode(), wxID_CANCEL);
  EXPECT_NE(Pt("B"), nullptr);
}

TEST_F(ScriptDialogTest, InsertThenCancelKeepsTheNewEmptySheet) {
  ReadDocument("//Sheet 0;\npoint A=Pt(0,0);\n");
  Open();
  Type("point A=Pt(0,0);point B=Pt(1,0);");
  Click(dialog->m_Insert);
  EXPECT_EQ(Field(), "");
  EXPECT_EQ(Label(), "Sheet: 2/2");
  Click(dialog->m_Cancel);
  EXPECT_EQ(doc->Sheets().Count(), 2);
  EXPECT_EQ(doc->Sheets().CurrentIndex(), 1);
  EXPECT_EQ(doc->FirstConst(), nullptr);
  // What was typed before Insert went into the first sheet.
  EXPECT_NE(doc->Sheets().Slot(0).points.head, nullptr);
  int points = 0;
  for (GPoint* p = doc->Sheets().Slot(0).points.head; p; p = p->next) ++points;
  EXPECT_EQ(points, 2);
}

TEST_F(ScriptDialogTest, CancelAloneChangesNothing) {
  ReadDocument("//Sheet 0;\npoint A=Pt(0,0);point B=Pt(1,0);line a=Join(A,B);\n");
  const std::string before = Written();
  Open();
  Type("point X=Pt(9,9);");
  Click(dialog->m_Cancel);
  EXPECT_EQ(dialog->GetReturnCode(), wxID_CANCEL);
  EXPECT_EQ(Written(), before);
  EXPECT_EQ(doc->Sheets().Count(), 1);
  EXPECT_EQ(Pt("X"), nullptr);
}

// The frame's command runs the dialog on its canvas (a stand-in answers for
// the person) and shows the result afterwards.
TEST(EditScriptCommand, RunsTheEditorOnTheFramesCanvas) {
  auto* frame = new MyFrame("edit", wxPoint(0, 0), wxSize(950, 700), LastingUser());
  int runs = 0;
  ScriptDialog::s_Run = [&](ScriptDialog& d) {
    ++runs;
    EXPECT_EQ(d.GetParent(), frame);
    EXPECT_EQ(d.m_SheetLabel->GetValue(), "Sheet: 1/1");
    d.m_Script->SetValue("point K=Pt(1,1);");
    wxCommandEvent apply(wxEVT_BUTTON, wxID_OK);
    apply.SetEventObject(d.m_Apply);
    d.m_Apply->ProcessWindowEvent(apply);
    return d.GetReturnCode();
  };
  wxCommandEvent event(wxEVT_MENU, ToolkitId(kCmdEditText));
  event.SetEventObject(frame);
  frame->ProcessWindowEvent(event);
  ScriptDialog::s_Run = nullptr;
  EXPECT_EQ(runs, 1);
  GConst* c = nullptr;
  EXPECT_TRUE(FindNameFromCns(frame->m_Canvas->m_Doc->FirstConst(), "K", &c));
  frame->Destroy();
  PumpEvents([] { return false; }, 0);
}

}  // namespace
