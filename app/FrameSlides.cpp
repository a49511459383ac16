// The slide-show commands of the frame: F5 starts and stops the show, which
// fills the screen while it runs; "Animation setup" opens the effect dialog.
// During the show the keys a presenter uses move it on or end it, and no
// other command (toolbar buttons, menu keys) reaches the figure.
#include "app/CommandIds.h"
#include "app/MyFrame.h"
#include "app/dialogs/AnimationDialog.h"
#include "interaction/MyCanvas.h"

void MyFrame::InstallSlideShow() {
  m_Canvas->m_OnSlideShowChanged = [this](bool running) { PresentSlideShow(running); };
  Bind(wxEVT_CHAR_HOOK, &MyFrame::OnSlideShowKey, this);
  // Bound handlers run before the command table, so the show sees every
  // command first.
  Bind(wxEVT_MENU, &MyFrame::OnCommandDuringShow, this);
}

void MyFrame::OnSlideShowStart(wxCommandEvent&) {
  // A button still held belongs to a gesture that is not finished.
  if (m_Canvas->m_Tool.GestureUnderway()) return;
  m_Canvas->OnSlideShowStart();
}

void MyFrame::OnSlideShowProperty(wxCommandEvent&) {
  if (m_Canvas->m_Tool.GestureUnderway() || m_Canvas->m_Slides.m_SlideShow) return;
  if (AnimationProperty(this, *m_Canvas->m_Doc)) m_Canvas->Refresh(false);
  m_Canvas->m_Doc->Actions().Name(_("set up the animation").utf8_string());
}

void MyFrame::PresentSlideShow(bool running) {
  // What a show does to the figure (its effects, the sheets it turns) is no action.
  m_Canvas->m_Doc->Actions().Absorb();
  if (IsFullScreen() != running) ShowFullScreen(running);
  enableToolbar();
  m_Canvas->SetFocus();
}

void MyFrame::OnSlideShowKey(wxKeyEvent& event) {
  if (!m_Canvas->m_Slides.m_SlideShow) {
    event.Skip();
    return;
  }
  switch (event.GetKeyCode()) {
    case WXK_ESCAPE:
    case WXK_F5:
      m_Canvas->OnSlideShowStart();  // stops the show
      break;
    case WXK_SPACE:
    case WXK_RETURN:
    case WXK_RIGHT:
    case WXK_DOWN:
    case WXK_PAGEDOWN:
      m_Canvas->SlideClick();  // as a click on the figure
      break;
    default:
      break;  // no other key reaches the figure or the menus
  }
}

void MyFrame::OnCommandDuringShow(wxCommandEvent& event) {
  const int command = CommandFromToolkitId(event.GetId());
  if (!m_Canvas->m_Slides.m_SlideShow || command == kCmdSlideShowStart || command == kCmdExit)
    event.Skip();
}
