// The core's texts are std::string holding UTF-8. These helpers walk such a
// text character by character (a multi-byte letter is one character), repair
// or re-read bytes that are not UTF-8, and format messages in the C locale.
#pragma once

#include <cstddef>
#include <string>

// Length of the well-formed UTF-8 sequence that starts at s[i], or 0 when the
// bytes there are not one. Overlong forms, surrogates and code points above
// U+10FFFF are refused, so what passes decodes without loss.
size_t Utf8SequenceLength(const std::string& s, size_t i);
bool IsUtf8(const std::string& s);

// The code points of a text. A byte that starts no well-formed sequence
// stands for itself (read as Latin-1), so no text is refused.
std::u32string Utf8Decode(const std::string& s);
void Utf8Append(std::string& out, char32_t c);
std::string Utf8Encode(const std::u32string& codes);

// The text itself when it is UTF-8, else its bytes read as Latin-1.
std::string Utf8OrLatin1(const std::string& bytes);
// Every byte that starts no well-formed sequence becomes U+FFFD; the rest is
// kept as it is.
std::string Utf8Repaired(const std::string& bytes);

// The text without the ASCII blanks (space, tab, line breaks, vertical tab,
// form feed) at either end.
std::string TrimBlanks(const std::string& s);

// printf into a std::string. Numbers come out as the C locale writes them,
// which is what files and messages have always shown.
std::string StrFormat(const char* format, ...) __attribute__((format(printf, 1, 2)));
