// The surface over a wxDC: line patterns as cairo paths built straight from
// the pixel positions (a line's beads cost one path and one fill instead of
// the wx path objects' copies), with the same geometry and pixel offsets as
// the wx calls would use; other shapes and other contexts through the wx calls.
#include "render/WxSurface.h"

#include <cairo.h>
#include <cmath>
#include <cstring>
#include <memory>
#include <unordered_map>
#include <vector>
#include <wx/bitmap.h>
#include <wx/graphics.h>

#include "render/CairoSpans.h"
#include "render/CairoSurface.h"
#include "render/DrawIds.h"

namespace {

void Source(cairo_t* cr, const GRgb& c) {
  cairo_set_source_rgb(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0);
}

// Round ends and joins for the strokes, inside a saved state so that the wx
// calls between them find the context as they left it.
void BeginStroke(cairo_t* cr, const GRgb& c, int width) {
  cairo_save(cr);
  cairo_new_path(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_width(cr, width);
  Source(cr, c);
}

const wxPoint* WxPoints(const GPix* pts, int n) {
  static std::vector<wxPoint> out;
  out.resize(n);
  for (int i = 0; i < n; ++i) out[i] = wxPoint(pts[i].x, pts[i].y);
  return out.data();
}

// Toolkit pictures made from plain ones, by the plain picture's number: the
// same frames and tiles are drawn on every repaint. Past the budget all are
// dropped and made again as they are used.
constexpr size_t kPictureBudget = 64u << 20;  // bytes of pixels
struct PictureCache {
  std::unordered_map<uint64_t, wxBitmap> made;
  // Pictures without blending pixels as cairo surfaces, for a picture of
  // pixels: the toolkit's way turns the bitmap and its mask into such a
  // surface again at every drawing.
  std::unordered_map<uint64_t, std::shared_ptr<cairo_surface_t>> crisp;
  size_t bytes = 0;
};

// Never freed: the toolkit's pictures must not outlive the toolkit, which a
// static object's destructor at exit would make them do.
PictureCache& Pictures() {
  static PictureCache* cache = new PictureCache;
  return *cache;
}

}  // namespace

GRaster RasterFromImage(const wxImage& img) {
  GRaster r;
  if (!img.IsOk()) return r;
  r.width = img.GetWidth();
  r.height = img.GetHeight();
  const size_t n = (size_t)r.width * r.height;
  r.rgba.resize(n * 4);
  const unsigned char* rgb = img.GetData();
  const unsigned char* alpha = img.HasAlpha() ? img.GetAlpha() : nullptr;
  const bool masked = !alpha && img.HasMask();
  const unsigned char mr = img.GetMaskRed(), mg = img.GetMaskGreen(), mb = img.GetMaskBlue();
  for (size_t i = 0; i < n; ++i) {
    uint8_t* p = &r.rgba[i * 4];
    p[0] = rgb[i * 3];
    p[1] = rgb[i * 3 + 1];
    p[2] = rgb[i * 3 + 2];
    p[3] = alpha ? alpha[i] : 255;
    if (masked && p[0] == mr && p[1] == mg && p[2] == mb) p[3] = 0;
  }
  return r;
}

wxImage ImageFromRaster(const GRaster& r) {
  if (r.Empty()) return wxImage();
  const size_t n = (size_t)r.width * r.height;
  wxImage img(r.width, r.height, false);
  unsigned char* rgb = img.GetData();
  bool partial = false, clear = false;
  for (size_t i = 0; i < n; ++i) {
    const uint8_t* p = &r.rgba[i * 4];
    rgb[i * 3] = p[0];
    rgb[i * 3 + 1] = p[1];
    rgb[i * 3 + 2] = p[2];
    if (p[3] == 0)
      clear = true;
    else if (p[3] != 255)
      partial = true;
  }
  if (partial) {
    img.InitAlpha();
    unsigned char* a = img.GetAlpha();
    for (size_t i = 0; i < n; ++i) a[i] = r.rgba[i * 4 + 3];
  } else if (clear) {
    // Only whole see-through pixels: a mask colour, as every context
    // (printers too) honours masks.
    unsigned char mr = 0, mg = 0, mb = 0;
    if (img.FindFirstUnusedColour(&mr, &mg, &mb)) {
      for (size_t i = 0; i < n; ++i)
        if (r.rgba[i * 4 + 3] == 0) rgb[i * 3] = mr, rgb[i * 3 + 1] = mg, rgb[i * 3 + 2] = mb;
      img.SetMaskColour(mr, mg, mb);
    }
  }
  return img;
}

GWxSurface::GWxSurface(wxDC& dc) : m_Dc(dc) {
  wxGraphicsContext* gc = dc.GetGraphicsContext();
  if (gc && gc->GetRenderer() == wxGraphicsRenderer::GetCairoRenderer())
    m_Cr = static_cast<cairo_t*>(gc->GetNativeContext());
}

bool GWxSurface::DirectPixels() const {
  GCairoSpans spans(m_Cr);
  const GSpanTarget& t = spans.Target();
  return spans.Ok() && t.x0 == 0 && t.y0 == 0;
}

void GWxSurface::Clear(const GRgb& bg) {
  m_Dc.SetBackground(wxBrush(ToWx(bg)));
  m_Dc.Clear();
}

void GWxSurface::Stroke(const GRgb& c, int width, GPix a, GPix b) {
  if (!m_Cr) {
    m_Dc.SetPen(wxPen(ToWx(c), width));
    m_Dc.DrawLine(a.x, a.y, b.x, b.y);
    return;
  }
  const double o = PenOffset(width);
  {
    const GPixF ends[2] = {{a.x + o, a.y + o}, {b.x + o, b.y + o}};
    GCairoSpans spans(m_Cr);
    if (spans.Ok() && SpanChain(spans.Target(), SpanPixel(c), width, ends, 2)) return;
  }
  BeginStroke(m_Cr, c, width);
  cairo_move_to(m_Cr, a.x + o, a.y + o);
  cairo_line_to(m_Cr, b.x + o, b.y + o);
  cairo_stroke(m_Cr);
  cairo_restore(m_Cr);
}

void GWxSurface::StrokeChain(const GRgb& c, int width, const GPixF* pts, int n) {
  if (n < 2) return;
  if (!m_Cr) {
    // One polyline: a vector context keeps it as one shape.
    static std::vector<wxPoint> line;
    line.resize(n);
    for (int i = 0; i < n; ++i)
      line[i] = wxPoint((int)std::floor(pts[i].x), (int)std::floor(pts[i].y));
    m_Dc.SetPen(wxPen(ToWx(c), width));
    m_Dc.DrawLines(n, line.data());
    return;
  }
  {
    GCairoSpans spans(m_Cr);
    if (spans.Ok() && SpanChain(spans.Target(), SpanPixel(c), width, pts, n)) return;
  }
  BeginStroke(m_Cr, c, width);
  cairo_move_to(m_Cr, pts[0].x, pts[0].y);
  for (int i = 1; i < n; ++i) cairo_line_to(m_Cr, pts[i].x, pts[i].y);
  cairo_stroke(m_Cr);
  cairo_restore(m_Cr);
}

void GWxSurface::Polyline(const GRgb& c, int width, const GPix* pts, int n) {
  if (n < 2) return;
  m_Dc.SetPen(wxPen(ToWx(c), width));
  m_Dc.DrawLines(n, WxPoints(pts, n));
}

void GWxSurface::Fill(const GRgb& c, const GPix* pts, const int* counts, int n) {
  if (n <= 0) return;
  if (!m_Cr) {
    m_Dc.SetPen(*wxTRANSPARENT_PEN);
    m_Dc.SetBrush(wxBrush(ToWx(c)));
    // Each shape alone: a vector context joins the shapes of one
    // polypolygon into a single outline, which fills the gaps between them.
    for (int i = 0; i < n; pts += counts[i], ++i)
      if (counts[i] > 2)
        m_Dc.DrawPolygon(counts[i], WxPoints(pts, counts[i]), 0, 0, wxWINDING_RULE);
    return;
  }
  {
    GCairoSpans spans(m_Cr);
    if (spans.Ok() && SpanPolygons(spans.Target(), SpanPixel(c), pts, counts, n)) return;
  }
  // Vertices on the pixel grid itself, as the wx context places a shape
  // without an outline: every bead stays where it always was.
  cairo_save(m_Cr);
  cairo_new_path(m_Cr);
  const GPix* p = pts;
  for (int i = 0; i < n; ++i) {
    if (counts[i] > 0) {
      cairo_move_to(m_Cr, p[0].x, p[0].y);
      for (int j = 1; j < counts[i]; ++j) cairo_line_to(m_Cr, p[j].x, p[j].y);
      cairo_close_path(m_Cr);
    }
    p += counts[i];
  }
  Source(m_Cr, c);
  cairo_set_fill_rule(m_Cr, CAIRO_FILL_RULE_WINDING);
  cairo_fill(m_Cr);
  cairo_restore(m_Cr);
}

void GWxSurface::Ink(const GInk& ink) {
  if (ink.width > 0)
    m_Dc.SetPen(wxPen(ToWx(ink.line), ink.width));
  else
    m_Dc.SetPen(*wxTRANSPARENT_PEN);
  if (ink.filled)
    m_Dc.SetBrush(wxBrush(ToWx(ink.fill)));
  else
    m_Dc.SetBrush(*wxTRANSPARENT_BRUSH);
}

void GWxSurface::Polygon(const GInk& ink, const GPix* pts, int n) {
  if (n < 2) return;
  Ink(ink);
  m_Dc.DrawPolygon(n, WxPoints(pts, n), 0, 0, wxWINDING_RULE);
}

void GWxSurface::Circle(const GInk& ink, GPix centre, int radius) {
  Ink(ink);
  m_Dc.DrawCircle(centre.x, centre.y, radius);
}

void GWxSurface::Rectangle(const GInk& ink, int x, int y, int w, int h) {
  Ink(ink);
  m_Dc.DrawRectangle(x, y, w, h);
}

void GWxSurface::EllipticArc(const GInk& ink, int x, int y, int w, int h, double start,
                             double end) {
  Ink(ink);
  m_Dc.DrawEllipticArc(x, y, w, h, start, end);
}

void GWxSurface::Picture(const GRaster& picture, int x, int y) {
  if (picture.Empty() || picture.rgba.size() < (size_t)picture.width * picture.height * 4) return;
  PictureCache& cache = Pictures();
  auto forget = [&](size_t bytes) {
    if (cache.bytes + bytes <= kPictureBudget) return;
    cache.made.clear();
    cache.crisp.clear();
    cache.bytes = 0;
  };
  if (m_Cr) {
    auto crisp = cache.crisp.find(picture.id);
    if (crisp == cache.crisp.end()) {
      forget(picture.rgba.size());
      std::shared_ptr<cairo_surface_t> made;
      if (!Blends(picture))
        made.reset(CairoImageOfRaster(picture),
                   [](cairo_surface_t* c) { cairo_surface_destroy(c); });
      crisp = cache.crisp.emplace(picture.id, made).first;
      cache.bytes += picture.rgba.size();
    }
    if (cairo_surface_t* image = crisp->second.get()) {
      // Each pixel opaque or see-through: the picture's own pixels where
      // it is opaque, as the toolkit's masked bitmap puts them.
      CairoPicture(m_Cr, image, x, y);
      return;
    }
  }
  auto found = cache.made.find(picture.id);
  if (found == cache.made.end()) {
    const size_t bytes = picture.rgba.size();
    forget(bytes);
    found = cache.made.emplace(picture.id, wxBitmap(ImageFromRaster(picture))).first;
    cache.bytes += bytes;
  }
  const wxBitmap& bmp = found->second;
  if (bmp.IsOk()) m_Dc.DrawBitmap(bmp, x, y, bmp.GetMask() != nullptr);
}

void GWxSurface::TextExtent(const std::string& text, int size, bool bold, int* w, int* h,
                            int* descent) {
  GetTextRunExtent(m_Dc, text, size, bold, w, h, descent);
}

void GWxSurface::Text(const std::string& text, int size, bool bold, const GRgb& c, int x, int y) {
  DrawTextRun(m_Dc, text, size, bold, ToWx(c), x, y);
}
