// The PNG encoder: signature, header chunk, one data chunk of the rows (each
// behind its filter byte) deflated by zlib, end chunk; every chunk closed by
// its CRC.
#include "render/Png.h"

#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

// Where a 32-bit word 0x??RRGGBB keeps each colour's byte in memory.
constexpr bool kLittle = __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__;
constexpr int kXrgbRed = kLittle ? 2 : 1, kXrgbGreen = kLittle ? 1 : 2, kXrgbBlue = kLittle ? 0 : 3;

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
  const size_t in = (size_t)picture.width * 4;
  if (picture.Empty() || picture.rgba.size() != in * (size_t)picture.height) return {};
  GPixelRows rows;
  rows.data = picture.rgba.data();
  rows.stride = in;
  rows.width = picture.width;
  rows.height = picture.height;
  return EncodePngRows(rows, opaque);
}

std::string EncodePngRows(const GPixelRows& picture, bool opaque) {
  if (!picture.data || picture.width <= 0 || picture.height <= 0) return {};
  if (picture.width > (1 << 24) || picture.height > (1 << 24)) return {};
  opaque |= picture.xrgb;
  const size_t in = picture.stride;
  // The bytes of red, green, blue and alpha within a pixel's four.
  const int r = picture.xrgb ? kXrgbRed : 0, g = picture.xrgb ? kXrgbGreen : 1,
            b = picture.xrgb ? kXrgbBlue : 2;
  const size_t row = (size_t)picture.width * (opaque ? 3 : 4);
  const size_t rawSize = (row + 1) * (size_t)picture.height;
  if (rawSize > 0xffffffffu) return {};
  // A window no longer than the data finds every match the full one would;
  // a point's picture of a few hundred bytes then needs a few kilobytes of
  // state instead of the quarter megabyte zlib takes by default.
  int bits = 9;
  while (bits < 15 && (size_t{1} << bits) < rawSize) ++bits;
  const int memLevel = bits >= 15 ? 8 : (bits - 7 > 1 ? bits - 7 : 1);
  z_stream zs{};
  if (deflateInit2(&zs, Z_BEST_SPEED, Z_DEFLATED, bits, memLevel, Z_DEFAULT_STRATEGY) != Z_OK)
    return {};

  std::string out;
  out.reserve(rawSize / 8 + 64);
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
  // The data chunk is packed straight behind its length and type, a band
  // of rows at a time, so that neither the filtered rows nor the packed
  // bytes are ever held whole.
  const size_t at = out.size();
  PutBE32(out, 0);  // the length, known at the end
  out.append("IDAT", 4);
  // Each row behind its filter byte. A picture with alpha (a small one for an
  // SVG) is of few colours, which deflate packs well unfiltered (0). A whole
  // figure (opaque) goes as each row's difference from the row above (2): the
  // background's tile and the long lines repeat down the picture, and the
  // file comes out some 40% smaller at the same speed.
  const int band = std::max(1, (int)((64 * 1024) / (row + 1)));
  std::vector<uint8_t> raw((row + 1) * (size_t)std::min(band, picture.height));
  int done = Z_OK;
  for (int y0 = 0; y0 < picture.height && done == Z_OK; y0 += band) {
    const int y1 = std::min(picture.height, y0 + band);
    uint8_t* to = raw.data();
    for (int y = y0; y < y1; ++y) {
      const uint8_t* from = picture.data + y * in;
      if (!opaque) {
        *to++ = 0;
        std::memcpy(to, from, row);
        to += row;
        continue;
      }
      *to++ = 2;
      const uint8_t* up = y ? from - in : nullptr;  // the first row is its own difference
      for (int x = 0; x < picture.width; ++x, from += 4, to += 3) {
        if (up) {
          to[0] = (uint8_t)(from[r] - up[r]);
          to[1] = (uint8_t)(from[g] - up[g]);
          to[2] = (uint8_t)(from[b] - up[b]);
          up += 4;
        } else {
          to[0] = from[r];
          to[1] = from[g];
          to[2] = from[b];
        }
      }
    }
    zs.next_in = raw.data();
    zs.avail_in = (uInt)(to - raw.data());
    const int flush = y1 == picture.height ? Z_FINISH : Z_NO_FLUSH;
    do {
      const size_t have = out.size();
      const size_t room = std::max<size_t>(64 * 1024, zs.avail_in / 2);
      out.resize(have + room);
      zs.next_out = reinterpret_cast<Bytef*>(&out[have]);
      zs.avail_out = (uInt)room;
      done = deflate(&zs, flush);
      out.resize(have + room - zs.avail_out);
    } while (done == Z_OK && (zs.avail_in > 0 || (flush == Z_FINISH && zs.avail_out == 0)));
  }
  deflateEnd(&zs);
  if (done != Z_STREAM_END) return {};
  const size_t packed = out.size() - at - 8;
  if (packed > 0xffffffffu) return {};
  for (int i = 0; i < 4; ++i) out[at + i] = (char)(packed >> (24 - 8 * i));
  const auto* typed = reinterpret_cast<const Bytef*>(out.data() + at + 4);
  PutBE32(out, (uint32_t)crc32(crc32(0, nullptr, 0), typed, (uInt)(packed + 4)));
  Chunk(out, "IEND", nullptr, 0);
  return out;
}
