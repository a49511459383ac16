// Letters on a cairo context without the toolkit: one line of UTF-8 laid out
// by Pango in the system's sans font ("Sans", as fontconfig resolves it) at
// 96 pixels per inch with whole-pixel metrics, as the window measures and
// draws its texts. Layouts are kept per letters, size and weight.
#pragma once

#include <string>

#include "render/FontMetrics.h"
#include "render/SvgSurface.h"

typedef struct _cairo cairo_t;

// The box of the letters: advance width, height and descent in pixels.
GLetterBox CairoTextBox(const std::string& text, int size, bool bold);
// Draws the letters in the context's current colour with the box's corner at
// (x, y). Letters on a picture of pixels are unsmoothed, as the window's are.
void CairoShowText(cairo_t* cr, const std::string& text, int size, bool bold, int x, int y);
// The family the letters are laid out in: what fontconfig gives for "Sans"
// (the regular weight at 12 points), resolved once per process.
const std::string& CairoSansFamily();
// An SVG's letters measured as these and named by that family, so that its
// texts take the same room as in the window and on a picture of pixels.
GSvgLetters CairoSvgLetters();
