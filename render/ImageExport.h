// The figure as a picture file: BMP and PNG drawn with cairo into a picture of
// the window's pixels over the background, SVG drawn as vector shapes (lines, circles, polygons,
// texts), each written through a temporary file so that nothing half-written
// is ever left at the chosen name.
#pragma once

#include <string>
#include <wx/string.h>

#include "render/DrawRender.h"

class CanvasPainter;

// The format a chosen name asks for by its last three characters ("png",
// "svg", "bmp"); any other name gets ".bmp" appended and is a BMP.
GImageFormat ImageFormatFor(wxString& path);
// Draws the painter's window area: the background, then the sheet with the
// overlay as the canvas's OnDraw does, and writes it to `path`. False, with the reason in `why`,
// when the file cannot be written; whatever was at `path` then stays as it was.
bool SaveFigureImage(CanvasPainter& painter, const GOverlay& overlay, const wxString& path,
                     GImageFormat format, std::string& why);
