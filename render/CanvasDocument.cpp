// The canvas as the window of its document: a sheet that becomes current
// brings its own looks, appearance statements read from a script take effect
// in the drawing state, and the frame's title follows the document's file.
#include "render/MyCanvas.h"

namespace {

// The styles and background recorded in the current sheet, with -1 for every
// slot whose record already holds that style. A file of many sheets repeats
// the same header again and again; decoding the same point bitmaps for each
// of them would make opening slow for nothing.
struct ChangedLooks {
  int point[kSlots];
  int line[kSlots];
  int background;
};

ChangedLooks ChangedFrom(const GAppearance& look, const GSheet& s) {
  ChangedLooks c;
  for (int i = 0; i < kSlots; ++i) {
    const int pt = s.pointStyles[i], ln = s.lineStyles[i];
    c.point[i] = (look.pointStyle[i] == pt && look.point[i].style == pt) ? -1 : pt;
    c.line[i] = (look.lineStyle[i] == ln && look.line[i].style == ln) ? -1 : ln;
  }
  c.background = look.background == s.background ? -1 : s.background;
  return c;
}

}  // namespace

// A fresh sheet takes the theme in force, which records its styles in the
// sheet; an existing sheet shows the styles it was saved or left with. The
// point-name colour has one value for the whole document: the theme resets
// it, and what is drawn and what is written stay the same colour.
void MyCanvas::SheetSwitched(bool fresh) {
  if (fresh) {
    SetTheme(m_Look.theme, 1);
    m_Doc->m_NameRed = m_Look.pointName.r;
    m_Doc->m_NameGreen = m_Look.pointName.g;
    m_Doc->m_NameBlue = m_Look.pointName.b;
  } else {
    const ChangedLooks c = ChangedFrom(m_Look, m_Doc->Sheet());
    ApplyAppearance(c.point, c.line, c.background);
  }
  m_BgDrawn = false;
  Refresh(false);
}

// The reader has put the modes into the current sheet's record, the name
// colour into the document and, for a window size, zoomed the document's
// view and rescaled the texts that follow; the canvas takes all of it over.
void MyCanvas::AppearanceRead() {
  const ChangedLooks c = ChangedFrom(m_Look, m_Doc->Sheet());
  ApplyAppearance(c.point, c.line, c.background);
  m_Look.pointName = GRgb{m_Doc->m_NameRed, m_Doc->m_NameGreen, m_Doc->m_NameBlue};
  // The scale may have changed: the centre stays, the world bounds follow.
  UpdateView();
  m_BgDrawn = false;
}

void MyCanvas::TitleChanged(const wxString& title) {
  if (m_Frame) m_Frame->SetTitle(title);
}
