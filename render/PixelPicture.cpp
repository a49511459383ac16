// Pictures of pixels over cairo image surfaces, and wx contexts over them.
#include "render/PixelPicture.h"

#include <algorithm>
#include <cairo.h>
#include <cstring>
#include <wx/dcgraph.h>
#include <wx/dcmemory.h>
#include <wx/graphics.h>

GPixelPicture::~GPixelPicture() {
  if (m_Surface) cairo_surface_destroy(m_Surface);
}

bool GPixelPicture::Ensure(int w, int h) {
  w = std::max(1, w);
  h = std::max(1, h);
  if (m_Surface && m_Width >= w && m_Height >= h) return true;
  cairo_surface_t* s =
      cairo_image_surface_create(CAIRO_FORMAT_RGB24, std::max(w, m_Width), std::max(h, m_Height));
  if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(s);
    return false;
  }
  if (m_Surface) cairo_surface_destroy(m_Surface);
  m_Surface = s;
  m_Width = cairo_image_surface_get_width(s);
  m_Height = cairo_image_surface_get_height(s);
  m_Stride = cairo_image_surface_get_stride(s);
  m_Data = cairo_image_surface_get_data(s);
  std::memset(m_Data, 0, (size_t)m_Stride * m_Height);
  Changed();
  return true;
}

void GPixelPicture::Flush() {
  if (m_Surface) cairo_surface_flush(m_Surface);
}

void GPixelPicture::Changed() {
  if (m_Surface) cairo_surface_mark_dirty(m_Surface);
}

void GPixelPicture::CopyFrom(const GPixelPicture& o, int h) {
  h = std::min({h, m_Height, o.m_Height});
  const size_t bytes = (size_t)std::min(m_Width, o.m_Width) * 4;
  for (int y = 0; y < h; ++y) std::memcpy(Row(y), o.Row(y), bytes);
  Changed();
}

void GPixelPicture::Set(uint32_t v, int h) {
  h = std::min(h, m_Height);
  for (int y = 0; y < h; ++y) std::fill(Row(y), Row(y) + m_Width, v);
  Changed();
}

void GPixelPicture::GiveBitmap(wxBitmap& b, int w, int h) const {
  wxMemoryDC dc(b);
  wxGraphicsContext* gc = dc.GetGraphicsContext();
  if (!gc || !m_Surface) return;
  auto* cr = static_cast<cairo_t*>(gc->GetNativeContext());
  cairo_save(cr);
  cairo_identity_matrix(cr);
  cairo_reset_clip(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  cairo_set_source_surface(cr, m_Surface, 0, 0);
  cairo_rectangle(cr, 0, 0, w, h);
  cairo_fill(cr);
  cairo_restore(cr);
}

GPixelDc::GPixelDc(GPixelPicture& p) : m_Picture(p) {
  cairo_t* cr = cairo_create(p.Surface());
  wxGraphicsContext* gc =
      wxGraphicsRenderer::GetCairoRenderer()->CreateContextFromNativeContext(cr);
  cairo_destroy(cr);  // the context holds its own reference
  // Odd pens on pixel centres, as a memory picture's context draws them.
  gc->EnableOffset(true);
  m_Dc = std::make_unique<wxGCDC>(gc);
}

GPixelDc::~GPixelDc() {
  m_Dc.reset();
  m_Picture.Flush();
}
