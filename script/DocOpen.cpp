// Opening a document file and the Open command: the file is read whole and
// executed statement by statement.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "model/Document.h"
#include "model/Utf8Text.h"
#include "script/Script.h"

namespace {

// Reads a regular file whole; on failure `why` says what went wrong. Devices,
// pipes and directories are refused before they are opened (reading them
// could block or never end).
bool ReadWholeFile(const std::string& p, std::string& out, std::string& why) {
  struct stat st;
  if (p.empty()) {
    why = "no file name";
    return false;
  }
  if (stat(p.c_str(), &st) != 0) {
    why = std::strerror(errno);
    return false;
  }
  if (!S_ISREG(st.st_mode)) {
    why = "not a regular file";
    return false;
  }
  const int fd = open(p.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    why = std::strerror(errno);
    return false;
  }
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    close(fd);
    why = "not a regular file";
    return false;
  }
  std::string text;
  char buf[65536];
  for (;;) {
    const ssize_t n = read(fd, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      why = std::strerror(errno);
      close(fd);
      return false;
    }
    if (n == 0) break;
    text.append(buf, static_cast<size_t>(n));
  }
  close(fd);
  out.swap(text);
  return true;
}

std::string FileNameOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

bool GDocument::OpenDocument(const std::string& path) {
  std::string text, why;
  if (!ReadWholeFile(path, text, why)) return false;
  return ReadScript(*this, text);
}

void GDocument::OnOpen() {
  const std::string path =
      m_User->ChooseFile("Choose a file", "untitled.fgf", "Figuretta files(*.fgf)|*.fgf", false);
  if (path.empty()) return;
  WriteLogFile("OnOpen : g_Path=" + path + "\n");
  // The file is read before the question: a file that cannot be read is
  // said so at once, and the document on screen stays as it is.
  std::string text, why;
  if (!ReadWholeFile(path, text, why)) {
    m_User->ShowMessage(StrFormat("The file %s could not be opened (%s).\n"
                                  "The document was not changed.",
                                  path.c_str(), why.c_str()),
                        "Open", GUser::kError);
    WriteLogFile("OnOpen: failed\n");
    return;
  }
  if (m_User->Ask("Are you sure?", "Are you sure to delete?") != GUser::kYes) return;
  WriteLogFile("OnOpen: start\n");
  ReadScript(*this, text);
  ResetAllName();
  if (m_Hooks) m_Hooks->TitleChanged("Figuretta - " + FileNameOf(path));
  WriteLogFile("OnOpen: end\n");
}
