// The painter's view and paint record: the transform kept in step with the
// window and the document, zooming, and the rescaling of texts after a resize.
#include "model/ViewSteps.h"
#include "model/Styles.h"
#include "render/DrawPainter.h"

FigurePainter::FigurePainter(GDocument& doc) : m_Viewport(doc.Viewport()), m_Doc(doc) {}

GView FigurePainter::View() const {
  GView v;
  v.originX = m_OriginX;
  v.originY = m_OriginY;
  v.scale = m_Viewport.Scale();
  v.centerX = m_CenterX;
  v.centerY = m_CenterY;
  v.width = m_Width;
  v.height = m_Height;
  v.xMin = m_Viewport.XMin();
  v.xMax = m_Viewport.XMax();
  v.yMin = m_Viewport.YMin();
  v.yMax = m_Viewport.YMax();
  return v;
}

void FigurePainter::UpdateView() {
  GView v;
  v.originX = m_OriginX;
  v.originY = m_OriginY;
  v.scale = m_Viewport.Scale();
  v.Update(m_Width, m_Height);
  m_CenterX = v.centerX;
  m_CenterY = v.centerY;
  m_ViewRect = GPixRect{0, 0, m_Width, m_Height};
  m_Viewport.SetBounds(v.xMin, v.xMax, v.yMin, v.yMax);
  // Files record the window they were made in, and a file read into a window
  // of another size has its texts and view scaled to this one.
  m_Viewport.SetWindowSize(m_Width, m_Height);
}

// The document zooms (scale, pick distance, bounds, every step's view); the
// painter then takes the bounds from the window again.
void FigurePainter::ZoomIn(double factor) {
  ::ZoomIn(m_Doc, factor);
  UpdateView();
}

void FigurePainter::ZoomOut(double factor) {
  ::ZoomOut(m_Doc, factor);
  UpdateView();
}

void FigurePainter::convert_textsize() {
  if (m_Width == m_OldWidth && m_Height == m_OldHeight) return;
  // Texts keep their place and size relative to the window. A window folded
  // to (almost) nothing is not a size to scale by: the ratio would be zero or
  // negative and would wreck every text and the scale.
  if (m_Width <= 0 || m_Height <= 50 || m_OldWidth <= 0 || m_OldHeight <= 50) return;
  const double rx = (double)m_Width / m_OldWidth;
  const double ry = (double)(m_Height - 50) / (m_OldHeight - 50);
  RescaleTexts(m_Doc, rx, ry);
  ZoomIn(ry);
  m_OldWidth = m_Width;
  m_OldHeight = m_Height;
}

GPaint FigurePainter::Paint(const GOverlay& o) const {
  GPaint g;
  g.view = View();
  g.look = &m_Look;
  g.doc = &m_Doc;
  g.quickCurves = o.quickCurves;
  g.compassMode = o.compassMode;
  g.axis = m_AxisOn;
  return g;
}
