// Saving: the file text of all sheets, the file name with its extension, the
// log lines, and that a save which fails leaves the file on disk as it was.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "ScriptFixture.h"
#include "FileText.h"
#include "script/Script.h"

namespace {

namespace fs = std::filesystem;

class Save : public ScriptTest {
 protected:
  fs::path dir;

  void SetUp() override {
    char tmpl[] = "/tmp/figuretta-save-XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    dir = tmpl;
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(dir, fs::perms::owner_all, ec);
    fs::remove_all(dir, ec);
  }
  int FilesIn(const fs::path& d) {
    int n = 0;
    for ([[maybe_unused]] auto& e : fs::directory_iterator(d)) ++n;
    return n;
  }
};

TEST_F(Save, EachSheetIsItsLineAndItsOwnAppearance) {
  EXPECT_EQ(WriteScript(*doc), "//Sheet 0;\r\n");

  Free(1, 2, "A");
  doc->Sheet().pointStyles[2] = 7;
  doc->Sheet().background = 3;
  doc->Defaults().SetNameColour(GColour{10, 20, 30});
  doc->Viewport().SetWindowSize(800, 600);
  ASSERT_TRUE(doc->InsertNewSheet());  // an empty sheet between two full ones
  ASSERT_TRUE(doc->InsertNewSheet());
  Free(5, 6, "A");
  doc->Sheet().lineStyles[4] = 9;
  doc->Sheet().background = 1;
  // Saving from the first sheet writes the third with its own styles.
  doc->Sheets().SetCurrent(0);
  doc->MoveSheet(false);

  EXPECT_EQ(WriteScript(*doc),
            "//Sheet 0;\r\n"
            "void SetPtMode(0,0,7,0,0);\nvoid SetLnMode(0,0,0,0,0);\nvoid SetBgMode(3);\n"
            "void SetPointTextColor(10,20,30);\nvoid WindowSize(800,600);\n"
            "point A=Pt(1.000,2.000,fontsize18);\n"
            "//Sheet 1;\r\n"
            "//Sheet 2;\r\n"
            "void SetPtMode(0,0,7,0,0);\nvoid SetLnMode(0,0,0,0,9);\nvoid SetBgMode(1);\n"
            "void SetPointTextColor(10,20,30);\nvoid WindowSize(800,600);\n"
            "point A=Pt(5.000,6.000,fontsize18);\n");
}

TEST_F(Save, WritesTheFileAddingTheExtensionAndLogs) {
  Free(1, 2, "A");
  const fs::path bare = dir / "fig";
  user.log.clear();
  std::string written;
  ASSERT_TRUE(SaveDocument(*doc, bare.string(), &written));
  EXPECT_EQ(written, (dir / "fig.fgf").string());
  EXPECT_FALSE(fs::exists(bare));
  EXPECT_EQ(FileText(dir / "fig.fgf"), WriteScript(*doc));
  ASSERT_EQ(user.log.size(), 3u);
  EXPECT_EQ(user.log.front(), "OnSave: start\n");
  EXPECT_EQ(user.log[1], WriteScript(*doc).substr(12));  // the sheet's block
  EXPECT_EQ(user.log.back(), "OnSave: end\n");

  // A name that already ends in the extension is kept; an old file is replaced
  // and no temporary file stays behind.
  Free(3, 4, "B");
  ASSERT_TRUE(SaveDocument(*doc, (dir / "fig.fgf").string()));
  EXPECT_EQ(FileText(dir / "fig.fgf"), WriteScript(*doc));
  EXPECT_EQ(FilesIn(dir), 1);
  EXPECT_TRUE(user.messages.empty());
}

TEST_F(Save, FailureLeavesTheOldFileAndSaysSo) {
  const fs::path target = dir / "old.fgf";
  { std::ofstream(target, std::ios::binary) << "//Sheet 0;\r\nthe old figure"; }
  Free(1, 2, "A");

  // The directory cannot be written: nothing may be created or replaced.
  // Root ignores permissions, so the save then runs as an ordinary user.
  EXPECT_EXIT(
      {
        if (geteuid() == 0) {
          if (setgid(65534) != 0 || setuid(65534) != 0) _exit(3);
        } else {
          chmod(dir.c_str(), 0555);
        }
        const bool saved = SaveDocument(*doc, target.string());
        const bool told = user.messages.size() == 1 && user.messages[0].caption == "Save";
        _exit(!saved && told ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
  EXPECT_EQ(FileText(target), "//Sheet 0;\r\nthe old figure");
  EXPECT_EQ(FilesIn(dir), 1);

  // The disk fills up halfway through the new text (here: a limit on file
  // size): the old file must still be whole, not cut or emptied.
  Text(std::string(5000, 'x'), "SZ1");
  EXPECT_EXIT(
      {
        signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        limit.rlim_cur = limit.rlim_max = 1000;
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(3);
        const bool saved = SaveDocument(*doc, target.string());
        _exit(!saved && user.messages.size() == 1 ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
  EXPECT_EQ(FileText(target), "//Sheet 0;\r\nthe old figure");
  EXPECT_EQ(FilesIn(dir), 1);

  // The target is a directory: the rename fails, the temporary file goes.
  fs::create_directory(dir / "taken.fgf");
  EXPECT_FALSE(SaveDocument(*doc, (dir / "taken.fgf").string()));
  ASSERT_EQ(user.messages.size(), 1u);
  EXPECT_EQ(user.messages[0].caption, "Save");
  EXPECT_NE(user.messages[0].text.find("taken.fgf"), std::string::npos);
  EXPECT_TRUE(fs::is_directory(dir / "taken.fgf"));
  EXPECT_EQ(FilesIn(dir), 2);

  // A folder that does not exist.
  EXPECT_FALSE(SaveDocument(*doc, (dir / "no" / "such.fgf").string()));
  EXPECT_EQ(user.messages.size(), 2u);
}

}  // namespace
