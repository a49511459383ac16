// The surface the painter draws on: pixel positions, colours, pictures and
// letters in plain types, so one drawing code fills a window's picture, a
// printout or an SVG file, the last without the toolkit at all.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "model/Defaults.h"

struct GRgb {
  int r = 0, g = 0, b = 0;
  // This colour moved f quarters of the way toward the background colour bg.
  GRgb Faded(int f, const GRgb& bg) const {
    return {r + f * (bg.r - r) / 4, g + f * (bg.g - g) / 4, b + f * (bg.b - b) / 4};
  }
  bool operator==(const GRgb& o) const { return r == o.r && g == o.g && b == o.b; }
  bool operator!=(const GRgb& o) const { return !(*this == o); }
};

// A colour of the document as the surfaces take it.
inline GRgb ToRgb(const GColour& c) { return GRgb{c.r, c.g, c.b}; }

struct GPix {
  int x = 0, y = 0;
};
struct GPixF {
  double x = 0, y = 0;
};

// How a shape is painted: an outline of `width` pixels (none when width is
// 0) and a fill (none unless `filled`).
struct GInk {
  GRgb line;
  int width = 0;
  GRgb fill;
  bool filled = false;
  static GInk Outline(const GRgb& c, int w) { return {c, w, GRgb{}, false}; }
  static GInk Filled(const GRgb& c) { return {GRgb{}, 0, c, true}; }
  static GInk Both(const GRgb& line, int w, const GRgb& fill) { return {line, w, fill, true}; }
};

// A picture in 8-bit RGBA, rows from the top; alpha 0 is see-through. Each
// picture has its own number, which surfaces use to keep what they made of
// it (a toolkit bitmap, an embedded PNG) across drawings.
struct GRaster {
  int width = 0, height = 0;
  std::vector<uint8_t> rgba;  // width * height * 4 bytes
  uint64_t id = NewId();
  bool Empty() const { return width <= 0 || height <= 0; }
  static uint64_t NewId() {
    static std::atomic<uint64_t> next{1};
    return next++;
  }
};

// One layer of a line style's pattern: a shape of n vertices (`x` along
// the course, `y` across it, in pixels from the start of its period)
// repeated every `period` pixels, in one colour.
struct GPatternLayer {
  GRgb colour;
  const GPixF* shape = nullptr;
  int n = 0;
  double period = 1;
};

// An odd pen sits on pixel centres (half a pixel off the grid), an even one
// on the grid, as the window's context puts them.
inline double PenOffset(int width) { return (width % 2) ? 0.5 : 0.0; }

class GSurface {
 public:
  virtual ~GSurface() = default;
  // Whether the shapes become pixels (a window's picture) rather than
  // vector shapes (SVG, a printer), which can take a whole circle or arc
  // as one shape.
  virtual bool Raster() const = 0;
  // The whole surface in one colour.
  virtual void Clear(const GRgb& bg) = 0;
  // A straight stroke between pixel positions, round ends.
  virtual void Stroke(const GRgb& c, int width, GPix a, GPix b) = 0;
  // A connected stroke through sub-pixel points, round joins.
  virtual void StrokeChain(const GRgb& c, int width, const GPixF* pts, int n) = 0;
  // A connected stroke through pixel positions.
  virtual void Polyline(const GRgb& c, int width, const GPix* pts, int n) = 0;
  // n polygons of counts[i] vertices each (pts holds them one after the
  // other), filled by the winding rule, no outline. Many small shapes of
  // one colour (a line style's pattern) come in one call.
  virtual void Fill(const GRgb& c, const GPix* pts, const int* counts, int n) = 0;
  // A vector surface may draw a pattern's copies along a course itself and
  // say so; otherwise (false) the painter sends each copy to Fill. (A raster
  // surface is not asked.) Along a
  // straight course: from `from`, `length` pixels in direction (co, si),
  // copies one period apart from the start, the last cut where it ends.
  virtual bool PatternAlong(const GPatternLayer& /*layer*/, GPixF /*from*/, double /*co*/,
                            double /*si*/, double /*length*/) {
    return false;
  }
  // Around a circle of `radius` pixels about `centre`: `count` whole copies,
  // copy i at angle start + i·step (radians, clockwise on the screen);
  // across is outwards.
  virtual bool PatternAround(const GPatternLayer& /*layer*/, GPixF /*centre*/, double /*radius*/,
                             double /*start*/, double /*step*/, int /*count*/) {
    return false;
  }
  // Shapes with an outline and/or a fill.
  virtual void Polygon(const GInk& ink, const GPix* pts, int n) = 0;
  virtual void Circle(const GInk& ink, GPix centre, int radius) = 0;
  virtual void Rectangle(const GInk& ink, int x, int y, int w, int h) = 0;
  // The arc of the ellipse in the box (x, y, w, h) from start to end degrees,
  // counter-clockwise from three o'clock; a fill makes it a pie.
  virtual void EllipticArc(const GInk& ink, int x, int y, int w, int h, double start,
                           double end) = 0;
  // A picture with its corner at (x, y), blended by its alpha.
  virtual void Picture(const GRaster& picture, int x, int y) = 0;
  // One line of letters (UTF-8) in the default font of `size` points: its
  // box, and the letters drawn with the box's corner at (x, y).
  virtual void TextExtent(const std::string& text, int size, bool bold, int* w, int* h,
                          int* descent) = 0;
  virtual void Text(const std::string& text, int size, bool bold, const GRgb& c, int x, int y) = 0;
};
