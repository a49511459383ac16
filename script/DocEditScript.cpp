// Editing the current sheet as script text: its block as text to show,
// rebuilding the sheet from edited text, and stepping to a neighbouring sheet
// or inserting one after the edited text has been applied.
#include "model/Document.h"
#include "model/Utf8Text.h"
#include "script/Script.h"

// A text that is not UTF-8 throughout (a file written elsewhere) is shown
// with U+FFFD for every byte that starts no well-formed sequence.
std::string ScriptBytesToText(const std::string& bytes) { return Utf8Repaired(bytes); }

std::string GDocument::SheetScriptText() {
  return ScriptBytesToText(WriteSheetScript(*this, m_Sheets.CurrentIndex()));
}

// The sheet is emptied completely (steps, elements, an undone step waiting to
// be redone) and started afresh before the text is read into it, so the
// sheet is what the text says and nothing of the old figure lingers. The
// header statements in the text give the sheet its looks again. The zooms of
// the old steps are taken back first, since the text replays its own: applying
// the text unchanged leaves the view as it was.
bool GDocument::ApplySheetScript(const std::string& text) {
  RevertSheetZooms(false);
  ClearSheet();
  MoveSheet(true);
  const bool read = ReadScript(*this, text, GReadScope::kCurrentSheet);
  // Reading stops at an error before it evaluates; the statements kept must
  // still stand where their constructions put them.
  if (FirstConst()) EvaluateConst(FirstConst());
  ResetAllName();
  return read;
}

// When the text has an error the editor stays on its sheet, so that the
// text, error and all, is still there to be put right.
bool GDocument::StepEditedSheet(int direction, const std::string& text) {
  if (direction == 0) return false;
  if (direction < 0 && m_Sheets.CurrentIndex() <= 0) return false;
  if (direction > 0 && m_Sheets.CurrentIndex() >= m_Sheets.Count() - 1) return false;
  if (!ApplySheetScript(text)) return false;
  // Reading may have opened more sheets ("//Sheet" lines in the text) and left
  // a later one current; the step goes from there, and where it cannot go on
  // the editor simply shows that sheet.
  if (direction < 0)
    PrevSheet();
  else
    NextSheet();
  return true;
}

bool GDocument::InsertAfterEditedSheet(const std::string& text) {
  if (!ApplySheetScript(text)) return false;
  InsertNewSheet();  // when the document is full the person is told so
  return true;
}
