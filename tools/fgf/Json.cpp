// Writing JSON text: string escaping with UTF-8 validation, and numbers.
#include "tools/fgf/Json.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "model/Utf8Text.h"

void JsonString(std::string& out, const std::string& s) {
  out += '"';
  for (size_t i = 0; i < s.size();) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    const size_t n = Utf8SequenceLength(s, i);
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
  // The shortest digits that read back to this very double, whatever the
  // locale: a dump compares figures exactly.
  char buf[32];
  const std::to_chars_result r = std::to_chars(buf, buf + sizeof buf, v);
  out.append(buf, r.ptr);
}

void JsonComplex(std::string& out, const CComplex& z) {
  out += '[';
  JsonNumber(out, z.re);
  out += ", ";
  JsonNumber(out, z.im);
  out += ']';
}
