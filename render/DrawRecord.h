// A surface that keeps the calls made on it, to be made again on other
// surfaces: a frame's moving items are worked out once, then the tiles of
// the shapes drawn only through a surface are noted, then all are drawn
// into the frame.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "render/Surface.h"

class GRecordSurface : public GSurface {
 public:
  // Letters are measured by `measure`, the surface the records will be
  // drawn on.
  explicit GRecordSurface(GSurface& measure) : m_Measure(measure) {}
  // The calls from now on belong to the item of this place.
  void SetItem(uint32_t place) { m_Item = place; }
  void Forget();
  size_t Count() const { return m_Recs.size(); }
  // Whether record i is a shape whose pixels may be set directly (a stroke,
  // a chain, a pattern's fill or a picture), not only through a surface.
  bool Direct(size_t i) const;
  // The item record i belongs to.
  uint32_t Item(size_t i) const { return m_Recs[i].item; }
  // Every record made again on `out`, after `before(i, item)` said yes to it.
  template <class Before>
  void ReplayEach(GSurface& out, Before&& before) const {
    for (size_t i = 0; i < m_Recs.size(); ++i)
      if (before(i, m_Recs[i].item)) Make(m_Recs[i], out);
  }

  bool Raster() const override { return m_Measure.Raster(); }
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
                  int* descent) override {
    m_Measure.TextExtent(text, size, bold, w, h, descent);
  }
  void Text(const std::string& text, int size, bool bold, const GRgb& c, int x, int y) override;

 private:
  enum class Kind : uint8_t {
    Clear,
    Stroke,
    StrokeChain,
    Polyline,
    Fill,
    Polygon,
    Circle,
    Rectangle,
    EllipticArc,
    Picture,
    Text
  };
  struct Rec {
    Kind kind = Kind::Clear;
    bool bold = false;
    uint32_t item = 0;
    GRgb colour;
    GInk ink;
    int width = 0, n = 0;
    int x = 0, y = 0, w = 0, h = 0;  // positions, sizes, the letters' size in w
    double start = 0, end = 0;
    size_t at = 0;  // where its points, counts or letters begin
    const GRaster* picture = nullptr;
  };
  Rec& Add(Kind kind);
  void Make(const Rec& r, GSurface& out) const;
  GSurface& m_Measure;
  uint32_t m_Item = 0;
  std::vector<Rec> m_Recs;
  std::vector<GPix> m_Pix;
  std::vector<GPixF> m_PixF;
  std::vector<int> m_Counts;
  std::vector<std::string> m_Texts;
};
