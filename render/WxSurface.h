// The drawing surface over a toolkit context (a window's picture, a printer,
// an SVG context): line patterns and letters go straight into the cairo
// context behind memory pictures, everything else through the wx calls.
#pragma once

#include <wx/colour.h>
#include <wx/dc.h>
#include <wx/image.h>

#include "render/Draw.h"
#include "render/Surface.h"

typedef struct _cairo cairo_t;

inline wxColour ToWx(const GRgb& c) { return wxColour(c.r, c.g, c.b); }

// A picture as plain RGBA and back; an image without alpha comes back opaque.
GRaster RasterFromImage(const wxImage& img);
wxImage ImageFromRaster(const GRaster& r);

class GWxSurface : public GSurface {
 public:
  explicit GWxSurface(wxDC& dc);
  GWxSurface(const GWxSurface&) = delete;
  GWxSurface& operator=(const GWxSurface&) = delete;

  bool Raster() const override { return m_Cr != nullptr; }
  // Whether its strokes, fills and pictures are set straight into pixels
  // one may also set directly (render/RasterSpans.h): a picture of pixels
  // of its own, no transformation, no clip.
  bool DirectPixels() const;
  void Clear(const GRgb& bg) override;
  void Stroke(const GRgb& c, int width, GPix a, GPix b) override;
  void StrokeChain(const GRgb& c, int width, const GPixF* pts, int n) override;
  void Polyline(const GRgb& c, int width, const GPix* pts, int n) override;
  void Fill(const GRgb& c, const GPix* pts, const int* counts, int n) override;
  void Polygon(const GInk& ink, const GPix* pts, int n) override;
  void Circle(const GInk& ink, GPix centre, int radius) override;
  void Rectangle(const GInk& ink, int x, int y, int w, int h) override;
  void EllipticArc(const GInk& ink, int x, int y, int w, int h, double start, double end) override;
  void Picture(const GRaster& picture, int x, int y) override;
  void TextExtent(const std::string& text, int size, bool bold, int* w, int* h,
                  int* descent) override;
  void Text(const std::string& text, int size, bool bold, const GRgb& c, int x, int y) override;

  wxDC& Dc() { return m_Dc; }

 private:
  void Ink(const GInk& ink);
  wxDC& m_Dc;
  cairo_t* m_Cr = nullptr;  // the cairo context behind a memory picture; null otherwise
};

// One line of letters (UTF-8) in the default font of the given size: its box
// as the context measures it, and the letters drawn with the box's corner at
// (x, y). Both are remembered per letters, size and weight, so repeated texts
// cost little more than copying their pixels.
void GetTextRunExtent(wxDC& dc, const std::string& s, int size, bool bold, int* w, int* h,
                      int* descent);
void DrawTextRun(wxDC& dc, const std::string& s, int size, bool bold, const wxColour& c, int x,
                 int y);

// The picture behind an image element: as loaded from its file (resizing
// rescales this one) and as shown.
class GWxPicture : public GRasterPicture {
 public:
  wxImage loaded;
  // Shows img (the loaded picture at the image's size).
  void Show(const wxImage& img) { shown = RasterFromImage(img); }
};
