// The painter's view and drawing: the transform kept in step with the window
// and the document, zooming, the rescaling of texts after a resize, the two
// off-screen pictures and the layers of one drawing.
#include "render/CanvasPainter.h"

#include <algorithm>
#include <cmath>
#include <wx/dcmemory.h>
#include <wx/graphics.h>

CanvasPainter::CanvasPainter(GDocument& doc)
    : m_Scale(doc.m_Scale),
      m_XMin(doc.m_XMin),
      m_XMax(doc.m_XMax),
      m_YMin(doc.m_YMin),
      m_YMax(doc.m_YMax),
      m_PickDistance(doc.m_PickDistance),
      m_PickDistance2(doc.m_PickDistance2),
      m_Doc(doc) {}

GView CanvasPainter::View() const {
  GView v;
  v.originX = m_OriginX;
  v.originY = m_OriginY;
  v.scale = m_Scale;
  v.centerX = m_CenterX;
  v.centerY = m_CenterY;
  v.width = m_Width;
  v.height = m_Height;
  v.xMin = m_XMin;
  v.xMax = m_XMax;
  v.yMin = m_YMin;
  v.yMax = m_YMax;
  return v;
}

void CanvasPainter::UpdateView() {
  GView v;
  v.originX = m_OriginX;
  v.originY = m_OriginY;
  v.scale = m_Scale;
  v.Update(m_Width, m_Height);
  m_CenterX = v.centerX;
  m_CenterY = v.centerY;
  m_ViewRect = wxRect(0, 0, m_Width, m_Height);
  m_XMin = v.xMin;
  m_XMax = v.xMax;
  m_YMin = v.yMin;
  m_YMax = v.yMax;
  // Files record the window they were made in, and a file read into a window
  // of another size has its texts and view scaled to this one.
  m_Doc.m_WindowWidth = m_Width;
  m_Doc.m_WindowHeight = m_Height;
}

// The document zooms (scale, pick distance, bounds, every step's view); the
// painter then takes the bounds from the window again.
void CanvasPainter::ZoomIn(double factor) {
  m_Doc.ZoomIn(factor);
  UpdateView();
}

void CanvasPainter::ZoomOut(double factor) {
  m_Doc.ZoomOut(factor);
  UpdateView();
}

void CanvasPainter::convert_textsize() {
  if (m_Width == m_OldWidth && m_Height == m_OldHeight) return;
  // Texts keep their place and size relative to the window. A window folded
  // to (almost) nothing is not a size to scale by: the ratio would be zero or
  // negative and would wreck every text and the scale.
  if (m_Width <= 0 || m_Height <= 50 || m_OldWidth <= 0 || m_OldHeight <= 50) return;
  const double rx = (double)m_Width / m_OldWidth;
  const double ry = (double)(m_Height - 50) / (m_OldHeight - 50);
  m_Doc.RescaleTexts(rx, ry);
  ZoomIn(ry);
  m_OldWidth = m_Width;
  m_OldHeight = m_Height;
}

void CanvasPainter::EnsurePictures() {
  const int w = std::max(1, m_Width), h = std::max(1, m_Height);
  if (m_ScreenBmp.IsOk() && m_ScreenBmp.GetWidth() >= w && m_ScreenBmp.GetHeight() >= h) return;
  // Grow only: a window that shrinks and grows again keeps its pictures.
  const int nw = std::max(w, m_ScreenBmp.IsOk() ? m_ScreenBmp.GetWidth() : 0);
  const int nh = std::max(h, m_ScreenBmp.IsOk() ? m_ScreenBmp.GetHeight() : 0);
  m_ScreenBmp = wxBitmap(nw, nh, 24);
  m_BgBmp = wxBitmap(nw, nh, 24);
  m_BgDrawn = false;
}

void CanvasPainter::DrawBackGround(wxDC& dc) {
  const BGBmp& bg = m_Look.bg;
  GWxSurface s(dc);
  if (bg.tile.Empty() || bg.width <= 0 || bg.height <= 0) {
    s.Clear(bg.colour);
    return;
  }
  for (int i = 0; i <= m_Width / bg.width; ++i)
    for (int j = 0; j <= m_Height / bg.height; ++j) s.Picture(bg.tile, i * bg.width, j * bg.height);
}

void CanvasPainter::RenderToScreenPicture(const GOverlay& o) {
  EnsurePictures();
  if (!m_BgDrawn) {
    wxMemoryDC bg(m_BgBmp);
    DrawBackGround(bg);
    m_BgDrawn = true;
  }
  wxMemoryDC bg(m_BgBmp);
  wxMemoryDC screen(m_ScreenBmp);
  screen.Blit(0, 0, m_Width, m_Height, &bg, 0, 0);
  Draw(screen, o);
}

GPaint CanvasPainter::Paint(const GOverlay& o) const {
  GPaint g;
  g.view = View();
  g.look = &m_Look;
  g.doc = &m_Doc;
  g.quickCurves = o.quickCurves;
  g.compassMode = o.compassMode;
  g.axis = m_AxisOn;
  return g;
}

void CanvasPainter::Draw(wxDC& dc, const GOverlay& o) {
  // Crisp pixels: the figure is drawn on the pixel grid, and smoothing every
  // pattern polygon would cost more than the whole rest of the frame.
  if (wxGraphicsContext* gc = dc.GetGraphicsContext()) gc->SetAntialiasMode(wxANTIALIAS_NONE);
  dc.SetPen(wxPen(*wxWHITE, 1));
  dc.DrawLine(0, 0, 0, 1);
  GWxSurface s(dc);
  DrawSheet(s, Paint(o), o);
  if (o.panelPressed) DrawPanelButton(dc, o.panelPressed);
}

void CanvasPainter::DrawPanelButton(wxDC& dc, const bool pressed[3]) {
  for (int i = 0; i < 3; ++i) {
    const wxBitmap& b = pressed[i] ? m_PanelButtonPressed[i] : m_PanelButton[i];
    // On the bottom edge of the canvas window, which is the toolbar's height
    // shorter than the view rectangle: there the taps find them.
    if (b.IsOk()) dc.DrawBitmap(b, 64 * i, m_ViewRect.height - m_ToolbarHeight - 32, true);
  }
}

void CanvasPainter::CutPanelButtons(const wxBitmap& strip) {
  if (!strip.IsOk() || strip.GetWidth() < 384 || strip.GetHeight() < 32) return;
  wxBitmap masked = strip;
  if (!masked.GetMask()) masked.SetMask(new wxMask(strip, *wxBLACK));
  for (int i = 0; i < 3; ++i) {
    m_PanelButton[i] = masked.GetSubBitmap(wxRect(64 * i, 0, 64, 32));
    m_PanelButtonPressed[i] = masked.GetSubBitmap(wxRect(192 + 64 * i, 0, 64, 32));
  }
}
