// Reading and writing the preference file: the entry table, the byte-wise
// scan that finds entries anywhere, and the safe replacement of the file.
#include "model/Prefs.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace {

enum Field { kGMode, kTheme, kPoint, kLine, kAngle, kLog };

struct Entry {
  const char* key;
  Field field;
  int value;
};

// In the order the scan tries them. The style entries are recognised without
// their ";", every other one only with it.
constexpr Entry kEntries[] = {
    {"GMode=TOVIK", kGMode, StyleNumber(kGModeTovik)},
    {"GMode=QUIL", kGMode, StyleNumber(kGModeQuil)},
    {"GMode=PANEL", kGMode, StyleNumber(kGModePanel)},
    {"ThemeMode=THM_STANDARD;", kTheme, ThemeNumber(THM_STANDARD)},
    {"ThemeMode=THM_CAT;", kTheme, ThemeNumber(THM_CAT)},
    {"ThemeMode=THM_STAR;", kTheme, ThemeNumber(THM_STAR)},
    {"ThemeMode=THM_RAILROAD;", kTheme, ThemeNumber(THM_RAILROAD)},
    {"ThemeMode=THM_QUIL;", kTheme, ThemeNumber(THM_QUIL)},
    {"ThemeMode=THM_TOVIK;", kTheme, ThemeNumber(THM_TOVIK)},
    {"ThemeMode=THM_PASTEL;", kTheme, ThemeNumber(THM_PASTEL)},
    {"ThemeMode=THM_SKELETON;", kTheme, ThemeNumber(THM_SKELETON)},
    {"PointMode=PT_1;", kPoint, kPointMode0 + 0},
    {"PointMode=PT_2;", kPoint, kPointMode0 + 1},
    {"PointMode=PT_3;", kPoint, kPointMode0 + 2},
    {"PointMode=PT_4;", kPoint, kPointMode0 + 3},
    {"PointMode=PT_5;", kPoint, kPointMode0 + 4},
    {"LineMode=LN_1;", kLine, kLineMode0 + 0},
    {"LineMode=LN_2;", kLine, kLineMode0 + 1},
    {"LineMode=LN_3;", kLine, kLineMode0 + 2},
    {"LineMode=LN_4;", kLine, kLineMode0 + 3},
    {"LineMode=LN_5;", kLine, kLineMode0 + 4},
    {"AngleMode=AG_1;", kAngle, kAngleMode0 + 0},
    {"AngleMode=AG_2;", kAngle, kAngleMode0 + 1},
    {"AngleMode=AG_3;", kAngle, kAngleMode0 + 2},
    {"AngleMode=AG_4;", kAngle, kAngleMode0 + 3},
    {"AngleMode=AG_5;", kAngle, kAngleMode0 + 4},
    {"WriteLogfile;", kLog, 1},
};

void Take(const Entry& e, GPrefs& p) {
  switch (e.field) {
    case kGMode:
      p.gmode = static_cast<GStyle>(e.value);
      break;
    case kTheme:
      // The railroad number has no look: choosing it leaves the theme in
      // force, so an earlier theme entry keeps its effect.
      if (e.value != ThemeNumber(THM_RAILROAD)) p.theme = ThemeOfNumber(e.value);
      break;
    case kPoint:
      p.pointMode = e.value;
      break;
    case kLine:
      p.lineMode = e.value;
      break;
    case kAngle:
      p.angleMode = e.value;
      break;
    case kLog:
      p.writeLog = true;
      break;
  }
}

// The key written for value in field; the first one of the field (the
// default) for a value the file has no word for, none for an unknown style.
const char* KeyFor(Field field, int value) {
  const char* first = nullptr;
  for (const Entry& e : kEntries) {
    if (e.field != field) continue;
    if (!first) first = e.key;
    if (e.value == value) return e.key;
  }
  return field == kGMode ? nullptr : first;
}

// "Language=CODE;": letters and "_" only, as a locale names a language;
// anything else is no entry.
bool TakeLanguage(std::string_view rest, GPrefs& p) {
  constexpr std::string_view key = "Language=";
  if (!rest.starts_with(key)) return false;
  size_t end = key.size();
  while (end < rest.size() && end - key.size() < 16 &&
         (std::isalpha(static_cast<unsigned char>(rest[end])) || rest[end] == '_'))
    ++end;
  if (end >= rest.size() || rest[end] != ';') return false;
  p.language = std::string(rest.substr(key.size(), end - key.size()));
  return true;
}

}  // namespace

void ParsePrefs(std::string_view bytes, GPrefs& p) {
  p.writeLog = false;
  for (size_t at = 0; at < bytes.size(); ++at) {
    const std::string_view rest = bytes.substr(at);
    if (TakeLanguage(rest, p)) continue;
    for (const Entry& e : kEntries) {
      if (rest.starts_with(e.key)) {
        Take(e, p);
        break;
      }
    }
  }
}

std::string FormatPrefs(const GPrefs& p) {
  std::string out;
  // The style entries are found without their ";" but written with it.
  if (const char* style = KeyFor(kGMode, StyleNumber(p.gmode))) out += std::string(style) + ";";
  out += KeyFor(kTheme, ThemeNumber(p.theme));
  out += KeyFor(kPoint, p.pointMode);
  out += KeyFor(kLine, p.lineMode);
  out += KeyFor(kAngle, p.angleMode);
  if (p.writeLog) out += "WriteLogfile;";
  if (!p.language.empty()) {
    out += "Language=";
    out += p.language;
    out += ";";
  }
  return out;
}

bool LoadPrefs(const std::string& path, GPrefs& p) {
  // Only a regular file: a pipe or a device by that name would block the
  // start or never end.
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return false;
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return false;
  std::string bytes(kPrefReadLimit, '\0');
  bytes.resize(std::fread(bytes.data(), 1, bytes.size(), f));
  std::fclose(f);
  ParsePrefs(bytes, p);
  return true;
}

bool SavePrefs(const std::string& path, const GPrefs& p) {
  std::string temp = path + ".XXXXXX";
  const int fd = mkstemp(temp.data());
  if (fd < 0) return false;
  const std::string text = FormatPrefs(p);
  bool ok = write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
  ok = fsync(fd) == 0 && ok;
  ok = close(fd) == 0 && ok;
  if (ok) ok = std::rename(temp.c_str(), path.c_str()) == 0;
  if (!ok) std::remove(temp.c_str());
  return ok;
}
