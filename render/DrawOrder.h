// The painting order of a sheet as a list of items (each element, the paper,
// the axes and what the tools lay over the figure), the drawing of one item,
// and a print of everything an item's drawing reads, so that a frame can
// tell which items look as they did.
#pragma once

#include <cstdint>
#include <vector>

#include "render/Sheet.h"

// In painting order, as far as kinds go (the still picture's upper part is
// every kind from Point on).
enum class GPaintKind : uint8_t {
  Paper,
  Axis,
  AfterLine,
  AfterCircle,
  AfterPoint,
  Compass,
  FaintLine,
  FaintCircle,
  FaintCurve,
  FaintPoint,
  Image,
  Angle,
  Line,
  Circle,
  Curve,
  Bracket,
  Point,
  Text,
  PreviewPoint,
  PreviewLine,
  PreviewCircle,
  PreviewBracket,
};

struct GPaintItem {
  GPaintKind kind = GPaintKind::Paper;
  const void* element = nullptr;  // the element drawn (none for paper, axes, compass)
  bool operator==(const GPaintItem& o) const { return kind == o.kind && element == o.element; }
};

// The items of one drawing in the order they are painted, each above the
// ones before it: squared paper, axes, afterimages, compass, the faint
// elements put away, images, angles, lines, circles, curves, brackets,
// points, texts and the preview.
void PaintItems(const GPaint& g, const GOverlay& o, std::vector<GPaintItem>* items);
// Draws one item as DrawSheet would.
void DrawItem(const GPaintItem& item, const GPaint& g, const GOverlay& o, GSurface& s);
// The same without advancing a hilighted point's animation frame: for a
// drawing that only finds where an item lies, or draws it a second time.
void DrawItemAgain(const GPaintItem& item, const GPaint& g, const GOverlay& o, GSurface& s);
// What the items of the tools' overlay are: never part of a still picture.
bool OverlayItem(GPaintKind kind);
// A print of what the item's drawing reads: its element's fields, the
// points a clipped line or circle reaches to, a live text's shown text, the
// compass circle. Two equal prints draw the same pixels in the same paint.
uint64_t ItemPrint(const GPaintItem& item, const GPaint& g, const GOverlay& o);
// A print of what every item's drawing shares: the view, the flags of the
// paint and the document's name colour.
uint64_t PaintPrint(const GPaint& g, const GOverlay& o);
// A print of the whole drawing: equal prints draw the same picture.
uint64_t FramePrint(const GPaint& g, const GOverlay& o);
// Whether drawing again shows something new though nothing changed: a
// hilighted point stepping through its animation.
bool Animates(const GPaint& g, const GOverlay& o);
