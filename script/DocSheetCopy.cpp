// Inserting a copy of the current sheet after it, with or without its texts.
// Kept apart from the other sheet operations because it needs the reader.
#include "model/Document.h"

// The copy is written as script text and read back into the new sheet, so it
// consists of new elements and steps that share nothing with the original:
// dragging on one sheet never moves the other. The copy keeps the zoom steps
// of the original, but copying does not zoom: they count as steps that left
// the view alone, so undoing them on the copy leaves it alone too.
bool GDocument::InsertCopyFigure(bool withTexts) {
  GConst* original = Sheet().consts.head;
  if (!InsertNewSheet()) return false;
  scriptText.clear();
  if (!SetConstSrc(original)) const_src2cns(false, withTexts);
  RevertSheetZooms(true);
  return true;
}
