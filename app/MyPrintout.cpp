// The printout of the current sheet: one page, scaled and centred, printed
// in the like-Tovik look when the screen's theme is meant for the screen.
#include "app/MyPrintout.h"

#include <algorithm>

#include "interaction/MyCanvas.h"
#include "render/PrintLook.h"

MyPrintout::MyPrintout(MyCanvas* canvas, const wxString& title)
    : wxPrintout(title), m_Canvas(canvas), m_View(canvas->m_Doc->Viewport()) {}

bool MyPrintout::OnPrintPage(int page) {
  wxDC* dc = GetDC();
  if (!dc) return false;
  if (page == 1) DrawPage(dc);
  dc->SetDeviceOrigin(0, 0);
  dc->SetUserScale(1.0, 1.0);
  dc->DrawText(wxString::Format(_("PAGE %d"), page), 10, 10);
  return true;
}

bool MyPrintout::HasPage(int page) { return page == 1; }

bool MyPrintout::OnBeginDocument(int startPage, int endPage) {
  return wxPrintout::OnBeginDocument(startPage, endPage);
}

void MyPrintout::GetPageInfo(int* minPage, int* maxPage, int* selPageFrom, int* selPageTo) {
  *minPage = *maxPage = *selPageFrom = *selPageTo = 1;
}

void MyPrintout::DrawPage(wxDC* dc) {
  const double w = (m_View.XMax() - m_View.XMin()) / m_View.Scale() + 100;
  const double h = (m_View.YMax() - m_View.YMin()) / m_View.Scale() + 100;
  int pw = 0, ph = 0;
  dc->GetSize(&pw, &ph);
  if (w <= 0 || h <= 0 || pw <= 0 || ph <= 0) return;
  const double s = std::min(pw / w, ph / h);
  dc->SetUserScale(s, s);
  dc->SetDeviceOrigin((wxCoord)(50 * s), (wxCoord)(50 * s));
  // What the window does not show (a circle reaching past its edge) stays
  // out of the margin, as it stays out of the window.
  dc->SetClippingRegion(0, 0, (wxCoord)(w - 100), (wxCoord)(h - 100));
  GPrintLook look(m_Canvas->m_Painter);
  m_Canvas->OnDraw(*dc);
  dc->DestroyClippingRegion();
}
