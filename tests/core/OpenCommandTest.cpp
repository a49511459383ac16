// The Open command when the chosen file cannot be read: the person is told
// which file and why, is asked nothing, and the document stays as it was.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "ReaderFixture.h"

namespace {

// A scratch directory under /tmp with a FIFO in it; removed again.
struct Scratch {
  std::string dir;
  Scratch() {
    char name[] = "/tmp/figuretta-open-XXXXXX";
    if (mkdtemp(name)) dir = name;
    mkfifo(Fifo().c_str(), 0600);
  }
  ~Scratch() {
    std::remove(Fifo().c_str());
    rmdir(dir.c_str());
  }
  std::string Fifo() const { return dir + "/pipe.fgf"; }
};

class OpenCommandTest : public ReaderTest {
 protected:
  const std::string kBefore = "//Sheet 0;\r\npoint Z=Pt(1,2);//Sheet 1;\r\npoint Y=Pt(3,4);";

  std::string written;  // the document as the writer gives it after reading kBefore

  void SetUp() override {
    ASSERT_TRUE(Read(kBefore));
    written = WriteScript(*doc);
    doc->m_Hooks = &hooks;
    user.messages.clear();
    user.log.clear();
  }

  // Opens `path` as if chosen in the dialog; a Yes waits in case the
  // command wrongly goes on to its question.
  void OpenChosen(const std::string& path) {
    user.files.push_back(path);
    user.answers.push_back(GUser::kYes);
    doc->OnOpen();
  }

  void ExpectRefused(const std::string& path, const std::string& reason) {
    ASSERT_EQ(user.messages.size(), 1u) << "one message and no question";
    EXPECT_EQ(user.messages[0].caption, "Open");
    EXPECT_EQ(user.messages[0].text, "The file " + path + " could not be opened (" + reason +
                                         ").\nThe document was not changed.");
    EXPECT_EQ(user.answers.size(), 1u) << "the question was not asked";
    // The document, its sheets, the script buffer and the title are untouched.
    EXPECT_EQ(doc->m_SheetCount, 2);
    EXPECT_EQ(doc->m_CurrentSheet, 0);
    EXPECT_NE(P("Z"), nullptr);
    EXPECT_EQ(doc->m_Sheets[1].points.head->name, "Y");
    EXPECT_EQ(WriteScript(*doc), written);
    EXPECT_EQ(hooks.switched, 0);
    EXPECT_TRUE(hooks.title.empty());
    ASSERT_FALSE(user.log.empty());
    EXPECT_EQ(user.log.back(), "OnOpen: failed\n");
  }
};

TEST_F(OpenCommandTest, UnreadableChoicesAreReportedAndChangeNothing) {
  Scratch scratch;
  const struct {
    std::string path, reason;
  } cases[] = {{scratch.dir + "/none.fgf", "No such file or directory"},
               {scratch.dir, "not a regular file"},
               {scratch.Fifo(), "not a regular file"},  // would block a plain open
               {"/dev/zero", "not a regular file"}};    // would never end
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    user.messages.clear();
    user.answers.clear();
    OpenChosen(c.path);
    ExpectRefused(c.path, c.reason);
  }
}

}  // namespace
