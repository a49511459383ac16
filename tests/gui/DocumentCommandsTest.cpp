// The document and sheet commands of the main window: opening, saving and
// starting anew, stepping through sheets, inserting empty and copied sheets,
// deleting them, and the looks each sheet brings onto the canvas.
#include <gtest/gtest.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <wx/statusbr.h>

#include "WindowFixture.h"
#include "model/Lookup.h"
#include "interaction/MyCanvas.h"
#include "FileText.h"
#include "script/Script.h"

namespace {

namespace fs = std::filesystem;

// Sheet 0: the Cat looks, a segment AB and a text; sheet 1: the Star looks
// and one point; sheet 2 (in kThreeSheets): the Skeleton looks.
const std::string kSheet0 =
    "//Sheet 0;\r\nvoid SetPtMode(5,6,7,8,9);\nvoid SetLnMode(5,6,7,8,9);\nvoid SetBgMode(3);\n"
    "point A=Pt(-1.000,0.000);\npoint B=Pt(1.000,1.000);\nline a=Join(A,B);\n"
    "text t=Text(hello,100.000,100.000,18.000,0,0,0);\n";
const std::string kSheet1 =
    "//Sheet 1;\r\nvoid SetPtMode(10,11,12,13,14);\nvoid SetLnMode(10,11,12,13,14);\n"
    "void SetBgMode(4);\npoint C=Pt(0.000,0.000);\n";
const std::string kSheet2 =
    "//Sheet 2;\r\nvoid SetPtMode(15,15,15,15,15);\nvoid SetLnMode(15,15,15,15,15);\n"
    "void SetBgMode(5);\npoint D=Pt(0.500,0.500);\n";
const std::string kTwoSheets = kSheet0 + kSheet1;
const std::string kThreeSheets = kSheet0 + kSheet1 + kSheet2;

class DocumentCommandsTest : public WindowTest {
 protected:
  void SetUp() override { WindowTest::MakeWindow(wxPoint(50, 50), true); }

  // Open through the menu, the file chosen and the question answered.
  void OpenFile(const fs::path& p, GUser::Answer answer = GUser::kYes) {
    user->files.push_back(p.string());
    user->answers.push_back(answer);
    Command(kCmdOpen);
  }
  GConst* StepOn(int sheet, const char* name) {
    GConst* c = nullptr;
    FindNameFromCns(doc->Sheets().Slot(sheet).consts.head, name, &c);
    return c;
  }
  GPoint* PointOn(int sheet, const char* name) {
    GConst* c = StepOn(sheet, name);
    return c ? c->POutput : nullptr;
  }
  int Count(GText* t) {
    int n = 0;
    for (; t; t = t->next) ++n;
    return n;
  }

