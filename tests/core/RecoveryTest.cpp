// Recovery copies: their text read back or refused when damaged, when the
// keeper writes and removes them, which program's copy may be taken (a
// running one's never, a killed one's at once), and writes that meet a full,
// gone or read-only disk leaving the old file byte for byte.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "FileText.h"
#include "ScriptFixture.h"
#include "script/Recovery.h"
#include "script/SafeFile.h"
#include "script/Script.h"

namespace {

namespace fs = std::filesystem;

class Recovery : public ScriptTest {
 protected:
  fs::path dir;
  std::string figure = "//Sheet 0;\r\npoint A=Pt(1.000,2.000);\n";
  std::unique_ptr<GRecoveryKeeper> keeper;

  void SetUp() override {
    char tmpl[] = "/tmp/figuretta-recovery-XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    dir = tmpl;
    keeper = MakeKeeper();
  }
  void TearDown() override {
    keeper.reset();
    SetFileFault(GFileFault::kNone);
    std::error_code ec;
    fs::remove_all(dir, ec);
  }
  std::unique_ptr<GRecoveryKeeper> MakeKeeper() {
    auto k = std::make_unique<GRecoveryKeeper>(dir.string(), [this] { return figure; });
    k->Reset("");
    return k;
  }
  // Changes the figure and lets the keeper write it at once.
  GRecoveryEvent Change(GRecoveryKeeper& k, const std::string& to) {
    figure = to;
    k.Touched(0);
    return k.Tick(GRecoveryKeeper::kLatestMs, false);
  }
  std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  std::string Copy(const std::string& name, const std::string& origin, const std::string& script) {
    const fs::path p = dir / name;
    std::ofstream(p, std::ios::binary) << RecoveryText(origin, script);
    return p.string();
  }
};

TEST_F(Recovery, ACopyReadsBackAsItWasWritten) {
  const struct {
    std::string origin, script;
  } cases[] = {
      {"", ""},
      {"/home/ann/tri.fgf", "//Sheet 0;\r\npoint A=Pt(1.000,2.000);\n"},
      {"/tmp/a b\\c\nd\r.fgf", "a script without a last line break"},
      {"/home/\xC3\xA9l\xC3\xA8ve/f.fgf", "//Recovery end: 3 0000000000000000\nmore\n"},
  };
  for (const auto& c : cases) {
    std::string origin = "?", script = "?";
    ASSERT_TRUE(ParseRecoveryText(RecoveryText(c.origin, c.script), origin, script)) << c.origin;
    EXPECT_EQ(origin, c.origin);
    EXPECT_EQ(script, c.script);
  }
  // The guard lines are comments to the reader: a copy opens as a document.
  ASSERT_TRUE(ReadScript(*doc, RecoveryText("/home/ann/tri.fgf", figure)));
  EXPECT_NE(doc->FirstConst(), nullptr);
}

// Cut short anywhere, or any byte changed (the first line included), a copy
// is refused.
TEST_F(Recovery, ACopyCutShortOrChangedIsRefused) {
  const std::string whole = RecoveryText("/home/ann/tri.fgf", figure);
  std::string origin, script;
  for (size_t n = 0; n < whole.size(); ++n)
    EXPECT_FALSE(ParseRecoveryText(whole.substr(0, n), origin, script)) << "cut at " << n;
  for (size_t i = 0; i < whole.size(); ++i) {
    std::string changed = whole;
    changed[i] ^= 0x01;
    EXPECT_FALSE(ParseRecoveryText(changed, origin, script)) << "byte " << i << " changed";
  }
  EXPECT_FALSE(ParseRecoveryText(whole + "\n", origin, script));
  EXPECT_FALSE(ParseRecoveryText(figure, origin, script)) << "an ordinary document";
}

// A change is written once it has settled, at the latest kLatestMs after it
// when changes keep coming, and never while a button is held.
TEST_F(Recovery, TheCopyIsWrittenWhenTheChangeSettlesButNeverDuringAHeldButton) {
  const struct {
    const char* what;
    int touchEvery;  // ms between changes until touchUntil (0: one change at 0)
    int touchUntil;
    int heldUntil;  // a button held from 0 to here
    bool changed;   // whether the figure differs from the one saved
    int writtenAt;  // the tick that writes (-1: none)
  } cases[] = {
      {"one change", 0, 0, -1, true, 300},
      {"a stream of changes", 200, 2800, -1, true, 1500},
      {"a button held", 0, 0, 2500, true, 2500},
      {"nothing changed after all", 0, 0, -1, false, -1},
  };
  for (const auto& c : cases) {
    auto k = MakeKeeper();
    figure = c.changed ? std::string("//Sheet 0;\r\nchanged\n") : figure;
    int writtenAt = -1;
    for (int t = 0; t <= 3000 && writtenAt < 0; t += 100) {
      if ((c.touchEvery == 0 && t == 0) ||
          (c.touchEvery > 0 && t % c.touchEvery == 0 && t <= c.touchUntil))
        k->Touched(t);
      if (k->Tick(t, t < c.heldUntil) == GRecoveryEvent::kWritten) writtenAt = t;
    }
    EXPECT_EQ(writtenAt, c.writtenAt) << c.what;
    if (writtenAt >= 0) {
      std::string origin, script;
      ASSERT_TRUE(ParseRecoveryText(FileText(k->CopyPath()), origin, script)) << c.what;
      EXPECT_EQ(script, figure);
    }
    k->Finish();
    figure = "//Sheet 0;\r\npoint A=Pt(1.000,2.000);\n";
  }
}

// Saving, coming back to the saved figure and a clean end take the copy (and
// its lock) away; kept for the next start, it stays without its lock and is
// the one a next start takes.
TEST_F(Recovery, TheCopyGoesWithASaveOrACleanEndAndStaysWhenKept) {
  const std::string saved = figure;
  ASSERT_EQ(Change(*keeper, "//Sheet 0;\r\none\n"), GRecoveryEvent::kWritten);
  EXPECT_EQ(Names().size(), 2u) << "the copy and its lock";
  EXPECT_EQ(Change(*keeper, saved), GRecoveryEvent::kRemoved);
  EXPECT_EQ(Names().size(), 1u) << "the lock stays while the program runs";

  ASSERT_EQ(Change(*keeper, "//Sheet 0;\r\ntwo\n"), GRecoveryEvent::kWritten);
  keeper->Saved((dir / "tri.fgf").string());
  EXPECT_EQ(keeper->CopyPath(), "");
  ASSERT_EQ(Change(*keeper, "//Sheet 0;\r\nthree\n"), GRecoveryEvent::kWritten);
  keeper->Finish();
  EXPECT_TRUE(Names().empty());

  keeper = MakeKeeper();
  keeper->Saved((dir / "tri.fgf").string());
  figure = "//Sheet 0;\r\nfour\n";
  keeper->Touched(0);  // not yet written: keeping it writes it
  ASSERT_TRUE(keeper->KeepForNextStart());
  ASSERT_EQ(Names().size(), 1u) << "no lock";
  std::optional<GLeftCopy> left = TakeLeftCopy(dir.string());
  ASSERT_TRUE(left);
  EXPECT_EQ(left->origin, (dir / "tri.fgf").string());
  EXPECT_EQ(left->script, figure);
}

// A running program's copy is never taken; a taken copy is not taken twice;
// the copy of a program killed outright is taken at once.
TEST_F(Recovery, OnlyTheCopyOfAProgramThatStoppedIsTaken) {
  ASSERT_EQ(Change(*keeper, "//Sheet 0;\r\nmine\n"), GRecoveryEvent::kWritten);
  EXPECT_FALSE(TakeLeftCopy(dir.string())) << "this program's own";
  keeper.reset();

  // Another program: writes its copy, then waits to be killed.
  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  const pid_t other = fork();
  ASSERT_GE(other, 0);
  if (other == 0) {
    std::string theirs = "//Sheet 0;\r\nsaved\n";
    GRecoveryKeeper k(dir.string(), [&] { return theirs; });
    k.Reset("/home/ann/tri.fgf");
    theirs = "//Sheet 0;\r\ntheirs\n";
    k.Touched(0);
    const char ok = k.Tick(GRecoveryKeeper::kLatestMs, false) == GRecoveryEvent::kWritten;
    if (write(ready[1], &ok, 1) != 1) _exit(2);
    pause();
    _exit(0);
  }
  struct Reaper {  // the other program goes whatever this test finds
    pid_t pid;
    ~Reaper() {
      if (pid < 0) return;
      kill(pid, SIGKILL);
      waitpid(pid, nullptr, 0);
    }
  } reaper{other};
  char ok = 0;
  ASSERT_EQ(read(ready[0], &ok, 1), 1);
  ASSERT_TRUE(ok);
  EXPECT_FALSE(TakeLeftCopy(dir.string())) << "its program still runs";
  kill(other, SIGKILL);
  waitpid(other, nullptr, 0);
  reaper.pid = -1;
  close(ready[0]);
  close(ready[1]);

  std::optional<GLeftCopy> left = TakeLeftCopy(dir.string());
  ASSERT_TRUE(left);
  EXPECT_EQ(left->origin, "/home/ann/tri.fgf");
  EXPECT_EQ(left->script, "//Sheet 0;\r\ntheirs\n");
  EXPECT_FALSE(TakeLeftCopy(dir.string())) << "taken by the first";
  left->Release();
  EXPECT_TRUE(TakeLeftCopy(dir.string())) << "let go: there for a later start";
}

// A damaged copy is set aside, not offered, and the next copy is taken;
// locks and half-written files without a copy are cleared away.
TEST_F(Recovery, ADamagedCopyIsSetAsideAndStraysAreCleared) {
  const std::string older = Copy("recovery-1-older.fgf", "", "//Sheet 0;\r\nolder\n");
  fs::last_write_time(older, fs::file_time_type::clock::now() - std::chrono::hours(1));
  const std::string whole = RecoveryText("/home/ann/tri.fgf", figure);
  std::ofstream(dir / "recovery-2-cut.fgf", std::ios::binary) << whole.substr(0, whole.size() / 2);
  std::ofstream(dir / "recovery-3-gone.lock") << "3\n";
  std::ofstream(dir / "recovery-3-gone.fgf.Ab12Cd") << "half";

  std::vector<std::string> aside;
  std::optional<GLeftCopy> left = TakeLeftCopy(dir.string(), &aside);
  ASSERT_TRUE(left);
  EXPECT_EQ(left->script, "//Sheet 0;\r\nolder\n");
  ASSERT_EQ(aside.size(), 1u);
  EXPECT_EQ(aside[0], (dir / "recovery-2-cut.fgf.damaged").string());
  left->Discard();
  EXPECT_EQ(Names(), std::vector<std::string>{"recovery-2-cut.fgf.damaged"});
  EXPECT_FALSE(TakeLeftCopy(dir.string())) << "a copy set aside is not offered again";
}

// Each kind of disk fault, on each writer: the failure is reported and the
// old file stays byte for byte.
TEST_F(Recovery, AWriteThatMeetsADiskFaultLeavesTheOldFileWhole) {
  Free(1, 2, "A");
  doc->Sethilighted(doc->FirstConst()->POutput);
  ASSERT_EQ(Change(*keeper, "//Sheet 0;\r\nthe copy before\n"), GRecoveryEvent::kWritten);
  const std::string copyPath = keeper->CopyPath();
  const std::string copyBefore = FileText(copyPath);
  const std::string old = "//Sheet 0;\r\nthe old file\n";
  const GFileFault faults[] = {GFileFault::kDiskFull, GFileFault::kFolderGone,
                               GFileFault::kReadOnly};
  int round = 0;
  for (GFileFault fault : faults) {
    const std::string tag = "fault " + std::to_string(static_cast<int>(fault));
    for (const char* name : {"fig.fgf", "data.csv"}) {
      const fs::path target = dir / name;
      std::ofstream(target, std::ios::binary) << old;
      user.messages.clear();
      SetFileFault(fault);
      const bool written = target.extension() == ".fgf" ? SaveDocument(*doc, target.string())
                                                        : SaveCsv(*doc, target.string());
      EXPECT_FALSE(written) << tag << " " << name;
      EXPECT_EQ(user.messages.size(), 1u) << tag << " " << name;
      EXPECT_EQ(FileText(target), old) << tag << " " << name;
    }
    // The copy: told once, the older copy kept, written once the disk is sound.
    SetFileFault(fault);
    figure = "//Sheet 0;\r\nchange " + std::to_string(++round) + "\n";
    keeper->Touched(0);
    EXPECT_EQ(keeper->Tick(GRecoveryKeeper::kLatestMs, false), GRecoveryEvent::kFailed) << tag;
    EXPECT_FALSE(keeper->Why().empty()) << tag;
    EXPECT_EQ(FileText(copyPath), copyBefore) << tag;
    SetFileFault(fault);
    const std::int64_t retry = GRecoveryKeeper::kLatestMs + GRecoveryKeeper::kRetryMs;
    EXPECT_EQ(keeper->Tick(retry, false), GRecoveryEvent::kNone) << tag << ": told once";
    EXPECT_EQ(keeper->Tick(2 * retry, false), GRecoveryEvent::kWritten) << tag;
    Change(*keeper, "//Sheet 0;\r\nthe copy before\n");
  }
  EXPECT_EQ(Names().size(), 4u) << "no temporary file is left behind";
}

}  // namespace
