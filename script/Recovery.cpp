// Recovery copies: their text with its guard lines, the locks that tell a
// running program's copy from one left behind, taking a left copy, and the
// keeper that writes the running program's copy from the repaint tick.
#include "script/Recovery.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cctype>
#include <cinttypes>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <utility>

#include "model/AppFolders.h"
#include "script/OpenFigure.h"
#include "script/SafeFile.h"

namespace {

constexpr std::string_view kHead = "//Recovery of: ";
constexpr std::string_view kUntitledHead = "//Recovery of an untitled figure";
constexpr std::string_view kTail = "\n//Recovery end: ";
constexpr std::string_view kPrefix = "recovery-";

// FNV-1a over the script's bytes: any byte changed or lost changes it.
std::uint64_t Checksum(std::string_view bytes) {
  std::uint64_t h = 14695981039346656037ull;
  for (unsigned char c : bytes) {
    h ^= c;
    h *= 1099511628211ull;
  }
  return h;
}

// A path on one comment line: backslashes and line breaks escaped.
std::string Escaped(const std::string& path) {
  std::string out;
  for (char c : path) {
    if (c == '\\')
      out += "\\\\";
    else if (c == '\n')
      out += "\\n";
    else if (c == '\r')
      out += "\\r";
    else
      out += c;
  }
  return out;
}

bool Unescaped(std::string_view line, std::string& path) {
  path.clear();
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] != '\\') {
      path += line[i];
      continue;
    }
    if (++i == line.size()) return false;
    if (line[i] == '\\')
      path += '\\';
    else if (line[i] == 'n')
      path += '\n';
    else if (line[i] == 'r')
      path += '\r';
    else
      return false;
  }
  return true;
}

bool EndsWith(const std::string& s, std::string_view end) {
  return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

// Takes the lock at `path` (made when missing) for this program: the open
// descriptor, or -1 when another program holds it or it cannot be made.
// The lock is the file's inode, so a lock removed and made again by its
// holder between the open and the lock is noticed and tried afresh.
int ClaimLock(const std::string& path) {
  for (int tries = 0; tries < 3; ++tries) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
      ::close(fd);
      return -1;
    }
    struct stat held {
    }, named{};
    if (::fstat(fd, &held) == 0 && ::stat(path.c_str(), &named) == 0 &&
        held.st_ino == named.st_ino && held.st_dev == named.st_dev)
      return fd;
    ::close(fd);
  }
  return -1;
}

void LetGo(int& fd, const std::string& lock, bool unlink) {
  if (fd < 0) return;
  if (unlink) ::unlink(lock.c_str());
  ::close(fd);
  fd = -1;
}

struct Entry {
  std::string name;
  std::int64_t mtime;
};