  // The drawing state shows these styles, loaded into its records.
  void ExpectLooks(const int (&styles)[5], int background) {
    for (int i = 0; i < kSlots; ++i) {
      EXPECT_EQ(canvas->m_Painter.m_Look.pointStyle[i], styles[i]) << "point slot " << i;
      EXPECT_EQ(canvas->m_Painter.m_Look.point[i].style, styles[i]) << "point record " << i;
      EXPECT_EQ(canvas->m_Painter.m_Look.lineStyle[i], styles[i]) << "line slot " << i;
      EXPECT_EQ(canvas->m_Painter.m_Look.line[i].style, styles[i]) << "line record " << i;
    }
    EXPECT_EQ(canvas->m_Painter.m_Look.background, background);
    EXPECT_EQ(canvas->m_Painter.m_Look.bg.number, background);
  }
  void ExpectRecorded(int sheet, const int (&styles)[5], int background) {
    const GSheet& s = doc->Sheets().Slot(sheet);
    for (int i = 0; i < kSlots; ++i) {
      EXPECT_EQ(s.pointStyles[i], styles[i]) << "sheet " << sheet << " point slot " << i;
      EXPECT_EQ(s.lineStyles[i], styles[i]) << "sheet " << sheet << " line slot " << i;
    }
    EXPECT_EQ(s.background, background) << "sheet " << sheet;
  }
};

const int kStandard[5] = {0, 1, 2, 3, 4};
const int kCat[5] = {5, 6, 7, 8, 9};
const int kStar[5] = {10, 11, 12, 13, 14};
const int kSkeleton[5] = {15, 15, 15, 15, 15};
const int kPastel[5] = {26, 27, 28, 29, 30};

TEST_F(DocumentCommandsTest, OpenShowsTheFirstSheetAndNextBringsTheSecondSheetsLooks) {
  const fs::path file = Write("two.fgf", kTwoSheets);
  OpenFile(file);
  EXPECT_EQ(doc->Sheets().Count(), 2);
  EXPECT_EQ(doc->Sheets().CurrentIndex(), 0);
  EXPECT_NE(PointOn(0, "A"), nullptr);
  EXPECT_NE(StepOn(0, "a"), nullptr);
  EXPECT_NE(PointOn(1, "C"), nullptr);
  EXPECT_EQ(Title(), "Figuretta - two.fgf");
  EXPECT_EQ(Status(), "Sheet 1");
  ExpectLooks(kCat, 3);
  EXPECT_FALSE(canvas->m_Painter.m_BgDrawn);

  Command(kCmdNextSheet);
  EXPECT_EQ(Status(), "Sheet 2");
  ExpectLooks(kStar, 4);
  // Stepping past either end changes nothing and still names the sheet.
  Command(kCmdNextSheet);
  EXPECT_EQ(doc->Sheets().CurrentIndex(), 1);
  EXPECT_EQ(Status(), "Sheet 2");
  ExpectLooks(kStar, 4);
  Command(kCmdPrevSheet);
  Command(kCmdPrevSheet);
  EXPECT_EQ(doc->Sheets().CurrentIndex(), 0);
  EXPECT_EQ(Status(), "Sheet 1");
  ExpectLooks(kCat, 3);

  // Answering No to the question keeps everything, the title included.
  const fs::path other = Write("other.fgf", "//Sheet 0;\r\npoint Z=Pt(0,0);");
  OpenFile(other, GUser::kNo);
  EXPECT_EQ(doc->Sheets().Count(), 2);
  EXPECT_NE(PointOn(0, "A"), nullptr);
  EXPECT_EQ(PointOn(0, "Z"), nullptr);
  EXPECT_EQ(Title(), "Figuretta - two.fgf");
  ExpectLooks(kCat, 3);
}

TEST_F(DocumentCommandsTest, SaveAddsTheExtensionAndWritesWhatOpensToTheSameText) {
  OpenFile(Write("two.fgf", kTwoSheets));
  Command(kCmdNextSheet);  // saving from the second sheet keeps each sheet's own looks
  const fs::path chosen = dir / "fig";
  user->files.push_back(chosen.string());
  Command(kCmdSave);
  const fs::path written = dir / "fig.fgf";
  ASSERT_TRUE(fs::exists(written));
  EXPECT_FALSE(fs::exists(chosen));
  EXPECT_EQ(Title(), "Figuretta - " + written.string());
  EXPECT_EQ(Status(), "Sheet 2");
  const std::string text = FileText(written);
  EXPECT_EQ(text, WriteScript(*doc));
  EXPECT_NE(text.find("void SetBgMode(3);"), std::string::npos);
  EXPECT_NE(text.find("void SetBgMode(4);"), std::string::npos);
  // The window's own size is recorded, so reading it back here scales nothing.
  EXPECT_NE(text.find(wxString::Format("void WindowSize(%d,%d);", canvas->m_Painter.m_Width,
                                       canvas->m_Painter.m_Height)
                          .utf8_string()),
            std::string::npos);

  OpenFile(written);
  EXPECT_EQ(WriteScript(*doc), text);
  ExpectLooks(kCat, 3);
}

TEST_F(DocumentCommandsTest, SaveIntoAMissingDirectoryReportsAndChangesNothing) {
  OpenFile(Write("two.fgf", kTwoSheets));
  const std::string before = WriteScript(*doc);
  user->messages.clear();
  user->files.push_back((dir / "no-such-dir" / "fig").string());
  Command(kCmdSave);
  ASSERT_EQ(user->messages.size(), 1u);
  EXPECT_EQ(user->messages[0].caption, "Save");
  EXPECT_EQ(Title(), "Figuretta - two.fgf");
  EXPECT_EQ(WriteScript(*doc), before);
  EXPECT_FALSE(fs::exists(dir / "no-such-dir"));
}

TEST_F(DocumentCommandsTest, NewAfterYesLeavesOneFreshSheetInTheCurrentTheme) {
  OpenFile(Write("two.fgf", kTwoSheets));
  Command(kCmdNextSheet);
  Command(kCmdNew);  // answered No
  EXPECT_EQ(doc->Sheets().Count(), 2);
  EXPECT_EQ(doc->Sheets().CurrentIndex(), 1);
  EXPECT_EQ(Title(), "Figuretta - two.fgf");
  ExpectLooks(kStar, 4);

  user->answers.push_back(GUser::kYes);
  Command(kCmdNew);
  EXPECT_EQ(doc->Sheets().Count(), 1);
  EXPECT_EQ(doc->Sheets().CurrentIndex(), 0);
  EXPECT_EQ(doc->Sheet().consts.head, nullptr);
  EXPECT_EQ(doc->Sheet().points.head, nullptr);
  EXPECT_EQ(Title(), "Figuretta - untitled");
  EXPECT_EQ(Status(), "Sheet 1");
  // What is shown is what a save records: the Standard theme, not the looks
  // of the sheet that was on screen nor those sheet 0 had before.
  ExpectLooks(kStandard, 0);
  ExpectRecorded(0, kStandard, 0);
}

TEST_F(DocumentCommandsTest, InsertSheetTakesTheThemeAndShiftsTheLaterSheet) {
  Command(ThemeNumber(THM_PASTEL));
  OpenFile(Write("three.fgf", kThreeSheets));
  Command(kCmdNextSheet);
  Command(kCmdInsertNew);
  EXPECT_EQ(doc->Sheets().Count(), 4);
  EXPECT_EQ(doc->Sheets().CurrentIndex(), 2);
  EXPECT_EQ(Status(), "Sheet 3");
  EXPECT_EQ(doc->Sheet().consts.head, nullptr);
  EXPECT_EQ(doc->Sheet().points.head, nullptr);
  ExpectLooks(kPastel, 8);
  ExpectRecorded(2, kPastel, 8);
  // The sheets around it keep their figures and looks.
  EXPECT_NE(PointOn(1, "C"), nullptr);
  ExpectRecorded(1, kStar, 4);
  EXPECT_NE(PointOn(3, "D"), nullptr);
  ExpectRecorded(3, kSkeleton, 5);
  EXPECT_EQ(doc->Sheets().Slot(3).number, 3);
  Command(kCmdNextSheet);
  EXPECT_EQ(Status(), "Sheet 4");
  ExpectLooks(kSkeleton, 5);
}

TEST_F(DocumentCommandsTest, CopiesAreIndependentAndTheTextlessOneHasNoTexts) {
  OpenFile(Write("two.fgf", kTwoSheets));
  GPoint* originalA = PointOn(0, "A");
  GLine* originalLine = StepOn(0, "a")->LOutput;
  const double lineA = originalLine->a.re, lineB = originalLine->b.re;

  Command(kCmdInsertCopyFigure);
  EXPECT_EQ(doc->Sheets().Count(), 3);
  EXPECT_EQ(doc->Sheets().CurrentIndex(), 1);
  EXPECT_EQ(Status(), "Sheet 2");
  EXPECT_EQ(Count(doc->Sheet().texts.head), 0);
  GPoint* copyA = PointOn(1, "A");
  ASSERT_NE(copyA, nullptr);
  ASSERT_NE(copyA, originalA);
  EXPECT_NE(StepOn(1, "a"), nullptr);
  ExpectLooks(kCat, 3);  // a copy keeps the looks of its sheet
  EXPECT_NE(PointOn(2, "C"), nullptr);

  // Drag A on the copy with the Move tool.
  canvas->m_Tool.SetStyle(kGModeTovik);
  canvas->m_Tool.SetMode(kModeMove);
  const GView v = canvas->View();
  wxPoint from(v.PixelX(-1), v.PixelY(0)), to(v.PixelX(0.5), v.PixelY(-1));
  canvas->LButtonDown(from);
  canvas->LButtonDrag(to);
  canvas->LButtonUp(to);
  EXPECT_NEAR(copyA->x.re, 0.5, 0.02);
  EXPECT_NEAR(copyA->y.re, -1, 0.02);
  EXPECT_EQ(originalA->x.re, -1);
  EXPECT_EQ(originalA->y.re, 0);
  EXPECT_EQ(originalLine->a.re, lineA);
  EXPECT_EQ(originalLine->b.re, lineB);

  Command(kCmdInsertCopyAll);
  EXPECT_EQ(doc->Sheets().Count(), 4);
  EXPECT_EQ(Status(), "Sheet 3");
  EXPECT_EQ(Count(doc->Sheet().texts.head), 0);  // copied from the textless copy
  Command(kCmdPrevSheet);
  Command(kCmdPrevSheet);
  Command(kCmdInsertCopyAll);
  EXPECT_EQ(Status(), "Sheet 2");
  EXPECT_EQ(Count(doc->Sheet().texts.head), 1);
}

TEST_F(DocumentCommandsTest, DeletingTheLastSheetShowsTheNewLastAndTheOnlyOneIsEmptied) {
  OpenFile(Write("three.fgf", kThreeSheets));
  Command(kCmdNextSheet);
  Command(kCmdNextSheet);
  Command(kCmdDeleteSheet);
  EXPECT_EQ(doc->Sheets().Count(), 2);
  EXPECT_EQ(doc->Sheets().CurrentIndex(), 1);
  EXPECT_NE(PointOn(1, "C"), nullptr);
  ExpectLooks(kStar, 4);

  Command(kCmdDeleteSheet);
  Command(kCmdDeleteSheet);
  EXPECT_EQ(doc->Sheets().Count(), 1);
  EXPECT_EQ(doc->Sheets().CurrentIndex(), 0);
  EXPECT_EQ(doc->Sheet().consts.head, nullptr);
  EXPECT_EQ(doc->Sheet().points.head, nullptr);
  int inUse = 0;
  for (const GPoint& p : doc->Store().Points()) inUse += p.inUse ? 1 : 0;
  EXPECT_EQ(inUse, 0);
  canvas->RenderToScreenPicture();
  EXPECT_EQ(Status(), "Sheet: 1/1");
}

// Each sheet is painted on its own background tile, and its figure on top.
TEST_F(DocumentCommandsTest, EachSheetIsPaintedOnItsOwnBackground) {
  OpenFile(Write("two.fgf", kTwoSheets));
  const GView v = canvas->View();
  const wxPoint blank(v.PixelX(3.5), v.PixelY(-2));  // nothing of the figure here
  const wxPoint pointA(v.PixelX(-1), v.PixelY(0));
  wxImage shown[2], tile[2];
  const int backgrounds[2] = {3, 4};
  for (int sheet = 0; sheet < 2; ++sheet) {
    canvas->RenderToScreenPicture();
    shown[sheet] = canvas->ScreenPicture().ConvertToImage();
    BGBmp own;
    own.LoadData(backgrounds[sheet]);
    tile[sheet] = ImageFromRaster(own.tile);
    EXPECT_EQ(Status(), wxString::Format("Sheet: %d/2", sheet + 1).utf8_string());
    Command(kCmdNextSheet);
  }
  for (int sheet = 0; sheet < 2; ++sheet) {
    SCOPED_TRACE(sheet);
    const wxImage& t = tile[sheet];
    const int tx = blank.x % t.GetWidth(), ty = blank.y % t.GetHeight();
    EXPECT_EQ(shown[sheet].GetRed(blank.x, blank.y), t.GetRed(tx, ty));
    EXPECT_EQ(shown[sheet].GetGreen(blank.x, blank.y), t.GetGreen(tx, ty));
    EXPECT_EQ(shown[sheet].GetBlue(blank.x, blank.y), t.GetBlue(tx, ty));
  }
  const auto differs = [&](wxPoint p) {
    return shown[0].GetRed(p.x, p.y) != shown[1].GetRed(p.x, p.y) ||
           shown[0].GetGreen(p.x, p.y) != shown[1].GetGreen(p.x, p.y) ||
           shown[0].GetBlue(p.x, p.y) != shown[1].GetBlue(p.x, p.y);
  };
  EXPECT_TRUE(differs(blank));
  // Point A stands on sheet 0 only: there the picture is not the tile.
  const wxImage& t0 = tile[0];
  const int ax = pointA.x % t0.GetWidth(), ay = pointA.y % t0.GetHeight();
  EXPECT_FALSE(shown[0].GetRed(pointA.x, pointA.y) == t0.GetRed(ax, ay) &&
               shown[0].GetGreen(pointA.x, pointA.y) == t0.GetGreen(ax, ay) &&
               shown[0].GetBlue(pointA.x, pointA.y) == t0.GetBlue(ax, ay));
}

// Every sheet of a file brings the theme and then its own header; a full
// document of 1000 alternating sheets opens whole with each sheet's looks.
// (Its speed is measured in the drawing benchmarks, not here.)
TEST_F(DocumentCommandsTest, AFileOfAThousandSheetsOpensWithEachSheetsLooks) {
  // Cat sheets without elements and Star sheets with one point, alternating
  // (the numbers in "//Sheet" lines are not read).
  const std::string cat = kSheet0.substr(0, kSheet0.find("point"));
  std::string text;
  for (int i = 0; i < kSheetPoolSize; ++i) text += i % 2 ? kSheet1 : cat;
  const fs::path file = Write("many.fgf", text);
  OpenFile(file);
  EXPECT_EQ(doc->Sheets().Count(), kSheetPoolSize);
  ExpectLooks(kCat, 3);
  for (int i = 0; i < 3; ++i) Command(kCmdNextSheet);
  ExpectLooks(kStar, 4);
}

// A picture of the whole window after opening a document, for a person to
// look at; written only when FIGURETTA_SCREENSHOT names a file.
TEST_F(DocumentCommandsTest, ScreenshotAfterOpening) {
  const char* out = std::getenv("FIGURETTA_SCREENSHOT");
  if (!out) GTEST_SKIP() << "set FIGURETTA_SCREENSHOT to a .png path";
  OpenFile(Write("two.fgf", kTwoSheets));
  canvas->Refresh(false);
  PumpEvents([] { return false; }, 300);
  frame->SetStatusText(wxString::Format("%s  (%s)", Status(), Title()), 1);
  PumpEvents([] { return false; }, 100);
  EXPECT_TRUE(SaveWindowPicture(frame, out));
}

// Point names have one colour for the document: the theme chosen sets it,
// and what is drawn is what is saved (a theme once changed only the drawn one).
TEST_F(DocumentCommandsTest, ThemeChoiceGivesNamesTheColourThatIsSaved) {
  Command(ThemeNumber(THM_STAR));
  GThemeData star;
  ASSERT_TRUE(ThemeData(THM_STAR, &star));
  EXPECT_EQ(doc->Defaults().NameColour().r, star.text.r);
  EXPECT_EQ(doc->Defaults().NameColour().g, star.text.g);
  EXPECT_EQ(doc->Defaults().NameColour().b, star.text.b);
  const std::string expected = "void SetPointTextColor(" + std::to_string(star.text.r) + "," +
                               std::to_string(star.text.g) + "," + std::to_string(star.text.b) +
                               ");";
  gesture->ConstFree(0.0, 0.0, false);
  EXPECT_NE(WriteScript(*doc).find(expected), std::string::npos) << WriteScript(*doc);
}

// A sheet key pressed while a mouse button holds a half-placed point waits:
// changing the sheet under the gesture would split its step from its point.
TEST_F(DocumentCommandsTest, SheetCommandsWaitWhileAButtonIsHeld) {
  OpenFile(Write("two.fgf", kTwoSheets));
  ASSERT_EQ(doc->Sheets().Count(), 2);
  canvas->m_Tool.HoldButton(true, true);
  Command(kCmdNextSheet);
  Command(kCmdInsertNew);
  Command(kCmdDeleteSheet);
  EXPECT_EQ(doc->Sheets().CurrentIndex(), 0);
  EXPECT_EQ(doc->Sheets().Count(), 2);
  canvas->m_Tool.HoldButton(true, false);
  Command(kCmdNextSheet);
  EXPECT_EQ(doc->Sheets().CurrentIndex(), 1);
}

// Yes to the quitting question saves the document before the window goes.
TEST_F(DocumentCommandsTest, YesOnQuittingSavesTheDocument) {
  OpenFile(Write("two.fgf", kTwoSheets));
  const fs::path target = dir / "kept.fgf";
  user->answers.push_back(GUser::kYes);
  user->files.push_back(target.string());
  const std::string expected = WriteScript(*doc);
  Command(kCmdExit);
  EXPECT_TRUE(wxTheApp->IsScheduledForDestruction(frame));
  frame = nullptr;  // destroyed by its close
  EXPECT_EQ(FileText(target), expected);
}

}  // namespace
