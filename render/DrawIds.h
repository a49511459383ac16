// A surface that draws every shape of an item in one colour standing for the
// item's place in the painting order, onto another surface: a picture of
// which item lies on top at each pixel. Pictures count where they are not
// see-through.
#pragma once

#include <cstdint>
#include <map>
#include <utility>

#include "render/Surface.h"

class GIdSurface : public GSurface {
 public:
  explicit GIdSurface(GSurface& out) : m_Out(out) {}
  // The colour of the items drawn from now on: 0x00RRGGBB.
  void SetId(uint32_t id) {
    m_Id = GRgb{(int)(id >> 16 & 255), (int)(id >> 8 & 255), (int)(id & 255)};
  }

  bool Raster() const override { return m_Out.Raster(); }
  void Clear(const GRgb&) override { m_Out.Clear(m_Id); }
  void Stroke(const GRgb&, int width, GPix a, GPix b) override { m_Out.Stroke(m_Id, width, a, b); }
  void StrokeChain(const GRgb&, int width, const GPixF* pts, int n) override {
    m_Out.StrokeChain(m_Id, width, pts, n);
  }
  void Polyline(const GRgb&, int width, const GPix* pts, int n) override {
    m_Out.Polyline(m_Id, width, pts, n);
  }
  void Fill(const GRgb&, const GPix* pts, const int* counts, int n) override {
    m_Out.Fill(m_Id, pts, counts, n);
  }
  void Polygon(const GInk& ink, const GPix* pts, int n) override {
    m_Out.Polygon(Ink(ink), pts, n);
  }
  void Circle(const GInk& ink, GPix centre, int radius) override {
    m_Out.Circle(Ink(ink), centre, radius);
  }
  void Rectangle(const GInk& ink, int x, int y, int w, int h) override {
    m_Out.Rectangle(Ink(ink), x, y, w, h);
  }
  void EllipticArc(const GInk& ink, int x, int y, int w, int h, double start, double end) override {
    m_Out.EllipticArc(Ink(ink), x, y, w, h, start, end);
  }
  void Picture(const GRaster& picture, int x, int y) override;
  void TextExtent(const std::string& text, int size, bool bold, int* w, int* h,
                  int* descent) override {
    m_Out.TextExtent(text, size, bold, w, h, descent);
  }
  void Text(const std::string& text, int size, bool bold, const GRgb&, int x, int y) override {
    m_Out.Text(text, size, bold, m_Id, x, y);
  }

 private:
  GInk Ink(GInk ink) const {
    ink.line = ink.fill = m_Id;
    return ink;
  }
  GSurface& m_Out;
  GRgb m_Id;
};

// Whether a picture has pixels neither opaque nor see-through, which blend
// with what lies below: a picture of the items on top cannot stand for them.
bool Blends(const GRaster& picture);
