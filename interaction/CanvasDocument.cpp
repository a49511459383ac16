// The canvas as the window of its document: a sheet that becomes current
// brings its own looks, and appearance statements read from a script take
// effect in the drawing state.
#include "interaction/MyCanvas.h"

// A fresh sheet takes the theme in force, which records its styles in the
// sheet; an existing sheet shows the styles it was saved or left with. The
// point-name colour has one value for the whole document (the theme resets
// it), kept by the document and drawn from there.
void MyCanvas::SheetSwitched(bool fresh) {
  // What the Move tool picked and what a gesture shows belong to the sheet
  // that was on screen.
  m_Tool.DropPicks();
  if (fresh) {
    m_Painter.SetTheme(m_Painter.m_Look.theme, 1);
  } else {
    m_Painter.LoadSheetAppearance();
  }
  m_Painter.m_BgDrawn = false;
  // The frames see a sheet or looks of their own: the still picture may stay.
  m_KeepStill = true;
  Refresh(false);
}

// The reader has put the modes into the current sheet's record, the name
// colour into the document and, for a window size, zoomed the document's
// view and rescaled the texts that follow; the canvas takes all of it over.
void MyCanvas::AppearanceRead() {
  m_Painter.LoadSheetAppearance();
  m_Painter.m_Look.pointName = ToRgb(m_Doc->Defaults().NameColour());
  // The scale may have changed: the centre stays, the world bounds follow.
  m_Painter.UpdateView();
  m_Painter.m_BgDrawn = false;
}