// The names in the folder that begin with "recovery-", with their times.
std::vector<Entry> Listing(const std::string& folder) {
  std::vector<Entry> out;
  const std::string dir = folder.empty() ? std::string(".") : folder;
  DIR* d = ::opendir(dir.c_str());
  if (!d) return out;
  while (const dirent* e = ::readdir(d)) {
    const std::string name = e->d_name;
    if (name.compare(0, kPrefix.size(), kPrefix) != 0) continue;
    struct stat st {};
    if (::stat(InFolder(folder, name).c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
    out.push_back({name, static_cast<std::int64_t>(st.st_mtime)});
  }
  ::closedir(d);
  return out;
}

// Half-written files of a copy whose program stopped while writing it
// ("recovery-....fgf.XXXXXX", the safe-file layer's temporary names).
void RemoveStrays(const std::string& folder, const std::vector<Entry>& all,
                  const std::string& baseName) {
  const std::string stray = baseName + ".fgf.";
  for (const Entry& e : all)
    if (e.name.compare(0, stray.size(), stray) == 0) ::unlink(InFolder(folder, e.name).c_str());
}

// "20261210-115319", and a number after it for a second keeper of the same
// program in the same second.
std::string Stamp() {
  static int made = 0;
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[48];
  std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
  std::string stamp = text;
  if (made++ > 0) {
    stamp += '-';
    stamp += std::to_string(made);
  }
  return stamp;
}

}  // namespace

// ---- the text ----

std::string RecoveryText(const std::string& origin, std::string_view script) {
  std::string text;
  text.reserve(script.size() + origin.size() + 80);
  text += origin.empty() ? std::string(kUntitledHead) : std::string(kHead) + Escaped(origin);
  text += '\n';
  text += script;
  char tail[64];
  std::snprintf(tail, sizeof tail, " %zu %016" PRIx64 "\n", text.size(), Checksum(text));
  text += kTail;
  text += tail;
  return text;
}

bool ParseRecoveryText(std::string_view text, std::string& origin, std::string& script) {
  const size_t headEnd = text.find('\n');
  if (headEnd == std::string_view::npos) return false;
  const std::string_view head = text.substr(0, headEnd);
  std::string from;
  if (head == kUntitledHead)
    from.clear();
  else if (head.substr(0, kHead.size()) != kHead || !Unescaped(head.substr(kHead.size()), from))
    return false;
  const size_t tail = text.rfind(kTail);
  if (tail == std::string_view::npos || tail <= headEnd) return false;
  // The last line: " LENGTH CHECKSUM" and its line break, nothing after.
  const std::string last(text.substr(tail + kTail.size()));
  if (last.size() < 4 || last[0] != ' ' || !std::isdigit(static_cast<unsigned char>(last[1])))
    return false;
  char* end = nullptr;
  const unsigned long long length = std::strtoull(last.c_str() + 1, &end, 10);
  if (*end != ' ' || !std::isxdigit(static_cast<unsigned char>(end[1]))) return false;
  const char* hex = end + 1;
  const std::uint64_t sum = std::strtoull(hex, &end, 16);
  if (end - hex != 16 || end + 1 != last.c_str() + last.size() || *end != '\n') return false;
  // The guard covers the first line as well: a name changed on the disk
  // would bring the figure back under the wrong title.
  if (tail != length || Checksum(text.substr(0, tail)) != sum) return false;
  origin = std::move(from);
  script.assign(text.substr(headEnd + 1, tail - headEnd - 1));
  return true;
}

// ---- left copies ----

GLeftCopy& GLeftCopy::operator=(GLeftCopy&& other) noexcept {
  if (this == &other) return *this;
  Release();
  path = std::move(other.path);
  origin = std::move(other.origin);
  script = std::move(other.script);
  m_LockPath = std::move(other.m_LockPath);
  m_LockFd = std::exchange(other.m_LockFd, -1);
  return *this;
}

void GLeftCopy::Release() { LetGo(m_LockFd, m_LockPath, true); }

void GLeftCopy::Discard() {
  if (!Held()) return;
  ::unlink(path.c_str());
  Release();
}

std::string GLeftCopy::SetAside() {
  if (!Held()) return std::string();
  const std::string aside = path + ".damaged";
  const bool moved = ::rename(path.c_str(), aside.c_str()) == 0;
  Release();
  return moved ? aside : path;
}

std::optional<GLeftCopy> TakeLeftCopy(const std::string& folder,
                                      std::vector<std::string>* setAside) {
  std::vector<Entry> all = Listing(folder);
  // Locks whose copy is gone, of programs that stopped before writing one.
  for (const Entry& e : all) {
    if (!EndsWith(e.name, ".lock")) continue;
    const std::string baseName = e.name.substr(0, e.name.size() - 5);
    struct stat st {};
    if (::stat(InFolder(folder, baseName + ".fgf").c_str(), &st) == 0) continue;
    const std::string lock = InFolder(folder, e.name);
    int fd = ClaimLock(lock);
    if (fd < 0) continue;
    RemoveStrays(folder, all, baseName);
    LetGo(fd, lock, true);
  }
  std::vector<Entry> copies;
  for (const Entry& e : all)
    if (EndsWith(e.name, ".fgf")) copies.push_back(e);
  // The newest first: the work most likely wanted back.
  std::sort(copies.begin(), copies.end(), [](const Entry& a, const Entry& b) {
    return a.mtime != b.mtime ? a.mtime > b.mtime : a.name > b.name;
  });
  for (const Entry& e : copies) {
    const std::string baseName = e.name.substr(0, e.name.size() - 4);
    GLeftCopy copy;
    copy.path = InFolder(folder, e.name);
    copy.m_LockPath = InFolder(folder, baseName + ".lock");
    copy.m_LockFd = ClaimLock(copy.m_LockPath);
    if (!copy.Held()) continue;  // its program still runs
    RemoveStrays(folder, all, baseName);
    std::string bytes, why;
    if (!ReadWholeFile(copy.path, bytes, why)) continue;  // gone meanwhile: let go
    if (!ParseRecoveryText(bytes, copy.origin, copy.script)) {
      const std::string aside = copy.SetAside();
      if (setAside) setAside->push_back(aside);
      continue;
    }
    return copy;
  }
  return std::nullopt;
}

// ---- the keeper ----

GRecoveryKeeper::GRecoveryKeeper(std::string folder, ScriptOf script)
    : m_Folder(std::move(folder)), m_Script(std::move(script)) {
  m_Base = InFolder(m_Folder, std::string(kPrefix) + std::to_string(::getpid()) + "-" + Stamp());
  m_Path = m_Base + ".fgf";
}

GRecoveryKeeper::~GRecoveryKeeper() { Finish(); }

void GRecoveryKeeper::Reset(const std::string& origin) {
  if (m_Kept) return;
  m_Origin = origin;
  m_Saved = m_Script();
  m_Pending = m_Urgent = false;
  m_RetryAt = 0;
  m_FailureTold = false;
  RemoveCopy();
  m_Adopted.Discard();
}

void GRecoveryKeeper::Recovered(const std::string& origin, GLeftCopy left) {
  if (m_Kept) return;
  m_Origin = origin;
  m_Saved.reset();
  m_Adopted = std::move(left);
  m_Pending = m_Urgent = true;
  m_RetryAt = 0;
}

void GRecoveryKeeper::Touched(std::int64_t nowMs) {
  if (!m_Pending) m_FirstTouch = nowMs;
  m_Pending = true;
  m_LastTouch = nowMs;
}

GRecoveryEvent GRecoveryKeeper::Tick(std::int64_t nowMs, bool buttonHeld) {
  if (m_Kept || !m_Pending || buttonHeld || nowMs < m_RetryAt) return GRecoveryEvent::kNone;
  if (!m_Urgent && nowMs - m_LastTouch < kSettleMs && nowMs - m_FirstTouch < kLatestMs)
    return GRecoveryEvent::kNone;
  return BringUpToDate(nowMs);
}

GRecoveryEvent GRecoveryKeeper::BringUpToDate(std::int64_t nowMs) {
  const std::string script = m_Script();
  m_Pending = false;
  if (m_Saved && script == *m_Saved) {
    if (!m_Written) return GRecoveryEvent::kNone;
    RemoveCopy();
    return GRecoveryEvent::kRemoved;
  }
  // A figure just brought back is written whatever the copy held before:
  // its first line names another document, and the copy taken over goes.
  if (m_Written && script == m_Copied && !m_Urgent) return GRecoveryEvent::kNone;
  if (Write(script)) {
    m_Urgent = false;
    m_RetryAt = 0;
    m_FailureTold = false;
    return GRecoveryEvent::kWritten;
  }
  // Tried again a little later, whether or not anything changes meanwhile.
  m_Pending = true;
  m_RetryAt = nowMs + kRetryMs;
  if (m_FailureTold) return GRecoveryEvent::kNone;
  m_FailureTold = true;
  return GRecoveryEvent::kFailed;
}

bool GRecoveryKeeper::TakeLock() {
  if (m_LockFd >= 0) return true;
  // Made under a name of its own, locked, then put in place: no other
  // program ever finds this lock free.
  std::string temp = m_Base + ".lock.XXXXXX";
  const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) {
    m_Why = std::strerror(errno);
    return false;
  }
  const std::string pid = std::to_string(::getpid()) + "\n";
  const bool ok = ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
                  ::write(fd, pid.data(), pid.size()) == static_cast<ssize_t>(pid.size()) &&
                  ::rename(temp.c_str(), (m_Base + ".lock").c_str()) == 0;
  if (!ok) {
    m_Why = std::strerror(errno);
    ::unlink(temp.c_str());
    ::close(fd);
    return false;
  }
  m_LockFd = fd;
  return true;
}

