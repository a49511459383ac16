// The history of actions (model/ActionHistory.h): recording what an action
// changed, taking it back and applying it again, and the limits that drop
// the oldest actions.
#include "model/ActionHistory.h"

#include "model/Document.h"
#include "model/Translate.h"
#include "model/Utf8Text.h"

namespace {
// Steps a figure came with are taken back as steps of its construction list
// rather than as a recorded action.
const char* const kStepLabel = N_("the last step");
}  // namespace

void GActionHistory::Reset() {
  m_Undo.clear();
  m_Redo.clear();
  m_Bytes = 0;
  m_Named.clear();
  m_Pending = GChangeSet();
  m_Doc.Images().FreeUnused();
  m_Image.Take();
}

void GActionHistory::Absorb() {
  if (!m_Image.Taken())
    m_Image.Take();
  else
    (void)m_Image.Diff();
}

bool GActionHistory::Commit(const std::string& label) {
  const bool taken = m_Image.Taken();
  GChangeSet c;
  if (!taken) {
    m_Image.Take();
  } else if (m_Pending.runs.empty()) {
    c = m_Image.Diff();
  } else {
    c = std::move(m_Pending);
    c.Append(m_Image.Diff());
  }
  m_Pending = GChangeSet();
  std::string name = m_Named.empty() ? label : m_Named;
  m_Named.clear();
  if (!taken || c.Empty()) return false;
  // Choosing elements is no action of its own: the choice waits to join the
  // next action, and Undo or Redo first takes it back, so that each gives
  // exactly the state it recorded.
  if (m_Image.OnlyChoosing(c)) {
    m_Pending = std::move(c);
    return false;
  }
  for (const Action& a : m_Redo) m_Bytes -= a.change.Memory();
  m_Redo.clear();
  m_Undo.push_back({std::move(name), std::move(c)});
  m_Bytes += m_Undo.back().change.Memory();
  Trim();
  return true;
}

void GActionHistory::Trim() {
  while (m_Undo.size() > 1 &&
         (m_Undo.size() + m_Redo.size() > kMaxActions || m_Bytes > kMaxActionBytes)) {
    m_Bytes -= m_Undo.front().change.Memory();
    m_Undo.pop_front();
  }
}

// After bytes were written back: every record kept of the step lists is
// stale, every hold a tool took lets go, pools search afresh for free slots,
// and the window takes the sheet's looks and the view again. When the person
// had switched to another sheet since, the names go on from the sheet now shown.
void GActionHistory::Restored(bool switched) {
  m_Doc.History().Edited();
  m_Doc.History().NewEra();
  m_Doc.Store().ForgetHints();
  if (GDocumentHooks* hooks = m_Doc.Hooks()) {
    hooks->SheetSwitched(false);
    hooks->AppearanceRead();
  }
  if (switched) m_Doc.ResetAllName();
  Absorb();
}

void GActionHistory::DropChoice() {
  Absorb();
  if (m_Pending.runs.empty()) return;
  m_Image.Apply(m_Pending, false);
  m_Pending = GChangeSet();
}

// Undo (back) or Redo: the last action of one stack is written back and
// goes on the other. With no action left, the construction list's own undo
// or redo of a step is recorded, so that the other command brings it back.
bool GActionHistory::Move(bool back) {
  DropChoice();
  std::deque<Action>& from = back ? m_Undo : m_Redo;
  std::deque<Action>& to = back ? m_Redo : m_Undo;
  if (from.empty()) {
    if (!(back ? m_Doc.OnUndo() : m_Doc.OnRedo())) return false;
    GChangeSet c = m_Image.Diff();
    if (back) c.Invert();  // redo goes forward to the state with the step
    to.push_back({Tr(kStepLabel), std::move(c)});
    m_Bytes += to.back().change.Memory();
    Trim();
    return true;
  }
  Action a = std::move(from.back());
  from.pop_back();
  const int expected = back ? a.change.sheetAfter : a.change.sheetBefore;
  const bool switched = m_Doc.CurrentSheetIndex() != expected;
  m_Image.Apply(a.change, !back);
  to.push_back(std::move(a));
  Restored(switched);
  return true;
}

bool GActionHistory::CanUndo() const {
  return !m_Undo.empty() || !m_Doc.SheetAt(m_Doc.CurrentSheetIndex()).consts.empty();
}
bool GActionHistory::CanRedo() const { return !m_Redo.empty() || m_Doc.History().CanRedo(); }

std::string GActionHistory::UndoText() const {
  if (!CanUndo()) return Tr(N_("Undo"));
  return StrFormat(Tr(N_("Undo: %s")),
                   m_Undo.empty() ? Tr(kStepLabel) : m_Undo.back().label.c_str());
}
std::string GActionHistory::RedoText() const {
  if (!CanRedo()) return Tr(N_("Redo"));
  return StrFormat(Tr(N_("Redo: %s")),
                   m_Redo.empty() ? Tr(kStepLabel) : m_Redo.back().label.c_str());
}
