// UTF-8 walking, repair and Latin-1 fallback for the core's texts, and
// printf-style formatting into std::string.
#include "model/Utf8Text.h"

#include <cstdarg>
#include <cstdint>
#include <cstdio>

size_t Utf8SequenceLength(const std::string& s, size_t i) {
  const auto at = [&](size_t k) { return static_cast<uint8_t>(s[k]); };
  const uint8_t b = at(i);
  if (b < 0x80) return 1;
  size_t n;
  uint8_t lo = 0x80, hi = 0xBF;  // the range of the second byte
  if (b >= 0xC2 && b <= 0xDF) {
    n = 2;
  } else if (b >= 0xE0 && b <= 0xEF) {
    n = 3;
    if (b == 0xE0) lo = 0xA0;  // shorter forms exist
    if (b == 0xED) hi = 0x9F;  // surrogates
  } else if (b >= 0xF0 && b <= 0xF4) {
    n = 4;
    if (b == 0xF0) lo = 0x90;
    if (b == 0xF4) hi = 0x8F;  // beyond U+10FFFF
  } else {
    return 0;
  }
  if (i + n > s.size()) return 0;
  if (at(i + 1) < lo || at(i + 1) > hi) return 0;
  for (size_t k = 2; k < n; ++k)
    if (at(i + k) < 0x80 || at(i + k) > 0xBF) return 0;
  return n;
}

bool IsUtf8(const std::string& s) {
  for (size_t i = 0; i < s.size();) {
    const size_t n = Utf8SequenceLength(s, i);
    if (n == 0) return false;
    i += n;
  }
  return true;
}

std::u32string Utf8Decode(const std::string& s) {
  std::u32string codes;
  codes.reserve(s.size());
  for (size_t i = 0; i < s.size();) {
    const size_t n = Utf8SequenceLength(s, i);
    const auto b = static_cast<uint8_t>(s[i]);
    if (n <= 1) {
      codes += static_cast<char32_t>(b);
      ++i;
      continue;
    }
    // The lead byte keeps 7 - n payload bits, each following byte six.
    char32_t c = b & (0x7F >> n);
    for (size_t k = 1; k < n; ++k) c = (c << 6) | (static_cast<uint8_t>(s[i + k]) & 0x3F);
    codes += c;
    i += n;
  }
  return codes;
}

void Utf8Append(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::string Utf8Encode(const std::u32string& codes) {
  std::string out;
  out.reserve(codes.size());
  for (char32_t c : codes) Utf8Append(out, c);
  return out;
}

std::string Utf8OrLatin1(const std::string& bytes) {
  if (IsUtf8(bytes)) return bytes;
  std::string out;
  out.reserve(bytes.size() * 2);
  for (char b : bytes) Utf8Append(out, static_cast<uint8_t>(b));
  return out;
}

std::string Utf8Repaired(const std::string& bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (size_t i = 0; i < bytes.size();) {
    const size_t n = Utf8SequenceLength(bytes, i);
    if (n == 0) {
      Utf8Append(out, 0xFFFD);
      ++i;
      continue;
    }
    out.append(bytes, i, n);
    i += n;
  }
  return out;
}

std::string TrimBlanks(const std::string& s) {
  const char* blanks = " \t\n\v\f\r";
  const size_t first = s.find_first_not_of(blanks);
  if (first == std::string::npos) return std::string();
  return s.substr(first, s.find_last_not_of(blanks) - first + 1);
}

std::string StrFormat(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list again;
  va_copy(again, args);
  const int n = std::vsnprintf(nullptr, 0, format, args);
  va_end(args);
  std::string out;
  if (n > 0) {
    out.resize(static_cast<size_t>(n) + 1);
    std::vsnprintf(out.data(), out.size(), format, again);
    out.resize(static_cast<size_t>(n));
  }
  va_end(again);
  return out;
}
