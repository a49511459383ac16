// A document file drawn without a window, as the canvas would show it: the
// request (file, picture, sheet, size, theme), reading the file into a painter
// of that size, and the whole SVG route, which needs no toolkit at all.
#pragma once

#include <string>
#include <vector>

#include "model/User.h"
#include "render/DrawPainter.h"

struct GRenderRequest {
  std::string file;               // the document (UTF-8 path)
  std::string out;                // the picture; its extension (.png, .svg, .bmp) is the format
  int sheet = 1;                  // counted from 1, as the status bar counts
  int width = 950, height = 550;  // the window the figure is drawn for
  std::string theme;              // a theme's name ("standard", "cat", ...); empty keeps the file's
};

enum GImageFormat { kImageBmp, kImagePng, kImageSvg };

extern const char kRenderUsage[];
// The arguments after "render": FILE OUT [--sheet N] [--size WxH] [--theme
// NAME]. False with the message in `error` and the exit status (2 for a
// misuse of the command, 1 for a wrong value) in `status`.
bool ParseRenderArgs(const std::vector<std::string>& args, GRenderRequest* r, std::string& error,
                     int* status);
// Parses "WxH" (each 16..10000 pixels).
bool ParseRenderSize(const std::string& text, int* width, int* height);
// The theme of a name (case ignored; "tovik" and "like Tovik" alike); 0 for none.
int RenderThemeByName(const std::string& name);
// The format the picture's name asks for (.png, .svg or .bmp, any case).
bool RenderFormatOf(const std::string& out, GImageFormat* format);

// Reads the request's file into doc by the road Open takes (script/
// OpenFigure.h), into a canvas of the requested size drawn by p, then turns
// to the requested sheet and theme. False with a message for the person in
// `error`: an unknown theme, an unreadable file, the reader's message, an
// unknown sheet. Nobody is asked anything while drawing a file: doc's
// person should be silent.
bool LoadForRender(const GRenderRequest& r, GDocument& doc, FigurePainter& p, std::string& error);
// Writes the painter's window area as an SVG document to `path`, replacing
// the file safely (durably unless `durable` is false, see ReplaceFile): the
// background's plain colour (a tiled picture would turn every tile into an
// embedded picture), then the sheet with the overlay. On failure the reason
// is in `why`.
bool WriteSvgOfFigure(FigurePainter& p, const GOverlay& o, const std::string& path,
                      std::string& why, bool durable = true);
// The whole SVG route of a request: read, draw, write through a temporary
// file (nothing half-written is left at r.out).
bool RenderSvg(const GRenderRequest& r, std::string& error);
