// Where an element of a slide-show effect is drawn, in pixels: the slide show
// moves it by as much as takes it wholly out of the window.
#pragma once

#include <wx/dc.h>

#include "render/Draw.h"
#include "slides/SlideShow.h"

// The box of the effect's element as drawn in place (without its slide-show
// offsets); false when it shows nowhere (at infinity, complex, off the view).
bool SlideExtent(const GConst* effect, const GPaint& g, wxDC& dc, GSlideBox* box);
