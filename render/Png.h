// A picture as a PNG file in memory, for embedding in SVG: 8-bit RGBA,
// compressed by zlib at its fastest level.
#pragma once

#include <string>

#include "render/Surface.h"

// The PNG bytes of the picture; empty when it is empty or its pixels do not
// fill width * height * 4 bytes. An opaque picture may leave its alpha out
// (8-bit RGB), a quarter fewer bytes to pack.
std::string EncodePng(const GRaster& picture, bool opaque = false);
