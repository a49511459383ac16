// A document file drawn without a window, as the canvas would show it: the
// request (file, picture, sheet, size, theme), reading the file into a painter
// of that size, and the whole SVG route, which needs no toolkit at all.
#pragma once

#include <string>
#include <vector>

#include "model/User.h"
#include "render/DrawPainter.h"
#include "render/SvgSurface.h"

enum class GPaper { kA4, kLetter };

struct GRenderRequest {
  std::string file;        // the document (UTF-8 path)
  std::string out;         // the picture; its extension (.png, .svg, .bmp, .pdf) is the format
  int sheet = 1;           // counted from 1, as the status bar counts
  bool allSheets = false;  // every sheet, one page each (PDF only)
  int width = 950, height = 550;  // the window the figure is drawn for
  std::string theme;              // a theme's name ("standard", "cat", ...); empty keeps the file's
  GPaper paper = GPaper::kA4;     // the pages of a PDF
};

enum GImageFormat { kImageBmp, kImagePng, kImageSvg, kImagePdf };

extern const char kRenderUsage[];
// The arguments after "render": FILE OUT [--sheet N|all] [--size WxH]
// [--theme NAME] [--paper a4|letter]. False with the message in `error` and
// the exit status (2 for a misuse of the command, 1 for a wrong value: an
// unknown format, sheet, size or paper) in `status`.
bool ParseRenderArgs(const std::vector<std::string>& args, GRenderRequest* r, std::string& error,
                     int* status);
// Parses "WxH" (each 16..10000 pixels).
bool ParseRenderSize(const std::string& text, int* width, int* height);
// The theme of a name (case ignored; "tovik" and "like Tovik" alike); kNone for none.
GTheme RenderThemeByName(const std::string& name);
// The format the picture's name asks for (.png, .svg, .bmp or .pdf, any case).
bool RenderFormatOf(const std::string& out, GImageFormat* format);

// Reads the request's file into doc by the road Open takes (script/
// OpenFigure.h), into a canvas of the requested size drawn by p, then turns
// to the requested sheet and theme. False with a message for the person in
// `error`: an unknown theme, an unreadable file, the reader's message, an
// unknown sheet. Nobody is asked anything while drawing a file: doc's
// person should be silent. A file the reader stops in is read as far as it
// goes: with `partial` given, *partial is then set and doc holds that part
// (still false is returned, with the reader's message), so that the caller
// can draw it and report the failure.
bool LoadForRender(const GRenderRequest& r, GDocument& doc, FigurePainter& p, std::string& error,
                   bool* partial = nullptr);
// The same start for a document's script text already in memory (a window's
// own document, copied): a canvas of width x height in `theme` (kNone for the
// Standard one), then the text read into doc. False when the reader stopped.
bool LoadTextForRender(const std::string& text, int width, int height, GTheme theme, GDocument& doc,
                       FigurePainter& p);
// Turns doc to `sheet` (counted from 1), the painter taking its looks as the
// canvas does; false for a sheet doc does not have.
bool TurnToSheet(GDocument& doc, FigurePainter& p, int sheet);
// Fills the painter's window area with the background as the canvas shows
// it: the theme's tile repeated from the corner, or its plain colour.
void DrawBackground(GSurface& s, const FigurePainter& p);
// Writes the painter's window area as an SVG document to `path`, replacing
// the file safely (durably unless `durable` is false, see ReplaceFile): the
// background as the window shows it (a tile is embedded once and placed once
// per copy), then the sheet with the overlay, its texts measured and named
// as `letters` says. On failure the reason is in `why`.
bool WriteSvgOfFigure(FigurePainter& p, const GOverlay& o, const std::string& path,
                      std::string& why, bool durable = true, const GSvgLetters& letters = {});
// The whole SVG route of a request: read, draw, write through a temporary
// file (nothing half-written is left at r.out). A file the reader stops in
// is drawn as far as it reads, and false comes back with the reader's message.
bool RenderSvg(const GRenderRequest& r, std::string& error, const GSvgLetters& letters = {});
