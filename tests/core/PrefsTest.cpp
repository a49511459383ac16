// The preference file: which entries a file holds and what they set, the
// line written back, the capped read, and the replacement that leaves the
// old file whole when writing fails.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

#include "model/Prefs.h"
#include "FileText.h"

namespace {

namespace fs = std::filesystem;

void Spill(const fs::path& p, const std::string& bytes) {
  std::ofstream(p, std::ios::binary) << bytes;
}

bool operator==(const GPrefs& a, const GPrefs& b) {
  return a.gmode == b.gmode && a.theme == b.theme && a.pointMode == b.pointMode &&
         a.lineMode == b.lineMode && a.angleMode == b.angleMode && a.writeLog == b.writeLog &&
         a.language == b.language;
}

struct ParseCase {
  const char* what;
  std::string file;
  GPrefs want;
};

GPrefs With(GStyle gmode, GTheme theme, int point, int line, int angle, bool log,
            std::string language = "") {
  return GPrefs{gmode, theme, point, line, angle, log, std::move(language)};
}

TEST(Prefs, EntriesAreFoundAnywhereAndTheLaterOneWins) {
  const GStyle T = kGModeTovik;
  const GTheme S = THM_STANDARD;
  const int P = kPointMode0, L = kLineMode0, A = kAngleMode0;
  const ParseCase cases[] = {
      {"empty: defaults, logging off", "", With(T, S, P, L, A, false)},
      {"the later theme wins", "ThemeMode=THM_CAT;ThemeMode=THM_STAR;",
       With(T, THM_STAR, P, L, A, false)},
      {"a style without its ;", "GMode=PANEL", With(kGModePanel, S, P, L, A, false)},
      {"a theme without its ;", "ThemeMode=THM_CAT", With(T, S, P, L, A, false)},
      {"the railroad number keeps the theme before it", "ThemeMode=THM_CAT;ThemeMode=THM_RAILROAD;",
       With(T, THM_CAT, P, L, A, false)},
      {"entries amid other text, in any order",
       "junk AngleMode=AG_5;xxGMode=QUILyy;PointMode=PT_3;LineMode=LN_2;WriteLogfile;",
       With(kGModeQuil, S, P + 2, L + 1, A + 4, true)},
      {"bytes of any kind around them", std::string("\0\xff\x01LineMode=LN_4;\0", 18),
       With(T, S, P, L + 3, A, false)},
      {"a mode out of the list is no entry", "PointMode=PT_6;LineMode=LN_0;",
       With(T, S, P, L, A, false)},
  };
  for (const ParseCase& c : cases) {
    GPrefs p;
    ParsePrefs(c.file, p);
    EXPECT_TRUE(p == c.want) << c.what;
  }
}

TEST(Prefs, TheLineWrittenHasTheFixedOrderAndOnlyKnownValues) {
  EXPECT_EQ(FormatPrefs(GPrefs{}),
            "GMode=TOVIK;ThemeMode=THM_STANDARD;PointMode=PT_1;LineMode=LN_1;AngleMode=AG_1;"
            "WriteLogfile;");
  // Unknown numbers: no style entry, the first entry of every other kind.
  EXPECT_EQ(
      FormatPrefs(With(static_cast<GStyle>(1502), static_cast<GTheme>(6100), 3200, 0, 5506, false)),
      "ThemeMode=THM_STANDARD;PointMode=PT_1;LineMode=LN_1;AngleMode=AG_1;");
  // Every value that has a word reads back as itself.
  for (GStyle g : {kGModeTovik, kGModeQuil, kGModePanel})
    for (int n = ThemeNumber(THM_STANDARD); n <= ThemeNumber(THM_SKELETON); ++n)
      for (int slot = 0; slot < kStyleModeSlots; ++slot) {
        const GTheme t = ThemeOfNumber(n);
        if (t == THM_RAILROAD) continue;
        const GPrefs p = With(g, t, kPointMode0 + slot, kLineMode0 + (4 - slot), kAngleMode0 + slot,
                              slot % 2 == 0);
        GPrefs back;
        ParsePrefs(FormatPrefs(p), back);
        EXPECT_TRUE(back == p) << FormatPrefs(p);
      }
}

TEST(Prefs, TheLanguageIsOneMoreEntryAtTheEnd) {
  const GStyle T = kGModeTovik;
  const GTheme S = THM_STANDARD;
  const int P = kPointMode0, L = kLineMode0, A = kAngleMode0;
  const ParseCase cases[] = {
      {"a code of letters", "Language=de;", With(T, S, P, L, A, false, "de")},
      {"a code with its country", "WriteLogfile;Language=pt_BR;",
       With(T, S, P, L, A, true, "pt_BR")},
      {"the later one wins", "Language=fr;Language=ja;", With(T, S, P, L, A, false, "ja")},
      {"without its ; it is no entry", "Language=de", With(T, S, P, L, A, false)},
      {"a code of other bytes is no entry", "Language=../x;Language=d e;",
       With(T, S, P, L, A, false)},
  };
  for (const ParseCase& c : cases) {
    GPrefs p;
    ParsePrefs(c.file, p);
    EXPECT_TRUE(p == c.want) << c.what;
  }
  // Written last and only when chosen: a file of an earlier version and one
  // written without a choice are the same line.
  GPrefs p;
  p.language = "es";
  EXPECT_EQ(FormatPrefs(p), FormatPrefs(GPrefs{}) + "Language=es;");
  GPrefs back;
  ParsePrefs(FormatPrefs(p), back);
  EXPECT_TRUE(back == p);
}

class PrefFile : public ::testing::Test {
 protected:
  fs::path dir;
  fs::path file;
  void SetUp() override {
    char tmpl[] = "/tmp/figuretta-prefs-XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    dir = tmpl;
    file = dir / kPrefFileName;
  }
  void TearDown() override { fs::remove_all(dir); }
  int Entries() const { return static_cast<int>(std::distance(fs::directory_iterator(dir), {})); }
};

TEST_F(PrefFile, AMissingFileOrADirectoryChangesNothing) {
  GPrefs p = With(kGModeQuil, THM_CAT, kPointMode0 + 1, kLineMode0, kAngleMode0, true);
  const GPrefs before = p;
  EXPECT_FALSE(LoadPrefs(file.string(), p));
  fs::create_directory(file);
  EXPECT_FALSE(LoadPrefs(file.string(), p));
  EXPECT_TRUE(p == before);
}

TEST_F(PrefFile, OnlyTheFirstFewKilobytesAreRead) {
  // A huge file of junk: the entries past the limit are never seen.
  Spill(file, "ThemeMode=THM_CAT;" + std::string(kPrefReadLimit, 'x') + "GMode=QUIL;" +
                  std::string(1 << 20, '\0'));
  GPrefs p;
  ASSERT_TRUE(LoadPrefs(file.string(), p));
  EXPECT_EQ(p.theme, THM_CAT);
  EXPECT_EQ(p.gmode, kGModeTovik);
}

TEST_F(PrefFile, SavingReplacesTheWholeFileAndLeavesNoTemporary) {
  Spill(file, std::string(300, 'o'));
  const GPrefs p =
      With(kGModePanel, THM_SKELETON, kPointMode0 + 4, kLineMode0 + 2, kAngleMode0 + 1, false);
  ASSERT_TRUE(SavePrefs(file.string(), p));
  EXPECT_EQ(FileText(file),
            "GMode=PANEL;ThemeMode=THM_SKELETON;PointMode=PT_5;LineMode=LN_3;AngleMode=AG_2;");
  EXPECT_EQ(Entries(), 1);
  GPrefs back;
  ASSERT_TRUE(LoadPrefs(file.string(), back));
  EXPECT_TRUE(back == p);
}

TEST_F(PrefFile, AFailedSaveSaysSoAndLeavesWhatWasThere) {
  EXPECT_FALSE(SavePrefs((dir / "missing" / kPrefFileName).string(), GPrefs{}));
  // The last step, the rename, fails onto a directory that is not empty:
  // the temporary file goes, the directory stays as it was.
  fs::create_directories(file / "keep");
  EXPECT_FALSE(SavePrefs(file.string(), GPrefs{}));
  EXPECT_TRUE(fs::is_directory(file / "keep"));
  EXPECT_EQ(Entries(), 1);
}

}  // namespace
