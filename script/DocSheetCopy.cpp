// Inserting a copy of the current sheet after it, with or without its texts.
// Kept apart from the other sheet operations because it needs the reader.
#include "model/ViewSteps.h"
#include "model/Document.h"
#include "script/Script.h"

// The copy is written as script text and read back into the new sheet, so it
// consists of new elements and steps that share nothing with the original:
// dragging on one sheet never moves the other. The copy keeps the zoom steps
// of the original, but copying does not zoom: they count as steps that left
// the view alone, so undoing them on the copy leaves it alone too.
bool GDocument::InsertCopyFigure(bool withTexts) {
  if (!InsertNewSheet()) return false;
  // The original now stands just before the new sheet. Its block is written
  // after the new sheet took the theme, as the name colour it records is
  // the document's.
  const std::string block = WriteSheetScript(*this, m_Sheets.CurrentIndex() - 1);
  ReadScript(*this, block, GReadScope::kCurrentSheet,
             withTexts ? GReadTexts::kWith : GReadTexts::kWithout);
  RevertSheetZooms(*this, true);
  return true;
}
