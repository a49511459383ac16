// The main window's recovery copy: it follows the document's changes, goes
// with a save or a clean exit and stays when a wanted save did not happen; a
// left copy is offered in one question and comes back unsaved, a damaged one
// is put aside; and exports that meet a disk fault leave the old file whole.
#include <optional>

#include "gui/WindowFixture.h"
#include "FileText.h"
#include "script/Recovery.h"
#include "script/SafeFile.h"
#include "script/Script.h"

namespace {

namespace fs = std::filesystem;

const char kFigure[] =
    "//Sheet 0;\r\npoint A=Pt(-1.000,0.000);\npoint B=Pt(1.000,0.000);\nline a=Join(A,B);\n";

class RecoveryGuiTest : public WindowTest {
 protected:
  void TearDown() override {
    SetFileFault(GFileFault::kNone);
    WindowTest::TearDown();
    // Copies a test left for a later start, or put aside.
    for (auto& e : fs::directory_iterator(TestFilesDir()))
      if (e.path().filename().string().rfind("recovery-", 0) == 0) fs::remove(e.path());
  }
  // Lets the repaint tick write whatever is pending.
  void Tick() { frame->RecoveryTick(MyFrame::RecoveryClock() + 10000); }
  fs::path Left(const std::string& name, const std::string& text) {
    const fs::path p = fs::path(TestFilesDir()) / name;
    std::ofstream(p, std::ios::binary) << text;
    return p;
  }
  std::string Script() { return WriteScript(*doc); }
};

// Opened, changed, saved: the copy names the document, holds the change, is
// said when the disk refuses it, and goes with the save.
TEST_F(RecoveryGuiTest, TheCopyFollowsTheDocumentUntilItIsSaved) {
  const fs::path file = Write("tri.fgf", kFigure);
  ASSERT_TRUE(frame->OpenFile(file.string(), false));
  Tick();
  EXPECT_EQ(frame->m_Recovery->CopyPath(), "") << "nothing unsaved yet";
  Command(kCmdUndo);  // the menu command tells the keeper
  Tick();
  const std::string copy = frame->m_Recovery->CopyPath();
  ASSERT_NE(copy, "");
  std::string origin, script;
  ASSERT_TRUE(ParseRecoveryText(FileText(copy), origin, script));
  EXPECT_EQ(origin, file.string());
  EXPECT_EQ(script, Script());
  // A copy the disk refuses is said once, and the older copy stays.
  SetFileFault(GFileFault::kDiskFull);
  Command(kCmdUndo);
  Tick();
  ASSERT_EQ(user->messages.size(), 1u);
  EXPECT_EQ(user->messages[0].caption, "Safety copy");
  EXPECT_EQ(FileText(copy), RecoveryText(file.string(), script));
  user->files = {file.string()};
  Command(kCmdSave);
  EXPECT_FALSE(fs::exists(copy));
  EXPECT_EQ(frame->m_Recovery->CopyPath(), "");
}

// Quitting: No and a save that went through leave nothing; a save that was
// wanted but cancelled or refused by the disk keeps the copy for next time.
TEST_F(RecoveryGuiTest, QuittingKeepsTheCopyOnlyWhenTheWantedSaveDidNotHappen) {
  const struct {
    const char* what;
    GUser::Answer answer;
    bool chooseFile;
    GFileFault fault;
    bool kept;
  } cases[] = {
      {"No", GUser::kNo, false, GFileFault::kNone, false},
      {"Yes, saved", GUser::kYes, true, GFileFault::kNone, false},
      {"Yes, chooser cancelled", GUser::kYes, false, GFileFault::kNone, true},
      {"Yes, disk full", GUser::kYes, true, GFileFault::kDiskFull, true},
  };
  for (const auto& c : cases) {
    RecordingUser* u = LastingUser();
    auto* f = new MyFrame(wxT("Figuretta - untitled.fgf"), wxPoint(50, 50), wxSize(950, 700), u);
    ASSERT_TRUE(ReadScript(*f->m_Canvas->m_Doc, kFigure));
    f->RecoveryTouched();
    f->RecoveryTick(MyFrame::RecoveryClock() + 10000);
    ASSERT_NE(f->m_Recovery->CopyPath(), "") << c.what;
    u->answers = {c.answer};
    if (c.chooseFile) u->files = {(dir / "quit.fgf").string()};
    SetFileFault(c.fault);
    f->Close(true);
    SetFileFault(GFileFault::kNone);
    std::optional<GLeftCopy> left = TakeLeftCopy(TestFilesDir());
    EXPECT_EQ(left.has_value(), c.kept) << c.what;
    if (left) {
      EXPECT_EQ(left->script, WriteScript(*f->m_Canvas->m_Doc)) << c.what;
      left->Discard();
    }
    PumpEvents([] { return false; }, 0);
  }
}

// Yes brings a left copy back under its document's name, still unsaved, and
// the window's own copy takes its place; No leaves it for a later start.
TEST_F(RecoveryGuiTest, ALeftCopyIsOfferedInOneQuestionAndComesBackUnsaved) {
  const struct {
    std::string origin;
    GUser::Answer answer;
    const char* question;
    const char* title;
  } cases[] = {
      {"/home/ann/tri.fgf", GUser::kYes,
       "Figuretta stopped before your figure \"tri.fgf\" was saved.\nDo you want to get it back?",
       "Figuretta - tri.fgf (not saved)"},
      {"", GUser::kYes,
       "Figuretta stopped before your new figure was saved.\nDo you want to get it back?",
       "Figuretta - untitled (not saved)"},
      {"/home/ann/tri.fgf", GUser::kNo,
       "Figuretta stopped before your figure \"tri.fgf\" was saved.\nDo you want to get it back?",
       "Figuretta - untitled.fgf"},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(ReadScript(*doc, "//Sheet 0;\r\n"));
    frame->SetTitle("Figuretta - untitled.fgf");
    const fs::path left = Left("recovery-1-left.fgf", RecoveryText(c.origin, kFigure));
    user->messages.clear();
    user->answers = {c.answer};
    EXPECT_EQ(frame->OfferRecovery(), c.answer == GUser::kYes);
    ASSERT_EQ(user->messages.size(), 1u) << c.origin;
    EXPECT_EQ(user->messages[0].caption, "Get your figure back");
    EXPECT_EQ(user->messages[0].text, c.question);
    EXPECT_EQ(Title(), c.title);
    if (c.answer == GUser::kNo) {
      EXPECT_TRUE(fs::exists(left)) << "kept for later";
      EXPECT_EQ(Script(), "//Sheet 0;\r\n");
      continue;
    }
    EXPECT_NE(Script().find("\nline a=Join(A,B);\n"), std::string::npos);
    EXPECT_TRUE(fs::exists(left)) << "until the window's own copy is written";
    Tick();
    EXPECT_FALSE(fs::exists(left));
    std::string origin, script;
    ASSERT_TRUE(ParseRecoveryText(FileText(frame->m_Recovery->CopyPath()), origin, script));
    EXPECT_EQ(origin, c.origin);
    EXPECT_EQ(script, Script());
    EXPECT_EQ(frame->DocumentStem(), c.origin.empty() ? "untitled" : "tri");
  }
}

// A copy cut short, or whole but not a figure that reads, is said to be
// damaged and put aside; the document stays as it was.
TEST_F(RecoveryGuiTest, ADamagedCopyIsRefusedAndPutAside) {
  const std::string whole = RecoveryText("/home/ann/tri.fgf", kFigure);
  const struct {
    const char* what;
    std::string text;
    bool asked;
  } cases[] = {
      {"cut short", whole.substr(0, whole.size() - 9), false},
      {"no figure", RecoveryText("", "//Sheet 0;\r\npoint A=Nonsense(1,2);\n"), true},
  };
  for (const auto& c : cases) {
    const fs::path left = Left("recovery-2-bad.fgf", c.text);
    user->messages.clear();
    user->answers = {GUser::kYes};
    EXPECT_FALSE(frame->OfferRecovery()) << c.what;
    ASSERT_EQ(user->messages.size(), c.asked ? 2u : 1u) << c.what;
    EXPECT_NE(user->messages.back().text.find("damaged"), std::string::npos) << c.what;
    EXPECT_FALSE(fs::exists(left)) << c.what;
    EXPECT_TRUE(fs::exists(left.string() + ".damaged")) << c.what;
    EXPECT_EQ(Script(), "//Sheet 0;\r\n") << c.what;
    EXPECT_EQ(Title(), "Figuretta - untitled.fgf") << c.what;
  }
}

// Pictures and pages that meet a full, gone or read-only disk: said so, the
// old file byte for byte as it was.
TEST_F(RecoveryGuiTest, ExportsThatMeetADiskFaultLeaveTheOldFileWhole) {
  ASSERT_TRUE(ReadScript(*doc, kFigure));
  const char* names[] = {"fig.bmp", "fig.png", "fig.svg", "fig.pdf"};
  for (GFileFault fault : {GFileFault::kDiskFull, GFileFault::kFolderGone, GFileFault::kReadOnly}) {
    for (const char* name : names) {
      const std::string tag = std::string(name) + " fault " + std::to_string(int(fault));
      const fs::path target = Write(name, "the old picture");
      user->messages.clear();
      SetFileFault(fault);
      const bool written = target.extension() == ".pdf"
                               ? frame->ExportPdf(target.string())
                               : canvas->SaveImage(wxString::FromUTF8(target.string()));
      EXPECT_FALSE(written) << tag;
      EXPECT_EQ(user->messages.size(), 1u) << tag;
      EXPECT_EQ(FileText(target), "the old picture") << tag;
    }
  }
  EXPECT_EQ(FilesIn(dir), 4) << "no temporary file is left behind";
}

}  // namespace
