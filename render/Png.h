// A picture as a PNG file in memory, for embedding in SVG: 8-bit RGBA,
// compressed by zlib at its fastest level.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "render/Surface.h"

// The PNG bytes of the picture; empty when it is empty or its pixels do not
// fill width * height * 4 bytes. An opaque picture may leave its alpha out
// (8-bit RGB), a quarter fewer bytes to pack.
std::string EncodePng(const GRaster& picture, bool opaque = false);

// Rows of pixels where they lie: 8-bit RGBA bytes, or (xrgb) 32-bit words
// 0x??RRGGBB in the machine's order as cairo's image surfaces hold them.
struct GPixelRows {
  const uint8_t* data = nullptr;
  size_t stride = 0;  // bytes from a row to the next
  int width = 0, height = 0;
  bool xrgb = false;
};
// The same file from pixels read in place (xrgb pictures are opaque).
std::string EncodePngRows(const GPixelRows& rows, bool opaque);
