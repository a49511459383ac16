// The sheet table: stepping between sheets, inserting and deleting sheets,
// and that each sheet keeps its own elements and styles throughout.
#include <gtest/gtest.h>

#include "ScriptFixture.h"
#include "script/Script.h"

namespace {

class SwitchRecorder : public GDocumentHooks {
 public:
  std::vector<bool> switches;
  void SheetSwitched(bool fresh) override { switches.push_back(fresh); }
  void AppearanceRead() override {}
};

class Sheets : public ScriptTest {
 protected:
  SwitchRecorder hooks;

  void SetUp() override { doc->SetHooks(&hooks); }

  // Three sheets whose first points are P0, P1, P2 and whose background is
  // 10, 11, 12; the first sheet is current.
  void ThreeSheets() {
    for (int i = 0; i < 3; ++i) {
      if (i > 0) {
        ASSERT_TRUE(doc->InsertNewSheet());
      }
      // Appended rather than "P" + std::to_string(i): GCC 12 at -O3 reports a
      // false -Wrestrict overlap inside the inlined prepend.
      std::string name = "P";
      name += std::to_string(i);
      Free(i, 0, name.c_str());
      doc->Sheet().background = 10 + i;
    }
    doc->Sheets().SetCurrent(0);
    doc->MoveSheet(false);
    hooks.switches.clear();
  }
  std::string FirstName() {
    GConst* c = doc->FirstConst();
    return c && c->POutput ? c->POutput->name : std::string("-");
  }
  int StepsInUse() {
    int n = 0;
    for (const GConst& c : doc->Store().Steps()) n += c.inUse;
    return n;
  }
};

TEST_F(Sheets, NextAndPrevStopAtEitherEnd) {
  ThreeSheets();
  doc->PrevSheet();
  EXPECT_EQ(doc->Sheets().CurrentIndex(), 0);
  EXPECT_TRUE(hooks.switches.empty());

  EXPECT_EQ(doc->NextSheet(), 1);
  EXPECT_EQ(doc->NextSheet(), 1);
  EXPECT_EQ(doc->Sheets().CurrentIndex(), 2);
  EXPECT_EQ(FirstName(), "P2");
  EXPECT_EQ(doc->NextSheet(), 0);
  EXPECT_EQ(doc->Sheets().CurrentIndex(), 2);
  EXPECT_EQ(hooks.switches, (std::vector<bool>{false, false}));

  doc->PrevSheet();
  EXPECT_EQ(FirstName(), "P1");
  EXPECT_EQ(doc->Sheets().Count(), 3);
}

TEST_F(Sheets, InsertingOnTheSecondOfThreeMovesTheThirdUp) {
  ThreeSheets();
  doc->NextSheet();
  hooks.switches.clear();
  ASSERT_TRUE(doc->InsertNewSheet());
  EXPECT_EQ(doc->Sheets().Count(), 4);
  EXPECT_EQ(doc->Sheets().CurrentIndex(), 2);
  EXPECT_EQ(hooks.switches, (std::vector<bool>{true}));
  EXPECT_EQ(doc->FirstConst(), nullptr);
  EXPECT_TRUE(doc->Sheet().points.empty());

  // The former third sheet is now the fourth, with its figure and styles.
  doc->NextSheet();
  EXPECT_EQ(FirstName(), "P2");
  EXPECT_EQ(doc->Sheet().background, 12);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(doc->Sheets().Slot(i).number, i);

  // A point made on the new sheet joins that sheet only; the one after keeps
  // its list, and its tail still appends to its own list.
  doc->PrevSheet();
  Free(7, 7, "Q");
  EXPECT_EQ(doc->Sheet().points.head->next, nullptr);
  doc->NextSheet();
  Free(8, 8, "R");
  EXPECT_EQ(doc->Sheet().points.head->name, "P2");
  EXPECT_EQ(doc->Sheet().points.head->next->name, "R");
}

TEST_F(Sheets, DeletingMakesTheNewLastCurrentFreesTheSlotsAndKeepsOneSheet) {
  ThreeSheets();
  const int before = StepsInUse();
  doc->NextSheet();
  doc->NextSheet();
  GPoint* gone = doc->FirstConst()->POutput;
  doc->DeleteSheet();
  EXPECT_EQ(doc->Sheets().Count(), 2);
  EXPECT_EQ(doc->Sheets().CurrentIndex(), 1);
  EXPECT_EQ(FirstName(), "P1");
  EXPECT_EQ(doc->Sheet().background, 11);
  EXPECT_EQ(gone->inUse, 0);
  EXPECT_EQ(StepsInUse(), before - 1);

  // Deleting the first sheet moves the others down.
  doc->PrevSheet();
  doc->DeleteSheet();
  EXPECT_EQ(doc->Sheets().Count(), 1);
  EXPECT_EQ(doc->Sheets().CurrentIndex(), 0);
  EXPECT_EQ(FirstName(), "P1");
  EXPECT_EQ(doc->Sheet().number, 0);

  // The document keeps one sheet: deleting it empties it, and it works on.
  Text("note", "SZ1");
  doc->DeleteSheet();
  EXPECT_EQ(doc->Sheets().Count(), 1);
  EXPECT_EQ(doc->FirstConst(), nullptr);
  EXPECT_TRUE(doc->Sheet().points.empty() && doc->Sheet().texts.empty());
  EXPECT_EQ(StepsInUse(), 0);
  Free(2, 2, "A");
  EXPECT_NE(WriteScript(*doc).find("point A=Pt(2.000,2.000"), std::string::npos);
}

TEST_F(Sheets, TheThousandAndFirstSheetIsRefused) {
  for (int i = 1; i < kSheetPoolSize; ++i) ASSERT_TRUE(doc->InsertNewSheet());
  EXPECT_EQ(doc->Sheets().Count(), kSheetPoolSize);
  EXPECT_TRUE(user.messages.empty());
  doc->Sheets().SetCurrent(500);
  doc->MoveSheet(false);

  EXPECT_FALSE(doc->InsertNewSheet());
  EXPECT_EQ(doc->Sheets().Count(), kSheetPoolSize);
  EXPECT_EQ(doc->Sheets().CurrentIndex(), 500);
  ASSERT_EQ(user.messages.size(), 1u);
  EXPECT_EQ(user.messages[0].caption, "Insert sheet");
  EXPECT_EQ(doc->Sheets().Slot(kSheetPoolSize - 1).number, kSheetPoolSize - 1);
}

TEST_F(Sheets, LeavingASheetGivesUpItsRedoAndHilights) {
  Free(1, 1, "A");
  GPoint* B = Free(2, 2, "B");
  // B's step is undone: off the list, on the redo stack, B hidden.
  GConst* undone = doc->Sheet().consts.head->next;
  doc->Sheet().consts.Unlink(undone);
  doc->PushConst(undone);
  B->hidden = 1;
  GPoint* A = doc->FirstConst()->POutput;
  A->hilighted = 1;
  doc->Selection().Points().Add(A);

  ASSERT_TRUE(doc->InsertNewSheet());
  EXPECT_EQ(doc->History().RedoCount(), 0);
  EXPECT_EQ(doc->PopConst(), nullptr);
  EXPECT_EQ(doc->Selection().Points().Count(), 0);
  EXPECT_EQ(A->hilighted, 0);
  // B was freed from the sheet it belonged to.
  EXPECT_EQ(B->inUse, 0);
  EXPECT_EQ(doc->Sheets().Slot(0).points.head, A);
  EXPECT_EQ(A->next, nullptr);
}

// A tool half-way through (a mark chosen for the line-with-angle tool, the
// first line of a bisector, the start of a two-point gesture) must not carry
// elements of one sheet into another, nor of a cleared document into the
// next: those records are elsewhere or are handed out again.
TEST_F(Sheets, ToolsLetGoOfTheirElementsWhenTheSheetChanges) {
  ThreeSheets();
  GPoint* P0 = doc->FirstConst()->POutput;
  GAngle mark;
  GLine first;
  const auto holdSome = [&] {
    gesture.SetStartPoint(P0);
    gesture.SetCurrentAngle(&mark);
    gesture.SetBisectorLine(&first);
    doc->SetMovingPoint(P0);
  };
  const auto expectNone = [&](const char* after) {
    EXPECT_EQ(gesture.StartPoint(), nullptr) << after;
    EXPECT_EQ(gesture.CurrentAngle(), nullptr) << after;
    EXPECT_EQ(gesture.BisectorLine(), nullptr) << after;
    EXPECT_EQ(gesture.BisectorClicks(), 0) << after;
    EXPECT_EQ(doc->MovingPoint(), nullptr) << after;
  };
  holdSome();
  EXPECT_EQ(doc->NextSheet(), 1);
  expectNone("next sheet");
  holdSome();
  ASSERT_TRUE(doc->InsertNewSheet());
  expectNone("insert");
  holdSome();
  doc->DeleteSheet();
  expectNone("delete");
  holdSome();
  doc->ClearConst();
  expectNone("clearing the document");
}

}  // namespace
