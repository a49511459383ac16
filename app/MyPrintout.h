// MyPrintout: one page holding the current sheet, scaled to the paper and
// centred with a margin, drawn with the canvas's OnDraw in a theme fit for
// white paper, and "PAGE 1" in the corner.
#pragma once

#include <wx/print.h>

#include "model/Viewport.h"

class MyCanvas;

class MyPrintout : public wxPrintout {
 public:
  explicit MyPrintout(MyCanvas* canvas, const wxString& title = wxT("My printout"));

  bool OnPrintPage(int page) override;
  bool HasPage(int page) override;
  bool OnBeginDocument(int startPage, int endPage) override;
  void GetPageInfo(int* minPage, int* maxPage, int* selPageFrom, int* selPageTo) override;
  // The figure on the context: its extent in window pixels plus 100 fits
  // the page, with a margin of 50 of those pixels on each side.
  void DrawPage(wxDC* dc);

  MyCanvas* m_Canvas;
  // The view when the printout was made.
  GViewport m_View;
};
