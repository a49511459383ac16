// A surface that draws nothing but notes which tiles of a grid over the
// picture each shape may touch: what a still picture needs to know of where
// an item lies. Every tile a pixel of the shape can fall in is noted (a tile
// more at worst, never one less).
#pragma once

#include <vector>

#include "render/Surface.h"

class GTileMarker : public GSurface {
 public:
  static constexpr int kTile = 16;  // pixels on a side
  // A grid over a picture of width x height pixels; letters are measured by
  // `measure`, the surface the items are really drawn on.
  GTileMarker(int width, int height, GSurface* measure);
  int Columns() const { return m_Cols; }
  int Rows() const { return m_Rows; }
  // The tiles noted since the last call, each once.
  std::vector<int> Take();
  // The shapes drawn from now on belong to the item of this place; First(t)
  // is the place of the first item that noted tile t since the last Take.
  void SetPlace(unsigned place) { m_Place = place; }
  unsigned First(int tile) const { return m_First[tile]; }
  // Whether a picture drawn since the last Take blends with what lies below
  // (pixels neither opaque nor see-through).
  bool Blended() const { return m_Blended; }

  bool Raster() const override { return true; }
  void Clear(const GRgb&) override;
  void Stroke(const GRgb&, int width, GPix a, GPix b) override;
  void StrokeChain(const GRgb&, int width, const GPixF* pts, int n) override;
  void Polyline(const GRgb&, int width, const GPix* pts, int n) override;
  void Fill(const GRgb&, const GPix* pts, const int* counts, int n) override;
  void Polygon(const GInk& ink, const GPix* pts, int n) override;
  void Circle(const GInk& ink, GPix centre, int radius) override;
  void Rectangle(const GInk& ink, int x, int y, int w, int h) override;
  void EllipticArc(const GInk& ink, int x, int y, int w, int h, double start, double end) override;
  void Picture(const GRaster& picture, int x, int y) override;
  void TextExtent(const std::string& text, int size, bool bold, int* w, int* h,
                  int* descent) override;
  void Text(const std::string& text, int size, bool bold, const GRgb&, int x, int y) override;

 private:
  // The tiles of the box [x0, x1] x [y0, y1] (pixels, clamped to the grid).
  void Box(double x0, double y0, double x1, double y1);
  // The tiles within `margin` of the segment a-b.
  void Segment(double ax, double ay, double bx, double by, double margin);
  // The tiles within `margin` of the circle's rim.
  void Ring(double cx, double cy, double r, double margin);
  void Note(int tile);
  int m_Width, m_Height, m_Cols, m_Rows;
  GSurface* m_Measure;
  std::vector<unsigned> m_Stamp;  // m_Round where a tile was noted in this round
  unsigned m_Round = 1;
  std::vector<int> m_Noted;
  std::vector<unsigned> m_First;  // per tile, the place of its first item this round
  unsigned m_Place = 0;
  bool m_Blended = false;
};
