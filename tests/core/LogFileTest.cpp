// The day's log and where the program keeps its files: log names by date,
// the start line, lines appended as they happen (across midnight into the
// next day's file), the folders found from the environment and their
// fallback, and the log switch of the document.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <unistd.h>

#include "core/Recorder.h"
#include "model/AppFolders.h"
#include "model/Document.h"
#include "model/LogFile.h"
#include "FileText.h"

namespace {

namespace fs = std::filesystem;

std::tm Local(int year, int month, int day, int hour, int minute) {
  std::tm t{};
  t.tm_year = year - 1900;
  t.tm_mon = month - 1;
  t.tm_mday = day;
  t.tm_hour = hour;
  t.tm_min = minute;
  return t;
}

class TempDir : public ::testing::Test {
 protected:
  fs::path dir;
  void SetUp() override {
    char tmpl[] = "/tmp/figuretta-files-XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    dir = tmpl;
  }
  void TearDown() override { fs::remove_all(dir); }
};

TEST(LogLines, NameAndStartLineCarryTheLocalDate) {
  EXPECT_EQ(LogFileName(Local(2026, 12, 7, 9, 5)), "FGlog20261207.txt");
  EXPECT_EQ(StartLogLine(Local(2026, 12, 7, 9, 5)), "**** Start ****20261207,09:05\n");
}

using LogFile = TempDir;

TEST_F(LogFile, EachLineIsOnDiskAtOnceAndARunAcrossMidnightGoesOnInTheNextDay) {
  std::tm now = Local(2026, 12, 7, 23, 59);
  GLogFile log(dir.string(), [&now] { return now; });
  ASSERT_TRUE(log.Write("**** Start ****20261207,23:59\n"));
  EXPECT_EQ(FileText(dir / "FGlog20261207.txt"), "**** Start ****20261207,23:59\n");
  ASSERT_TRUE(log.Write("NewConst: CONST_FREE\n"));
  now = Local(2026, 12, 8, 0, 1);
  ASSERT_TRUE(log.Write("**** Quit ****\n"));
  EXPECT_EQ(FileText(dir / "FGlog20261207.txt"),
            "**** Start ****20261207,23:59\nNewConst: CONST_FREE\n");
  EXPECT_EQ(FileText(dir / "FGlog20261208.txt"), "**** Quit ****\n");
  // A second run of the same day appends.
  GLogFile(dir.string(), [&now] { return now; }).Write("again\n");
  EXPECT_EQ(FileText(dir / "FGlog20261208.txt"), "**** Quit ****\nagain\n");
  // A folder that is gone loses the line and says so.
  EXPECT_FALSE(GLogFile((dir / "gone").string()).Write("lost\n"));
}

TEST(LogSwitch, ADocumentWithLoggingOffWritesNoLine) {
  RecordingUser user;
  GDocument doc(&user);
  doc.WriteLogFile("one\n");
  doc.SetWriteLog(false);
  doc.WriteLogFile("two\n");
  EXPECT_EQ(user.log, std::vector<std::string>{"one\n"});
}

using Folders = TempDir;

TEST_F(Folders, FoundFromTheEnvironmentCreatedAndElseTheWorkingDirectory) {
  const std::string home = (dir / "home").string();
  const std::string xdg = (dir / "xdg").string();
  const std::string own = (dir / "own").string();
  std::ofstream(dir / "file") << "a file, not a folder";
  const std::string blocked = (dir / "file").string();
  using Env = std::map<std::string, std::string>;
  struct Case {
    const char* what;
    Env env;
    std::string config, state;
  };
  const Case cases[] = {
      {"the defaults under HOME",
       {{"HOME", home}},
       home + "/.config/figuretta",
       home + "/.local/state/figuretta"},
      {"the XDG folders",
       {{"HOME", home}, {"XDG_CONFIG_HOME", xdg + "/c"}, {"XDG_STATE_HOME", xdg + "/s"}},
       xdg + "/c/figuretta",
       xdg + "/s/figuretta"},
      {"relative XDG folders are ignored",
       {{"HOME", home}, {"XDG_CONFIG_HOME", "rel"}, {"XDG_STATE_HOME", ""}},
       home + "/.config/figuretta",
       home + "/.local/state/figuretta"},
      {"one folder for both", {{"HOME", home}, {kFilesDirVariable, own}}, own, own},
      {"a folder that cannot be made: the working directory",
       {{"HOME", home}, {"XDG_CONFIG_HOME", blocked}},
       "",
       home + "/.local/state/figuretta"},
      {"no HOME, no XDG", {}, "", ""},
  };
  for (const Case& c : cases) {
    const GAppFolders f = ResolveAppFolders([&c](const char* name) -> const char* {
      auto it = c.env.find(name);
      return it == c.env.end() ? nullptr : it->second.c_str();
    });
    EXPECT_EQ(f.config, c.config) << c.what;
    EXPECT_EQ(f.state, c.state) << c.what;
    EXPECT_TRUE(f.config.empty() || fs::is_directory(f.config)) << c.what;
    EXPECT_TRUE(f.state.empty() || fs::is_directory(f.state)) << c.what;
  }
  EXPECT_EQ(InFolder("", kFilesDirVariable), kFilesDirVariable);
  EXPECT_EQ(InFolder("/a", "b"), "/a/b");
}

}  // namespace
