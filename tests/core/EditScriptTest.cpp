// Editing a sheet as script text: the shown text, rebuilding the current sheet
// from edited text (figure replaced, errors, other sheets untouched, looks
// from the header lines), and stepping or inserting after a faulty edit.
#include "ReaderFixture.h"
#include "script/Script.h"

namespace {

int InUse(const GPool<GPoint, kPoolSize>& pool) {
  int n = 0;
  for (const GPoint& p : pool) n += p.inUse ? 1 : 0;
  return n;
}

// Three sheets, each with a figure of its own.
const char* kThreeSheets =
    "//Sheet 0;\npoint A=Pt(0,0);point B=Pt(1,0);line a=Join(A,B);\n"
    "//Sheet 1;\npoint P=Pt(0,1);point Q=Pt(1,1);circle C1=Circle(P,Q);\n"
    "//Sheet 2;\npoint X=Pt(2,2);\n";

class EditScript : public ReaderTest {
 protected:
  void GoTo(int sheet) {
    doc->Sheets().SetCurrent(sheet);
    doc->MoveSheet(false);
  }
  std::string WrittenSheet(int sheet) {
    const int keep = doc->Sheets().CurrentIndex();
    GoTo(sheet);
    std::string s = Written();
    GoTo(keep);
    return s;
  }
};

TEST_F(EditScript, ApplyingReplacesTheFigureAndGivesBackWhatTheOldOneUsed) {
  ASSERT_TRUE(Read("point A=Pt(0,0);point B=Pt(1,0);line a=Join(A,B);circle C1=Circle(A,B);"));
  EXPECT_TRUE(ApplySheetScript(*doc, "point P=Pt(3,4);\npoint Q=Pt(5,6);\nline b=Join(P,Q);\n"));
  EXPECT_EQ(P("A"), nullptr);
  EXPECT_EQ(C("C1"), nullptr);
  ASSERT_NE(P("P"), nullptr);
  EXPECT_DOUBLE_EQ(P("P")->x.re, 3);
  ASSERT_NE(L("b"), nullptr);
  EXPECT_TRUE(OnLine(L("b"), P("Q")));
  EXPECT_EQ(StepCount(0), 3);
  EXPECT_EQ(StepsInUse(), 3);
  EXPECT_EQ(InUse(doc->Store().Points()), 2);
  EXPECT_TRUE(user.messages.empty());
  // The old figure's names are free again for the next new point.
  EXPECT_EQ(doc->Naming().Next(GNameKind::kPoint), "A");

  // Applying again and again does not use the pools up.
  for (int i = 0; i < 2 * kPoolSize; ++i) ApplySheetScript(*doc, "point P=Pt(3,4);");
  EXPECT_EQ(StepsInUse(), 1);
  EXPECT_EQ(InUse(doc->Store().Points()), 1);
}

TEST_F(EditScript, TheShownTextAppliedUnchangedRebuildsTheSameSheet) {
  ASSERT_TRUE(
      Read("point A=Pt(0,0);point B=Pt(2,0);point C=Pt(0,2);line a=Join(A,B);"
           "circle C1=Circle(A,C);point M=Mid(B,C);line p=Perp(a,C);point D=Meet(a,p);"
           "text T=Text(two\\nlines,1,2,20);"));
  const std::string shown = SheetScriptText(*doc);
  const std::string before = Written();
  EXPECT_EQ(shown, before);
  EXPECT_TRUE(ApplySheetScript(*doc, shown));
  EXPECT_EQ(Written(), before);
  ASSERT_NE(P("D"), nullptr);
  EXPECT_NEAR(P("D")->x.re, 0, 1e-9);  // the foot of the perpendicular from C
}

TEST_F(EditScript, AnErrorInTheThirdStatementKeepsTheFirstTwo) {
  ASSERT_TRUE(Read("point Z=Pt(9,9);"));
  EXPECT_FALSE(ApplySheetScript(*doc,
                                "point A=Pt(0,0);\npoint B=Pt(1,0);\nline a=Join(A,A);\n"
                                "point C=Pt(2,2);\n"));
  ASSERT_EQ(user.messages.size(), 1u);
  EXPECT_EQ(LastMessage(), "line 3 : Join : syntax error");
  EXPECT_EQ(LastCaption(), "Syntax error");
  EXPECT_NE(P("A"), nullptr);
  EXPECT_NE(P("B"), nullptr);
  EXPECT_EQ(L("a"), nullptr);
  EXPECT_EQ(P("C"), nullptr);
  EXPECT_EQ(P("Z"), nullptr);
  EXPECT_EQ(StepCount(0), 2);
  EXPECT_EQ(doc->Naming().Next(GNameKind::kPoint), "C");  // names go on after the kept points
}

TEST_F(EditScript, ApplyingToTheMiddleSheetLeavesTheOthersAsTheyWere) {
  ASSERT_TRUE(Read(kThreeSheets));
  ASSERT_EQ(doc->Sheets().Count(), 3);
  const std::string first = WrittenSheet(0), third = WrittenSheet(2);
  GoTo(1);
  EXPECT_TRUE(ApplySheetScript(*doc, "point R=Pt(5,5);"));
  EXPECT_EQ(doc->Sheets().Count(), 3);
  EXPECT_EQ(doc->Sheets().CurrentIndex(), 1);
  EXPECT_EQ(StepCount(1), 1);
  EXPECT_EQ(WrittenSheet(0), first);
  EXPECT_EQ(WrittenSheet(2), third);
  // Names belong to their sheet: the middle one may use A as well.
  EXPECT_TRUE(ApplySheetScript(*doc, "point A=Pt(5,5);"));
  EXPECT_EQ(WrittenSheet(0), first);
}

TEST_F(EditScript, HeaderLinesGiveTheSheetItsLooks) {
  doc->SetHooks(&hooks);
  ASSERT_TRUE(Read(kThreeSheets));
  GoTo(1);
  hooks = CountingHooks();
  EXPECT_TRUE(ApplySheetScript(
      *doc,
      "void SetPtMode(1,2,3,4,0);\nvoid SetLnMode(4,3,2,1,0);\nvoid SetBgMode(5);\n"
      "void SetPointTextColor(10,20,30);\nvoid WindowSize(950,550);\npoint A=Pt(0,0);\n"));
  EXPECT_EQ(hooks.freshSwitches, 1);  // the sheet was started afresh first
  EXPECT_EQ(hooks.appearance, 5);
  const GSheet& s = doc->Sheets().Slot(1);
  EXPECT_EQ(s.pointStyles[0], 1);
  EXPECT_EQ(s.pointStyles[3], 4);
  EXPECT_EQ(s.lineStyles[0], 4);
  EXPECT_EQ(s.background, 5);
  EXPECT_EQ(doc->Defaults().NameColour().r, 10);
  EXPECT_EQ(doc->Defaults().NameColour().b, 30);
  EXPECT_EQ(doc->Sheets().Slot(0).background, 0);
  EXPECT_EQ(doc->Sheets().Slot(2).pointStyles[0], 0);
  // The same window size as the document's: nothing is rescaled.
  EXPECT_DOUBLE_EQ(doc->Viewport().Scale(), 0.01);
  doc->SetHooks(nullptr);
}

TEST_F(EditScript, BytesThatAreNotUtf8ShowAsReplacementsNotAsNothing) {
  const std::string bad = "\xEF\xBF\xBD";  // U+FFFD
  EXPECT_EQ(ScriptBytesToText("plain;\n"), "plain;\n");
  EXPECT_EQ(ScriptBytesToText("\xC3\xA9\xE2\x82\xAC\xF0\x9D\x84\x9E"),
            "\xC3\xA9\xE2\x82\xAC\xF0\x9D\x84\x9E");
  EXPECT_EQ(ScriptBytesToText("H\xF6he"), "H" + bad + "he");                // a Latin-1 letter
  EXPECT_EQ(ScriptBytesToText("\xC0\x80x"), bad + bad + "x");               // overlong NUL
  EXPECT_EQ(ScriptBytesToText("\xED\xA0\x80"), bad + bad + bad);            // a surrogate
  EXPECT_EQ(ScriptBytesToText("\xF4\x90\x80\x80"), bad + bad + bad + bad);  // beyond U+10FFFF
  EXPECT_EQ(ScriptBytesToText("ok\xE2\x82"), "ok" + bad + bad);             // cut off at the end
  EXPECT_EQ(ScriptBytesToText("\xFF\xC3\xA9"), bad + "\xC3\xA9");           // resumes at once

  // A sheet whose text holds such bytes is shown whole, and applying what is
  // shown keeps its figure.
  ASSERT_TRUE(Read("point A=Pt(1,2);text T=Text(H\xF6he,1,2,20);point B=Pt(3,4);"));
  const std::string shown = SheetScriptText(*doc);
  EXPECT_NE(shown.find("point A=Pt(1.000,2.000"), std::string::npos) << shown;
  EXPECT_NE(shown.find("H" + bad + "he"), std::string::npos);
  EXPECT_TRUE(ApplySheetScript(*doc, shown));
  EXPECT_NE(P("A"), nullptr);
  EXPECT_NE(P("B"), nullptr);
  ASSERT_NE(doc->Sheet().texts.head, nullptr);
  EXPECT_EQ(doc->Sheet().texts.head->text, "H\xEF\xBF\xBDhe");
}

// What the editor's buttons do beyond the dialog's own tests: an error keeps
// the editor on its sheet, and Insert after the middle sheet.
TEST_F(EditScript, StepsAndInsertsOnlyAfterTheTextWasTakenIn) {
  ASSERT_TRUE(Read(kThreeSheets));
  const std::string third = WrittenSheet(2);
  GoTo(1);
  EXPECT_FALSE(StepEditedSheet(*doc, -1, "point N=Pt(0,0);line n=Join(N,N);"));
  EXPECT_FALSE(InsertAfterEditedSheet(*doc, "point N=Pt(0,0);line n=Join(N,N);"));
  EXPECT_EQ(doc->Sheets().CurrentIndex(), 1);
  EXPECT_EQ(doc->Sheets().Count(), 3);
  EXPECT_EQ(StepCount(1), 1);  // the statement before the error

  EXPECT_TRUE(InsertAfterEditedSheet(*doc, "point N=Pt(0,0);point M=Pt(1,0);"));
  EXPECT_EQ(doc->Sheets().Count(), 4);
  EXPECT_EQ(doc->Sheets().CurrentIndex(), 2);
  EXPECT_EQ(doc->FirstConst(), nullptr);
  EXPECT_EQ(StepCount(1), 2);
  EXPECT_EQ(WrittenSheet(3), third);
}

}  // namespace
