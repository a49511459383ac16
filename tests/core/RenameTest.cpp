// Renaming elements by hand: names that would break the saved file or repeat
// another element's name are refused with a message and the old name stays.
#include "BuildFixture.h"
#include "script/Script.h"

using Rename = BuildTest;

TEST_F(Rename, NamesHoldingLanguageBytesAreRefused) {
  GPoint* a = Pt(0, 0);
  for (const char* bad : {"P,Q", "P;", "x=1", "f(", "g)", "two words", "tab\there", "back\\"}) {
    user.messages.clear();
    EXPECT_FALSE(doc->RenameElement(a, bad)) << bad;
    EXPECT_EQ(a->name, "A");
    ASSERT_EQ(user.messages.size(), 1u) << bad;
    EXPECT_EQ(user.messages[0].caption, "Rename");
  }
  EXPECT_FALSE(doc->RenameElement(a, "   "));
  EXPECT_EQ(a->name, "A");
}

TEST_F(Rename, NamesOfOtherElementsEvenUndoneOnesAreRefused) {
  GPoint* a = Pt(0, 0);
  GPoint* b = Pt(1, 0);
  Select(a, b);
  gesture.ConstDefLine();
  EXPECT_FALSE(doc->RenameElement(a, "B"));
  EXPECT_FALSE(doc->RenameElement(a, "a"));  // the line
  EXPECT_NE(user.messages.back().text.find("already used"), std::string::npos);
  // A step taken back by undo still owns its name: redo would bring it back.
  GConst* join = Last();
  doc->Sheet().consts.Unlink(join);
  doc->PushConst(join);
  tornByHand = true;  // undone without hiding its line
  EXPECT_FALSE(doc->RenameElement(a, "a"));
  EXPECT_EQ(a->name, "A");
}

TEST_F(Rename, AcceptedNameIsTrimmedAndNeverHandedOutAgain) {
  GPoint* a = Pt(0, 0);
  GPoint* b = Pt(1, 0);
  user.messages.clear();
  EXPECT_TRUE(doc->RenameElement(a, " C\n"));
  EXPECT_EQ(a->name, "C");
  EXPECT_TRUE(user.messages.empty());
  EXPECT_TRUE(doc->RenameElement(b, "b"));  // the next line's name
  EXPECT_TRUE(doc->RenameElement(a, std::string("Ä1")));
  EXPECT_TRUE(doc->RenameElement(a, "C"));
  EXPECT_EQ(Pt(2, 0)->name, "D");
  Select(a, b);
  gesture.ConstDefLine();
  EXPECT_EQ(Last()->LOutput->name, "a");
  Select(b, doc->Sheet().points.head->next->next);
  gesture.ConstDefLine();
  EXPECT_EQ(Last()->LOutput->name, "c");
}

TEST_F(Rename, PointNameEditSetsSizeWithinRangeEvenWhenTheNameIsRefused) {
  GPoint* a = Pt(0, 0);
  Pt(1, 0);
  EXPECT_TRUE(doc->EditPointName(a, "P", 100, 10, 20, 30));
  EXPECT_EQ(a->nameFontSize, 100);
  EXPECT_EQ(doc->Defaults().NameColour().g, 20);
  EXPECT_FALSE(doc->EditPointName(a, "B", 4, 0, 0, 0));
  EXPECT_EQ(a->name, "P");
  EXPECT_EQ(a->nameFontSize, 14);
  EXPECT_EQ(doc->Defaults().NameFontSize(), 14);
}

TEST_F(Rename, RenamedFigureReadsBackFromItsScript) {
  GPoint* a = Pt(0, 0);
  GPoint* b = Pt(1, 0);
  Select(a, b);
  gesture.ConstDefLine();
  ASSERT_TRUE(doc->RenameElement(a, "P1"));
  EXPECT_FALSE(doc->RenameElement(b, "Q;R"));
  EXPECT_FALSE(doc->RenameElement(b, "a b"));
  const std::string written = WriteSheetScript(*doc, doc->Sheets().CurrentIndex());
  user.messages.clear();
  EXPECT_TRUE(ReadScript(*doc, written));
  EXPECT_TRUE(user.messages.empty());
  GConst* join = Last();
  ASSERT_EQ(join->type, CONST_JOIN);
  EXPECT_EQ(join->PInput1->name, "P1");
  EXPECT_EQ(join->PInput2->name, "B");
}
