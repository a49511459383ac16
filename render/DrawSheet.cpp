// The layer walk of one drawing: every element of the current sheet in its
// layer, the afterimages of a drag, the compass and the preview of the tool.
#include "render/Sheet.h"

#include <memory>

#include "model/PutAway.h"

namespace {
template <class T, class F>
void Walk(T* head, const GPaint& g, GSurface& s, F draw) {
  for (T* e = head; e; e = e->next) draw(e, g, s);
}

// Elements put away, drawn three quarters toward the background so they can
// be found and chosen (the kinds a click can choose: points, lines, circles,
// curves); from copies, as the document keeps them hidden.
template <class T, class F>
void WalkFaint(T* head, const GPaint& g, GSurface& s, F draw) {
  for (T* e = head; e; e = e->next) {
    if (!PutAway(*g.doc, e)) continue;
    auto copy = std::make_unique<T>(*e);
    copy->hidden = 0;
    copy->fadeLevel = 3;
    draw(copy.get(), g, s);
  }
}
}  // namespace

void DrawSheet(GSurface& s, const GPaint& g, const GOverlay& o) {
  if (!g.doc || !g.look) return;
  if (g.doc->SquaredPaper()) DrawSquaredPaper(g, s);
  if (g.axis) DrawAxis(g, s);
  for (int gen = 0; gen < 3; ++gen) {
    if (o.afterLines) Walk(o.afterLines[gen].head, g, s, DrawOneLine);
    if (o.afterCircles) Walk(o.afterCircles[gen].head, g, s, DrawOneCircle);
    if (o.afterPoints) Walk(o.afterPoints[gen].head, g, s, DrawOnePoint);
  }
  if (o.compass) DrawCompass(g, s, o.compassCenter, o.compassRadius);

  GSheet& sheet = g.doc->Sheet();
  if (o.faintHidden) {
    WalkFaint(sheet.lines.head, g, s, DrawOneLine);
    WalkFaint(sheet.circles.head, g, s, DrawOneCircle);
    WalkFaint(sheet.curves.head, g, s, DrawOneCurve);
    WalkFaint(sheet.points.head, g, s, DrawOnePoint);
  }
  Walk(sheet.images.head, g, s, DrawOneImage);
  Walk(sheet.angles.head, g, s, DrawOneAngle);
  Walk(sheet.lines.head, g, s, DrawOneLine);
  Walk(sheet.circles.head, g, s, DrawOneCircle);
  Walk(sheet.curves.head, g, s, DrawOneCurve);
  Walk(sheet.brackets.head, g, s, DrawOneBracket);
  Walk(sheet.points.head, g, s, DrawOnePoint);
  Walk(sheet.texts.head, g, s, DrawOneText);

  switch (o.previewMode) {
    case kModeSPoint:
      DrawOnePoint(o.previewPoint[0], g, s);
      break;
    case kModeMLine:
    case kModePara:
    case kModePerp:
    case kModeLineWithAngle:
      DrawOnePoint(o.previewPoint[0], g, s);
      DrawOneLine(o.previewLine, g, s);
      break;
    case kModeMid:
      DrawOnePoint(o.previewPoint[0], g, s);
      DrawOnePoint(o.previewPoint[1], g, s);
      break;
    case kModeMCircle:
      DrawOnePoint(o.previewPoint[0], g, s);
      DrawOneCircle(o.previewCircle, g, s);
      break;
    case kModeBracket:
      DrawOnePoint(o.previewPoint[0], g, s);
      DrawOneBracket(o.previewBracket, g, s);
      break;
    default:
      break;
  }
}
