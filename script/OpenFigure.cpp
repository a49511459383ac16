// Opening a file by the one road: the bytes are read whole, the statements
// are tried in a document of their own, and only a file that reads to its
// end is read again into the document asked for.
#include "script/OpenFigure.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <deque>

#include "script/Script.h"

// Devices, pipes and directories are refused before they are opened
// (reading them could block or never end).
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

namespace {

// The person as the trial reading meets them: what it says is kept, not
// shown (the real reading shows it, once); a question or a file choice goes
// to the real person, and the answer is kept for the real reading to give
// again. Log lines are the real reading's to write.
class TrialUser : public GUser {
 public:
  explicit TrialUser(GUser* real) : m_Real(real) {}
  std::vector<GOpenMessage> messages;
  std::deque<Answer> answers;
  std::deque<std::string> files;

  void ShowMessage(const std::string& text, const std::string& caption, Icon) override {
    messages.push_back({caption, text});
  }
  Answer Ask(const std::string& text, const std::string& caption, bool withCancel) override {
    const Answer a = m_Real ? m_Real->Ask(text, caption, withCancel) : kNo;
    answers.push_back(a);
    return a;
  }
  std::string ChooseFile(const std::string& message, const std::string& defaultFile,
                         const std::string& wildcard, bool forSaving) override {
    std::string f =
        m_Real ? m_Real->ChooseFile(message, defaultFile, wildcard, forSaving) : std::string();
    files.push_back(f);
    return f;
  }
  void WriteLog(const std::string&) override {}
  bool KeepsLog() const override { return false; }

 private:
  GUser* m_Real;
};

// The person as the real reading meets them: everything reaches the real
// person, except that the questions and file choices the trial asked are
// answered as they were then. What is said is noted as well, for the reason
// of a failure.
class ReplayUser : public GUser {
 public:
  ReplayUser(GUser* real, TrialUser& trial)
      : m_Real(real), m_Answers(std::move(trial.answers)), m_Files(std::move(trial.files)) {}
  std::vector<GOpenMessage> messages;

  void ShowMessage(const std::string& text, const std::string& caption, Icon icon) override {
    messages.push_back({caption, text});
    if (m_Real) m_Real->ShowMessage(text, caption, icon);
  }
  Answer Ask(const std::string& text, const std::string& caption, bool withCancel) override {
    if (m_Answers.empty()) return m_Real ? m_Real->Ask(text, caption, withCancel) : kNo;
    const Answer a = m_Answers.front();
    m_Answers.pop_front();
    return a;
  }
  std::string ChooseFile(const std::string& message, const std::string& defaultFile,
                         const std::string& wildcard, bool forSaving) override {
    if (m_Files.empty())
      return m_Real ? m_Real->ChooseFile(message, defaultFile, wildcard, forSaving) : std::string();
    std::string f = std::move(m_Files.front());
    m_Files.pop_front();
    return f;
  }
  void WriteLog(const std::string& text) override {
    if (m_Real) m_Real->WriteLog(text);
  }
  bool KeepsLog() const override { return m_Real && m_Real->KeepsLog(); }

 private:
  GUser* m_Real;
  std::deque<Answer> m_Answers;
  std::deque<std::string> m_Files;
};

// Nobody: the person of a trial document handed back after its reading.
GSilentUser& Nobody() {
  static GSilentUser nobody;
  return nobody;
}

// What a reading depends on besides the text: the view it starts from (zoom
// statements and window sizes scale it), the defaults new elements take, the
// name colour and the window the texts are scaled to.
void CopyReadingSettings(const GDocument& from, GDocument& to) {
  to.Defaults() = from.Defaults();
  to.Viewport() = from.Viewport();
  to.Relations().SetLiteralWalk(from.Relations().LiteralWalk());
}

// The reader's own words for why it stopped: the last message about a
// statement ("line 3 : invalid type"), else the last thing it said.
std::string ReasonOf(const std::vector<GOpenMessage>& messages) {
  for (size_t i = messages.size(); i > 0; --i)
    if (messages[i - 1].text.compare(0, 5, "line ") == 0) return messages[i - 1].text;
  return messages.empty() ? std::string("the document could not be read") : messages.back().text;
}

}  // namespace

GOpenResult OpenFigure(GDocument& doc, const std::string& path,
                       const std::function<bool()>& confirm) {
  GOpenResult result;
  std::string text;
  if (!ReadWholeFile(path, text, result.why)) {
    result.status = GOpenStatus::kUnreadable;
    return result;
  }
  return OpenFigureText(doc, text, confirm);
}

GOpenResult OpenFigureText(GDocument& doc, const std::string& text,
                           const std::function<bool()>& confirm) {
  GOpenResult result;
  if (!HoldsStatement(text)) {
    result.status = GOpenStatus::kNotAFigure;
    result.why = "not a Figuretta figure";
    return result;
  }
  if (confirm && !confirm()) {
    result.status = GOpenStatus::kCancelled;
    return result;
  }

  TrialUser trialUser(&doc.User());
  auto trial = std::make_unique<GDocument>(&trialUser);
  CopyReadingSettings(doc, *trial);
  if (!ReadScript(*trial, text)) {
    result.status = GOpenStatus::kReadError;
    result.why = ReasonOf(trialUser.messages);
    result.messages = std::move(trialUser.messages);
    trial->SetUser(&Nobody());
    result.attempt = std::move(trial);
    return result;
  }
  trial.reset();

  // The trial read the whole file with the same start, so this reading goes
  // through as well; should it not, the reader has said why, and what it
  // read stays, as with any reading that stops.
  ReplayUser replay(&doc.User(), trialUser);
  GUser* const own = &doc.User();
  doc.SetUser(&replay);
  const bool read = ReadScript(doc, text);
  doc.SetUser(own);
  if (!read) {
    result.status = GOpenStatus::kReadError;
    result.why = ReasonOf(replay.messages);
    return result;
  }
  doc.ResetAllName();
  result.status = GOpenStatus::kOpened;
  return result;
}
