// OnDraw: the layers of the figure in their fixed order (axes, afterimages,
// compass, images, angles, lines, circles, curves, brackets, points, texts,
// the preview of a construction in progress, the touch-panel buttons).
#include <cmath>
#include <wx/graphics.h>
#include <wx/statusbr.h>

#include "render/MyCanvas.h"

GPaint MyCanvas::Paint() {
  GPaint g;
  g.view = View();
  g.look = &m_Look;
  g.doc = m_Doc.get();
  g.quickCurves = m_LeftDown;
  g.compassMode = m_Mode == kModeCompass;
  return g;
}

void MyCanvas::DrawOnePoint(GPoint* p, wxDC& dc) { ::DrawOnePoint(p, Paint(), dc); }
void MyCanvas::DrawOneLine(GLine* l, wxDC& dc) { ::DrawOneLine(l, Paint(), dc); }
bool MyCanvas::GetGeomXY(GLine* l, double* x1, double* y1, double* x2, double* y2) {
  return ::GetGeomXY(l, Paint(), x1, y1, x2, y2);
}
void MyCanvas::DrawOneCircle(GCircle* c, wxDC& dc) { ::DrawOneCircle(c, Paint(), dc); }
void MyCanvas::DrawOneCurve(GParaCurve* c, wxDC& dc) { ::DrawOneCurve(c, Paint(), dc); }
void MyCanvas::DrawOneText(GText* t, wxDC& dc) { ::DrawOneText(t, Paint(), dc); }
void MyCanvas::DrawOneImage(GImage* im, wxDC& dc) { ::DrawOneImage(im, Paint(), dc); }
void MyCanvas::DrawOneAngle(GAngle* a, wxDC& dc) { ::DrawOneAngle(a, Paint(), dc); }
void MyCanvas::DrawOneBracket(GBracket* b, wxDC& dc) { ::DrawOneBracket(b, Paint(), dc); }
void MyCanvas::DrawAxis(wxDC& dc) { ::DrawAxis(Paint(), dc); }

namespace {
template <class T, class F>
void Walk(T* head, const GPaint& g, wxDC& dc, F draw) {
  for (T* e = head; e; e = e->next) draw(e, g, dc);
}
}  // namespace

void MyCanvas::DrawPoints(GPoint* head, wxDC& dc) { Walk(head, Paint(), dc, ::DrawOnePoint); }
void MyCanvas::DrawLines(GLine* head, wxDC& dc) { Walk(head, Paint(), dc, ::DrawOneLine); }
void MyCanvas::DrawCircles(GCircle* head, wxDC& dc) { Walk(head, Paint(), dc, ::DrawOneCircle); }
void MyCanvas::DrawCurves(GParaCurve* head, wxDC& dc) { Walk(head, Paint(), dc, ::DrawOneCurve); }
void MyCanvas::DrawTexts(GText* head, wxDC& dc) { Walk(head, Paint(), dc, ::DrawOneText); }
void MyCanvas::DrawImages(GImage* head, wxDC& dc) { Walk(head, Paint(), dc, ::DrawOneImage); }
void MyCanvas::DrawAngles(GAngle* head, wxDC& dc) { Walk(head, Paint(), dc, ::DrawOneAngle); }
void MyCanvas::DrawBrackets(GBracket* head, wxDC& dc) { Walk(head, Paint(), dc, ::DrawOneBracket); }

void MyCanvas::DrawPoints(GConst* head, wxDC& dc) {
  const GPaint g = Paint();
  for (GConst* c = head; c; c = c->next)
    if (c->Output_Type() == OUTPUT_POINT) ::DrawOnePoint(c->POutput, g, dc);
}

void MyCanvas::DrawCompassCircle(wxDC& dc) {
  // One point chosen: the radius follows the pointer. Two chosen: the radius
  // is taken and the centre follows the pointer to where the circle goes.
  if (m_Doc->m_HiPoints.count == 1) {
    const double d =
        std::hypot(m_CompassMouse.x - m_CompassCenter.x, m_CompassMouse.y - m_CompassCenter.y);
    m_CompassRadius = (int)std::floor(d);
  } else if (m_Doc->m_HiPoints.count == 2) {
    m_CompassCenter = m_CompassMouse;
  } else {
    return;
  }
  DrawCompass(Paint(), dc, m_CompassCenter, m_CompassRadius);
}

