// The drawing of a whole sheet: every item of the painting order in turn.
#include "render/DrawOrder.h"

void DrawSheet(GSurface& s, const GPaint& g, const GOverlay& o) {
  std::vector<GPaintItem> items;
  PaintItems(g, o, &items);
  for (const GPaintItem& item : items) DrawItem(item, g, o, s);
}
