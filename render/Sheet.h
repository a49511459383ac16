// The drawing of a whole sheet onto a surface: the elements in their layers
// and what the tools lay over them.
#pragma once

#include "model/Modes.h"

#include "render/Draw.h"

// What the tools show on top of the figure, handed to the painter for one
// drawing: the element being placed, the compass circle, the afterimages of
// a drag and the touch-panel buttons.
struct GOverlay {
  bool quickCurves = false;  // a button is held: curves drawn as bare samples
  bool compassMode = false;  // the Compass tool: circles in its pen
  bool compass = false;      // the compass circle, at pixel centre and radius
  GPix compassCenter;
  int compassRadius = 0;
  // Three generations of afterimages; none when no drag leaves a trail.
  const GList<GPoint>* afterPoints = nullptr;
  const GList<GLine>* afterLines = nullptr;
  const GList<GCircle>* afterCircles = nullptr;
  // The construction in progress: the tool mode it belongs to (the Move
  // tool, which previews nothing, for none) and its elements.
  GToolMode previewMode = kModeMove;
  GPoint* previewPoint[2] = {nullptr, nullptr};
  GLine* previewLine = nullptr;
  GCircle* previewCircle = nullptr;
  GBracket* previewBracket = nullptr;
  const bool* panelPressed = nullptr;  // the three panel buttons; none outside the touch panel
  bool faintHidden = false;  // the elements put away, drawn faintly (Show hidden elements)
};

// The layers in their fixed order: squared paper, axes, afterimages, compass,
// the faint elements put away (when hidden ones are shown), images, angles,
// lines, circles, curves, brackets, points, texts and the preview.
// g.doc is the document whose current sheet is drawn.
void DrawSheet(GSurface& s, const GPaint& g, const GOverlay& o);
