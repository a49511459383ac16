// The PNG encoder: signature, header chunk, one data chunk of the rows (each
// behind its filter byte) deflated by zlib, end chunk; every chunk closed by
// its CRC.
#include "render/Png.h"

#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <thread>
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

namespace {

// Rows y0..y1 of the picture, each behind its filter byte, deflated by `zs`
// onto the end of `out`; the stream ends with `last` (Z_FINISH, or
// Z_SYNC_FLUSH for a part that others follow). The Adler-32 of the filtered
// bytes is carried in `adler`. A picture with alpha (a small one for an SVG)
// is of few colours, which deflate packs well unfiltered (0). A whole figure
// (opaque) goes as each row's difference from the row above (2): the
// background's tile and the long lines repeat down the picture, and the file
// comes out some 40% smaller at the same speed. The rows are filtered a band
// at a time, so that neither they nor the packed bytes are ever held whole.
bool PackRows(const GPixelRows& picture, bool opaque, int y0, int y1, z_stream& zs, int last,
              std::string& out, uLong& adler) {
  const size_t in = picture.stride;
  const int r = picture.xrgb ? kXrgbRed : 0, g = picture.xrgb ? kXrgbGreen : 1,
            b = picture.xrgb ? kXrgbBlue : 2;
  const size_t row = (size_t)picture.width * (opaque ? 3 : 4);
  const int band = std::max(1, (int)((64 * 1024) / (row + 1)));
  std::vector<uint8_t> raw((row + 1) * (size_t)std::min(band, y1 - y0));
  int done = Z_OK;
  for (int from0 = y0; from0 < y1 && done == Z_OK; from0 += band) {
    const int to1 = std::min(y1, from0 + band);
    uint8_t* to = raw.data();
    for (int y = from0; y < to1; ++y) {
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
    const uInt n = (uInt)(to - raw.data());
    adler = adler32(adler, raw.data(), n);
    zs.next_in = raw.data();
    zs.avail_in = n;
    const int flush = to1 == y1 ? last : Z_NO_FLUSH;
    // Deflate until the band is taken in and, at the end, the flush is whole
    // (room left over says so).
    do {
      const size_t have = out.size();
      const size_t room = std::max<size_t>(64 * 1024, zs.avail_in / 2);
      out.resize(have + room);
      zs.next_out = reinterpret_cast<Bytef*>(&out[have]);
      zs.avail_out = (uInt)room;
      done = deflate(&zs, flush);
      out.resize(have + room - zs.avail_out);
    } while (done == Z_OK && (zs.avail_in > 0 || (flush != Z_NO_FLUSH && zs.avail_out == 0)));
  }
  return last == Z_FINISH ? done == Z_STREAM_END : done == Z_OK;
}

// Beyond this many bytes of rows a picture is packed in parts side by side,
// one for each processor (up to four): raw deflate streams, each but the last
// closed by a sync flush on a byte boundary, follow each other as one stream
// behind the zlib header, the Adler-32s combined.
constexpr size_t kPartsFrom = 512 * 1024;

bool PackInParts(const GPixelRows& picture, bool opaque, int parts, std::string& out) {
  std::vector<std::string> packed((size_t)parts);
  std::vector<uLong> adlers((size_t)parts, adler32(0, nullptr, 0));
  std::vector<uLong> lengths((size_t)parts, 0);
  std::vector<char> ok((size_t)parts, 0);
  const size_t row = (size_t)picture.width * (opaque ? 3 : 4) + 1;
  auto pack = [&](int i) {
    const int y0 = (int)((long long)picture.height * i / parts);
    const int y1 = (int)((long long)picture.height * (i + 1) / parts);
    lengths[i] = (uLong)(row * (size_t)(y1 - y0));
    z_stream zs{};
    if (deflateInit2(&zs, Z_BEST_SPEED, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) != Z_OK) return;
    ok[i] = PackRows(picture, opaque, y0, y1, zs, i + 1 == parts ? Z_FINISH : Z_SYNC_FLUSH,
                     packed[i], adlers[i]);
    deflateEnd(&zs);
  };
  std::vector<std::thread> helpers;
  for (int i = 1; i < parts; ++i) helpers.emplace_back(pack, i);
  pack(0);
  for (std::thread& t : helpers) t.join();
  if (std::find(ok.begin(), ok.end(), 0) != ok.end()) return false;
  out.append("\x78\x01", 2);  // deflate, 32 KB window, the fastest level
  uLong adler = adlers[0];
  for (int i = 0; i < parts; ++i) {
    out += packed[i];
    if (i) adler = adler32_combine(adler, adlers[i], (z_off_t)lengths[i]);
  }
  PutBE32(out, (uint32_t)adler);
  return true;
}

}  // namespace

std::string EncodePngRows(const GPixelRows& picture, bool opaque) {
  if (!picture.data || picture.width <= 0 || picture.height <= 0) return {};
  if (picture.width > (1 << 24) || picture.height > (1 << 24)) return {};
  opaque |= picture.xrgb;
  const size_t row = (size_t)picture.width * (opaque ? 3 : 4);
  const size_t rawSize = (row + 1) * (size_t)picture.height;
  if (rawSize > 0xffffffffu) return {};

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
  // The data chunk is packed straight behind its length and type.
  const size_t at = out.size();
  PutBE32(out, 0);  // the length, known at the end
  out.append("IDAT", 4);
  const int parts = std::min({4, (int)std::thread::hardware_concurrency(), picture.height});
  if (rawSize >= kPartsFrom && parts > 1) {
    if (!PackInParts(picture, opaque, parts, out)) return {};
  } else {
    // A window no longer than the data finds every match the full one
    // would; a point's picture of a few hundred bytes then needs a few
    // kilobytes of state instead of the quarter megabyte zlib takes by
    // default.
    int bits = 9;
    while (bits < 15 && (size_t{1} << bits) < rawSize) ++bits;
    const int memLevel = bits >= 15 ? 8 : (bits - 7 > 1 ? bits - 7 : 1);
    z_stream zs{};
    if (deflateInit2(&zs, Z_BEST_SPEED, Z_DEFLATED, bits, memLevel, Z_DEFAULT_STRATEGY) != Z_OK)
      return {};
    uLong adler = adler32(0, nullptr, 0);
    const bool packed = PackRows(picture, opaque, 0, picture.height, zs, Z_FINISH, out, adler);
    deflateEnd(&zs);
    if (!packed) return {};
  }
  const size_t packed = out.size() - at - 8;
  if (packed > 0xffffffffu) return {};
  for (int i = 0; i < 4; ++i) out[at + i] = (char)(packed >> (24 - 8 * i));
  const auto* typed = reinterpret_cast<const Bytef*>(out.data() + at + 4);
  PutBE32(out, (uint32_t)crc32(crc32(0, nullptr, 0), typed, (uInt)(packed + 4)));
  Chunk(out, "IEND", nullptr, 0);
  return out;
}
