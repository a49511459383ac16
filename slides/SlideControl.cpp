// Starting and stopping the show, and the click that moves it on: to the
// waiting effect, to the next sheet, or to its end after the last sheet.
#include "slides/SlideShow.h"

#include "model/Translate.h"

void GSlideShow::ShowAllTargets() {
  for (GConst* c = m_Doc.FirstConst(); c; c = c->next) {
    GObject* e = EffectElement(c);
    if (!e) continue;
    e->SetOffset(0, 0, 0, 0);
    // A show stopped during a swell leaves no swollen element behind.
    e->widthFactor = 1.0;
  }
}

void GSlideShow::Stop() {
  m_SlideShow = false;
  m_CurrentEffect = nullptr;
  m_EffectWaiting = false;
  ShowAllTargets();
}

void GSlideShow::OnSlideShowStart() {
  if (m_SlideShow) {
    Stop();
    return;
  }
  m_SlideShow = true;
  // The audience sees the figure, not what was chosen for editing it.
  m_Doc.ClearAllHilights();
  m_CurrentEffect = nullptr;
  m_EffectWaiting = false;
  SlideShowStart(m_Doc.FirstConst());
  if (!m_CurrentEffect) m_EffectWaiting = true;
}

void GSlideShow::Click() {
  // A click while an effect runs does nothing.
  if (!m_SlideShow || !m_EffectWaiting) return;
  m_EffectWaiting = false;
  if (m_CurrentEffect) return;  // the waiting effect runs from the next repaint
  // The sheet is done: it is left with everything in place.
  ShowAllTargets();
  if (m_Doc.NextSheet()) {
    m_CurrentEffect = nullptr;
    SlideShowStart(m_Doc.FirstConst());
    if (!m_CurrentEffect) m_EffectWaiting = true;
    return;
  }
  m_SlideShow = false;
  m_EffectWaiting = true;
  m_CurrentEffect = nullptr;
  m_Doc.User().ShowMessage(Tr("End of Slidshow"), "", GUser::kInformation);
}

void GSlideShow::WindowChanged() {
  // Elements waiting outside the old window could show inside the new one.
  if (m_SlideShow && m_CurrentEffect) SlideShowStart(m_CurrentEffect);
}
