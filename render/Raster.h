// Pictures in plain RGBA: decoding the built-in XPM images, cutting a strip
// into frames, and turning a key colour or a mask picture into alpha.
#pragma once

#include "render/Surface.h"

// Decodes an XPM image (the array a generated .xpm file defines) into `out`:
// one or two characters per pixel, colours "#rrggbb" or "None" (see-through).
// False, with `out` left as it was, for anything malformed or outside that.
bool DecodeXpm(const char* const* xpm, GRaster* out);

// The w x h part of `from` with its corner at (x, y), cut to the picture; a
// new picture with its own number.
GRaster CutRaster(const GRaster& from, int x, int y, int w, int h);
// Makes every pixel of colour `key` see-through.
void KeyOut(GRaster* r, const GRgb& key);
// Makes every pixel see-through whose pixel in `mask` is black (as a mask
// picture of the same size marks what is not shown); false for a mask of
// another size.
bool MaskOut(GRaster* r, const GRaster& mask);
