// Pictures of pixels (PNG, BMP) and PDF pages of a document file, drawn with
// cairo and Pango and no toolkit: no display is needed, and the pixels match
// the window's own picture.
#pragma once

#include <functional>
#include <string>

#include "render/DrawRender.h"

// The whole route of a request in any format (SVG goes the toolkit-free SVG
// way, its letters measured and named as these pictures lay them out): read,
// draw, write through a temporary file, so that nothing half-written is left
// at r.out. False with a message for the person; a file the reader stops in
// is drawn as far as it reads and false comes back with the reader's message.
bool RenderFigureFile(const GRenderRequest& r, std::string& error);

// The painter's window area drawn as the canvas draws it (background, then
// the sheet, then whatever `over` adds) into a picture of plain RGB (alpha 255).
GRaster RasterOfFigure(FigurePainter& p, const GOverlay& o,
                       const std::function<void(GSurface&)>& over = nullptr);

// The same drawing as the bytes of a PNG or BMP file; empty when the picture
// could not be made.
std::string EncodeFigure(FigurePainter& p, const GOverlay& o, GImageFormat format,
                         const std::function<void(GSurface&)>& over = nullptr);

// The painter's document as a PDF at `path`: the current sheet, or every sheet
// with `allSheets` (one page each, in order, the current sheet put back
// afterwards), each fitted to the paper with a margin and centred, turned
// sideways when the figure is wider than tall. Letters stay letters. Every
// page in `theme` when one is given (a theme number, 0 for each sheet's own).
// False with the reason in `why`; nothing is left at `path` then.
bool WritePdfOfDocument(FigurePainter& p, bool allSheets, GPaper paper, const std::string& path,
                        std::string& why, GTheme theme = GTheme::kNone);

// A picture as the bytes of an uncompressed 24-bit BMP file (rows from the
// bottom, each padded to four bytes).
std::string EncodeBmp(const GRaster& picture);
