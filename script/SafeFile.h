// Replacing a file so that a failure at any point leaves the old one as it
// was and no partial file behind: a temporary file beside the target is
// filled and closed, then renamed over it.
#pragma once

#include <functional>
#include <string>
#include <string_view>

// Writes `bytes` to `target`. On failure the reason is in `why`.
bool ReplaceFile(const std::string& target, std::string_view bytes, std::string& why);
// Lets `write` fill a fresh temporary file beside `target` (it gets the
// temporary file's path and returns false on failure), then renames it over
// `target`. On failure the temporary file is removed.
bool ReplaceFileWith(const std::string& target,
                     const std::function<bool(const std::string& temp)>& write, std::string& why);
// Appends "." + ext unless the last three characters of the path already
// are ext ("sheet" becomes "sheet.csv"; "sheet.csv" and "sheetcsv" stay).
std::string WithExtension(const std::string& path, const std::string& ext);
