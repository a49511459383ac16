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

// Saving: the file text written safely to the chosen path, ".fgf" appended by
// the extension rule; the path written goes to `written`. False, with a
// message, when it could not be written: the file on disk is then as it was.
bool SaveDocument(GDocument& doc, const std::string& chosen, std::string* written = nullptr);

// "Save data": the CSV blocks of the hilighted elements of the current sheet;
// writing them to `path` (".csv" appended by the extension rule; false, with
// a message, when it cannot be written).
std::string CsvText(GDocument& doc);
bool SaveCsv(GDocument& doc, const std::string& path);

// The script editor. The current sheet's block as text to edit (bytes that
// are not UTF-8 show as U+FFFD, so no statement is hidden); rebuilding the
// current sheet from edited text (false when the reader stopped at an error:
// the statements before it stay); and the editor's stepping, which first
// rebuilds the sheet from the text: direction -1 goes back one sheet, +1
// forward. The steppers return true when the text was taken in and the
// editor must show the (new) current sheet; false when nothing was applied
// (first or last sheet) or the text has an error.
std::string SheetScriptText(GDocument& doc);
bool ApplySheetScript(GDocument& doc, const std::string& text);
bool StepEditedSheet(GDocument& doc, int direction, const std::string& text);
// Rebuilds the current sheet from text, then inserts an empty sheet after it.
bool InsertAfterEditedSheet(GDocument& doc, const std::string& text);
