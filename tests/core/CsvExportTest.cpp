// "Save data": the CSV blocks of hilighted elements, the extension rule and
// writing without leaving a partial file.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>

#include "Recorder.h"
#include "model/Document.h"
#include "script/SafeFile.h"
#include "FileText.h"
#include "script/Script.h"

namespace {

class CsvExport : public ::testing::Test {
 protected:
  RecordingUser user;
  std::unique_ptr<GDocument> doc = std::make_unique<GDocument>(&user);
  std::string dir;

  void SetUp() override {
    char tmpl[] = "/tmp/figuretta-csv-XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    dir = tmpl;
  }
  void TearDown() override { std::system(("rm -rf " + dir).c_str()); }

  void Read(const std::string& script) { ASSERT_TRUE(ReadScript(*doc, script)); }
  GConst* Step(const char* name) {
    for (GConst* c = doc->FirstConst(); c; c = c->next) {
      GObject* out = c->POutput   ? (GObject*)c->POutput
                     : c->LOutput ? (GObject*)c->LOutput
                     : c->COutput ? (GObject*)c->COutput
                                  : (GObject*)c->TextOutput;
      if (out && out->name == name) return c;
    }
    return nullptr;
  }
  void Hilight(const char* name) {
    GConst* c = Step(name);
    ASSERT_NE(c, nullptr) << name;
    if (c->POutput) c->POutput->hilighted = 1;
    if (c->LOutput) c->LOutput->hilighted = 1;
    if (c->COutput) c->COutput->hilighted = 1;
    if (c->TextOutput) c->TextOutput->hilighted = 1;
  }
};

const char kFigure[] =
    "point A=Pt(1.000,2.000);\n"
    "point B=Pt(4.000,6.000);\n"
    "line a=Join(A,B);\n"
    "circle k=Circle(A,B);\n"
    "point M=Mid(A,B);\n"
    "text T=Text(AB is {Ax}\\, \"long\",10.000,20.000,18.000,0,0,0);\n";

// Each kind writes its block, in the order of the construction list, and
// only hilighted elements are written.
TEST_F(CsvExport, WritesTheBlockOfEachHilightedKindInListOrder) {
  Read(kFigure);
  EXPECT_EQ(CsvText(*doc), "") << "nothing hilighted: an empty file";
  for (const char* n : {"T", "k", "a", "M"}) Hilight(n);
  const std::string csv = CsvText(*doc);
  const std::string pad(1000 - std::string("AB is +1.0000, \"\"long\"\"").size(), ' ');
  EXPECT_EQ(csv,
            " ,line a,ax+by+c=0 \n ,a,b,c\n ,-4.000000,3.000000,-2.000000\n"
            " ,circle k,(x-a)^2+(y-b)^2=r^2 \n ,a,b,r^2\n ,1.000000,2.000000,25.000000\n"
            " ,point M \n ,x,y\n ,2.500000,4.000000\n"
            " ,text T\n ,\"" +
                pad + "AB is +1.0000, \"\"long\"\"\"\n");
}

TEST_F(CsvExport, ExtensionRuleLooksAtTheLastThreeCharacters) {
  const struct {
    const char* chosen;
    const char* written;
  } cases[] = {{"data.csv", "data.csv"},
               {"data", "data.csv"},
               {"datacsv", "datacsv"},
               {"data.txt", "data.txt.csv"}};
  Read(kFigure);
  Hilight("A");
  for (const auto& c : cases) {
    ASSERT_TRUE(SaveCsv(*doc, dir + "/" + c.chosen)) << c.chosen;
    EXPECT_EQ(FileText(dir + "/" + c.written), " ,point A \n ,x,y\n ,1.000000,2.000000\n")
        << c.chosen;
  }
  EXPECT_TRUE(user.messages.empty());
}

// A file that cannot be written is said so; what was there and the document
// stay, and no temporary file is left beside it. (A directory stands in the
// way of the rename, which even root cannot do.)
TEST_F(CsvExport, UnwritableFileIsReportedAndLeavesNothingBehind) {
  Read(kFigure);
  Hilight("A");
  const std::string script = WriteScript(*doc);
  ASSERT_EQ(mkdir((dir + "/taken.csv").c_str(), 0755), 0);
  for (const std::string& chosen : {dir + "/taken.csv", dir + "/missing/data.csv"}) {
    user.messages.clear();
    EXPECT_FALSE(SaveCsv(*doc, chosen)) << chosen;
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].caption, "Save data");
    EXPECT_NE(user.messages[0].text.find("could not be saved"), std::string::npos);
  }
  EXPECT_EQ(std::system(("test $(ls -A " + dir + " | wc -l) = 1").c_str()), 0)
      << "a temporary file is left";
  EXPECT_EQ(WriteScript(*doc), script);
}

