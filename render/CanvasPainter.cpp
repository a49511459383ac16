// The canvas painter's toolkit side: the two off-screen pictures, the
// background tiles and the layers of one drawing into a wxDC.
#include "render/CanvasPainter.h"

#include <algorithm>
#include <array>
#include <cairo.h>
#include <atomic>
#include <cmath>
#include <thread>
#include <wx/dcmemory.h>
#include <wx/graphics.h>

#include "render/CairoSurface.h"
#include "render/DrawIds.h"
#include "render/DrawOverStill.h"
#include "render/DrawRecord.h"
#include "render/DrawTiles.h"

void CanvasPainter::EnsurePictures() {
  const int w = std::max(1, m_Width), h = std::max(1, m_Height);
  if (m_ScreenBmp.IsOk() && m_ScreenBmp.GetWidth() >= w && m_ScreenBmp.GetHeight() >= h) return;
  // Grow only: a window that shrinks and grows again keeps its pictures.
  const int nw = std::max(w, m_ScreenBmp.IsOk() ? m_ScreenBmp.GetWidth() : 0);
  const int nh = std::max(h, m_ScreenBmp.IsOk() ? m_ScreenBmp.GetHeight() : 0);
  m_ScreenBmp = wxBitmap(nw, nh, 24);
  m_BgBmp = wxBitmap(nw, nh, 24);
  m_BgPrint = {};
  m_PixelsOk = m_Frame.Ensure(nw, nh) && m_Bg.Ensure(nw, nh) && m_StillPix.Ensure(nw, nh) &&
               m_StillTop.Ensure(nw, nh) && m_MovingTop.Ensure(nw, nh);
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

void CanvasPainter::DrawBackGround(GPixelPicture& into) {
  const BGBmp& bg = m_Look.bg;
  if (bg.tile.Empty() || bg.width <= 0 || bg.height <= 0) {
    const GRgb& c = bg.colour;
    into.Set((uint32_t)c.r << 16 | c.g << 8 | c.b, m_Height);
    return;
  }
  GPixelDc dc(into);
  GWxSurface s(dc.Dc());
  for (int i = 0; i <= m_Width / bg.width; ++i)
    for (int j = 0; j <= m_Height / bg.height; ++j) s.Picture(bg.tile, i * bg.width, j * bg.height);
}

void CanvasPainter::RenderToScreenPicture(const GOverlay& o) {
  EnsurePictures();
  if (!m_BgDrawn) {
    // The sheet's looks are taken again after every undo; a background that
    // came out the same keeps its pixels and the still picture over them.
    const BGBmp& b = m_Look.bg;
    const std::array<int, 9> print = {b.number,
                                      b.colour.r,
                                      b.colour.g,
                                      b.colour.b,
                                      b.tile.width,
                                      b.tile.height,
                                      b.tile.Empty() ? 0 : b.width * 4096 + b.height,
                                      m_Width,
                                      m_Height};
    if (print != m_BgPrint) {
      {
        wxMemoryDC bg(m_BgBmp);
        DrawBackGround(bg);
      }
      if (m_PixelsOk) DrawBackGround(m_Bg);
      m_BgPrint = print;
      m_Still.Drop();
    }
    m_BgDrawn = true;
  }
  if (!m_StillAllowed || !m_PixelsOk) {
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

namespace {
// What every drawing of the figure begins with over the background. Crisp
// pixels: the figure is drawn on the pixel grid, and smoothing every pattern
// polygon would cost more than the whole rest of the frame.
void Prime(wxDC& dc) {
  if (wxGraphicsContext* gc = dc.GetGraphicsContext()) gc->SetAntialiasMode(wxANTIALIAS_NONE);
  dc.SetPen(wxPen(*wxWHITE, 1));
  dc.DrawLine(0, 0, 0, 1);
}
void Crisp(wxDC& dc) {
  if (wxGraphicsContext* gc = dc.GetGraphicsContext()) gc->SetAntialiasMode(wxANTIALIAS_NONE);
}
// The still items of the frame onto `s`, and each one's place in the order
// (plus one) as its only colour onto `places`.
void DrawStillWithPlaces(const GStillLayer& still, const GPaint& g, const GOverlay& o, GSurface& s,
                         GSurface& places) {
  const std::vector<GPaintItem>& items = still.Items();
  GIdSurface ids(places);
  for (size_t i = 0; i < items.size(); ++i) {
    if (still.Moving(i)) continue;
    DrawItemAgain(items[i], g, o, s);
    ids.SetId((uint32_t)i + 1);
    DrawItemAgain(items[i], g, o, ids);
  }
}
}  // namespace

void CanvasPainter::RenderWhole(const GOverlay& o) {
  if (!m_PixelsOk) {
    wxMemoryDC bg(m_BgBmp);
    wxMemoryDC screen(m_ScreenBmp);
    screen.Blit(0, 0, m_Width, m_Height, &bg, 0, 0);
    Draw(screen, o);
    return;
  }
  // Every frame takes the same road, over pixels of the painter's own, so a
  // frame over the still picture and a whole one come out alike.
  m_Frame.CopyFrom(m_Bg, m_Height);
  {
    GPixelDc dc(m_Frame);
    Prime(dc.Dc());
    GWxSurface s(dc.Dc());
    DrawSheet(s, Paint(o), o);
  }
  ShowFrame(o);
}

void CanvasPainter::ShowFrame(const GOverlay& o) {
  m_Frame.GiveBitmap(m_ScreenBmp, m_Width, m_Height);
  if (o.panelPressed) {
    wxMemoryDC screen(m_ScreenBmp);
    DrawPanelButton(screen, o.panelPressed);
  }
}

void CanvasPainter::RenderOverStill(const GOverlay& o, bool build) {
  const GPaint g = Paint(o);
  const std::vector<GPaintItem>& items = m_Still.Items();
  const int h = m_Height;
  if (build) {
    // The still items, and at each pixel which of them lies on top (its
    // place in the order, plus one; none is 0).
    m_StillPix.CopyFrom(m_Bg, h);
    m_StillTop.Set(0, h);
    m_MovingTop.Set(0, h);
    {
      GPixelDc still(m_StillPix), top(m_StillTop);
      Prime(still.Dc());
      Crisp(top.Dc());
      GWxSurface s(still.Dc()), t(top.Dc());
      DrawStillWithPlaces(m_Still, g, o, s, t);
      m_Still.Built(g, o, s);
      m_StillBase = (uint32_t)items.size();
    }
    NoteStillTiles();  // the pixels are read once the contexts are gone
  }
  m_Frame.CopyFrom(m_StillPix, h);
  bool direct = false;
  {
    GPixelDc frame(m_Frame);
    Crisp(frame.Dc());
    GWxSurface s(frame.Dc());
    m_Still.DecideWhole();
    // Unless something that blends moves, or lies above what moves.
    if (!m_Still.Whole()) direct = DrawMoving(g, o, s);
  }
  if (!direct) {
    RenderWhole(o);
    return;
  }
  ++m_FramesOverStill;
  ShowFrame(o);
}

void CanvasPainter::NoteStillTiles() {
  // The highest still item of each tile (its base place plus one).
  const int k = GTileMarker::kTile, cols = (m_Width + k - 1) / k, rows = (m_Height + k - 1) / k;
  m_TileStillTop.assign((size_t)cols * rows, 0);
  for (int y = 0; y < m_Height; ++y) {
    const uint32_t* top = m_StillTop.Row(y);
    uint32_t* tiles = &m_TileStillTop[(size_t)(y / k) * cols];
    for (int x = 0; x < m_Width; ++x) tiles[x / k] = std::max(tiles[x / k], top[x] & 0xFFFFFF);
  }
}

bool CanvasPainter::DrawMoving(const GPaint& g, const GOverlay& o, GWxSurface& frame) {
  // The moving items are worked out once. The shapes only a surface can
  // draw (letters, rings, outlined shapes) note their tiles; then every
  // shape goes into the frame (render/DrawOverStill.h).
  if (!frame.DirectPixels()) return false;
  const std::vector<GPaintItem>& items = m_Still.Items();
  GRecordSurface rec(frame);
  for (size_t i = 0; i < items.size(); ++i) {
    if (!m_Still.Moving(i)) continue;
    rec.SetItem((uint32_t)i + 1);
    // Drawn as a whole drawing draws it: a moving point's animation steps on.
    DrawItem(items[i], g, o, rec);
  }
  GTileMarker marker(m_Width, m_Height, &frame);
  rec.ReplayEach(marker, [&](size_t i, uint32_t) { return !rec.Direct(i); });
  m_Mixed.assign((size_t)marker.Columns() * marker.Rows(), 0);
  for (int t : marker.Take()) m_Mixed[t] = 1;

  const uint32_t base = m_StillBase;
  m_PlaceNow.resize(base + 1);
  m_PlaceNow[0] = 0;
  for (uint32_t j = 0; j < base; ++j) m_PlaceNow[j + 1] = (uint32_t)(m_Still.Now((int)j) + 1);
  // Per tile, the place now of the highest still item there: a moving item
  // above it sets its pixels there without looking at each.
  m_TileAbove.resize(m_TileStillTop.size());
  for (size_t t = 0; t < m_TileStillTop.size(); ++t) {
    const uint32_t top = m_TileStillTop[t];
    m_TileAbove[t] = top <= base ? m_PlaceNow[top] : UINT32_MAX;
  }
  GOverStillPixels px;
  px.tileAbove = m_TileAbove.data();
  px.frame = GSpanTarget{m_Frame.Row(0), m_Frame.Stride(), 0, 0, m_Width, m_Height};
  px.stillPix = m_StillPix.Row(0);
  px.stillPixStride = m_StillPix.Stride();
  px.stillTop = m_StillTop.Row(0);
  px.stillStride = m_StillTop.Stride();
  px.movingTop = m_MovingTop.Row(0);
  px.movingStride = m_MovingTop.Stride();
  px.now = m_PlaceNow.data();
  px.base = base;
  px.mixed = &m_Mixed;
  px.columns = marker.Columns();
  m_ItemOf.assign(rec.Count() + 1, 0);
  for (size_t i = 0; i < rec.Count(); ++i) m_ItemOf[i + 1] = rec.Item(i);
  px.itemOf = &m_ItemOf;

  // A band of rows: its strokes, chains, fills and pictures become runs,
  // which are set once `drawn` says the shapes drawn through a surface are.
  auto band = [&](GOverStillScratch& scratch, int y0, int y1, const std::atomic<bool>& drawn) {
    GOverStillSurface rows(px, scratch, y0, y1);
    rec.ReplayEach(rows, [&](size_t i, uint32_t) {
      rows.SetShape((uint32_t)i + 1);
      return rec.Direct(i);
    });
    rows.Sort();
    while (!drawn.load(std::memory_order_acquire)) std::this_thread::yield();
    return rows.Finish();
  };
  std::atomic<bool> drawn{false};
  bool lowerOk = true;
  const bool apart =
      rec.Count() >= m_ShapesApart && m_Height > 1 && std::thread::hardware_concurrency() > 1;
  const int mid = apart ? m_Height / 2 : m_Height;
  std::thread lower;
  if (apart) lower = std::thread([&] { lowerOk = band(m_OverStillLower, mid, m_Height, drawn); });
  {
    // The shapes only a surface draws, into the frame and as their places.
    GPixelDc top(m_MovingTop);
    Crisp(top.Dc());
    GWxSurface t(top.Dc());
    GIdSurface ids(t);
    rec.ReplayEach(frame, [&](size_t i, uint32_t) { return !rec.Direct(i); });
    rec.ReplayEach(ids, [&](size_t i, uint32_t) {
      ids.SetId((uint32_t)i + 1);
      return !rec.Direct(i);
    });
  }
  m_Frame.Flush();
  drawn.store(true, std::memory_order_release);
  const bool upperOk = band(m_OverStill, 0, mid, drawn);
  if (lower.joinable()) lower.join();
  m_Frame.Changed();
  m_MovingTop.Changed();
  return upperOk && lowerOk;
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
