// The canvas's side of the slide show: the start command, the click, the
// tool object's flags that keep the mouse for the show, and where elements
// are drawn, which decides how far a slide moves them.
#include <wx/dcclient.h>

#include "interaction/MyCanvas.h"
#include "render/SlideExtent.h"

namespace {

void Follow(ToolState& t, const GSlideShow& s) {
  t.m_SlideShow = s.m_SlideShow;
  t.m_SlideWaitClick = s.m_EffectWaiting;
}

}  // namespace

void MyCanvas::OnSlideShowStart() {
  m_Slides.OnSlideShowStart();
  if (m_Slides.m_SlideShow) {
    m_Tool.StartSlideShow([this] { SlideClick(); });
    m_Tool.m_AnimStep = [this] {
      m_Slides.Animnext();
      Follow(m_Tool, m_Slides);
    };
  }
  Follow(m_Tool, m_Slides);
  Refresh(false);
  if (m_OnSlideShowChanged) m_OnSlideShowChanged(m_Slides.m_SlideShow);
}

void MyCanvas::SlideClick() {
  m_Slides.Click();
  Follow(m_Tool, m_Slides);
  Refresh(false);
  if (!m_Slides.m_SlideShow && m_OnSlideShowChanged) m_OnSlideShowChanged(false);
}

GSlideBox MyCanvas::Window() {
  const GPixRect& r = m_Painter.m_ViewRect;
  return {r.x, r.y, r.x + r.width, r.y + r.height};
}

bool MyCanvas::Extent(const GConst* effect, GSlideBox* box) {
  // Only measuring: a client context has the fonts and needs no picture.
  wxClientDC dc(this);
  return SlideExtent(effect, m_Painter.Paint(GOverlay()), dc, box);
}
