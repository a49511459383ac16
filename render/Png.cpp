// The PNG encoder: signature, header chunk, one data chunk of the rows (each
// behind its filter byte) deflated by zlib, end chunk; every chunk closed by
// its CRC.
#include "render/Png.h"

#include <zlib.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

void PutBE32(std::string& out, uint32_t v) {
  const char b[4] = {(char)(v >> 24), (char)(v >> 16), (char)(v >> 8), (char)v};
  out.append(b, 4);
}

// Length, type, data, then the CRC of type and data.
void Chunk(std::string& out, const char type[4], const uint8_t* data, size_t n) {
  PutBE32(out, (uint32_t)n);
  const size_t at = out.size();
  out.append(type, 4);
  if (n) out.append(reinterpret_cast<const char*>(data), n);
  const auto* typed = reinterpret_cast<const Bytef*>(out.data() + at);
  PutBE32(out, (uint32_t)crc32(crc32(0, nullptr, 0), typed, (uInt)(n + 4)));
}

}  // namespace

std::string EncodePng(const GRaster& picture, bool opaque) {
  if (picture.Empty() || picture.width > (1 << 24) || picture.height > (1 << 24)) return {};
  const size_t in = (size_t)picture.width * 4;
  if (picture.rgba.size() != in * (size_t)picture.height) return {};
  const size_t row = (size_t)picture.width * (opaque ? 3 : 4);
  // Each row behind its filter byte. A picture with alpha (a small one for an
  // SVG) is of few colours, which deflate packs well unfiltered (0). A whole
  // figure (opaque) goes as each row's difference from the row above (2): the
  // background's tile and the long lines repeat down the picture, and the
  // file comes out some 40% smaller at the same speed.
  std::vector<uint8_t> raw((row + 1) * (size_t)picture.height);
  for (int y = 0; y < picture.height; ++y) {
    uint8_t* to = &raw[y * (row + 1)];
    const uint8_t* from = &picture.rgba[y * in];
    if (!opaque) {
      *to++ = 0;
      std::memcpy(to, from, row);
      continue;
    }
    *to++ = 2;
    const uint8_t* up = y ? from - in : nullptr;  // the first row is its own difference
    for (int x = 0; x < picture.width; ++x, from += 4, to += 3) {
      if (up) {
        to[0] = (uint8_t)(from[0] - up[0]);
        to[1] = (uint8_t)(from[1] - up[1]);
        to[2] = (uint8_t)(from[2] - up[2]);
        up += 4;
      } else {
        to[0] = from[0];
        to[1] = from[1];
        to[2] = from[2];
      }
    }
  }
  // A window no longer than the data finds every match the full one would;
  // a point's picture of a few hundred bytes then needs a few kilobytes of
  // state instead of the quarter megabyte zlib takes by default.
  int bits = 9;
  while (bits < 15 && (size_t{1} << bits) < raw.size()) ++bits;
  const int memLevel = bits >= 15 ? 8 : (bits - 7 > 1 ? bits - 7 : 1);
  z_stream zs{};
  if (raw.size() > 0xffffffffu) return {};
  if (deflateInit2(&zs, Z_BEST_SPEED, Z_DEFLATED, bits, memLevel, Z_DEFAULT_STRATEGY) != Z_OK)
    return {};
  std::vector<uint8_t> idat(deflateBound(&zs, (uLong)raw.size()));
  zs.next_in = raw.data();
  zs.avail_in = (uInt)raw.size();
  zs.next_out = idat.data();
  zs.avail_out = (uInt)idat.size();
  const int done = deflate(&zs, Z_FINISH);
  const size_t packed = zs.total_out;
  deflateEnd(&zs);
  if (done != Z_STREAM_END) return {};

  std::string out;
  out.reserve(packed + 64);
  out.append("\x89PNG\r\n\x1a\n", 8);
  const uint8_t header[13] = {(uint8_t)(picture.width >> 24),
                              (uint8_t)(picture.width >> 16),
                              (uint8_t)(picture.width >> 8),
                              (uint8_t)picture.width,
                              (uint8_t)(picture.height >> 24),
                              (uint8_t)(picture.height >> 16),
                              (uint8_t)(picture.height >> 8),
                              (uint8_t)picture.height,
                              8,                          // bits per sample
                              (uint8_t)(opaque ? 2 : 6),  // colour type: RGB or RGBA
                              0,
                              0,
                              0};  // deflate, adaptive filters, no interlace
  Chunk(out, "IHDR", header, sizeof header);
  Chunk(out, "IDAT", idat.data(), packed);
  Chunk(out, "IEND", nullptr, 0);
  return out;
}
