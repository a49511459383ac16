// Replacing files through a temporary file and a rename, keeping the
// permissions of the file replaced (a new file gets the usual ones).
#include "script/SafeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

namespace {

GFileFault g_Fault = GFileFault::kNone;

// The fault the write that starts now meets (and no later one).
GFileFault TakeFault() { return std::exchange(g_Fault, GFileFault::kNone); }

// Writes all of `text` to `fd`; false on any error.
bool WriteAll(int fd, std::string_view text) {
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

// The mode the new file takes: the old file's, or 0666 less the umask
// (mkstemp alone would make it private).
mode_t ModeFor(const std::string& target) {
  struct stat old {};
  if (::stat(target.c_str(), &old) == 0) return old.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// A fresh temporary file in the target's directory (so the rename is atomic).
int MakeTemp(const std::string& target, std::string& temp, std::string& why, GFileFault fault) {
  if (target.empty()) {
    why = "no file name";
    return -1;
  }
  if (fault == GFileFault::kFolderGone || fault == GFileFault::kReadOnly) {
    why = std::strerror(fault == GFileFault::kFolderGone ? ENOENT : EROFS);
    return -1;
  }
  temp = target + ".XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) why = std::strerror(errno);
  return fd;
}

// A file that is not waited for takes the old file's place by swapping names
// with it, and the old one is then removed: a rename over it would make ext4
// write the new file out at once (its guard against a crash leaving an empty
// file), which costs more than writing it. Only a regular file is swapped,
// and where the system cannot swap, the rename does.
bool Swapped(const std::string& temp, const std::string& target) {
#if defined(RENAME_EXCHANGE)
  struct stat old {};
  if (::lstat(target.c_str(), &old) != 0 || !S_ISREG(old.st_mode)) return false;
  if (::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, target.c_str(), RENAME_EXCHANGE) != 0)
    return false;
  ::unlink(temp.c_str());
  return true;
#else
  (void)temp;
  (void)target;
  return false;
#endif
}

bool Finish(const std::string& temp, const std::string& target, bool ok, bool durable,
            std::string& why) {
  if (ok && !durable && Swapped(temp, target)) return true;
  if (ok && ::rename(temp.c_str(), target.c_str()) != 0) {
    ok = false;
    why = std::strerror(errno);
  }
  if (!ok) ::unlink(temp.c_str());
  return ok;
}

}  // namespace

bool ReplaceFile(const std::string& target, std::string_view bytes, std::string& why,
                 bool durable) {
  return ReplaceFileBy(
      target, [&](const GFilePut& put) { return put(bytes); }, why, durable);
}

bool ReplaceFileBy(const std::string& target,
                   const std::function<bool(const GFilePut& put)>& produce, std::string& why,
                   bool durable) {
  const GFileFault fault = TakeFault();
  std::string temp;
  const int fd = MakeTemp(target, temp, why, fault);
  if (fd < 0) return false;
  int error = 0;
  const GFilePut put = [&](std::string_view piece) {
    // A full disk takes half of the first piece and then no more.
    if (!error && fault == GFileFault::kDiskFull) {
      WriteAll(fd, piece.substr(0, piece.size() / 2));
      error = ENOSPC;
    }
    if (!error && !WriteAll(fd, piece)) error = errno ? errno : EIO;
    return !error;
  };
  bool ok = ::fchmod(fd, ModeFor(target)) == 0;
  if (!ok) error = errno;
  // A piece that failed fails the whole, whatever `produce` made of it.
  if (ok) ok = produce(put) && !error;
  if (ok && fault == GFileFault::kDiskFull) {  // contents that had no piece to cut
    ok = false;
    error = ENOSPC;
  }
  if (!ok && !error) why = "the file could not be written";
  if (ok && durable && ::fsync(fd) != 0) {
    ok = false;
    error = errno;
  }
  if (error) why = std::strerror(error);
  if (::close(fd) != 0 && ok) {
    ok = false;
    why = std::strerror(errno);
  }
  return Finish(temp, target, ok, durable, why);
}

bool ReplaceFileWith(const std::string& target,
                     const std::function<bool(const std::string& temp)>& write, std::string& why) {
  const GFileFault fault = TakeFault();
  std::string temp;
  const int fd = MakeTemp(target, temp, why, fault);
  if (fd < 0) return false;
  bool ok = ::fchmod(fd, ModeFor(target)) == 0;
  if (!ok) why = std::strerror(errno);
  ::close(fd);
  if (ok && !write(temp)) {
    ok = false;
    why = "the file could not be written";
  }
  if (ok && fault == GFileFault::kDiskFull) {  // the writer's last bytes found no room
    ok = false;
    why = std::strerror(ENOSPC);
  }
  return Finish(temp, target, ok, true, why);
}

void SetFileFault(GFileFault fault) { g_Fault = fault; }

std::string WithExtension(const std::string& path, const std::string& ext) {
  const bool ends =
      path.size() >= ext.size() && path.compare(path.size() - ext.size(), ext.size(), ext) == 0;
  return ends ? path : path + "." + ext;
}
