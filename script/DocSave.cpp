// Saving a document: the text of all sheets, and writing it so that a failure
// at any point leaves the old file as it was (a temporary file beside the
// target is written, flushed and closed, then renamed over it).
#include <cstdio>
#include <string>

#include "model/Document.h"
#include "model/Translate.h"
#include "model/Utf8Text.h"
#include "script/SafeFile.h"
#include "script/Script.h"

namespace {

// Each sheet's block follows its "//Sheet" line; an empty sheet is that line
// alone. Element texts are written as the bytes they are. The blocks can go
// to the log as well, as saving does.
std::string BuildText(GDocument& doc, bool log) {
  std::string text;
  for (int i = 0; i < doc.Sheets().Count(); ++i) {
    char line[32];
    std::snprintf(line, sizeof line, "//Sheet %d;\r\n", i);
    text += line;
    const std::string block = WriteSheetScript(doc, i);
    if (log && !block.empty()) doc.WriteLogFile(block);
    text += block;
  }
  return text;
}

}  // namespace

std::string WriteScript(GDocument& doc) { return BuildText(doc, false); }

bool SaveDocument(GDocument& doc, const std::string& chosen, std::string* written) {
  doc.WriteLogFile("OnSave: start\n");
  const std::string path = WithExtension(chosen, "fgf");

  const std::string text = BuildText(doc, true);

  std::string why;
  if (path.empty() || !ReplaceFile(path, text, why)) {
    if (why.empty()) why = Tr("no file name");
    doc.User().ShowMessage(StrFormat(Tr("The file %s could not be saved (%s).\n"
                                        "The file on disk was not changed."),
                                     path.c_str(), why.c_str()),
                           Tr("Save"), GUser::kError);
    doc.WriteLogFile("OnSave: failed\n");
    return false;
  }
  if (written) *written = path;
  doc.WriteLogFile("OnSave: end\n");
  return true;
}
