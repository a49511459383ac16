// The cairo surface's shapes and pictures. The geometry follows the window's
// context: an outline of odd width is centred on the pixel row (its path moved
// by half a pixel, the fill with it), a shape without an outline keeps its
// vertices on the grid, rectangles with an outline are one pixel smaller,
// and ends and joins are round.
#include "render/CairoSurface.h"

#include <cairo.h>
#include <cmath>
#include <cstring>

#include "render/CairoSpans.h"
#include "render/CairoText.h"

namespace {

void Source(cairo_t* cr, const GRgb& c) {
  cairo_set_source_rgb(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0);
}

void Pen(cairo_t* cr, const GRgb& c, int width) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_width(cr, std::max(1, width));
  Source(cr, c);
}

struct SurfaceFree {
  void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};

}  // namespace

// The plain picture as cairo's premultiplied native-endian ARGB.
cairo_surface_t* CairoImageOfRaster(const GRaster& r) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, r.width, r.height);
  if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) return s;
  cairo_surface_flush(s);
  unsigned char* data = cairo_image_surface_get_data(s);
  const int stride = cairo_image_surface_get_stride(s);
  for (int y = 0; y < r.height; ++y) {
    uint32_t* row = reinterpret_cast<uint32_t*>(data + (size_t)y * stride);
    const uint8_t* p = &r.rgba[(size_t)y * r.width * 4];
    for (int x = 0; x < r.width; ++x, p += 4) {
      const uint32_t a = p[3];
      const uint32_t rr = (p[0] * a + 127) / 255, g = (p[1] * a + 127) / 255,
                     b = (p[2] * a + 127) / 255;
      row[x] = a << 24 | rr << 16 | g << 8 | b;
    }
  }
  cairo_surface_mark_dirty(s);
  return s;
}

GRaster RasterOfImageSurface(cairo_surface_t* image) {
  GRaster r;
  cairo_surface_flush(image);
  r.width = cairo_image_surface_get_width(image);
  r.height = cairo_image_surface_get_height(image);
  const unsigned char* data = cairo_image_surface_get_data(image);
  const int stride = cairo_image_surface_get_stride(image);
  if (!data || r.Empty()) return GRaster();
  r.rgba.resize((size_t)r.width * r.height * 4);
  uint8_t* out = r.rgba.data();
  for (int y = 0; y < r.height; ++y) {
    const uint32_t* row = reinterpret_cast<const uint32_t*>(data + (size_t)y * stride);
    for (int x = 0; x < r.width; ++x, out += 4) {
      const uint32_t v = row[x];
      out[0] = (uint8_t)(v >> 16);
      out[1] = (uint8_t)(v >> 8);
      out[2] = (uint8_t)v;
      out[3] = 255;
    }
  }
  return r;
}

GCairoSurface::GCairoSurface(cairo_t* cr, bool raster) : m_Cr(cr), m_Raster(raster) {
  cairo_set_antialias(m_Cr, raster ? CAIRO_ANTIALIAS_NONE : CAIRO_ANTIALIAS_DEFAULT);
}

GCairoSurface::~GCairoSurface() = default;

void GCairoSurface::Clear(const GRgb& bg) {
  cairo_save(m_Cr);
  Source(m_Cr, bg);
  cairo_paint(m_Cr);
  cairo_restore(m_Cr);
}

void GCairoSurface::Stroke(const GRgb& c, int width, GPix a, GPix b) {
  const double o = PenOffset(width);
  if (m_Raster) {
    const GPixF ends[2] = {{a.x + o, a.y + o}, {b.x + o, b.y + o}};
    GCairoSpans spans(m_Cr);
    if (spans.Ok() && SpanChain(spans.Target(), SpanPixel(c), std::max(1, width), ends, 2)) return;
  }
  cairo_new_path(m_Cr);
  cairo_move_to(m_Cr, a.x + o, a.y + o);
  cairo_line_to(m_Cr, b.x + o, b.y + o);
  Pen(m_Cr, c, width);
  cairo_stroke(m_Cr);
}

