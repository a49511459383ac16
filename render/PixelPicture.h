// A picture of pixels the canvas owns: a cairo image surface (no alpha) that
// the figure is drawn into through a wx context over it, and whose pixels the
// still pictures read, compare and copy directly.
#pragma once

#include <cstdint>
#include <memory>
#include <wx/bitmap.h>
#include <wx/dc.h>

#include "render/DrawPainter.h"

typedef struct _cairo_surface cairo_surface_t;
typedef struct _cairo cairo_t;

class GPixelPicture {
 public:
  GPixelPicture() = default;
  ~GPixelPicture();
  GPixelPicture(const GPixelPicture&) = delete;
  GPixelPicture& operator=(const GPixelPicture&) = delete;
  // At least w x h pixels (grow only); false when no memory could be had.
  bool Ensure(int w, int h);
  bool Ok() const { return m_Surface != nullptr; }
  cairo_surface_t* Surface() const { return m_Surface; }
  // Pixel (x, y) as 0x00RRGGBB; the caller keeps within the picture.
  uint32_t* Row(int y) { return reinterpret_cast<uint32_t*>(m_Data + (size_t)y * m_Stride); }
  const uint32_t* Row(int y) const {
    return reinterpret_cast<const uint32_t*>(m_Data + (size_t)y * m_Stride);
  }
  // Pixels from one row to the next.
  int Stride() const { return m_Stride / 4; }
  // Every pixel of the first h rows from o; every pixel set to v.
  void CopyFrom(const GPixelPicture& o, int h);
  void Set(uint32_t v, int h);
  // The first w x h pixels into a toolkit picture.
  void GiveBitmap(wxBitmap& b, int w, int h) const;
  // Says that cairo's drawing is done (before the pixels are read) or that
  // the pixels were changed directly (before cairo draws again).
  void Flush();
  void Changed();

 private:
  cairo_surface_t* m_Surface = nullptr;
  unsigned char* m_Data = nullptr;
  int m_Stride = 0, m_Width = 0, m_Height = 0;
};

// A wx device context over a pixel picture, for as long as it lives; the
// picture's pixels are up to date when it is gone.
class GPixelDc {
 public:
  explicit GPixelDc(GPixelPicture& p);
  ~GPixelDc();
  GPixelDc(const GPixelDc&) = delete;
  GPixelDc& operator=(const GPixelDc&) = delete;
  wxDC& Dc() { return *m_Dc; }

 private:
  GPixelPicture& m_Picture;
  std::unique_ptr<wxDC> m_Dc;
};
