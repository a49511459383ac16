// The surface over a cairo context without the toolkit: an image surface for
// pictures of pixels, a PDF surface for pages. Shapes take the same pixel
// offsets, ends and joins as the window's context, and letters are laid out
// by Pango in the system's sans font as the window lays them out.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>

#include "render/Surface.h"

typedef struct _cairo cairo_t;
typedef struct _cairo_surface cairo_surface_t;

class GCairoSurface : public GSurface {
 public:
  // Draws into cr (which stays the caller's). `raster` when the target is a
  // picture of pixels: shapes are drawn unsmoothed on the pixel grid, as the
  // window draws them; otherwise as smooth vector shapes.
  GCairoSurface(cairo_t* cr, bool raster);
  ~GCairoSurface() override;
  GCairoSurface(const GCairoSurface&) = delete;
  GCairoSurface& operator=(const GCairoSurface&) = delete;

  bool Raster() const override { return m_Raster; }
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
  // The w x h area from the corner filled with the picture repeated: one
  // shape, so that a page shows no seams between the copies.
  void Tiled(const GRaster& picture, int w, int h);

 private:
  cairo_surface_t* ImageFor(const GRaster& picture);
  // Fills and then outlines the current path as ink asks, shifted by half a
  // pixel for an odd outline.
  void Paint(const GInk& ink);
  cairo_t* m_Cr;
  bool m_Raster;
  // Pictures made from plain ones, by the plain picture's number.
  std::unordered_map<uint64_t, std::shared_ptr<cairo_surface_t>> m_Pictures;
};

// A picture of pixels as an opaque RGB raster (alpha 255): a cairo image
// surface's pixels turned to plain bytes.
GRaster RasterOfImageSurface(cairo_surface_t* image);
// A picture as a new cairo image surface (premultiplied ARGB), the caller's
// to destroy.
cairo_surface_t* CairoImageOfRaster(const GRaster& picture);
// Such a surface drawn with its corner at (x, y), one pixel on one pixel.
void CairoPicture(cairo_t* cr, cairo_surface_t* image, int x, int y);
