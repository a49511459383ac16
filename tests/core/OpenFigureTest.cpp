// The one road from a file to a document (script/OpenFigure.h): a file that
// does not read whole leaves the document exactly as it was, whatever stopped
// it; a file that reads whole replaces it and asks only once for what it misses.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "model/ViewSteps.h"
#include "ReaderFixture.h"
#include "model/Utf8Text.h"
#include "script/OpenFigure.h"

namespace {

// A scratch folder under /tmp with the files of a test and a FIFO; removed again.
struct Scratch {
  std::string dir;
  Scratch() {
    char name[] = "/tmp/figuretta-open-XXXXXX";
    if (mkdtemp(name)) dir = name;
    mkfifo(Fifo().c_str(), 0600);
  }
  ~Scratch() { std::system(("rm -rf " + dir).c_str()); }
  std::string Fifo() const { return dir + "/pipe.fgf"; }
  std::string Put(const std::string& name, const std::string& text) const {
    std::ofstream(dir + "/" + name, std::ios::binary) << text;
    return dir + "/" + name;
  }
};

class OpenFigureTest : public ReaderTest {
 protected:
  Scratch scratch;
  int confirmations = 0;

  // Two sheets; the second is current, with a step waiting to be redone, a
  // point and a line hilighted and the view zoomed.
  void SetUp() override {
    ASSERT_TRUE(
        Read("//Sheet 0;\r\npoint Z=Pt(1,2);//Sheet 1;\r\npoint Y=Pt(3,4);point W=Pt(0,1);"
             "line y=Join(Y,W);point X=Pt(5,6);"));
    doc->NextSheet();
    ASSERT_TRUE(doc->OnUndo());
    doc->Sethilighted(P("Y"));
    doc->Sethilighted(L("y"));
    ASSERT_TRUE(ZoomIn(*doc, kZoomFactor));
    doc->SetHooks(&hooks);
    user.messages.clear();
    user.log.clear();
  }
  // What an opening that fails must leave as it was, in one line.
  std::string State() {
    return StrFormat("sheets %d, on %d, redo %d, lit %d+%d, next point %s, view %g %g %g\n",
                     doc->Sheets().Count(), doc->Sheets().CurrentIndex(),
                     doc->History().RedoCount(), doc->Selection().Points().Count(),
                     doc->Selection().Lines().Count(),
                     doc->Naming().Next(GNameKind::kPoint).c_str(), doc->Viewport().Scale(),
                     doc->Viewport().XMin(), doc->Viewport().YMax()) +
           WriteScript(*doc);
  }
  void ExpectUnchanged(const std::string& was) {
    EXPECT_EQ(State(), was);
    EXPECT_EQ(hooks.switched, 0) << "the window was told of a sheet";
    EXPECT_EQ(hooks.appearance, 0) << "the window was given looks";
  }
  GOpenResult Open(const std::string& path) {
    return OpenFigure(*doc, path, [&] { return ++confirmations > 0; });
  }
};

TEST_F(OpenFigureTest, AFileThatDoesNotReadWholeChangesNothing) {
  const struct {
    const char* label;
    std::string path;
    GOpenStatus status;
    std::string why;
  } cases[] = {
      {"missing", scratch.dir + "/none.fgf", GOpenStatus::kUnreadable, "No such file or directory"},
      {"a folder", scratch.dir, GOpenStatus::kUnreadable, "not a regular file"},
      {"a pipe", scratch.Fifo(), GOpenStatus::kUnreadable, "not a regular file"},  // would block
      {"a device", "/dev/zero", GOpenStatus::kUnreadable, "not a regular file"},   // never ends
      {"an error on line 3",
       scratch.Put("three.fgf",
                   "//Sheet 0;\npoint A=Pt(1.000,2.000);\nline a=Join(A);\n"
                   "point C=Pt(0.000,0.000);\n"),
       GOpenStatus::kReadError, "line 3 : Join : syntax error"},
      // Looks, a window size and a zoom are read before the error.
      {"an error on the second sheet",
       scratch.Put("second.fgf",
                   "//Sheet 0;\r\nvoid SetBgMode(3);\nvoid WindowSize(475,275);\n"
                   "point A=Pt(1,2);\nvoid ZoomIn();\n//Sheet 1;\r\nfrob b=Pt(1,1);\n"),
       GOpenStatus::kReadError, "line 7 : invalid type"},
      {"a name taken twice", scratch.Put("twice.fgf", "point A=Pt(1,2);\npoint A=Pt(3,4);\n"),
       GOpenStatus::kReadError, "line 2 : element name error : A "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    const std::string before = State();
    confirmations = 0;
    const GOpenResult r = Open(c.path);
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.why, c.why);
    EXPECT_EQ(confirmations, c.status == GOpenStatus::kUnreadable ? 0 : 1);
    EXPECT_TRUE(user.messages.empty()) << "the road itself shows nothing: " << LastMessage();
    ExpectUnchanged(before);
    if (c.status != GOpenStatus::kReadError) continue;
    // The reading that stopped is handed back with what it said and built.
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0].text, c.why);
    ASSERT_NE(r.attempt, nullptr);
    ASSERT_NE(r.attempt->Sheets().Slot(0).points.head, nullptr);
    EXPECT_EQ(r.attempt->Sheets().Slot(0).points.head->name, "A");
  }
}

