// Writing JSON text: string escaping with UTF-8 validation, and numbers.
#include "tools/fgf/Json.h"

#include <cmath>
#include <cstdio>

namespace {

// Length of the valid UTF-8 sequence starting at s[i], or 0 when the bytes
// there are not one (stray continuation bytes, overlong forms, surrogates,
// code points above U+10FFFF, truncated sequences).
size_t Utf8Length(const std::string& s, size_t i) {
  const auto b = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char c = b(i);
  if (c < 0x80) return 1;
  size_t n;
  unsigned lo = 0x80, hi = 0xBF;  // allowed range of the second byte
  if (c >= 0xC2 && c <= 0xDF) {
    n = 2;
  } else if (c >= 0xE0 && c <= 0xEF) {
    n = 3;
    if (c == 0xE0) lo = 0xA0;
    if (c == 0xED) hi = 0x9F;
  } else if (c >= 0xF0 && c <= 0xF4) {
    n = 4;
    if (c == 0xF0) lo = 0x90;
    if (c == 0xF4) hi = 0x8F;
  } else {
    return 0;
  }
  if (i + n > s.size()) return 0;
  if (b(i + 1) < lo || b(i + 1) > hi) return 0;
  for (size_t k = 2; k < n; ++k)
    if (b(i + k) < 0x80 || b(i + k) > 0xBF) return 0;
  return n;
}

}  // namespace

void JsonString(std::string& out, const std::string& s) {
  out += '"';
  for (size_t i = 0; i < s.size();) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    const size_t n = Utf8Length(s, i);
    if (n == 0) {
      out += "\xEF\xBF\xBD";  // U+FFFD for one byte that is not UTF-8
      ++i;
      continue;
    }
    if (n > 1) {
      out.append(s, i, n);
      i += n;
      continue;
    }
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (c < 0x20 || c == 0x7F) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          out += buf;
        } else {
          out += static_cast<char>(c);
        }
    }
    ++i;
  }
  out += '"';
}

void JsonNumber(std::string& out, double v) {
  if (!std::isfinite(v)) {
    out += "null";
    return;
  }
  if (std::fabs(v) < 1e-12) v = 0;  // also turns -0 into 0
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.6g", v);
  out += buf;
}

void JsonComplex(std::string& out, const CComplex& z) {
  out += '[';
  JsonNumber(out, z.re);
  out += ", ";
  JsonNumber(out, z.im);
  out += ']';
}
