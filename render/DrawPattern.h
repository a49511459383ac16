// The pen that draws line-style patterns: thousands of small shapes per
// repaint go straight into the cairo context behind a memory picture; other
// contexts (printers) get the same shapes through the wx calls.
#pragma once

#include <vector>
#include <wx/dc.h>
#include <wx/geometry.h>

typedef struct _cairo cairo_t;

class GPatternPen {
 public:
  explicit GPatternPen(wxDC& dc);
  ~GPatternPen();
  GPatternPen(const GPatternPen&) = delete;
  GPatternPen& operator=(const GPatternPen&) = delete;

  // A straight stroke between pixel positions, round ends.
  void Stroke(const wxColour& c, int width, wxPoint a, wxPoint b);
  // A connected stroke through the points (sub-pixel positions), round joins.
  void StrokeChain(const wxColour& c, int width, const std::vector<wxPoint2DDouble>& pts);
  // Whether the shapes go into a picture's pixels (a memory picture) rather
  // than to a vector context (SVG, a printer), which can take a whole circle
  // or arc as one shape.
  bool Raster() const { return m_Cr != nullptr; }
  // n polygons, counts[i] vertices each, filled by the winding rule, no outline.
  void Fill(const wxColour& c, const wxPoint* pts, const int* counts, int n);

 private:
  wxDC& m_Dc;
  cairo_t* m_Cr = nullptr;
};
