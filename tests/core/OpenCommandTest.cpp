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
  CountingHooks hooks;
  const std::string kBefore = "//Sheet 0;\r\npoint Z=Pt(1,2);//Sheet 1;\r\npoint Y=Pt(3,4);";

  void SetUp() override {
    ASSERT_TRUE(Read(kBefore));
    doc->m_Hooks = &hooks;
    user.messages.clear();
    user.log.clear();
  }

  // Opens `path` as if chosen in the dialog; a Yes waits in case the
  // command wrongly goes on to its question.
  void OpenChosen(const std::string& path) {
    user.files.push_back(wxString::FromUTF8(path));
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
    EXPECT_EQ(doc->scriptText, kBefore);
    EXPECT_EQ(hooks.switched, 0);
    EXPECT_TRUE(hooks.title.empty());
    ASSERT_FALSE(user.log.empty());
    EXPECT_EQ(user.log.back(), "OnOpen: failed\n");
  }
};

TEST_F(OpenCommandTest, MissingFileIsReportedAndChangesNothing) {
  const std::string path = "/tmp/figuretta-no-such-dir/none.fgf";
  OpenChosen(path);
  ExpectRefused(path, "No such file or directory");
}

TEST_F(OpenCommandTest, DirectoryAndPipeAreReportedWithoutBlocking) {
  Scratch scratch;
  for (const std::string& path : {scratch.dir, scratch.Fifo(), std::string("/dev/zero")}) {
    SCOPED_TRACE(path);
    user.messages.clear();
    user.answers.clear();
    OpenChosen(path);
    ExpectRefused(path, "not a regular file");
  }
}

TEST_F(OpenCommandTest, CancelledChoiceSaysNothing) {
  doc->OnOpen();  // no file chosen
  EXPECT_TRUE(user.messages.empty());
  EXPECT_EQ(doc->m_SheetCount, 2);
}

TEST_F(OpenCommandTest, ReadableFileStillAsksAndNoKeepsTheDocument) {
  char name[] = "/tmp/figuretta-open-XXXXXX.fgf";
  const int fd = mkstemps(name, 4);
  ASSERT_GE(fd, 0);
  const std::string text = "//Sheet 0;\r\npoint A=Pt(0,0);";
  ASSERT_EQ(write(fd, text.data(), text.size()), static_cast<ssize_t>(text.size()));
  close(fd);
  user.files.push_back(wxString::FromUTF8(name));
  doc->OnOpen();  // answered No
  std::remove(name);
  ASSERT_EQ(user.messages.size(), 1u);
  EXPECT_EQ(user.messages[0].text, "Are you sure?");
  EXPECT_NE(P("Z"), nullptr);
  EXPECT_EQ(P("A"), nullptr);
  EXPECT_EQ(doc->m_SheetCount, 2);
}

}  // namespace
