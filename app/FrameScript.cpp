// The "Edit script" command: runs the script editor on the current sheet,
// then shows the figure and the buttons for whatever sheet is current now.
#include "app/MyFrame.h"
#include "interaction/MyCanvas.h"
#include "app/dialogs/ScriptDialog.h"

void MyFrame::OnEditText(wxCommandEvent&) {
  if (m_Canvas->m_Tool.GestureUnderway()) return;
  {
    ScriptDialog dialog(this, m_Canvas);
    dialog.Run();
  }
  m_Canvas->m_Doc->Actions().Name(_("apply the script").utf8_string());
  m_Canvas->Refresh(false);
  enableToolbar();
}
