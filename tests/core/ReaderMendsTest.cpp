// What the reader does with texts holding ";", overlong field lists, hostile
// bytes, full pools, pictures that are no regular files.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>

#include "ReaderFixture.h"
#include "script/ReaderHelpers.h"
#include "script/Script.h"

namespace {

// A file or FIFO under /tmp that is removed again.
struct TempPath {
  std::string path;
  explicit TempPath(const char* contents = nullptr) {
    char name[] = "/tmp/figuretta-mends-XXXXXX";
    const int fd = mkstemp(name);
    if (fd >= 0) {
      if (contents) (void)!write(fd, contents, std::char_traits<char>::length(contents));
      close(fd);
    }
    path = name;
  }
  ~TempPath() { std::remove(path.c_str()); }
};

struct TempFifo {
  std::string path;
  TempFifo() {
    char dir[] = "/tmp/figuretta-fifo-XXXXXX";
    if (mkdtemp(dir)) path = std::string(dir) + "/pipe.png";
    mkfifo(path.c_str(), 0600);
  }
  ~TempFifo() {
    std::remove(path.c_str());
    rmdir(path.substr(0, path.rfind('/')).c_str());
  }
};

TEST_F(ReaderTest, SemicolonsInTextsAndCaptionsSurviveWritingAndReading) {
  ASSERT_TRUE(Read("point A=Pt(0,0);point B=Pt(1,0);"));
  GText* t = doc->NewText("a;b\nc; d");
  doc->AssignText(t);
  t->name = "TA";
  doc->NewConst(CONST_TEXT)->TextOutput = t;
  GBracket* br = doc->NewBracket(P("A"), P("B"));
  doc->AssignBracket(br);
  br->name = "br1";
  br->label = "x;y";
  br->intField = -1;
  GConst* k = doc->NewConst(CONST_BRACKET);
  k->BracketOutput = br;
  k->PInput1 = P("A");
  k->PInput2 = P("B");
  const std::string written = Written();
  ASSERT_TRUE(Read(written));
  EXPECT_TRUE(user.messages.empty()) << LastMessage();
  EXPECT_EQ(StepOf("TA")->TextOutput->text, "a;b\nc; d");
  EXPECT_EQ(StepOf("br1")->BracketOutput->label, "x;y");
  EXPECT_EQ(Written(), written);
}

TEST_F(ReaderTest, EscapedSemicolonDoesNotEndTheStatement) {
  std::string line;
  size_t pos = 0;
  const std::string text = "text T=Text(a\\;b,1,2,3);point A=Pt(1,2);";
  EXPECT_FALSE(GetALine(line, text, pos));
  EXPECT_EQ(line, "text T=Text(a\\;b,1,2,3);");
  EXPECT_FALSE(GetALine(line, text, pos));
  EXPECT_EQ(line, "point A=Pt(1,2);");
  EXPECT_TRUE(GetALine(line, text, pos));
  EXPECT_TRUE(line.empty());
}

TEST_F(ReaderTest, MoreThanTwentyFieldsIsASyntaxErrorOfThatStatement) {
  std::string twenty = "point A=Pt(1,2";
  for (int i = 2; i < 20; ++i) twenty += ",junk";
  EXPECT_TRUE(Read(twenty + ");"));
  EXPECT_NE(P("A"), nullptr);

  EXPECT_FALSE(Read(twenty + ",junk);"));
  EXPECT_EQ(LastMessage(), "line 1 : Pt : syntax error");
  EXPECT_EQ(StepCount(0), 0);

  std::string many = "point A=Pt(0,0);point B=Pt(1,0);line a=Join(A,B";
  for (int i = 0; i < 5000; ++i) many += ",clipping";
  EXPECT_FALSE(Read(many + ");"));
  EXPECT_EQ(LastMessage(), "line 3 : Join : syntax error");
  EXPECT_EQ(StepCount(0), 2);

  // A statement that fails silently is skipped silently with too many fields.
  user.messages.clear();
  EXPECT_TRUE(
      Read("point A=Pt(0,0);point V=Orthocenter(A,A,A,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1);"));
  EXPECT_TRUE(user.messages.empty());
  EXPECT_EQ(StepCount(0), 1);
}

// Whatever the bytes, reading ends (with or without a message) and leaves a
// consistent document whose sheet, written out, reads back without complaint.
void ExpectSane(GDocument& doc) {
  ASSERT_GE(doc.Sheets().Count(), 1);
  ASSERT_LT(doc.Sheets().CurrentIndex(), doc.Sheets().Count());
  const std::string written = WriteSheetScript(doc, doc.Sheets().CurrentIndex());
  EXPECT_TRUE(ReadScript(doc, written)) << written;
}

TEST_F(ReaderTest, AnyBytesEndInAnErrorOrACleanEnd) {
  const std::string valid =
      "//Sheet 0;\r\nvoid SetPtMode(0,0,0,0,0);\nvoid WindowSize(950,550);\npoint A=Pt(0,0);\n"
      "point B=Pt(2,0,color3);\nline a=Join(A,B,clipping);\ncircle C1=Circle(A,B);\n"
      "point K=MeetCircleAndLine(C1,a,2,0,0,0);\npoint M=Mid(A,B);\n"
      "text T=Text(x\\, y\\;z,1,2,3,1,2,3);\nbracket br=Bracket(A,B,0.3,0,0,0,caption:q);\n"
      "void EffectPoint(A,out);\n//Sheet 1;\r\npoint A=Pt(1,1);\n";
  // Every cut of a valid file.
  for (size_t n = 0; n <= valid.size(); ++n) {
    Read(valid.substr(0, n));
    ExpectSane(*doc);
  }
  // Random bytes and random edits of the valid file.
  std::mt19937 rng(12345);
  for (int round = 0; round < 300; ++round) {
    std::string s = valid;
    const int edits = 1 + static_cast<int>(rng() % 8);
    for (int e = 0; e < edits; ++e) {
      const size_t at = rng() % (s.size() + 1);
      switch (rng() % 3) {
        case 0:
          s.insert(at, 1, static_cast<char>(rng() % 256));
          break;
        case 1:
          if (at < s.size()) s.erase(at, 1 + rng() % 4);
          break;
        default:
          if (at < s.size()) s[at] = static_cast<char>(rng() % 256);
      }
    }
    Read(s);
    ExpectSane(*doc);
  }
  std::string binary(4096, '\0');
  for (char& c : binary) c = static_cast<char>(rng() % 256);
  Read(binary);
  ExpectSane(*doc);
}

TEST_F(ReaderTest, InvalidUtf8NamesAreStillDistinctNames) {
  EXPECT_TRUE(Read("point \xff\xfe=Pt(1,2);point \xfe\xff=Pt(3,4);line a=Join(\xff\xfe,\xfe\xff);"))
      << LastMessage();
  EXPECT_EQ(StepCount(0), 3);
  EXPECT_FALSE(Read("point \xff=Pt(1,2);point \xff=Pt(1,2);"));
  EXPECT_EQ(StepCount(0), 1);
}

TEST_F(ReaderTest, HugeStatementsAreReadInOnePass) {
  const std::string ten(10 * 1024 * 1024, 'x');
  EXPECT_TRUE(Read("text T=Text(" + ten + ",1,2,3);"));
  EXPECT_EQ(StepOf("T")->TextOutput->text.size(), ten.size());
  EXPECT_TRUE(Read("point A=Pt(1,2);" + ten));  // no ";": ignored
  EXPECT_EQ(StepCount(0), 1);
  EXPECT_FALSE(Read(ten + ";"));
  EXPECT_EQ(LastMessage(), "line 1 : invalid type");
}

TEST_F(ReaderTest, FullPoolsAndSheetTableStopReadingWithAMessage) {
  std::string points;
  for (int i = 0; i <= kPoolSize; ++i) points += "point P" + std::to_string(i) + "=Pt(1,2);";
  EXPECT_FALSE(Read(points));
  EXPECT_EQ(LastMessage(), "line 1001 : too many points");
  EXPECT_EQ(StepCount(0), kPoolSize);

  std::string sheets;
  for (int i = 0; i <= kSheetPoolSize; ++i) sheets += "//Sheet " + std::to_string(i) + ";\r\n";
  EXPECT_FALSE(Read(sheets));
  EXPECT_EQ(LastMessage(), "line 1001 : too many sheets");
  EXPECT_EQ(doc->Sheets().Count(), kSheetPoolSize);
}

TEST_F(ReaderTest, SenselessWindowSizeChangesNothing) {
  EXPECT_TRUE(Read("void WindowSize(0,0);text T=Text(s,10,20,30);void WindowSize(-5,40);"));
  EXPECT_DOUBLE_EQ(StepOf("T")->TextOutput->x, 10.0);
  EXPECT_DOUBLE_EQ(doc->Viewport().Scale(), 0.01);
}

TEST_F(ReaderTest, SheetsOfAnEditedTextAreInsertedNotWrittenOverOthers) {
  ASSERT_TRUE(
      Read("//Sheet 0;\r\npoint A=Pt(0,0);//Sheet 1;\r\npoint B=Pt(1,1);"
           "//Sheet 2;\r\npoint C=Pt(2,2);"));
  ASSERT_TRUE(Read("//Sheet 0;\r\npoint X=Pt(0,0);//Sheet 1;\r\npoint Y=Pt(1,1);", false));
  EXPECT_EQ(doc->Sheets().Count(), 4);
  EXPECT_EQ(StepCount(0), 1);
  EXPECT_EQ(doc->Sheets().Slot(0).points.head->name, "X");
  EXPECT_EQ(doc->Sheets().Slot(1).points.head->name, "Y");
  EXPECT_EQ(doc->Sheets().Slot(2).points.head->name, "B");
  EXPECT_EQ(doc->Sheets().Slot(3).points.head->name, "C");
  EXPECT_EQ(StepsInUse(), 4);  // the replaced point A left no step behind
}

TEST_F(ReaderTest, ImageIsTakenOnlyFromARegularFile) {
  TempPath picture("GIF89a");
  TempFifo fifo;
  // A device, a pipe, a directory: the person is asked instead, and cancels.
  for (const std::string& path : {std::string("/dev/zero"), fifo.path, std::string("/tmp")}) {
    SCOPED_TRACE(path);
    user.messages.clear();
    EXPECT_TRUE(Read("image im=Image(" + path + ",1,2,3,4);"));
    EXPECT_EQ(doc->Sheet().images.head, nullptr);
    EXPECT_TRUE(user.messages.empty());
  }
  // The chosen replacement must be a regular file too.
  user.files.push_back(fifo.path);
  EXPECT_TRUE(Read("image im=Image(/nonexistent/p.png,1,2,3,4);"));
  EXPECT_EQ(doc->Sheet().images.head, nullptr);

  user.files.push_back(picture.path);
  EXPECT_TRUE(Read("image im=Image(/nonexistent/p.png,1.9,2,30,40,invisible);"));
  const GImage* im = doc->Sheet().images.head;
  ASSERT_NE(im, nullptr);
  EXPECT_EQ(im->fileName, picture.path);  // the whole chosen path
  EXPECT_EQ(im->name, "im1");
  EXPECT_EQ(im->x, 1);
  EXPECT_TRUE(im->hidden);
}

}  // namespace