// Nothing of the construction language: no sheet line, no statement that
// begins with a type word. Such a file is refused before anything is asked.
TEST_F(OpenFigureTest, AFileWithNothingOfTheLanguageIsNoFigure) {
  const struct {
    const char* label;
    std::string text;
  } cases[] = {
      {"empty", ""},
      {"a letter", "Dear teacher,\nhere is the triangle we drew.\n"},
      {"a letter with semicolons", "Dear Sam; the figure; see you\n"},
      {"comments only", "// a note;\r\n//Sheets to come;\n"},
      {"a picture", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR;\x08\x06;\xff", 22)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    const std::string before = State();
    confirmations = 0;
    const GOpenResult r = Open(scratch.Put("none.fgf", c.text));
    EXPECT_EQ(r.status, GOpenStatus::kNotAFigure);
    EXPECT_EQ(r.why, "not a Figuretta figure");
    EXPECT_EQ(confirmations, 0);
    ExpectUnchanged(before);
  }
}

// A saved empty document is its sheet line alone; a statement may follow
// comments and blanks.
TEST_F(OpenFigureTest, ASheetLineOrOneStatementIsAFigure) {
  const struct {
    const char* label;
    std::string text;
    int steps;
  } cases[] = {
      {"a saved empty document", "//Sheet 0;\r\n", 0},
      {"a statement after a comment", "// a note;\r\n  point A=Pt(1,2);", 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    const GOpenResult r = Open(scratch.Put("some.fgf", c.text));
    ASSERT_TRUE(r.Opened()) << r.why;
    EXPECT_EQ(doc->Sheets().Count(), 1);
    EXPECT_EQ(StepCount(0), c.steps);
  }
}

TEST_F(OpenFigureTest, AFileThatReadsWholeReplacesTheDocument) {
  const GOpenResult r =
      Open(scratch.Put("two.fgf", "//Sheet 0;\r\npoint A=Pt(1,2);//Sheet 1;\r\npoint B=Pt(3,4);"));
  ASSERT_TRUE(r.Opened()) << r.why;
  EXPECT_EQ(r.attempt, nullptr);
  EXPECT_EQ(doc->Sheets().Count(), 2);
  EXPECT_EQ(doc->Sheets().CurrentIndex(), 0);
  EXPECT_NE(P("A"), nullptr);
  EXPECT_EQ(doc->Sheets().Slot(1).points.head->name, "B");
  EXPECT_EQ(doc->History().RedoCount(), 0);
  EXPECT_EQ(doc->Selection().Points().Count() + doc->Selection().Lines().Count(), 0);
  EXPECT_EQ(doc->Naming().Next(GNameKind::kPoint), "B")
      << "the next point takes the first name sheet 0 leaves";
  EXPECT_GT(hooks.freshSwitches, 0) << "the window took the file's sheets";
}

// The first reading, which tries the file, asks for a picture that is not
// where the file says; the second takes the same answer without asking again.
TEST_F(OpenFigureTest, APictureTheFileDoesNotFindIsAskedForOnce) {
  const std::string picture = scratch.Put("p.gif", "GIF89a");
  user.files = {picture, scratch.dir + "/never-asked.gif"};
  const GOpenResult r =
      Open(scratch.Put("im.fgf", "image im=Image(/nonexistent/p.gif,1,2,3,4);\n"));
  ASSERT_TRUE(r.Opened()) << r.why;
  EXPECT_EQ(user.files.size(), 1u) << "asked more than once";
  ASSERT_NE(doc->Sheet().images.head, nullptr);
  EXPECT_EQ(doc->Sheet().images.head->fileName, picture);
}

}  // namespace
