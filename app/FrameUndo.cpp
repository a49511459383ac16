// The frame's history commands: Undo and Redo (menu, Ctrl+Z and Ctrl+Y, the
// toolbar), the eraser, Invisible and the zoom buttons, and the enabled state
// of the Undo and Redo buttons.
#include <wx/toolbar.h>

#include "app/CommandIds.h"
#include "app/MyFrame.h"
#include "interaction/MyCanvas.h"

bool MyFrame::CanUndo() const { return !m_Canvas->m_Doc->Sheet().consts.empty(); }
bool MyFrame::CanRedo() const { return m_Canvas->m_Doc->History().RedoCount() > 0; }

void MyFrame::OnUpdateUndo(wxUpdateUIEvent& event) {
  // The menu item stays enabled: the toolkit refreshes menus only when they
  // open, and a disabled item would swallow Ctrl+Z until then.
  if (event.GetEventObject() == GetToolBar()) event.Enable(CanUndo());
}
void MyFrame::OnUpdateRedo(wxUpdateUIEvent& event) {
  if (event.GetEventObject() == GetToolBar()) event.Enable(CanRedo());
}

void MyFrame::OnModeUndo(wxCommandEvent&) {
  m_Canvas->OnUndo();
  enableToolbar();
}
void MyFrame::OnModeRedo(wxCommandEvent&) {
  m_Canvas->OnRedo();
  enableToolbar();
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
