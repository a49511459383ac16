// The sheet table: switching between sheets, inserting an empty sheet or a
// copy of the current one, emptying and deleting the current sheet, and
// starting the whole document afresh.
#include "model/Document.h"
#include "model/Translate.h"
#include "model/Utf8Text.h"

namespace {

// Undone steps wait on the redo stack with their (hidden) outputs in the
// current sheet's lists. Once the sheet changes they could only be redone
// into the wrong sheet, so they are given up (DiscardRedo) while their own
// sheet is still current, exactly as a new step gives them up.

// Hilights belong to the elements of the sheet on screen; a tool must never
// pick up an element of a sheet that is no longer shown.
template <class T>
void DropHilights(GHilightList<T>& list) {
  for (int i = 0; i < list.Count(); ++i)
    if (list[i]) list[i]->hilighted = 0;
  list.Clear();
}

void DropAllHilights(GDocument& doc) {
  DropHilights(doc.Selection().Points());
  DropHilights(doc.Selection().Lines());
  DropHilights(doc.Selection().Circles());
  DropHilights(doc.Selection().Curves());
  DropHilights(doc.Selection().Angles());
  DropHilights(doc.Selection().Images());
  DropHilights(doc.Selection().Brackets());
}

// Makes room for a sheet after the current one: the later records move up by
// one place, from the top down, and each is renumbered after its neighbour.
void OpenGapAfterCurrent(GDocument& doc) {
  for (int i = doc.Sheets().Count() - 1; i > doc.Sheets().CurrentIndex(); --i) {
    doc.Sheets().Slot(i + 1) = doc.Sheets().Slot(i);
    doc.Sheets().Slot(i + 1).number = doc.Sheets().Slot(i).number + 1;
  }
  // The new sheet starts with the looks of the sheet it follows; the window,
  // when there is one, applies its current theme on top.
  GSheet& from = doc.Sheets().Slot(doc.Sheets().CurrentIndex());
  GSheet& gap = doc.Sheets().Slot(doc.Sheets().CurrentIndex() + 1);
  for (int k = 0; k < 5; ++k) {
    gap.pointStyles[k] = from.pointStyles[k];
    gap.lineStyles[k] = from.lineStyles[k];
  }
  gap.background = from.background;
  gap.number = from.number + 1;
  gap.extra = from.extra;
}

bool RoomForASheet(GDocument& doc) {
  if (doc.Sheets().Count() < kSheetPoolSize) return true;
  doc.User().ShowMessage(
      StrFormat(Tr("A document holds at most %d sheets; no sheet was added."), kSheetPoolSize),
      Tr("Insert sheet"));
  return false;
}

}  // namespace

// A tool half-way through its gesture holds elements of the sheet it began
// on; once that sheet is gone from the screen (or freed) the tool must start
// again rather than build on elements that are elsewhere or reused.

void GDocument::MoveSheet(bool fresh) {
  if (fresh) Sheet().ResetLists();
  m_History.Edited();
  DropAllHilights(*this);
  m_History.NewEra();  // every hold a tool took lets go
  if (m_Hooks) m_Hooks->SheetSwitched(fresh);
  ResetAllName();
}

void GDocument::PrevSheet() {
  if (m_Sheets.CurrentIndex() <= 0 || m_Sheets.CurrentIndex() > m_Sheets.Count() - 1) return;
  DiscardRedo();
  m_Sheets.SetCurrent(m_Sheets.CurrentIndex() - 1);
  MoveSheet(false);
}

int GDocument::NextSheet() {
  if (m_Sheets.CurrentIndex() < 0 || m_Sheets.CurrentIndex() >= m_Sheets.Count() - 1) return 0;
  DiscardRedo();
  m_Sheets.SetCurrent(m_Sheets.CurrentIndex() + 1);
  MoveSheet(false);
  return 1;
}

bool GDocument::InsertNewSheet() {
  if (!RoomForASheet(*this)) return false;
  DiscardRedo();
  OpenGapAfterCurrent(*this);
  m_Sheets.SetCount(m_Sheets.Count() + 1);
  m_Sheets.SetCurrent(m_Sheets.CurrentIndex() + 1);
  MoveSheet(true);
  return true;
}

// Frees every element and step of the current sheet and leaves its lists
// empty. The steps go back to the pool too, so emptying sheets again and
// again never uses the pool up.
void GDocument::ClearSheet() {
  DiscardRedo();
  DropAllHilights(*this);
  GSheet& s = Sheet();
  DeleteAllPoints(s.points.head);
  DeleteAllLines(s.lines.head);
  DeleteAllCircles(s.circles.head);
  DeleteAllCurves(s.curves.head);
  DeleteAllTexts(s.texts.head);
  DeleteAllAngles(s.angles.head);
  DeleteAllBrackets(s.brackets.head);
  DeleteAllImages(s.images.head);
  for (GConst* c = s.consts.head; c;) {
    GConst* next = c->next;
    if (c == m_CurrentConst) m_CurrentConst = nullptr;
    c->next = nullptr;
    c->inUse = 0;
    m_Store.Steps().Released(c);
    c = next;
  }
  s.ResetLists();
  m_History.Edited();
  m_MovingPoint = nullptr;
}

// The document always keeps one sheet: deleting the only sheet empties it.
void GDocument::DeleteSheet() {
  ClearSheet();
  if (m_Sheets.Count() > 1) {
    for (int i = m_Sheets.CurrentIndex(); i < m_Sheets.Count() - 1; ++i) {
      m_Sheets.Slot(i) = m_Sheets.Slot(i + 1);
      m_Sheets.Slot(i).number = m_Sheets.Slot(i + 1).number - 1;
    }
    m_Sheets.Slot(m_Sheets.Count() - 1).ResetLists();
    m_History.Edited();
    m_Sheets.SetCount(m_Sheets.Count() - 1);
    if (m_Sheets.CurrentIndex() >= m_Sheets.Count())
      m_Sheets.SetCurrent(m_Sheets.CurrentIndex() - 1);
  }
  MoveSheet(false);
  EvaluateConst(FirstConst());
}

// The one sheet left starts afresh, as a new sheet does: it takes the theme
// in force, so what is shown is what a save would record.
void GDocument::NewDocument() {
  ClearConst();
  MoveSheet(true);
}