bool GRecoveryKeeper::Write(const std::string& script) {
  if (!TakeLock()) return false;
  if (!ReplaceFile(m_Path, RecoveryText(m_Origin, script), m_Why)) return false;
  m_Written = true;
  m_Copied = script;
  // This program's copy holds the figure now; the one it came from can go.
  m_Adopted.Discard();
  return true;
}

void GRecoveryKeeper::RemoveCopy() {
  if (m_Written) ::unlink(m_Path.c_str());
  m_Written = false;
  m_Copied.clear();
}

void GRecoveryKeeper::DropLock(bool unlink) { LetGo(m_LockFd, m_Base + ".lock", unlink); }

void GRecoveryKeeper::Finish() {
  if (m_Kept) return;
  m_Kept = true;
  RemoveCopy();
  m_Adopted.Discard();
  DropLock(true);
}

bool GRecoveryKeeper::KeepForNextStart() {
  if (m_Kept) return m_Written;
  const std::string script = m_Script();
  bool ok = true;
  if (m_Saved && script == *m_Saved) {
    RemoveCopy();
    m_Adopted.Discard();
  } else if (!m_Written || script != m_Copied) {
    ok = Write(script);
  }
  // A copy taken over stays when this one could not be written.
  m_Adopted.Release();
  m_Kept = true;
  DropLock(true);
  return ok;
}
