// The frame's part in the history of actions: every command, click or key
// handled from the main loop is one action, recorded when it is over (a drag
// when its button is released), named after its menu item or tool unless the
// command named it; what happens between commands (the repaint tick, a new
// window size) is no action. The Undo and Redo buttons say what they would do.
#include <wx/menu.h>
#include <wx/toolbar.h>

#include "app/CommandIds.h"
#include "app/MyFrame.h"
#include "interaction/MyCanvas.h"

namespace {

bool IsMouseOrKey(wxEventType t) {
  return t == wxEVT_LEFT_DOWN || t == wxEVT_LEFT_UP || t == wxEVT_RIGHT_DOWN ||
         t == wxEVT_RIGHT_UP || t == wxEVT_LEFT_DCLICK || t == wxEVT_MOTION ||
         t == wxEVT_KEY_DOWN || t == wxEVT_CHAR || t == wxEVT_MOUSEWHEEL || t == wxEVT_LEAVE_WINDOW;
}

// A menu label as a name for what it did: no mnemonic, accelerator or dots.
std::string PlainLabel(const wxString& label) {
  wxString text = wxMenuItem::GetLabelText(label);
  text.Trim();
  while (text.EndsWith(".") || text.EndsWith(wxString::FromUTF8("\u2026"))) text.RemoveLast();
  return text.utf8_string();
}

}  // namespace

void MyFrame::HistoryBefore(const wxEvent& event) {
  if (!m_Canvas || !m_Canvas->HistoryQuiet()) return;
  if (event.GetEventType() != wxEVT_MENU && !IsMouseOrKey(event.GetEventType())) return;
  m_Canvas->m_Doc->Actions().Absorb();
}

std::string MyFrame::ActionLabel(const wxEvent& event) const {
  int id = event.GetId();
  if (event.GetEventType() != wxEVT_MENU) id = ToolkitId(ModeNumber(m_Canvas->m_Tool.m_Mode));
  if (wxMenuBar* bar = GetMenuBar())
    if (wxMenuItem* item = bar->FindItem(id)) return PlainLabel(item->GetItemLabel());
  return _("a change").utf8_string();
}

void MyFrame::HistoryAfter(const wxEvent& event) {
  if (!m_Canvas || !m_Canvas->HistoryQuiet()) return;
  if (event.GetEventType() != wxEVT_MENU && !IsMouseOrKey(event.GetEventType())) return;
  if (m_Canvas->m_Doc->Actions().Commit(ActionLabel(event))) enableToolbar();
  ShowHistoryTexts();
}

void MyFrame::ShowHistoryTexts() {
  const GActionHistory& h = m_Canvas->m_Doc->Actions();
  const wxString undo = wxString::FromUTF8(h.UndoText()), redo = wxString::FromUTF8(h.RedoText());
  if (wxToolBar* bar = GetToolBar()) {
    if (bar->GetToolShortHelp(ToolkitId(kCmdUndo)) != undo) {
      bar->SetToolShortHelp(ToolkitId(kCmdUndo), undo);
      bar->SetToolLongHelp(ToolkitId(kCmdUndo), undo);
    }
    if (bar->GetToolShortHelp(ToolkitId(kCmdRedo)) != redo) {
      bar->SetToolShortHelp(ToolkitId(kCmdRedo), redo);
      bar->SetToolLongHelp(ToolkitId(kCmdRedo), redo);
    }
  }
  if (wxMenuBar* bar = GetMenuBar()) {
    if (wxMenuItem* item = bar->FindItem(ToolkitId(kCmdUndo))) item->SetHelp(undo);
    if (wxMenuItem* item = bar->FindItem(ToolkitId(kCmdRedo))) item->SetHelp(redo);
  }
}
