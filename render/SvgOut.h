// The text of an SVG document while it is written: a buffer that grows ahead
// of the writing, and the pieces of elements (numbers, colours, letters,
// base64) written straight into it, with no string made per piece.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>

#include "render/Surface.h"

// The most bytes PutInt or PutNum writes.
constexpr size_t kNumBytes = 24;

// Where a document's text goes as it is written, piece by piece; false when
// a piece could not be written.
using GSvgSink = std::function<bool(std::string_view)>;

class GSvgOut {
 public:
  // The buffer is not filled ahead: pages of it the writing never reaches
  // are never touched.
  explicit GSvgOut(size_t reserve);
  ~GSvgOut();
  GSvgOut(const GSvgOut&) = delete;
  GSvgOut& operator=(const GSvgOut&) = delete;
  // From now on the text goes out to `sink` whenever about `chunk` bytes are
  // held, so that a large document never has to be held whole.
  void SetSink(GSvgSink sink, size_t chunk);
  // Where to write at least n more bytes; Done(end) then keeps what was written.
  char* Room(size_t n) {
    if (m_Limit - m_Len < n) MakeRoom(n);
    return m_Buf + m_Len;
  }
  void Done(const char* end) { m_Len = (size_t)(end - m_Buf); }
  // The text held (with a sink: what was written since it last went out).
  std::string_view View() const { return {m_Buf, m_Len}; }
  // Sends the text held to the sink; false once any piece failed to go out.
  bool Flush();
  // Empties the buffer, keeping its room.
  void Clear() { m_Len = 0; }

 private:
  void MakeRoom(size_t n);
  char* m_Buf = nullptr;  // written up to m_Len, m_Cap bytes in all
  size_t m_Len = 0, m_Cap = 0;
  size_t m_Limit = 0;  // the room used: m_Cap, or about a chunk with a sink
  size_t m_Chunk = 0;
  GSvgSink m_Sink;
  bool m_Failed = false;
};

// Each Put writes at p and returns the end of what it wrote.
template <size_t N>
char* Put(char* p, const char (&literal)[N]) {
  std::memcpy(p, literal, N - 1);
  return p + N - 1;
}
inline char* Put(char* p, std::string_view s) {
  std::memcpy(p, s.data(), s.size());
  return p + s.size();
}
// Numbers of three digits and more; PutInt writes the short ones itself,
// which are most of a figure's (the steps of a path).
char* PutUnsigned(char* p, uint64_t v);
extern const char kDigitPairs[201];
inline char* PutInt(char* p, int64_t v) {
  uint64_t u = (uint64_t)v;
  if (v < 0) *p++ = '-', u = 0 - u;
  if (u < 10) {
    *p = (char)('0' + u);
    return p + 1;
  }
  if (u < 100) {
    std::memcpy(p, kDigitPairs + 2 * u, 2);
    return p + 2;
  }
  return PutUnsigned(p, u);
}
// A whole number bare, any other rounded to at most two decimals ("2.5",
// "-0.33"); what is not finite as 0.
char* PutNum(char* p, double v);
// The same in two steps: v in hundredths (what is not finite as 0), and a
// number of hundredths written.
int64_t Hundredths(double v);
char* PutHundredths(char* p, int64_t h);
// "#rrggbb", each part held to 0..255.
char* PutColour(char* p, const GRgb& c);
// UTF-8 letters as XML text: &, <, > and " escaped, and what is not
// well-formed UTF-8 or not allowed in XML as U+FFFD. At most 6 bytes a byte.
char* PutEscaped(char* p, std::string_view utf8);
// n bytes in base64 (with padding): 4 characters for every 3 bytes begun.
char* PutBase64(char* p, const uint8_t* bytes, size_t n);
inline size_t Base64Size(size_t n) { return (n + 2) / 3 * 4; }
