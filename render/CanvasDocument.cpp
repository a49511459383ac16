// The canvas as the window of its document: a sheet that becomes current
// brings its own looks, appearance statements read from a script take effect
// in the drawing state, and the frame's title follows the document's file.
#include "render/MyCanvas.h"

// Decoding a point strip or a background tile takes milliseconds, and a file
// of many sheets brings the theme and then its own header for every sheet.
// The decoded records are kept and handed out as copies, which share the
// pictures (drawing into a shared picture gives it its own copy first).
void MyCanvas::LoadPointStyle(PtBmp& into, int style) {
  if (style < 0 || style >= kStyleCount) {
    into.LoadData(style);
    return;
  }
  auto found = m_PointStyleCache.find(style);
  if (found == m_PointStyleCache.end()) {
    found = m_PointStyleCache.emplace(style, PtBmp()).first;
    found->second.LoadData(style);
  }
  into = found->second;
}

void MyCanvas::LoadBackground(BGBmp& into, int n) {
  if (n < 0 || n > 8) return;  // the User backgrounds have no picture of their own
  auto found = m_BackgroundCache.find(n);
  if (found == m_BackgroundCache.end()) {
    found = m_BackgroundCache.emplace(n, BGBmp()).first;
    found->second.LoadData(n);
  }
  into = found->second;
}

// A fresh sheet takes the theme in force, which records its styles in the
// sheet; an existing sheet shows the styles it was saved or left with. The
// point-name colour has one value for the whole document (the theme resets
// it), kept by the document and drawn from there.
void MyCanvas::SheetSwitched(bool fresh) {
  // What the Move tool picked and what a gesture shows belong to the sheet
  // that was on screen.
  m_PickedPoint = nullptr;
  m_PickedText = nullptr;
  m_PickedName = nullptr;
  m_MovingPoint = m_MovingText = m_MovingName = m_MovingBracket = false;
  m_MovingImage = 0;
  m_Preview = false;
  m_PreviewPoint[0] = m_PreviewPoint[1] = nullptr;
  m_PreviewLine = nullptr;
  m_PreviewCircle = nullptr;
  m_PreviewBracket = nullptr;
  if (fresh) {
    SetTheme(m_Look.theme, 1);
  } else {
    LoadSheetAppearance();
  }
  m_BgDrawn = false;
  Refresh(false);
}

// The reader has put the modes into the current sheet's record, the name
// colour into the document and, for a window size, zoomed the document's
// view and rescaled the texts that follow; the canvas takes all of it over.
void MyCanvas::AppearanceRead() {
  LoadSheetAppearance();
  m_Look.pointName = GRgb{m_Doc->m_NameRed, m_Doc->m_NameGreen, m_Doc->m_NameBlue};
  // The scale may have changed: the centre stays, the world bounds follow.
  UpdateView();
  m_BgDrawn = false;
}

void MyCanvas::TitleChanged(const wxString& title) {
  if (m_Frame) m_Frame->SetTitle(title);
}
