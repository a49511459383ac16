// Saving a document: the text of all sheets, and writing it so that a failure
// at any point leaves the old file as it was (a temporary file beside the
// target is written, flushed and closed, then renamed over it).
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "model/Document.h"

namespace {

// Writes all of `text` to `fd`; false on any error.
bool WriteAll(int fd, const std::string& text) {
  const char* p = text.data();
  size_t left = text.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += n;
    left -= static_cast<size_t>(n);
  }
  return true;
}

// Writes `text` to `target` through a temporary file in the same directory,
// so the rename is atomic. On failure the temporary file is removed and the
// reason is returned in `why`.
bool ReplaceFile(const std::string& target, const std::string& text, std::string& why) {
  std::string temp = target + ".XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) {
    why = std::strerror(errno);
    return false;
  }
  // The new file keeps the permissions of the file it replaces; a new file
  // gets the usual ones (mkstemp alone would make it private).
  struct stat old {};
  mode_t mode;
  if (::stat(target.c_str(), &old) == 0) {
    mode = old.st_mode & 07777;
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  bool ok = ::fchmod(fd, mode) == 0 && WriteAll(fd, text) && ::fsync(fd) == 0;
  if (!ok) why = std::strerror(errno);
  if (::close(fd) != 0 && ok) {
    ok = false;
    why = std::strerror(errno);
  }
  if (ok && ::rename(temp.c_str(), target.c_str()) != 0) {
    ok = false;
    why = std::strerror(errno);
  }
  if (!ok) ::unlink(temp.c_str());
  return ok;
}

// Each sheet's block follows its "//Sheet" line; an empty sheet is that line
// alone. Element texts are written as the bytes they are. The blocks can go
// to the log as well, as saving does.
std::string BuildText(GDocument& doc, bool log) {
  std::string text;
  std::string saved = std::move(doc.scriptText);
  for (int i = 0; i < doc.m_SheetCount; ++i) {
    char line[32];
    std::snprintf(line, sizeof line, "//Sheet %d;\r\n", i);
    text += line;
    doc.scriptText.clear();
    doc.SetConstSrc(doc.m_Sheets[i].consts.head);
    if (log && !doc.scriptText.empty()) doc.WriteLogFile(doc.scriptText);
    text += doc.scriptText;
  }
  doc.scriptText = std::move(saved);
  return text;
}

}  // namespace

std::string GDocument::DocumentText() { return BuildText(*this, false); }

bool GDocument::SaveDocument(const wxString& chosen) {
  WriteLogFile("OnSave: start\n");
  wxString path = chosen;
  if (!path.EndsWith("fgf")) path += ".fgf";

  const std::string text = BuildText(*this, true);

  std::string why;
  const std::string target(path.fn_str());
  if (target.empty() || !ReplaceFile(target, text, why)) {
    if (why.empty()) why = "no file name";
    m_User->ShowMessage(wxString::Format("The file %s could not be saved (%s).\n"
                                         "The file on disk was not changed.",
                                         path, wxString::FromUTF8(why)),
                        "Save", GUser::kError);
    WriteLogFile("OnSave: failed\n");
    return false;
  }
  if (m_Hooks) m_Hooks->TitleChanged("Figuretta - " + path);
  WriteLogFile("OnSave: end\n");
  return true;
}

void GDocument::OnSave() {
  const wxString path =
      m_User->ChooseFile("Input a file name", "untitled.fgf", "Figuretta files(*.fgf)|*.fgf", true);
  if (path.empty()) return;
  SaveDocument(path);
}
