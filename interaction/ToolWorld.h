// Shared by the construction tools: the world position under a canvas pixel.
#pragma once

#include <wx/gdicmn.h>

class MyCanvas;

void PixelToWorld(const MyCanvas& canvas, const wxPoint& pos, double* x, double* y);
