// The view: which part of the world plane the canvas shows and at what scale,
// and the transform between world coordinates (y upwards) and pixels.
#pragma once

#include <cmath>

struct GView {
  double originX = 0.0, originY = 0.0;            // world point shown at the centre pixel
  double scale = 0.01;                            // world units per pixel
  int centerX = 0, centerY = 0;                   // the centre pixel
  int width = 0, height = 0;                      // the drawn area in pixels
  double xMin = 0, xMax = 0, yMin = 0, yMax = 0;  // world bounds of the view

  // World to pixel, floored as every element is placed on the pixel grid.
  int PixelX(double x) const { return centerX + (int)std::floor((x - originX) / scale); }
  int PixelY(double y) const { return centerY - (int)std::floor((y - originY) / scale); }
  // World to pixel without rounding (lines and curves keep sub-pixel ends).
  double ScreenX(double x) const { return (x - originX) / scale + centerX; }
  double ScreenY(double y) const { return -(y - originY) / scale + centerY; }
  // Pixel to world.
  double WorldX(int px) const { return originX + (px - centerX) * scale; }
  double WorldY(int py) const { return originY - (py - centerY) * scale; }

  // Centre pixel and bounds from the size, origin and scale.
  void Update(int w, int h) {
    width = w;
    height = h;
    centerX = w / 2;
    centerY = h / 2;
    xMin = originX - centerX * scale;
    xMax = originX + centerX * scale;
    yMax = originY + centerY * scale;
    yMin = originY - centerY * scale;
  }
};