void MyCanvas::DrawPanelButton(wxDC& dc) {
  for (int i = 0; i < 3; ++i) {
    const wxBitmap& b = m_PanelPressed[i] ? m_PanelButtonPressed[i] : m_PanelButton[i];
    // On the bottom edge of the canvas window, which is the toolbar's height
    // shorter than the view rectangle: there the taps find them.
    if (b.IsOk()) dc.DrawBitmap(b, 64 * i, m_ViewRect.height - m_ToolbarHeight - 32, true);
  }
}

void MyCanvas::CutPanelButtons(const wxBitmap& strip) {
  if (!strip.IsOk() || strip.GetWidth() < 384 || strip.GetHeight() < 32) return;
  wxBitmap masked = strip;
  if (!masked.GetMask()) masked.SetMask(new wxMask(strip, *wxBLACK));
  for (int i = 0; i < 3; ++i) {
    m_PanelButton[i] = masked.GetSubBitmap(wxRect(64 * i, 0, 64, 32));
    m_PanelButtonPressed[i] = masked.GetSubBitmap(wxRect(192 + 64 * i, 0, 64, 32));
  }
}

void MyCanvas::OnDraw(wxDC& dc) {
  const GPaint g = Paint();
  // Crisp pixels: the figure is drawn on the pixel grid, and smoothing every
  // pattern polygon would cost more than the whole rest of the frame.
  if (wxGraphicsContext* gc = dc.GetGraphicsContext()) gc->SetAntialiasMode(wxANTIALIAS_NONE);
  dc.SetPen(wxPen(*wxWHITE, 1));
  dc.DrawLine(0, 0, 0, 1);
  if (m_AxisOn) ::DrawAxis(g, dc);
  if (m_Mode == kModeMove && m_CloneOn && m_Dragging) {
    for (auto& l : m_AfterLines) Walk(l.head, g, dc, ::DrawOneLine);
    for (auto& c : m_AfterCircles) Walk(c.head, g, dc, ::DrawOneCircle);
    for (auto& p : m_AfterPoints) Walk(p.head, g, dc, ::DrawOnePoint);
  }
  if (m_Mode == kModeCompass) DrawCompassCircle(dc);
  if (m_SlideShow && !m_SlideWaitClick && m_AnimStep) m_AnimStep();

  GSheet& s = m_Doc->Sheet();
  Walk(s.images.head, g, dc, ::DrawOneImage);
  Walk(s.angles.head, g, dc, ::DrawOneAngle);
  Walk(s.lines.head, g, dc, ::DrawOneLine);
  Walk(s.circles.head, g, dc, ::DrawOneCircle);
  Walk(s.curves.head, g, dc, ::DrawOneCurve);
  Walk(s.brackets.head, g, dc, ::DrawOneBracket);
  Walk(s.points.head, g, dc, ::DrawOnePoint);
  Walk(s.texts.head, g, dc, ::DrawOneText);

  if (m_Preview) {
    switch (m_Mode) {
      case kModeSPoint:
        ::DrawOnePoint(m_PreviewPoint[0], g, dc);
        break;
      case kModeMLine:
      case kModePara:
      case kModePerp:
      case kModeLineWithAngle:
        ::DrawOnePoint(m_PreviewPoint[0], g, dc);
        ::DrawOneLine(m_PreviewLine, g, dc);
        break;
      case kModeMid:
        ::DrawOnePoint(m_PreviewPoint[0], g, dc);
        ::DrawOnePoint(m_PreviewPoint[1], g, dc);
        break;
      case kModeMCircle:
        ::DrawOnePoint(m_PreviewPoint[0], g, dc);
        ::DrawOneCircle(m_PreviewCircle, g, dc);
        break;
      case kModeBracket:
        ::DrawOnePoint(m_PreviewPoint[0], g, dc);
        ::DrawOneBracket(m_PreviewBracket, g, dc);
        break;
      default:
        break;
    }
  }
  if (m_GMode == kGModePanel) DrawPanelButton(dc);

  if (wxStatusBar* bar = m_Frame ? m_Frame->GetStatusBar() : nullptr) {
    const wxString text =
        wxString::Format("Sheet: %d/%d", m_Doc->m_CurrentSheet + 1, m_Doc->m_SheetCount);
    if (bar->GetStatusText(0) != text) bar->SetStatusText(text, 0);
  }
}
