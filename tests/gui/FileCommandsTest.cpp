// The File menu as a person meets it: the questions New, Open and "Save data"
// ask, the file choosers, the window's title and the lines for the day's log;
// and a file that does not open, from the menu or named at start, which says
// so once and changes nothing.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "FileText.h"
#include "WindowFixture.h"
#include "interaction/MyCanvas.h"
#include "model/Invariants.h"
#include "model/Lookup.h"
#include "model/Utf8Text.h"
#include "script/Script.h"

namespace {

namespace fs = std::filesystem;

const std::string kTwoSheets = "//Sheet 0;\r\npoint A=Pt(1,2);//Sheet 1;\r\npoint B=Pt(3,4);";

class FileCommandsTest : public WindowTest {
 protected:
  GPoint* Point(const char* name) {
    GConst* c = nullptr;
    FindNameFromCns(doc->FirstConst(), name, &c);
    return c ? c->POutput : nullptr;
  }
  int StepsInUse() {
    int n = 0;
    for (const GConst& c : doc->Store().Steps()) n += c.inUse ? 1 : 0;
    return n;
  }
};

TEST_F(FileCommandsTest, SaveWritesTheChosenFileTitlesTheWindowAndLogs) {
  user->log.clear();  // what the window logged as it was made
  Command(kCmdSave);  // the person cancels: nothing happens
  EXPECT_EQ(FilesIn(dir), 0);
  EXPECT_TRUE(user->log.empty());
  EXPECT_EQ(Title(), "Figuretta - untitled.fgf");

  gesture->ConstFree(1, 2, false);
  const fs::path bare = dir / "fig";
  user->log.clear();
  user->files.push_back(bare.string());
  Command(kCmdSave);
  EXPECT_FALSE(fs::exists(bare));
  EXPECT_EQ(FileText(dir / "fig.fgf"), WriteScript(*doc));
  EXPECT_EQ(Title(), "Figuretta - " + (dir / "fig.fgf").string());
  ASSERT_EQ(user->log.size(), 3u);
  EXPECT_EQ(user->log.front(), "OnSave: start\n");
  EXPECT_EQ(user->log[1], WriteScript(*doc).substr(12));  // the sheet's block
  EXPECT_EQ(user->log.back(), "OnSave: end\n");
}

// A directory stands where the file would go (the rename fails even for
// root): the person is told, and the window keeps the title it had.
TEST_F(FileCommandsTest, SaveThatFailsKeepsTheTitle) {
  fs::create_directory(dir / "taken.fgf");
  user->files.push_back((dir / "taken.fgf").string());
  Command(kCmdSave);
  ASSERT_EQ(user->messages.size(), 1u);
  EXPECT_EQ(user->messages[0].caption, "Save");
  EXPECT_NE(user->messages[0].text.find("taken.fgf"), std::string::npos);
  EXPECT_EQ(Title(), "Figuretta - untitled.fgf");
}

// "Save data" asks first; No writes nothing, Yes and a name write the file.
TEST_F(FileCommandsTest, SaveDataAsksBeforeChoosingTheFile) {
  ASSERT_TRUE(ReadScript(*doc, "point A=Pt(1.000,2.000);\n"));
  doc->Sethilighted(Point("A"));
  user->answers = {GUser::kNo};
  user->files = {(dir / "no").string()};
  Command(kCmdSaveCsv);
  EXPECT_NE(access((dir / "no.csv").c_str(), F_OK), 0);
  ASSERT_EQ(user->messages.size(), 1u);
  EXPECT_EQ(user->messages[0].caption, "Are you sure?");
  EXPECT_EQ(user->messages[0].text,
            "Are you sure to save data of hilighted elements\n into a CSV (EXCEL) file.");
  user->answers = {GUser::kYes};
  Command(kCmdSaveCsv);
  EXPECT_EQ(FileText(dir / "no.csv"), " ,point A \n ,x,y\n ,1.000000,2.000000\n");
}

// With nothing hilighted there is nothing to save: it is said, nothing is
// asked and no file is written.
TEST_F(FileCommandsTest, SaveDataWithNothingChosenSaysSoAndWritesNothing) {
  ASSERT_TRUE(ReadScript(*doc, "point A=Pt(1.000,2.000);\n"));
  doc->ClearAllHilights();
  user->answers = {GUser::kYes};
  user->files = {(dir / "empty.csv").string()};
  Command(kCmdSaveCsv);
  ASSERT_EQ(user->messages.size(), 1u);
  EXPECT_EQ(user->messages[0].caption, "Save data");
  EXPECT_EQ(FilesIn(dir), 0);
  EXPECT_EQ(user->files.size(), 1u) << "no chooser was shown";
}

// The export choosers propose the document's own name, untitled before a save;
// after a save the title holds the whole path, and the proposal is the name
// alone (a chooser given a path as its file name refuses it).
TEST_F(FileCommandsTest, ExportsProposeTheDocumentsName) {
  ASSERT_TRUE(ReadScript(*doc, "point A=Pt(1.000,2.000);\n"));
  doc->Sethilighted(Point("A"));
  const int exports[] = {kCmdSaveBmp, kCmdExportPdf, kCmdSaveCsv};
  for (const char* title : {"Figuretta - untitled.fgf", "Figuretta - triangle.fgf",
                            "Figuretta - /home/ann/lessons/triangle.fgf"}) {
    frame->SetTitle(title);
    user->proposals.clear();
    for (int command : exports) {
      user->answers = {GUser::kYes};
      Command(command);  // the chooser is cancelled
    }
    const std::string stem =
        std::string(title).find("triangle") != std::string::npos ? "triangle" : "untitled";
    const std::vector<std::string> expected = {stem + ".bmp", stem + ".pdf", stem + ".csv"};
    EXPECT_EQ(user->proposals, expected);
  }
}

TEST_F(FileCommandsTest, NewLeavesOneEmptySheetAfterConfirmation) {
  ASSERT_TRUE(ReadScript(*doc, kTwoSheets));
  Command(kCmdNew);  // answered No
  EXPECT_EQ(doc->Sheets().Count(), 2);
  EXPECT_EQ(Title(), "Figuretta - untitled.fgf");
  user->answers.push_back(GUser::kYes);
  Command(kCmdNew);
  EXPECT_EQ(doc->Sheets().Count(), 1);
  EXPECT_EQ(doc->Sheets().CurrentIndex(), 0);
  EXPECT_EQ(StepsInUse(), 0);
  EXPECT_EQ(doc->Sheet().points.head, nullptr);
  EXPECT_EQ(Title(), "Figuretta - untitled");
  EXPECT_EQ(user->log.back(), "OnNew:\n");
}

TEST_F(FileCommandsTest, OpenReplacesTheDocumentAfterConfirmation) {
  const fs::path file = Write("two.fgf", kTwoSheets);
  ASSERT_TRUE(ReadScript(*doc, "point Z=Pt(0,0);"));
  user->files.push_back(file.string());
  user->answers.push_back(GUser::kNo);
  Command(kCmdOpen);
  EXPECT_NE(Point("Z"), nullptr);
  EXPECT_EQ(Title(), "Figuretta - untitled.fgf");

  user->files.push_back(file.string());
  user->answers.push_back(GUser::kYes);
  Command(kCmdOpen);
  EXPECT_EQ(doc->Sheets().Count(), 2);
  EXPECT_NE(Point("A"), nullptr);
  EXPECT_EQ(Title(), "Figuretta - two.fgf");
  EXPECT_EQ(user->log.back(), "OnOpen: end\n");
}

// What a file that does not open must leave as it was, the window's looks
// and view included, in one line.
std::string Shown(MyFrame& f) {
  GDocument& d = *f.m_Canvas->m_Doc;
  return StrFormat("sheets %d, on %d, redo %d, lit %d+%d, background %d, view %g %g\n",
                   d.Sheets().Count(), d.Sheets().CurrentIndex(), static_cast<int>(d.Actions().RedoCount()),
                   d.Selection().Points().Count(), d.Selection().Lines().Count(),
                   f.m_Canvas->m_Painter.m_Look.background, d.Viewport().Scale(),
                   d.Viewport().XMin()) +
         WriteScript(d);
}

// Each file from the menu (answered Yes, into a document of two sheets with
// a step to redo, a hilight and a zoom) and named at start (into the empty
// document a window starts with): one message, the document as it was, and
// a title that is not the file's name.
TEST_F(FileCommandsTest, AFileThatDoesNotOpenChangesNothingFromEitherRoad) {
  const struct {
    const char* label;
    std::string path;
    std::string why;  // empty: the file is no figure
    bool read;        // the statements were to be read: the menu's question was asked
  } cases[] = {
      // One file of each kind of refusal; the reasons themselves are the open
      // road's own tests.
      {"missing", (dir / "none.fgf").string(), "No such file or directory", false},
      {"a letter", Write("letter.fgf", "Dear teacher,\nhere is our triangle.\n").string(), "",
       false},
      {"an error after looks and a zoom",
       Write("looks.fgf",
             "//Sheet 0;\r\nvoid SetBgMode(3);\npoint A=Pt(1,2);\nvoid ZoomIn();\n"
             "//Sheet 1;\r\nfrob b=Pt(1,1);\n")
           .string(),
       "line 6 : invalid type", true},
  };

  user->files.push_back(Write("two.fgf", kTwoSheets).string());
  user->answers.push_back(GUser::kYes);
  Command(kCmdOpen);
  Command(kCmdNextSheet);
  Command(kModeZoomIn);
  gesture->ConstFree(0.5, 0.5, false);
  Command(kCmdUndo);
  doc->Sethilighted(Point("B"));
  ASSERT_EQ(doc->Actions().RedoCount(), 1u);
  ASSERT_EQ(Title(), "Figuretta - two.fgf");

  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    const std::string message = c.why.empty() ? "The file " + c.path +
                                                    " is not a Figuretta figure.\n"
                                                    "The document was not changed."
                                              : "The file " + c.path + " could not be opened (" +
                                                    c.why + ").\nThe document was not changed.";
    {
      SCOPED_TRACE("from the menu");
      const std::string before = Shown(*frame), title = Title();
      user->messages.clear();
      user->answers = {GUser::kYes};
      user->files = {c.path};
      Command(kCmdOpen);
      ASSERT_EQ(user->messages.size(), c.read ? 2u : 1u) << "the question, then the one message";
      EXPECT_EQ(user->answers.empty(), c.read) << "asked only about a file that was read";
      EXPECT_EQ(user->messages.back().caption, "Open");
      EXPECT_EQ(user->messages.back().text, message);
      EXPECT_EQ(Shown(*frame), before);
      EXPECT_EQ(Title(), title);
      EXPECT_EQ(user->log.back(), "OnOpen: failed\n");
    }
    {
      SCOPED_TRACE("named at start");
      RecordingUser* own = LastingUser();
      auto* start =
          new MyFrame(wxT("Figuretta - untitled.fgf"), wxPoint(50, 50), wxSize(950, 700), own);
      const std::string before = Shown(*start);
      start->OpenAtStart(wxString::FromUTF8(c.path));
      ASSERT_EQ(own->messages.size(), 1u);
      EXPECT_EQ(own->messages[0].caption, "Open");
      EXPECT_EQ(own->messages[0].text, message);
      EXPECT_EQ(Shown(*start), before);
      EXPECT_EQ(start->GetTitle(), "Figuretta - untitled");
      EXPECT_EQ(InvariantReport(*start->m_Canvas->m_Doc, &start->m_Canvas->Gesture()), "");
      start->Destroy();
      PumpEvents([] { return false; }, 0);
    }
  }
}

}  // namespace
