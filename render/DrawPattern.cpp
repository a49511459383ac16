// The pattern pen: cairo paths built straight from the pixel positions, so a
// line's beads cost one path and one fill instead of the wx path objects'
// copies; the same geometry and pixel offsets as the wx calls would use.
#include "render/DrawPattern.h"

#include <cairo.h>
#include <cmath>
#include <wx/graphics.h>

namespace {

void Source(cairo_t* cr, const wxColour& c) {
  cairo_set_source_rgb(cr, c.Red() / 255.0, c.Green() / 255.0, c.Blue() / 255.0);
}

// An odd pen width is centred on the pixel row, as the wx context does it.
double PenOffset(int width) { return (width % 2) ? 0.5 : 0.0; }

}  // namespace

GPatternPen::GPatternPen(wxDC& dc) : m_Dc(dc) {
  wxGraphicsContext* gc = dc.GetGraphicsContext();
  if (gc && gc->GetRenderer() == wxGraphicsRenderer::GetCairoRenderer())
    m_Cr = static_cast<cairo_t*>(gc->GetNativeContext());
  if (m_Cr) {
    cairo_save(m_Cr);
    cairo_new_path(m_Cr);
    cairo_set_line_cap(m_Cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(m_Cr, CAIRO_LINE_JOIN_ROUND);
  }
}

GPatternPen::~GPatternPen() {
  if (m_Cr) cairo_restore(m_Cr);
}

void GPatternPen::Stroke(const wxColour& c, int width, wxPoint a, wxPoint b) {
  if (!m_Cr) {
    m_Dc.SetPen(wxPen(c, width));
    m_Dc.DrawLine(a, b);
    return;
  }
  const double o = PenOffset(width);
  Source(m_Cr, c);
  cairo_set_line_width(m_Cr, width);
  cairo_move_to(m_Cr, a.x + o, a.y + o);
  cairo_line_to(m_Cr, b.x + o, b.y + o);
  cairo_stroke(m_Cr);
}

void GPatternPen::StrokeChain(const wxColour& c, int width,
                              const std::vector<wxPoint2DDouble>& pts) {
  if (pts.size() < 2) return;
  if (!m_Cr) {
    // One polyline: a vector context keeps it as one shape.
    std::vector<wxPoint> line;
    line.reserve(pts.size());
    for (const wxPoint2DDouble& p : pts)
      line.emplace_back((int)std::floor(p.m_x), (int)std::floor(p.m_y));
    m_Dc.SetPen(wxPen(c, width));
    m_Dc.DrawLines((int)line.size(), line.data());
    return;
  }
  Source(m_Cr, c);
  cairo_set_line_width(m_Cr, width);
  cairo_move_to(m_Cr, pts[0].m_x, pts[0].m_y);
  for (size_t i = 1; i < pts.size(); ++i) cairo_line_to(m_Cr, pts[i].m_x, pts[i].m_y);
  cairo_stroke(m_Cr);
}

void GPatternPen::Fill(const wxColour& c, const wxPoint* pts, const int* counts, int n) {
  if (n <= 0) return;
  if (!m_Cr) {
    m_Dc.SetPen(*wxTRANSPARENT_PEN);
    m_Dc.SetBrush(wxBrush(c));
    // Each shape alone: a vector context joins the shapes of one
    // polypolygon into a single outline, which fills the gaps between them.
    for (int i = 0; i < n; pts += counts[i], ++i)
      if (counts[i] > 2) m_Dc.DrawPolygon(counts[i], pts, 0, 0, wxWINDING_RULE);
    return;
  }
  // Vertices on the pixel grid itself, as the wx context places a shape
  // without an outline: every bead stays where it always was.
  const wxPoint* p = pts;
  for (int i = 0; i < n; ++i) {
    if (counts[i] > 0) {
      cairo_move_to(m_Cr, p[0].x, p[0].y);
      for (int j = 1; j < counts[i]; ++j) cairo_line_to(m_Cr, p[j].x, p[j].y);
      cairo_close_path(m_Cr);
    }
    p += counts[i];
  }
  Source(m_Cr, c);
  cairo_set_fill_rule(m_Cr, CAIRO_FILL_RULE_WINDING);
  cairo_fill(m_Cr);
}
