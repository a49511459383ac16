// Replacing a file so that a failure at any point leaves the old one as it
// was and no partial file behind: a temporary file beside the target is
// filled and closed, then put in its place.
#pragma once

#include <functional>
#include <string>
#include <string_view>

// Writes `bytes` to `target`. On failure the reason is in `why`. A durable
// write also waits until the bytes are on the disk before the rename, so that
// not even a power cut can leave an empty file under the name; a file that
// can be made again (a picture rendered from a document) need not wait, and
// takes the old file's place by swapping names with it.
bool ReplaceFile(const std::string& target, std::string_view bytes, std::string& why,
                 bool durable = true);
// The same for contents made piece by piece: `produce` hands each piece to
// `put` (false once a piece could not be written) and returns false when the
// contents could not be made or written.
using GFilePut = std::function<bool(std::string_view)>;
bool ReplaceFileBy(const std::string& target,
                   const std::function<bool(const GFilePut& put)>& produce, std::string& why,
                   bool durable = true);
// Lets `write` fill a fresh temporary file beside `target` (it gets the
// temporary file's path and returns false on failure), then renames it over
// `target`. On failure the temporary file is removed.
bool ReplaceFileWith(const std::string& target,
                     const std::function<bool(const std::string& temp)>& write, std::string& why);
// A fault the next write through this layer meets, for tests that must see a
// save fail the way a real disk fails it, not by hoping the disk fills: the
// temporary file cannot be made (the folder is gone, the disk is read-only),
// or it is cut off halfway with the disk full. One write takes the fault and
// the layer is sound again.
enum class GFileFault { kNone, kDiskFull, kFolderGone, kReadOnly };
void SetFileFault(GFileFault fault);

// Appends "." + ext unless the last three characters of the path already
// are ext ("sheet" becomes "sheet.csv"; "sheet.csv" and "sheetcsv" stay).
std::string WithExtension(const std::string& path, const std::string& ext);
