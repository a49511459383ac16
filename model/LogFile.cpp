// The log file's name from the date, the start line, and the append of each
// line to the day's file, kept open while the day lasts.
#include "model/LogFile.h"

#include <cstdio>

#include "model/AppFolders.h"

std::tm LocalNow() {
  const std::time_t t = std::time(nullptr);
  std::tm now{};
  localtime_r(&t, &now);
  return now;
}

std::string LogFileName(const std::tm& day) {
  char name[48];
  std::snprintf(name, sizeof name, "FGlog%04d%02d%02d.txt", day.tm_year + 1900, day.tm_mon + 1,
                day.tm_mday);
  return name;
}

std::string StartLogLine(const std::tm& now) {
  char line[96];
  std::snprintf(line, sizeof line, "**** Start ****%04d%02d%02d,%02d:%02d\n", now.tm_year + 1900,
                now.tm_mon + 1, now.tm_mday, now.tm_hour, now.tm_min);
  return line;
}

GLogFile::GLogFile(std::string folder, GClock clock)
    : m_Folder(std::move(folder)), m_Clock(std::move(clock)) {}

std::string GLogFile::Path() const { return InFolder(m_Folder, LogFileName(m_Clock())); }

GLogFile::~GLogFile() {
  if (m_File) std::fclose(m_File);
}

bool GLogFile::Write(const std::string& text) {
  const std::string path = Path();
  if (!m_File || path != m_OpenPath) {
    if (m_File) std::fclose(m_File);
    m_File = std::fopen(path.c_str(), "ab");
    m_OpenPath = m_File ? path : std::string();
    if (!m_File) return false;
  }
  const bool written = std::fwrite(text.data(), 1, text.size(), m_File) == text.size();
  return std::fflush(m_File) == 0 && written;
}
