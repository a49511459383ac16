// The canvas painter's toolkit side: the two off-screen pictures, the
// background tiles and the layers of one drawing into a wxDC.
#include "render/CanvasPainter.h"

#include <algorithm>
#include <cairo.h>
#include <cmath>
#include <wx/dcmemory.h>
#include <wx/graphics.h>

void CanvasPainter::EnsurePictures() {
  const int w = std::max(1, m_Width), h = std::max(1, m_Height);
  if (m_ScreenBmp.IsOk() && m_ScreenBmp.GetWidth() >= w && m_ScreenBmp.GetHeight() >= h) return;
  // Grow only: a window that shrinks and grows again keeps its pictures.
  const int nw = std::max(w, m_ScreenBmp.IsOk() ? m_ScreenBmp.GetWidth() : 0);
  const int nh = std::max(h, m_ScreenBmp.IsOk() ? m_ScreenBmp.GetHeight() : 0);
  m_ScreenBmp = wxBitmap(nw, nh, 24);
  m_BgBmp = wxBitmap(nw, nh, 24);
  m_StillBmp = wxBitmap(nw, nh, 24);
  m_ScratchBmp = wxBitmap(nw, nh, 24);
  m_UpperBmp = wxBitmap(nw, nh, 32);
  m_UpperBmp.UseAlpha();
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
    m_Still.Drop();
  }
  if (!m_StillAllowed) {
    m_Still.Drop();
    RenderWhole(o);
    return;
  }
  switch (m_Still.Prepare(Paint(o), o, m_Width, m_Height)) {
    case GStillLayer::Step::Full:
      RenderWhole(o);
      break;
    case GStillLayer::Step::Build:
      RenderOverStill(o, true);
      break;
    case GStillLayer::Step::Reuse:
      RenderOverStill(o, false);
      break;
  }
}

void CanvasPainter::RenderWhole(const GOverlay& o) {
  wxMemoryDC bg(m_BgBmp);
  wxMemoryDC screen(m_ScreenBmp);
  screen.Blit(0, 0, m_Width, m_Height, &bg, 0, 0);
  Draw(screen, o);
}

namespace {
// What every drawing of the figure begins with over the background. Crisp
// pixels: the figure is drawn on the pixel grid, and smoothing every pattern
// polygon would cost more than the whole rest of the frame.
void Prime(wxDC& dc) {
  if (wxGraphicsContext* gc = dc.GetGraphicsContext()) gc->SetAntialiasMode(wxANTIALIAS_NONE);
  dc.SetPen(wxPen(*wxWHITE, 1));
  dc.DrawLine(0, 0, 0, 1);
}
}  // namespace

void CanvasPainter::RenderOverStill(const GOverlay& o, bool build) {
  const GPaint g = Paint(o);
  const std::vector<GPaintItem>& items = m_Still.Items();
  wxMemoryDC bg(m_BgBmp);
  if (build) {
    // The lower part over the background; the upper part on a see-through
    // picture of its own.
    wxMemoryDC still(m_StillBmp);
    still.Blit(0, 0, m_Width, m_Height, &bg, 0, 0);
    Prime(still);
    GWxSurface s(still);
    wxMemoryDC upper(m_UpperBmp);
    if (wxGraphicsContext* gc = upper.GetGraphicsContext()) {
      gc->SetAntialiasMode(wxANTIALIAS_NONE);
      auto* cr = static_cast<cairo_t*>(gc->GetNativeContext());
      cairo_save(cr);
      cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
      cairo_paint(cr);
      cairo_restore(cr);
    }
    GWxSurface u(upper);
    m_UpperUsed = false;
    for (size_t i = 0; i < items.size(); ++i) {
      if (m_Still.Moving(i)) continue;
      const bool up = GStillLayer::Upper(items[i].kind);
      m_UpperUsed |= up;
      DrawItemAgain(items[i], g, o, up ? static_cast<GSurface&>(u) : s);
    }
    m_Still.Built(g, o, s);
  }
  wxMemoryDC still(m_StillBmp);
  wxMemoryDC screen(m_ScreenBmp);
  if (wxGraphicsContext* gc = screen.GetGraphicsContext()) gc->SetAntialiasMode(wxANTIALIAS_NONE);
  GWxSurface s(screen);
  // Where the moving items lie before any is drawn (a hilighted point's
  // animation advances once, below). When what moves lies under much of the
  // still figure, painting it again costs more than the whole drawing.
  m_Still.Place(g, o, s);
  if (m_Still.Again().size() * 4 > items.size()) {
    still.SelectObject(wxNullBitmap);
    screen.SelectObject(wxNullBitmap);
    RenderWhole(o);
    return;
  }
  screen.Blit(0, 0, m_Width, m_Height, &still, 0, 0);
  ++m_FramesOverStill;
  size_t i = 0;
  for (; i < items.size() && !GStillLayer::Upper(items[i].kind); ++i)
    if (m_Still.Moving(i)) DrawItemAgain(items[i], g, o, s);
  if (m_UpperUsed) screen.DrawBitmap(m_UpperBmp, 0, 0, true);
  for (; i < items.size(); ++i)
    if (m_Still.Moving(i)) DrawItemAgain(items[i], g, o, s);
  if (!m_Still.Dirty().empty()) {
    // Tiles where a still item lies above a moving one: painted again whole,
    // background first, every item touching them in order. Drawn whole
    // beside the screen and copied tile by tile, as a clipped drawing may
    // set its edge pixels otherwise.
    wxMemoryDC scratch(m_ScratchBmp);
    for (const GPixRect& r : m_Still.Dirty())
      scratch.Blit(r.x, r.y, r.width, r.height, &bg, r.x, r.y);
    Prime(scratch);
    GWxSurface t(scratch);
    for (int i : m_Still.Again()) DrawItemAgain(items[(size_t)i], g, o, t);
    for (const GPixRect& r : m_Still.Dirty())
      screen.Blit(r.x, r.y, r.width, r.height, &scratch, r.x, r.y);
  }
  // One animation step for each moving point, as a full drawing takes.
  GTileMarker nowhere(1, 1, &s);
  for (size_t i = 0; i < items.size(); ++i)
    if (m_Still.Moving(i)) DrawItem(items[i], g, o, nowhere);
  nowhere.Take();
  if (o.panelPressed) DrawPanelButton(screen, o.panelPressed);
}

void CanvasPainter::Draw(wxDC& dc, const GOverlay& o) {
  Prime(dc);
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
