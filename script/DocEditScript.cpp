// Editing the current sheet as script text: its block as text to show,
// rebuilding the sheet from edited text, and stepping to a neighbouring sheet
// or inserting one after the edited text has been applied.
#include "model/ViewSteps.h"
#include "model/Document.h"
#include "model/Utf8Text.h"
#include "script/Script.h"

// A text that is not UTF-8 throughout (a file written elsewhere) is shown
// with U+FFFD for every byte that starts no well-formed sequence.
std::string ScriptBytesToText(const std::string& bytes) { return Utf8Repaired(bytes); }

std::string SheetScriptText(GDocument& doc) {
  return ScriptBytesToText(WriteSheetScript(doc, doc.CurrentSheetIndex()));
}

// The sheet is emptied completely (steps, elements, an undone step waiting to
// be redone) and started afresh before the text is read into it, so the
// sheet is what the text says and nothing of the old figure lingers. The
// header statements in the text give the sheet its looks again. The zooms of
// the old steps are taken back first, since the text replays its own: applying
// the text unchanged leaves the view as it was.
bool ApplySheetScript(GDocument& doc, const std::string& text) {
  RevertSheetZooms(doc, false);
  doc.ClearSheet();
  doc.MoveSheet(true);
  const bool read = ReadScript(doc, text, GReadScope::kCurrentSheet);
  // Reading stops at an error before it evaluates; the statements kept must
  // still stand where their constructions put them.
  if (doc.FirstConst()) doc.EvaluateConst(doc.FirstConst());
  doc.ResetAllName();
  return read;
}

// When the text has an error the editor stays on its sheet, so that the
// text, error and all, is still there to be put right.
bool StepEditedSheet(GDocument& doc, int direction, const std::string& text) {
  if (direction == 0) return false;
  if (direction < 0 && doc.CurrentSheetIndex() <= 0) return false;
  if (direction > 0 && doc.CurrentSheetIndex() >= doc.SheetCount() - 1) return false;
  if (!ApplySheetScript(doc, text)) return false;
  // Reading may have opened more sheets ("//Sheet" lines in the text) and left
  // a later one current; the step goes from there, and where it cannot go on
  // the editor simply shows that sheet.
  if (direction < 0)
    doc.PrevSheet();
  else
    doc.NextSheet();
  return true;
}

bool InsertAfterEditedSheet(GDocument& doc, const std::string& text) {
  if (!ApplySheetScript(doc, text)) return false;
  doc.InsertNewSheet();  // when the document is full the person is told so
  return true;
}
