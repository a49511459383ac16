// Writing the pieces of SVG elements: whole and decimal numbers by hand
// (formatting functions cost more than the shapes), colours, escaped
// letters and base64.
#include "render/SvgOut.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "render/FontMetrics.h"

GSvgOut::GSvgOut(size_t reserve) : m_Buf(static_cast<char*>(std::malloc(reserve))) {
  if (!m_Buf) std::abort();  // out of memory: nothing sensible is left to do
  m_Cap = m_Limit = reserve;
}

GSvgOut::~GSvgOut() { std::free(m_Buf); }

void GSvgOut::SetSink(GSvgSink sink, size_t chunk) {
  m_Sink = std::move(sink);
  m_Chunk = std::max<size_t>(chunk, 1);
  m_Limit = std::min(m_Cap, std::max(m_Chunk, m_Len));
}

bool GSvgOut::Flush() {
  if (m_Sink && m_Len > 0 && !m_Failed) m_Failed = !m_Sink(View());
  if (m_Sink) m_Len = 0;
  return !m_Failed;
}

void GSvgOut::MakeRoom(size_t n) {
  if (m_Sink) Flush();
  if (m_Cap - m_Len < n) {
    // A large block grows in place or is moved by the system without copying.
    const size_t cap = std::max(m_Cap * 2, m_Len + n + 4096);
    char* grown = static_cast<char*>(std::realloc(m_Buf, cap));
    if (!grown) std::abort();
    m_Buf = grown;
    m_Cap = cap;
  }
  m_Limit = m_Sink ? std::min(m_Cap, std::max(m_Chunk, m_Len + n)) : m_Cap;
}

const char kDigitPairs[201] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

char* PutUnsigned(char* p, uint64_t u) {
  char digits[20];
  int n = 20;
  while (u >= 100) {
    n -= 2;
    std::memcpy(digits + n, kDigitPairs + 2 * (u % 100), 2);
    u /= 100;
  }
  if (u >= 10) {
    n -= 2;
    std::memcpy(digits + n, kDigitPairs + 2 * u, 2);
  } else {
    digits[--n] = (char)('0' + u);
  }
  std::memcpy(p, digits + n, 20 - n);
  return p + 20 - n;
}

int64_t Hundredths(double v) {
  if (!std::isfinite(v)) return 0;
  // Beyond any picture; held so that the hundredths fit in 64 bits.
  // Halves away from zero, as llround, without a call per number.
  const double h = v * 100;
  if (h < -1e14) return (int64_t)-1e14;
  if (h > 1e14) return (int64_t)1e14;
  return (int64_t)(h < 0 ? h - 0.5 : h + 0.5);
}

char* PutHundredths(char* p, int64_t h) {
  if (h % 100 == 0) return PutInt(p, h / 100);
  if (h < 0) *p++ = '-', h = -h;
  p = PutInt(p, h / 100);
  *p++ = '.';
  *p++ = (char)('0' + h / 10 % 10);
  if (h % 10) *p++ = (char)('0' + h % 10);
  return p;
}

char* PutNum(char* p, double v) { return PutHundredths(p, Hundredths(v)); }

char* PutColour(char* p, const GRgb& c) {
  static const char kHex[] = "0123456789abcdef";
  *p++ = '#';
  for (int part : {c.r, c.g, c.b}) {
    part = part < 0 ? 0 : part > 255 ? 255 : part;
    *p++ = kHex[part >> 4];
    *p++ = kHex[part & 15];
  }
  return p;
}

char* PutEscaped(char* p, std::string_view utf8) {
  const char* s = utf8.data();
  const char* end = s + utf8.size();
  while (s < end) {
    const char c = *s;
    if (c == '&')
      p = Put(p, "&amp;"), ++s;
    else if (c == '<')
      p = Put(p, "&lt;"), ++s;
    else if (c == '>')
      p = Put(p, "&gt;"), ++s;
    else if (c == '"')
      p = Put(p, "&quot;"), ++s;
    else {
      const char* from = s;
      // A well-formed sequence is copied as it is; anything else becomes U+FFFD
      // (and U+FFFD itself stays what it is).
      if (NextCodePoint(s, end) == 0xfffd)
        p = Put(p, "\xef\xbf\xbd");
      else
        p = Put(p, std::string_view(from, (size_t)(s - from)));
    }
  }
  return p;
}

char* PutBase64(char* p, const uint8_t* b, size_t n) {
  static const char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  size_t i = 0;
  for (; i + 3 <= n; i += 3) {
    const uint32_t v = (uint32_t)b[i] << 16 | (uint32_t)b[i + 1] << 8 | b[i + 2];
    *p++ = kDigits[v >> 18];
    *p++ = kDigits[(v >> 12) & 63];
    *p++ = kDigits[(v >> 6) & 63];
    *p++ = kDigits[v & 63];
  }
  if (i < n) {
    const uint32_t v = (uint32_t)b[i] << 16 | (i + 1 < n ? (uint32_t)b[i + 1] << 8 : 0);
    *p++ = kDigits[v >> 18];
    *p++ = kDigits[(v >> 12) & 63];
    *p++ = i + 1 < n ? kDigits[(v >> 6) & 63] : '=';
    *p++ = '=';
  }
  return p;
}
