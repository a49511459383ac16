// The tools' dialogs without showing them: what their fields read as, and
// renaming a point with the Text tool, which refuses a name the saved file
// could not read back and keeps the old one.
#include <algorithm>

#include "app/CommandIds.h"
#include "gui/MouseFixture.h"
#include "app/dialogs/ToolDialogs.h"

namespace {

TEST(TextDialog, FieldsReadAsSizeAlignmentAndOnlyValidColours) {
  auto* dialog = new MyEditTextDialog(nullptr, "two\nlines", 24, true, 10, 20, 30);
  GTextEdit e;
  e.red = 10;
  e.green = 20;
  e.blue = 30;
  dialog->Read(e);
  EXPECT_EQ(e.text, "two\nlines");
  EXPECT_DOUBLE_EQ(e.size, 24);
  EXPECT_TRUE(e.centred);

  dialog->m_Left->SetValue(true);  // one alignment clears the other
  EXPECT_FALSE(dialog->m_Centre->GetValue());
  dialog->m_Size->SetValue("big");
  dialog->m_Red->SetValue("256");
  dialog->m_Green->SetValue("-1");
  dialog->m_Blue->SetValue(" 255 ");
  dialog->Read(e);
  EXPECT_FALSE(e.centred);
  EXPECT_DOUBLE_EQ(e.size, 0);  // not a number: out of range for every caller
  EXPECT_EQ(e.red, 10);
  EXPECT_EQ(e.green, 20);
  EXPECT_EQ(e.blue, 255);
  dialog->Destroy();
}

TEST(AngleDialogTest, ChoosesByPointsOrByDegree) {
  GAngleChoice start;
  start.degrees = "60";
  auto* dialog = new AngleDialog(nullptr, start);
  GAngleChoice c;
  dialog->Read(c);
  EXPECT_FALSE(c.byPoints);
  EXPECT_EQ(c.degrees, "60");
  dialog->m_Names[0]->SetValue(" A ");  // typing a name chooses the points
  dialog->m_Names[1]->SetValue("B");
  dialog->m_Names[2]->SetValue("C");
  dialog->Read(c);
  EXPECT_TRUE(c.byPoints);
  EXPECT_EQ(c.first, "A");
  EXPECT_EQ(c.vertex, "B");
  EXPECT_EQ(c.second, "C");
  dialog->Destroy();
}

class RenameTest : public MouseTest {
 protected:
  GTextEdit answer;
  void SetUp() override {
    MouseTest::SetUp();
    canvas->m_AskText = [this](GTextEdit& e) {
      EXPECT_TRUE(e.forName);
      answer.forName = true;
      e = answer;
      return true;
    };
    answer.size = 20;
  }
  // The Text tool clicked on p, with `name` typed.
  void Rename(GPoint* p, const char* name) {
    answer.text = wxString::FromUTF8(name);
    canvas->m_Tool.SetMode(kModeText);
    wxPoint at = At(X(p), Y(p));
    canvas->LButtonDown(at);
    canvas->LButtonUp(at);
  }
};

TEST_F(RenameTest, ANameTheFileCannotHoldIsRefusedAndTheOldOneKept) {
  GPoint* a = Place(-1, 0);
  GPoint* b = Place(1, 0);
  const std::string old = a->name;
  for (const char* bad : {"P,Q", "P;Q", "P=Q", "f(P)", "P Q", ""}) {
    user.messages.clear();
    Rename(a, bad);
    EXPECT_EQ(a->name, old) << bad;
    EXPECT_EQ(user.messages.size(), 1u) << bad;
  }
  user.messages.clear();
  Rename(a, b->name.c_str());  // another point's name
  EXPECT_EQ(a->name, old);
  ASSERT_EQ(user.messages.size(), 1u);
  EXPECT_NE(user.messages[0].text.find("already used"), std::string::npos);

  answer.size = 3;  // below 5: the usual 14
  Rename(a, "Top");
  EXPECT_EQ(a->name, "Top");
  EXPECT_EQ(a->nameFontSize, 14);
  EXPECT_EQ(doc->Defaults().NameFontSize(), 14);
  EXPECT_EQ(Steps(), 2);  // renaming makes no step
}

// The document holds names as UTF-8; the dialog gets and gives back the
// letters themselves, whatever the program's locale.
TEST_F(RenameTest, ANameOfWideLettersCrossesTheDialogWhole) {
  GPoint* a = Place(-1, 0);
  const char* wide = "\xCE\x94\xE7\x82\xB9";  // Δ点
  Rename(a, wide);
  EXPECT_EQ(a->name, wide);
  wxString shown;
  canvas->m_AskText = [&shown](GTextEdit& e) {
    shown = e.text;
    return false;
  };
  Rename(a, "ignored");
  EXPECT_EQ(shown, wxString::FromUTF8(wide));
  EXPECT_EQ(shown.length(), 2u);
  EXPECT_EQ(a->name, wide);
}

}  // namespace
