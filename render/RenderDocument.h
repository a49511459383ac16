// A document file drawn without a window, as the canvas would show it: the
// file is read as Open reads it into a painter of the given size, the sheet
// and theme are chosen, and the picture is written as BMP, PNG or SVG.
#pragma once

#include <string>

struct GRenderRequest {
  std::string file;               // the document (UTF-8 path)
  std::string out;                // the picture; its extension (.png, .svg, .bmp) is the format
  int sheet = 1;                  // counted from 1, as the status bar counts
  int width = 950, height = 550;  // the window the figure is drawn for
  std::string theme;              // a theme's name ("standard", "cat", ...); empty keeps the file's
};

// Parses "WxH" (each 16..10000 pixels).
bool ParseRenderSize(const std::string& text, int* width, int* height);
// The theme of a name (case ignored; "tovik" and "like Tovik" alike); 0 for none.
int RenderThemeByName(const std::string& name);
// Draws and writes the picture. False with a message for the person in
// `error`: an unreadable file, an unknown sheet or theme, an unknown
// extension, a file that cannot be written (nothing is then left at out).
bool RenderDocument(const GRenderRequest& request, std::string& error);
