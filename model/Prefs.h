// The preference file "wxFG.pref": the interaction style, the theme, the
// point, line and angle modes and the logging switch, kept from one run to
// the next as one line of "Key=VALUE;" entries; last, when the person chose
// one, the language of the menus and messages.
#pragma once

#include <string>
#include <string_view>

#include "model/Modes.h"

constexpr const char* kPrefFileName = "wxFG.pref";
// The file is a line of about a hundred bytes. Whatever lies beyond this is
// not read, so that a huge or broken file cannot stall the start.
constexpr size_t kPrefReadLimit = 4096;

struct GPrefs {
  GStyle gmode = kGModeTovik;
  GTheme theme = THM_STANDARD;
  int pointMode = kPointMode0;
  int lineMode = kLineMode0;
  int angleMode = kAngleMode0;
  bool writeLog = true;
  // A language code ("de", "pt_BR"); "" follows the system.
  std::string language;
};

// Applies every entry found anywhere in bytes to p, in the order they stand,
// so a later entry wins; text that is no entry is skipped. The logging switch
// is on only when its entry is there.
void ParsePrefs(std::string_view bytes, GPrefs& p);
// The entries of p in their fixed order: style, theme, point, line, angle,
// log, then the language when one was chosen; no line end.
std::string FormatPrefs(const GPrefs& p);

// Reads the file at path into p; false (and p unchanged) when there is no
// readable regular file.
bool LoadPrefs(const std::string& path, GPrefs& p);
// Writes p to path through a temporary file in the same folder renamed into
// place, so a crash or a full disk leaves the old file whole. False when the
// file could not be written.
bool SavePrefs(const std::string& path, const GPrefs& p);
