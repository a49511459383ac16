// The day's log for teachers: one file per calendar day, "FGlog" with the date
// and ".txt", to which every line is appended the moment it happens.
#pragma once

#include <cstdio>
#include <ctime>
#include <functional>
#include <string>

// The local date and time now; tests hand in a clock of their own.
using GClock = std::function<std::tm()>;
std::tm LocalNow();

// "FGlog20261207.txt" for 7 December 2026.
std::string LogFileName(const std::tm& day);
// "**** Start ****20261207,09:05\n": the first line of a run.
std::string StartLogLine(const std::tm& now);

class GLogFile {
 public:
  explicit GLogFile(std::string folder, GClock clock = LocalNow);
  ~GLogFile();
  GLogFile(const GLogFile&) = delete;
  GLogFile& operator=(const GLogFile&) = delete;
  // Appends text unchanged (the caller gives the line end) to the file of the
  // day the clock says now and flushes it, so nothing waits in memory. The
  // file stays open between lines (opening a document logs every step it
  // reads) and is changed when the day's name changes, so a run across
  // midnight goes on in the next day's file. False when the file cannot be
  // opened or written; the line is lost.
  bool Write(const std::string& text);
  // The file the next line goes to.
  std::string Path() const;

 private:
  std::string m_Folder;
  GClock m_Clock;
  std::FILE* m_File = nullptr;
  std::string m_OpenPath;  // the file m_File appends to
};
