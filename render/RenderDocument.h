// A document file drawn without a window into a picture of any format: SVG
// by the toolkit-free route, BMP and PNG through an off-screen picture of
// the toolkit (which needs a display).
#pragma once

#include <string>

#include "render/DrawRender.h"

// Draws and writes the picture. False with a message for the person in
// `error`: an unreadable file, an unknown sheet or theme, an unknown
// extension, a file that cannot be written (nothing is then left at out).
bool RenderDocument(const GRenderRequest& request, std::string& error);
