// The frame's history commands: Undo and Redo (menu, Ctrl+Z and Ctrl+Y, the
// toolbar), the eraser, Invisible and the zoom buttons, and the enabled state
// of the Undo and Redo buttons.
#include <wx/toolbar.h>

#include "app/CommandIds.h"
#include "app/MyApp.h"
#include "app/MyFrame.h"
#include "interaction/MyCanvas.h"

bool MyFrame::CanUndo() const { return m_Canvas->m_Doc->Actions().CanUndo(); }
bool MyFrame::CanRedo() const { return m_Canvas->m_Doc->Actions().CanRedo(); }

namespace {
// A command that comes while a dialog is open (from inside its handler) must
// not change the document under it.
bool InsideDialog() {
  auto* app = dynamic_cast<MyApp*>(wxTheApp);
  return app && app->HandlerDepth() > 1;
}
}  // namespace

void MyFrame::OnUpdateUndo(wxUpdateUIEvent& event) {
  // The menu item stays enabled: the toolkit refreshes menus only when they
  // open, and a disabled item would swallow Ctrl+Z until then.
  if (event.GetEventObject() == GetToolBar()) event.Enable(CanUndo());
}
void MyFrame::OnUpdateRedo(wxUpdateUIEvent& event) {
  if (event.GetEventObject() == GetToolBar()) event.Enable(CanRedo());
}

void MyFrame::OnModeUndo(wxCommandEvent&) {
  if (InsideDialog()) return;
  const std::string what = m_Canvas->m_Doc->Actions().UndoText();
  m_Canvas->OnUndo();
  enableToolbar();
  CheckSettingsMenus();  // the theme and modes taken back show in the menus
  ShowHistoryTexts();
  SetStatusText(wxString::FromUTF8(what), 0);
}
void MyFrame::OnModeRedo(wxCommandEvent&) {
  if (InsideDialog()) return;
  const std::string what = m_Canvas->m_Doc->Actions().RedoText();
  m_Canvas->OnRedo();
  enableToolbar();
  CheckSettingsMenus();  // the theme and modes taken back show in the menus
  ShowHistoryTexts();
  SetStatusText(wxString::FromUTF8(what), 0);
}

void MyFrame::OnModeInvisible(wxCommandEvent&) {
  m_Canvas->OnModeInvisible();
  enableToolbar();
}
void MyFrame::OnModeEraser(wxCommandEvent&) {
  m_Canvas->OnModeEraser();
  enableToolbar();
}

void MyFrame::OnModeZoomIn(wxCommandEvent&) {
  m_Canvas->ZoomStep(true);
  enableToolbar();
}
void MyFrame::OnModeZoomOut(wxCommandEvent&) {
  m_Canvas->ZoomStep(false);
  enableToolbar();
}