TEST(SafeFile, FailedWriterLeavesTheOldFileAndNoTemporary) {
  char tmpl[] = "/tmp/figuretta-safe-XXXXXX";
  ASSERT_NE(mkdtemp(tmpl), nullptr);
  const std::string dir = tmpl, target = dir + "/pic.png";
  { std::ofstream(target) << "old"; }
  // A writer given the temporary's path, and one handing over pieces: each
  // writes half of the file and then fails.
  const std::function<bool(std::string&)> writers[] = {
      [&](std::string& why) {
        return ReplaceFileWith(
            target,
            [](const std::string& temp) {
              std::ofstream(temp) << "half";
              return false;
            },
            why);
      },
      [&](std::string& why) {
        return ReplaceFileBy(
            target, [](const GFilePut& put) { return put("half") && false; }, why, false);
      }};
  for (const auto& write : writers) {
    std::string why;
    EXPECT_FALSE(write(why));
    EXPECT_FALSE(why.empty());
    std::ifstream in(target);
    std::string text;
    in >> text;
    EXPECT_EQ(text, "old");
    EXPECT_EQ(std::system(("test $(ls " + dir + " | wc -l) = 1").c_str()), 0)
        << "a temporary is left";
  }
  std::system(("rm -rf " + dir).c_str());
}

TEST(SafeFile, AFileNotWaitedForTakesThePlaceOfWhatWasThereAndNothingElse) {
  // Whether the old file was replaced by a rename or by swapping names with
  // it: the new contents under the name, the old file's permissions, no other
  // file left; a directory in the way stays as it was.
  char tmpl[] = "/tmp/figuretta-swap-XXXXXX";
  ASSERT_NE(mkdtemp(tmpl), nullptr);
  const std::string dir = tmpl, pic = dir + "/pic.svg", link = dir + "/link.svg",
                    folder = dir + "/folder.svg";
  { std::ofstream(pic) << "old"; }
  ASSERT_EQ(chmod(pic.c_str(), 0640), 0);
  ASSERT_EQ(symlink("pic.svg", link.c_str()), 0);
  ASSERT_EQ(mkdir(folder.c_str(), 0755), 0);
  auto read = [](const std::string& path) {
    std::ifstream in(path);
    std::string text;
    in >> text;
    return text;
  };
  for (bool durable : {false, true}) {
    std::string why;
    const std::string text = durable ? "waited" : "new";
    ASSERT_TRUE(ReplaceFile(pic, text, why, durable)) << why;
    EXPECT_EQ(read(pic), text);
    struct stat st {};
    ASSERT_EQ(stat(pic.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
  }
  // A link is replaced by the file, as a rename replaces it; what it named stays.
  std::string why;
  ASSERT_TRUE(ReplaceFile(link, "linked", why, false)) << why;
  struct stat st {};
  ASSERT_EQ(lstat(link.c_str(), &st), 0);
  EXPECT_TRUE(S_ISREG(st.st_mode));
  EXPECT_EQ(read(link), "linked");
  EXPECT_EQ(read(pic), "waited");
  EXPECT_FALSE(ReplaceFile(folder, "x", why, false));
  ASSERT_EQ(stat(folder.c_str(), &st), 0);
  EXPECT_TRUE(S_ISDIR(st.st_mode));
  EXPECT_EQ(std::system(("test $(ls -A " + dir + " | wc -l) = 3").c_str()), 0)
      << "a temporary is left";
  std::system(("rm -rf " + dir).c_str());
}

}  // namespace
