// Shapes of every plain kind (strokes of several widths, one from far away,
// chains, a polyline, pattern beads, a picture with see-through pixels) on a
// 400 x 300 picture: the cases the surface tests draw through each surface.
#pragma once

#include <functional>
#include <vector>

#include "render/Surface.h"

struct ShapeCase {
  const char* name;
  std::function<void(GSurface&)> draw;
};

inline const GRgb kShapeInk{200, 30, 40};

// A 12 x 12 picture: opaque, with a column band of `innerAlpha` in the middle.
inline GRaster ShapeSquare(uint8_t innerAlpha) {
  GRaster r;
  r.width = r.height = 12;
  r.rgba.assign(12 * 12 * 4, 90);
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 12; ++x) r.rgba[(y * 12 + x) * 4 + 3] = (x > 3 && x < 8) ? innerAlpha : 255;
  return r;
}

inline std::vector<ShapeCase> PlainShapes() {
  static const GRaster picture = ShapeSquare(0);
  const GRgb& ink = kShapeInk;
  return {
      {"stroke 1",
       [ink](GSurface& s) {
         s.Stroke(ink, 1, {-20, 310}, {395, 7});
       }},
      {"stroke 2",
       [ink](GSurface& s) {
         s.Stroke(ink, 2, {-20, 310}, {395, 7});
       }},
      {"stroke 3",
       [ink](GSurface& s) {
         s.Stroke(ink, 3, {10, 10}, {390, 290});
       }},
      {"stroke from far away",
       [ink](GSurface& s) {
         s.Stroke(ink, 3, {-1000000, -749850}, {1000000, 750150});
       }},
      {"chain 1",
       [ink](GSurface& s) {
         const GPixF p[] = {{10.5, 20.2}, {200.7, 250.1}, {390.2, 30.6}};
         s.StrokeChain(ink, 1, p, 3);
       }},
      {"chain 4",
       [ink](GSurface& s) {
         const GPixF p[] = {{10.5, 20.2}, {200.7, 250.1}, {390.2, 30.6}};
         s.StrokeChain(ink, 4, p, 3);
       }},
      {"polyline",
       [ink](GSurface& s) {
         const GPix p[] = {{5, 5}, {5, 290}, {300, 150}};
         s.Polyline(ink, 2, p, 3);
       }},
      {"pattern beads",
       [ink](GSurface& s) {
         const GPix p[] = {{40, 40}, {48, 44}, {40, 48}, {100, 200}, {109, 203}, {101, 209}};
         const int counts[] = {3, 3};
         s.Fill(ink, p, counts, 2);
       }},
      {"picture", [](GSurface& s) { s.Picture(picture, 77, 91); }},
  };
}
