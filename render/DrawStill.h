// The still picture of a drawing: while something moves (a drag, a slide-show
// effect, a hilight's animation), the items that look as before are painted
// once into a picture, and each frame copies it and paints only what moved.
// The still items are kept in two pictures: those below the points (over the
// background) and the points and texts above them (on a see-through
// picture), so a moving line passes under still points at no cost. Where a
// moving item lies under a still item of its own part that comes later in
// the painting order, those tiles are painted again whole, so a frame is
// pixel for pixel the full drawing.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "render/DrawOrder.h"
#include "render/DrawPainter.h"
#include "render/DrawTiles.h"

class GStillLayer {
 public:
  enum class Step {
    Full,   // draw everything; nothing to keep
    Build,  // paint the still picture anew (the items not Moving), then a frame
    Reuse,  // a frame over the still picture as it is
  };
  // Compares what would be drawn with what the still picture holds and says
  // how to draw this frame. Items that changed since the last frame become
  // moving; the picture is painted anew when one of its items changed.
  Step Prepare(const GPaint& g, const GOverlay& o, int width, int height);
  // Forgets the picture and what was drawn: the next frame is drawn whole.
  void Drop();

  // The items of the frame being planned, in painting order.
  const std::vector<GPaintItem>& Items() const { return m_Items; }
  bool Moving(size_t i) const { return m_Moving[i] != 0; }
  // Whether an item belongs to the upper part (points, texts, the preview),
  // painted over the lower part's picture and moving items.
  static bool Upper(GPaintKind kind);
  // After Build: the still items were painted; notes where each lies.
  void Built(const GPaint& g, const GOverlay& o, GSurface& measure);
  // Where the moving items lie now: the tiles to paint again whole (as pixel
  // rectangles, a row of neighbouring tiles in one) and the items to draw
  // there, in painting order.
  void Place(const GPaint& g, const GOverlay& o, GSurface& measure);
  const std::vector<GPixRect>& Dirty() const { return m_Dirty; }
  // How many frames took each step, and moved items in the last: for
  // benchmarks and tests.
  long Frames(Step s) const { return m_Frames[(int)s]; }
  size_t MovingCount() const { return m_MovingCount; }
  const std::vector<int>& Again() const { return m_Again; }

  // For tests: leaves item i of the next frames out of the moving items, as
  // a fault in the planning would (the check must see it).
  void LeaveInStill(const void* element) { m_Forced = element; }

 private:
  struct Hash {
    size_t operator()(const GPaintItem& i) const {
      return std::hash<const void*>()(i.element) ^ ((size_t)i.kind << 56);
    }
  };
  Step Plan(const GPaint& g, const GOverlay& o, int width, int height);
  uint64_t m_Paint = 0;  // PaintPrint of the recorded frame
  bool m_Have = false;   // a frame is recorded
  bool m_Picture = false;
  int m_Width = 0, m_Height = 0;
  // The recorded frame (the one the picture was painted from, or the last
  // full one): its items, their prints and which of them move.
  std::vector<GPaintItem> m_BaseItems;
  std::vector<uint64_t> m_BasePrints;
  std::vector<char> m_BaseMoving;
  std::unordered_map<GPaintItem, int, Hash> m_BaseIndex;
  // This frame.
  std::vector<GPaintItem> m_Items;
  std::vector<uint64_t> m_Prints;
  std::vector<char> m_Moving;
  std::vector<int> m_BaseOf;  // base index of each item, -1 new
  std::vector<int> m_Now;     // index now of each base item, -1 gone
  // Where the still items lie: per tile, the base indices of the still items
  // touching it (m_TileItems from m_TileStart[t]) and the last of them in
  // each part.
  std::vector<int> m_TileStart, m_TileItems, m_TileLast[2];
  std::vector<GPixRect> m_Dirty;
  std::vector<int> m_Again;
  const void* m_Forced = nullptr;
  long m_Frames[3] = {0, 0, 0};
  size_t m_MovingCount = 0;
};
