// The day's log for teachers: one file per calendar day, "FGlog" with the date
// and ".txt", to which every line is appended the moment it happens.
#pragma once

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
  // Appends text unchanged (the caller gives the line end) to the file of the
  // day the clock says now, opening and closing it around the write, so a
  // run across midnight goes on in the next day's file and nothing waits in
  // memory. False when the file cannot be opened; the line is lost.
  bool Write(const std::string& text) const;
  // The file the next line goes to.
  std::string Path() const;

 private:
  std::string m_Folder;
  GClock m_Clock;
};
