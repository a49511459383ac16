// Recovery copies: while a figure has changes that are not saved, the program
// keeps its script in a file of its own, so that a crash or a power cut costs
// at most a few seconds of work; the copies a stopped program left are found
// and taken at the next start.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// ---- the text of a copy ----
// A first comment line naming the document the figure came from ("" for an
// untitled one), the figure's script exactly as Save writes it, and a last
// comment line with the length and checksum of all before it, by which a
// copy cut short or changed on the disk is known. The reader takes the two lines for
// comments, so a copy also opens as an ordinary document.
std::string RecoveryText(const std::string& origin, std::string_view script);
// False when `text` is not a whole copy (cut short, changed, not a copy at all).
bool ParseRecoveryText(std::string_view text, std::string& origin, std::string& script);

// ---- copies left by programs that stopped ----
// A copy whose program no longer runs, held by this program (its lock taken)
// until it is let go, so that no other program takes it meanwhile.
class GLeftCopy {
 public:
  GLeftCopy() = default;
  GLeftCopy(GLeftCopy&& other) noexcept { *this = std::move(other); }
  GLeftCopy& operator=(GLeftCopy&& other) noexcept;
  ~GLeftCopy() { Release(); }

  std::string path;    // the copy
  std::string origin;  // the document it came from, "" for an untitled one
  std::string script;  // the figure

  bool Held() const { return m_LockFd >= 0; }
  // Lets go of the copy and leaves it where it is, for a later start.
  void Release();
  // Removes the copy and its lock: the figure lives on elsewhere.
  void Discard();
  // Renames the copy aside (".damaged" added) and lets go; the new name.
  std::string SetAside();

 private:
  friend std::optional<GLeftCopy> TakeLeftCopy(const std::string&, std::vector<std::string>*);
  int m_LockFd = -1;
  std::string m_LockPath;
};

// The newest whole copy in `folder` whose program no longer runs, taken; none
// when there is no such copy. A program runs while it holds the lock of its
// copy (a lock the system lets go when the program ends in any way, killed
// or not, so a number reused by another process after a restart deceives
// nobody). A damaged copy met on the way is renamed aside and its new name
// added to `setAside`; a lock or half-written file left without a copy goes.
std::optional<GLeftCopy> TakeLeftCopy(const std::string& folder,
                                      std::vector<std::string>* setAside = nullptr);

// ---- the copy of the running program ----
enum class GRecoveryEvent {
  kNone,     // nothing was written or removed
  kWritten,  // the copy is the figure as it is now
  kRemoved,  // the figure is as saved again: the copy went
  kFailed,   // the copy could not be written (said once until a write succeeds again)
};

// Keeps this program's copy, "recovery-<PID>-<STAMP>.fgf" in its folder with
// a lock "recovery-<PID>-<STAMP>.lock" holding the program's number, written
// through the safe-file layer (whole or not at all, and waited for on the
// disk). The figure's script is compared with what was last opened or saved
// to tell whether anything is unsaved at all.
class GRecoveryKeeper {
 public:
  using ScriptOf = std::function<std::string()>;
  // After the last change the figure is left this long to settle before it
  // is written, and never longer than kLatestMs after the first change not
  // yet written; a write that failed is tried again after kRetryMs.
  static constexpr std::int64_t kSettleMs = 300;
  static constexpr std::int64_t kLatestMs = 1500;
  static constexpr std::int64_t kRetryMs = 3000;

  // folder: where copies live; script: the figure's script as Save writes it.
  GRecoveryKeeper(std::string folder, ScriptOf script);
  // A keeper that goes without KeepForNextStart takes its copy along.
  ~GRecoveryKeeper();
  GRecoveryKeeper(const GRecoveryKeeper&) = delete;
  GRecoveryKeeper& operator=(const GRecoveryKeeper&) = delete;

  // The figure is what the file at `origin` holds (just opened or saved), or
  // the empty untitled figure when origin is "": nothing is unsaved, the
  // copy goes.
  void Reset(const std::string& origin);
  void Saved(const std::string& path) { Reset(path); }
  // The figure was brought back from `left`, a copy of a figure from
  // `origin`: all of it counts as unsaved. The copy taken over is removed
  // once this program's own copy is written.
  void Recovered(const std::string& origin, GLeftCopy left);
  // The figure may have changed at `nowMs` (any clock that only goes forward).
  void Touched(std::int64_t nowMs);
  // The repaint tick: writes the copy when a change has settled or waited
  // long enough, never while a mouse button is held.
  GRecoveryEvent Tick(std::int64_t nowMs, bool buttonHeld);
  // The program ends and nothing unsaved is wanted: the copy and its lock go.
  void Finish();
  // The program ends with changes it could not save: the copy is brought up
  // to date and left, without its lock, for the next start. False when it
  // could not be written (an older copy then stays as it was).
  bool KeepForNextStart();

  const std::string& Folder() const { return m_Folder; }
  // The copy's path while it exists, else "".
  std::string CopyPath() const { return m_Written ? m_Path : std::string(); }
  // Why the last write failed.
  const std::string& Why() const { return m_Why; }

 private:
  GRecoveryEvent BringUpToDate(std::int64_t nowMs);
  bool Write(const std::string& script);
  bool TakeLock();
  void RemoveCopy();
  void DropLock(bool unlink);

  std::string m_Folder;
  ScriptOf m_Script;
  std::string m_Origin;
  std::string m_Base;  // folder/recovery-<PID>-<STAMP>
  std::string m_Path;  // m_Base + ".fgf"
  // The script as last opened or saved (none after a recovery: nothing of it
  // is on the disk) and as last written into the copy.
  std::optional<std::string> m_Saved;
  std::string m_Copied;
  bool m_Written = false;
  bool m_Pending = false;
  bool m_Urgent = false;  // a recovered figure: written at the next tick
  std::int64_t m_FirstTouch = 0, m_LastTouch = 0, m_RetryAt = 0;
  bool m_FailureTold = false;
  std::string m_Why;
  int m_LockFd = -1;
  bool m_Kept = false;  // the program ends: the keeper does nothing more
  GLeftCopy m_Adopted;
};
