// Drawing of single elements into a wxDC. Each routine gets the element, the
// paint record (view, appearance, document) and the context; none of them
// knows anything of the window or the mouse.
#pragma once

#include <string>
#include <wx/dc.h>
#include <wx/image.h>

#include "model/Document.h"
#include "render/Theme.h"
#include "render/View.h"

struct GPaint {
  GView view;
  const GAppearance* look = nullptr;
  GDocument* doc = nullptr;  // names for evaluated texts; incident records
  bool quickCurves = false;  // curves as bare samples (while a drag runs)
  int compassMode = 0;       // set while the Compass tool is active
};

// Points, lines, circles, curves.
void DrawOnePoint(GPoint* p, const GPaint& g, wxDC& dc);
bool GetGeomXY(GLine* l, const GPaint& g, double* x1, double* y1, double* x2, double* y2);
void DrawOneLine(GLine* l, const GPaint& g, wxDC& dc);
void DrawOneCircle(GCircle* c, const GPaint& g, wxDC& dc);
void DrawOneCurve(GParaCurve* c, const GPaint& g, wxDC& dc);
// Texts, images, angle marks, brackets, axes.
void GetMultiTextSize(const std::string& s, wxDC& dc, int* width, int* height);
void DrawMultiText(GText* t, const std::string& s, const GPaint& g, wxDC& dc, int x, int y);
void DrawOneText(GText* t, const GPaint& g, wxDC& dc);
void DrawOneImage(GImage* im, const GPaint& g, wxDC& dc);
void DrawOneAngle(GAngle* a, const GPaint& g, wxDC& dc);
void DrawOneBracket(GBracket* b, const GPaint& g, wxDC& dc);
void DrawAxis(const GPaint& g, wxDC& dc);
// A circle of pixel centre and radius in the compass pen.
void DrawCompass(const GPaint& g, wxDC& dc, wxPoint centre, int radius);

// One line of letters in the default font of the given size: its box as the
// context measures it, and the letters drawn with the box's corner at (x, y).
// Both are remembered per letters and size, so repeated texts cost little
// more than copying their pixels.
void GetTextRunExtent(wxDC& dc, const wxString& s, int size, int* w, int* h, int* descent);
void DrawTextRun(wxDC& dc, const wxString& s, int size, const wxColour& c, int x, int y);

// The pen of a stroke layer: 2 pixels, wider while emphasised.
int StrokeWidth(double widthFactor);
// c moved f quarters of the way toward the background colour.
inline wxColour Faded(const GRgb& c, int f, const GPaint& g) {
  return ToWx(c.Faded(f, g.look->bg.colour));
}

// Picture behind an image element.
class GWxPicture : public GPicture {
 public:
  wxBitmap bitmap;  // as shown, at the image's width and height
  wxImage loaded;   // as loaded from its file; resizing rescales this one
};