void GCairoSurface::StrokeChain(const GRgb& c, int width, const GPixF* pts, int n) {
  if (n < 2) return;
  if (m_Raster) {
    GCairoSpans spans(m_Cr);
    if (spans.Ok() && SpanChain(spans.Target(), SpanPixel(c), std::max(1, width), pts, n)) return;
  }
  cairo_new_path(m_Cr);
  cairo_move_to(m_Cr, pts[0].x, pts[0].y);
  for (int i = 1; i < n; ++i) cairo_line_to(m_Cr, pts[i].x, pts[i].y);
  Pen(m_Cr, c, width);
  cairo_stroke(m_Cr);
}

void GCairoSurface::Polyline(const GRgb& c, int width, const GPix* pts, int n) {
  if (n < 2) return;
  const double o = PenOffset(std::max(1, width));
  cairo_new_path(m_Cr);
  cairo_move_to(m_Cr, pts[0].x + o, pts[0].y + o);
  for (int i = 1; i < n; ++i) cairo_line_to(m_Cr, pts[i].x + o, pts[i].y + o);
  Pen(m_Cr, c, width);
  cairo_stroke(m_Cr);
}

void GCairoSurface::Fill(const GRgb& c, const GPix* pts, const int* counts, int n) {
  if (n <= 0) return;
  if (m_Raster) {
    GCairoSpans spans(m_Cr);
    if (spans.Ok() && SpanPolygons(spans.Target(), SpanPixel(c), pts, counts, n)) return;
  }
  cairo_new_path(m_Cr);
  for (int i = 0; i < n; pts += counts[i], ++i) {
    if (counts[i] <= 0) continue;
    cairo_move_to(m_Cr, pts[0].x, pts[0].y);
    for (int j = 1; j < counts[i]; ++j) cairo_line_to(m_Cr, pts[j].x, pts[j].y);
    cairo_close_path(m_Cr);
  }
  Source(m_Cr, c);
  cairo_set_fill_rule(m_Cr, CAIRO_FILL_RULE_WINDING);
  cairo_fill(m_Cr);
}

void GCairoSurface::Paint(const GInk& ink) {
  // The path was built on the grid; an odd outline moves it (and the fill
  // with it) to the pixel centres.
  const double o = ink.width > 0 ? PenOffset(ink.width) : 0.0;
  cairo_save(m_Cr);
  cairo_translate(m_Cr, o, o);
  cairo_path_t* path = cairo_copy_path(m_Cr);
  cairo_new_path(m_Cr);
  cairo_append_path(m_Cr, path);
  cairo_path_destroy(path);
  cairo_set_fill_rule(m_Cr, CAIRO_FILL_RULE_WINDING);
  if (ink.filled) {
    Source(m_Cr, ink.fill);
    if (ink.width > 0)
      cairo_fill_preserve(m_Cr);
    else
      cairo_fill(m_Cr);
  }
  if (ink.width > 0) {
    Pen(m_Cr, ink.line, ink.width);
    cairo_stroke(m_Cr);
  }
  cairo_new_path(m_Cr);
  cairo_restore(m_Cr);
}

void GCairoSurface::Polygon(const GInk& ink, const GPix* pts, int n) {
  if (n < 2) return;
  cairo_new_path(m_Cr);
  cairo_move_to(m_Cr, pts[0].x, pts[0].y);
  for (int i = 1; i < n; ++i) cairo_line_to(m_Cr, pts[i].x, pts[i].y);
  cairo_close_path(m_Cr);
  Paint(ink);
}

void GCairoSurface::Circle(const GInk& ink, GPix centre, int radius) {
  cairo_new_path(m_Cr);
  cairo_new_sub_path(m_Cr);
  cairo_arc(m_Cr, centre.x, centre.y, std::abs(radius), 0, 2 * M_PI);
  cairo_close_path(m_Cr);
  Paint(ink);
}

void GCairoSurface::Rectangle(const GInk& ink, int x, int y, int w, int h) {
  if (w == 0 || h == 0) return;
  // The outline lies on the rectangle's last row and column, inside it.
  if (ink.width > 0) --w, --h;
  cairo_new_path(m_Cr);
  cairo_rectangle(m_Cr, x, y, w, h);
  Paint(ink);
}

