// Drawing of single elements onto a surface. Each routine gets the element,
// the paint record (view, appearance, document) and the surface; none of them
// knows anything of the window, the mouse or the toolkit.
#pragma once

#include <string>

#include "model/Document.h"
#include "render/Surface.h"
#include "render/Theme.h"
#include "render/View.h"

struct GPaint {
  GView view;
  const GAppearance* look = nullptr;
  GDocument* doc = nullptr;  // names for evaluated texts; incident records
  bool quickCurves = false;  // curves as bare samples (while a drag runs)
  int compassMode = 0;       // set while the Compass tool is active
  bool axis = false;         // the coordinate axes are shown
};

// Points, lines, circles, curves.
void DrawOnePoint(GPoint* p, const GPaint& g, GSurface& s);
bool GetGeomXY(GLine* l, const GPaint& g, double* x1, double* y1, double* x2, double* y2);
void DrawOneLine(GLine* l, const GPaint& g, GSurface& s);
void DrawOneCircle(GCircle* c, const GPaint& g, GSurface& s);
void DrawOneCurve(GParaCurve* c, const GPaint& g, GSurface& s);
// Texts, images, angle marks, brackets, axes.
// The box of the lines of s (UTF-8) in the default font of `size` points:
// the widest line by the sum of the line heights, each with its descent.
void GetMultiTextSize(const std::string& s, GSurface& out, int size, bool bold, int* width,
                      int* height);
void DrawMultiText(GText* t, const std::string& s, const GPaint& g, GSurface& out, int x, int y);
void DrawOneText(GText* t, const GPaint& g, GSurface& s);
void DrawOneImage(GImage* im, const GPaint& g, GSurface& s);
void DrawOneAngle(GAngle* a, const GPaint& g, GSurface& s);
void DrawOneBracket(GBracket* b, const GPaint& g, GSurface& s);
void DrawAxis(const GPaint& g, GSurface& s);
// The axes' numbers, at least kAxisLabelGap pixels apart at 1, 2 or 5 times a
// power of ten; AxisLabel gives the i-th number from the origin at a zoom.
constexpr double kAxisLabelGap = 60;
void DrawAxisNumbers(const GPaint& g, GSurface& s);
// Squared paper: lines at whole units (coarser when they would come closer
// than kPaperGap pixels), faint, under everything.
constexpr double kPaperGap = 12;
void DrawSquaredPaper(const GPaint& g, GSurface& s);
std::string AxisLabel(double pixelsPerUnit, long i);
// A circle of pixel centre and radius in the compass pen.
void DrawCompass(const GPaint& g, GSurface& s, GPix centre, int radius);

// The pen of a stroke layer: 2 pixels, wider while emphasised.
int StrokeWidth(double widthFactor);
// c moved f quarters of the way toward the background colour.
inline GRgb Faded(const GRgb& c, int f, const GPaint& g) { return c.Faded(f, g.look->bg.colour); }

// The picture behind an image element as it is shown, at the image's width
// and height; the toolkit side makes it when the image is loaded or resized.
class GRasterPicture : public GPicture {
 public:
  GRaster shown;
};
