// The SVG surface: every shape drawn on it becomes an SVG element of a
// document kept in memory. It needs neither the toolkit nor a font library:
// a program that lays letters out with one hands it its measure and family,
// and without one letters are measured with the widths of
// render/FontMetrics.cpp, so that a program writing SVG can load nothing but zlib.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "render/FontMetrics.h"
#include "render/SvgOut.h"
#include "render/Surface.h"

// How the texts of an SVG are measured and which family they name. `measure`
// gives the box of a line of `size` points (at 96 pixels per inch) as the
// program's other pictures lay it out; without it DejaVu Sans's own widths
// are used. The texts name `family` and then a generic sans-serif, so that a
// viewer lacking the family still draws sans letters.
struct GSvgLetters {
  std::string family = "DejaVu Sans";
  GLetterBox (*measure)(const std::string& text, int size, bool bold) = nullptr;
};

// The CSS list of font families for `family` followed by sans-serif: a name
// of plain words as it is, any other quoted (a generic name such as "serif"
// among them, which bare would stand for the generic font); only sans-serif
// for an empty one.
std::string SvgFamilyList(std::string_view family);

class GSvgSurface : public GSurface {
 public:
  // A document of width x height pixels (each at least 1), held whole in
  // memory; or, with a sink, sent to it piece by piece as it is drawn. Its
  // texts are measured and named as `letters` says.
  GSvgSurface(int width, int height, GSvgSink sink = nullptr, GSvgLetters letters = {});
  // Without a sink: the whole document, the header, every element drawn so
  // far and the end.
  std::string Document() const;
  // Writes the document's end (nothing may be drawn after it) and sends what
  // is held to the sink; false when the sink failed to take any piece.
  bool End();
  // Without a sink: ends the document and hands over its text, leaving the
  // surface empty.
  std::string TakeDocument();

  bool Raster() const override { return false; }
  void Clear(const GRgb& bg) override;
  void Stroke(const GRgb& c, int width, GPix a, GPix b) override;
  void StrokeChain(const GRgb& c, int width, const GPixF* pts, int n) override;
  void Polyline(const GRgb& c, int width, const GPix* pts, int n) override;
  void Fill(const GRgb& c, const GPix* pts, const int* counts, int n) override;
  bool PatternAlong(const GPatternLayer& layer, GPixF from, double co, double si,
                    double length) override;
  bool PatternAround(const GPatternLayer& layer, GPixF centre, double radius, double start,
                     double step, int count) override;
  void Polygon(const GInk& ink, const GPix* pts, int n) override;
  void Circle(const GInk& ink, GPix centre, int radius) override;
  void Rectangle(const GInk& ink, int x, int y, int w, int h) override;
  void EllipticArc(const GInk& ink, int x, int y, int w, int h, double start, double end) override;
  void Picture(const GRaster& picture, int x, int y) override;
  void TextExtent(const std::string& text, int size, bool bold, int* w, int* h,
                  int* descent) override;
  void Text(const std::string& text, int size, bool bold, const GRgb& c, int x, int y) override;

 private:
  int m_W, m_H;
  GSvgOut m_Out;
  GSvgLetters m_Letters;
  // The texts' font attribute up to the size's number, written once.
  std::string m_FontAttr;
  GLetterBox Measure(const std::string& text, int size, bool bold) const;
  // The pictures met so far: GRaster::id and the number of its <image> (-1
  // for one that could not be encoded).
  std::vector<std::pair<uint64_t, int>> m_Pictures;
  int m_Embedded = 0;
  bool m_Finished = false;
  // The patterns defined so far (render/SvgPatterns.cpp): a tile of one
  // period for straight courses, a marker of one copy for circles.
  struct PatternDef {
    bool marker;
    GRgb colour;
    double period;
    std::vector<GPixF> shape;
    double offset;  // the tile's half height, or the marker's centre along
  };
  std::vector<PatternDef> m_PatternDefs;
  // The number of the definition of the layer's pattern, written first
  // when it is new.
  int PatternDefinition(bool marker, const GPatternLayer& layer);
};
