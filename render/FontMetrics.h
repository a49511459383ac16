// The SVG surface's own letters, for a program that gives it no measure of
// its own: widths of DejaVu Sans (regular and bold) in font units, and the
// measuring of a line of UTF-8 text with them exactly as cairo measures it
// on a picture at 96 pixels per inch (hinted metrics).
#pragma once

#include <cstdint>
#include <string_view>

// A run of code points from `first` whose widths start at widths[at].
struct GLetterRange {
  uint32_t first;
  uint16_t count, at;
};
// One face in font units (2048 to the em); `average` stands for letters the
// table lacks.
struct GFontTable {
  int ascent, descent, average;
  const uint16_t* widths;
};
extern const GLetterRange kLetterRanges[];
extern const int kLetterRangeCount;
extern const GFontTable& kDejaVuSans;
extern const GFontTable& kDejaVuSansBold;

// The code point of the UTF-8 sequence at p (p < end), moving p past it. A
// malformed sequence gives U+FFFD and moves p one byte; so do code points an
// XML document cannot hold (controls other than tab, line feed and carriage
// return; surrogates; U+FFFE and U+FFFF).
uint32_t NextCodePoint(const char*& p, const char* end);

// The box of a line of letters of `points` points (at least 1): advance
// width, height (ascent + descent) and descent, in whole pixels.
struct GLetterBox {
  int width = 0, height = 0, descent = 0, ascent = 0;
};
GLetterBox MeasureLetters(std::string_view utf8, int points, bool bold);