void GCairoSurface::EllipticArc(const GInk& ink, int x, int y, int w, int h, double start,
                                double end) {
  if (w <= 0 || h <= 0) return;
  if (end == start) end += 360.0;
  // About the box's centre (whole pixels), a circle of half the height
  // stretched to the width; the angles count counter-clockwise on the screen.
  const int cx = (int)(x + w / 2.0), cy = (int)(y + h / 2.0);
  const double sa = -start * M_PI / 180, ea = -end * M_PI / 180, r = h / 2.0;
  const double o = ink.width > 0 ? PenOffset(ink.width) : 0.0;
  cairo_save(m_Cr);
  cairo_translate(m_Cr, cx, cy);
  cairo_scale(m_Cr, (double)w / h, 1.0);
  cairo_translate(m_Cr, o, o);
  cairo_set_fill_rule(m_Cr, CAIRO_FILL_RULE_WINDING);
  if (ink.filled) {
    cairo_new_path(m_Cr);
    cairo_move_to(m_Cr, 0, 0);
    cairo_arc_negative(m_Cr, 0, 0, r, sa, ea);
    cairo_line_to(m_Cr, 0, 0);
    Source(m_Cr, ink.fill);
    cairo_fill(m_Cr);
  }
  if (ink.width > 0) {
    cairo_new_path(m_Cr);
    cairo_arc_negative(m_Cr, 0, 0, r, sa, ea);
    Pen(m_Cr, ink.line, ink.width);
    cairo_stroke(m_Cr);
  }
  cairo_restore(m_Cr);
}

cairo_surface_t* GCairoSurface::ImageFor(const GRaster& picture) {
  if (picture.Empty() || picture.rgba.size() < (size_t)picture.width * picture.height * 4)
    return nullptr;
  auto found = m_Pictures.find(picture.id);
  if (found == m_Pictures.end())
    found = m_Pictures
                .emplace(picture.id, std::shared_ptr<cairo_surface_t>(CairoImageOfRaster(picture),
                                                                      SurfaceFree()))
                .first;
  cairo_surface_t* image = found->second.get();
  return cairo_surface_status(image) == CAIRO_STATUS_SUCCESS ? image : nullptr;
}

void GCairoSurface::Tiled(const GRaster& picture, int w, int h) {
  cairo_surface_t* image = ImageFor(picture);
  if (!image) return;
  cairo_save(m_Cr);
  cairo_set_source_surface(m_Cr, image, 0, 0);
  cairo_pattern_set_extend(cairo_get_source(m_Cr), CAIRO_EXTEND_REPEAT);
  cairo_pattern_set_filter(cairo_get_source(m_Cr), CAIRO_FILTER_NEAREST);
  cairo_rectangle(m_Cr, 0, 0, w, h);
  cairo_fill(m_Cr);
  cairo_restore(m_Cr);
}

void GCairoSurface::Picture(const GRaster& picture, int x, int y) {
  if (cairo_surface_t* image = ImageFor(picture)) CairoPicture(m_Cr, image, x, y);
}

void CairoPicture(cairo_t* cr, cairo_surface_t* image, int x, int y) {
  cairo_save(cr);
  cairo_set_source_surface(cr, image, x, y);
  // One picture pixel on one surface pixel: nothing to smooth.
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
  cairo_rectangle(cr, x, y, cairo_image_surface_get_width(image),
                  cairo_image_surface_get_height(image));
  cairo_fill(cr);
  cairo_restore(cr);
}

void GCairoSurface::TextExtent(const std::string& text, int size, bool bold, int* w, int* h,
                               int* descent) {
  const GLetterBox box = CairoTextBox(text, size, bold);
  *w = box.width;
  *h = box.height;
  *descent = box.descent;
}

void GCairoSurface::Text(const std::string& text, int size, bool bold, const GRgb& c, int x,
                         int y) {
  if (text.empty()) return;
  Source(m_Cr, c);
  CairoShowText(m_Cr, text, size, bold, x, y);
}
