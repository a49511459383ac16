// The construction language as functions of a document: script text read into
// the whole document or into its current sheet, the document or one sheet
// written out as the text a file holds, and whether a text holds any of it.
#pragma once

#include <string>

class GDocument;

// Where a reading puts what it reads.
enum class GReadScope {
  // The document is emptied first; every "//Sheet " line after the first
  // opens a sheet after the last one, and the reading ends on the first sheet.
  kDocument,
  // The statements go to the end of the current sheet; a "//Sheet " line
  // starts that sheet afresh (the first) or opens one after it (the later ones).
  kCurrentSheet,
};
// Whether "Text" statements are read (a sheet copied without its texts skips them).
enum class GReadTexts { kWith, kWithout };

// Reads `text` statement by statement, each step evaluated as it is made.
// False when the reader stopped at an error, which it has shown the person;
// the statements before the error stay read.
bool ReadScript(GDocument& doc, const std::string& text, GReadScope scope = GReadScope::kDocument,
                GReadTexts texts = GReadTexts::kWith);

// Whether the text holds anything of the construction language: a "//Sheet "
// line, or a statement that begins with one of its type words ("point",
// "line", ..., "void"). An empty file, a letter, a picture do not; a saved
// empty document ("//Sheet 0;") does.
bool HoldsStatement(const std::string& text);

// The whole file text: every sheet's "//Sheet N;" line, each followed by the
// sheet's block.
std::string WriteScript(GDocument& doc);
// One sheet's block: its five appearance statements and its steps; nothing
// for a sheet without steps.
std::string WriteSheetScript(GDocument& doc, int sheet);
