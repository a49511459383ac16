// The pixels behind a cairo context, when shapes may be set into them
// directly: the surface is flushed first and marked as changed after.
#include "render/CairoSpans.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>

GCairoSpans::GCairoSpans(cairo_t* cr) : m_Cr(cr) {
  if (!cr || cairo_status(cr) != CAIRO_STATUS_SUCCESS) return;
  cairo_surface_t* s = cairo_get_target(cr);
  if (cairo_get_group_target(cr) != s || cairo_surface_get_type(s) != CAIRO_SURFACE_TYPE_IMAGE)
    return;
  const cairo_format_t f = cairo_image_surface_get_format(s);
  if (f != CAIRO_FORMAT_RGB24 && f != CAIRO_FORMAT_ARGB32) return;
  if (cairo_get_antialias(cr) != CAIRO_ANTIALIAS_NONE) return;
  const cairo_operator_t op = cairo_get_operator(cr);
  if (op != CAIRO_OPERATOR_OVER && op != CAIRO_OPERATOR_SOURCE) return;
  cairo_matrix_t m;
  cairo_get_matrix(cr, &m);
  if (m.xx != 1 || m.yy != 1 || m.xy != 0 || m.yx != 0 || m.x0 != 0 || m.y0 != 0) return;
  double ox = 0, oy = 0, sx = 1, sy = 1;
  cairo_surface_get_device_offset(s, &ox, &oy);
  cairo_surface_get_device_scale(s, &sx, &sy);
  if (ox != 0 || oy != 0 || sx != 1 || sy != 1) return;
  const int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
  const int stride = cairo_image_surface_get_stride(s);
  int x0 = 0, y0 = 0, x1 = w, y1 = h;
  cairo_rectangle_list_t* clip = cairo_copy_clip_rectangle_list(cr);
  bool plain = clip->status == CAIRO_STATUS_SUCCESS && clip->num_rectangles <= 1;
  if (plain && clip->num_rectangles == 1) {
    const cairo_rectangle_t& r = clip->rectangles[0];
    // A clip of whole pixels only; one of parts of pixels is cairo's.
    plain = r.x == std::floor(r.x) && r.y == std::floor(r.y) && r.width == std::floor(r.width) &&
            r.height == std::floor(r.height);
    x0 = (int)std::clamp(r.x, 0.0, (double)w);
    y0 = (int)std::clamp(r.y, 0.0, (double)h);
    x1 = (int)std::clamp(r.x + r.width, 0.0, (double)w);
    y1 = (int)std::clamp(r.y + r.height, 0.0, (double)h);
  } else if (plain) {
    x1 = y1 = 0;  // clipped away altogether
  }
  cairo_rectangle_list_destroy(clip);
  if (!plain || stride % 4 != 0) return;
  cairo_surface_flush(s);
  auto* data = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(s));
  if (!data) return;
  m_Target = GSpanTarget{data, stride / 4, x0, y0, x1, y1};
  m_Ok = true;
}

GCairoSpans::~GCairoSpans() {
  if (m_Ok) cairo_surface_mark_dirty(cairo_get_target(m_Cr));
}
