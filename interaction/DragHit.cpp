// Hit tests in pixels that need the fonts of the screen: the box of a text,
// the label of a point's name; and the image test, which the document does.
#include <cmath>
#include <wx/dcmemory.h>

#include "interaction/MyCanvas.h"
#include "model/EvalText.h"

namespace {

// A context to measure text in; nothing is drawn into it.
class Measure {
 public:
  Measure() : m_Bmp(1, 1), m_Dc(m_Bmp), m_Surface(m_Dc) {}
  GSurface& surface() { return m_Surface; }

 private:
  wxBitmap m_Bmp;
  wxMemoryDC m_Dc;
  GWxSurface m_Surface;
};

}  // namespace

// The box of a text is measured as the text is shown (element values put in),
// with a bold font of its size, so the box is never smaller than the letters.
bool MyCanvas::Snap2Text(GText* list, int px, int py) {
  m_Tool.m_PickedText = nullptr;
  Measure m;
  for (GText* t = list; t; t = t->next) {
    if (t->hidden) continue;
    std::string shown;
    if (EvaluateText(m_Doc->FirstConst(), t->text, shown, false) != 0) shown = t->text;
    RemoveYenCommaOnText(shown);
    const int size = std::max(1, (int)std::floor(t->fontSize));
    int w = 0, h = 0;
    GetMultiTextSize(shown, m.surface(), size, true, &w, &h);
    const int left = (int)std::floor(t->x), top = (int)std::floor(t->y);
    if (left < px && px < left + w && top < py && py < top + h) {
      m_Tool.m_PickedText = t;
      m_Tool.m_TextGrabX = px - left;
      m_Tool.m_TextGrabY = py - top;
      return true;
    }
  }
  return false;
}

// The label sits at a distance of size + 10 pixels from the point in the
// direction of its name angle, as the point's drawing places it.
bool MyCanvas::Snap2PtName(GPoint* list, int px, int py) {
  m_Tool.m_PickedName = nullptr;
  const GView v = View();
  Measure m;
  for (GPoint* p = list; p; p = p->next) {
    if (p->hidden || p->name.empty() || p->z.zerop()) continue;
    const CComplex x = p->xz(), y = p->yz();
    if (!x.realp() || !y.realp()) continue;
    const int s = p->nameFontSize;
    int w = 0, h = 0, descent = 0;
    m.surface().TextExtent(p->name, std::max(1, s), false, &w, &h, &descent);
    const int X = v.PixelX(x.re), Y = v.PixelY(y.re);
    const int left = X + (int)std::floor(std::cos(p->nameAngle) * (s + 10)) - s / 2;
    const int top = Y - (int)std::floor(std::sin(p->nameAngle) * (s + 10)) - s;
    if (left < px && px < left + w && top < py && py < top + h + descent) {
      m_Tool.m_PickedName = p;
      return true;
    }
  }
  return false;
}

int MyCanvas::Snap2Image(GImage* list, int px, int py) {
  return Gesture().Snap2Image(list, px, py);
}
