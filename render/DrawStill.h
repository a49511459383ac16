// The still picture of a drawing: while something moves (a drag, a slide-show
// effect, a hilight's animation), the items that look as before are painted
// once into a picture, and each frame copies it and paints only what moved.
// Beside the picture the painter keeps, for each pixel, which still item lies
// on top (its place in the painting order) and, each frame, which moving
// item does: where the still one comes later, the still picture's pixel is
// the right one. The canvas draws crisp shapes, unsmoothed letters and
// pictures that are opaque or see-through, so the item on top decides a
// pixel; a picture that blends with what lies below makes the frame be
// drawn whole.
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
  // The place in this frame's order of the item at base place j (the order
  // the still picture was painted in), -1 for none.
  int Now(int j) const { return j >= 0 && j < (int)m_Now.size() ? m_Now[j] : -1; }
  // After Build: the still items were painted; notes which of them blend.
  void Built(const GPaint& g, const GOverlay& o, GSurface& measure);
  // Whether the frame must be drawn whole because a still item that blends
  // lies above a moving one (a moving one that blends is seen as it is
  // drawn).
  void DecideWhole();
  bool Whole() const { return m_Whole; }
  // How many frames took each step, and moving items in the last: for
  // benchmarks and tests.
  long Frames(Step s) const { return m_Frames[(int)s]; }
  size_t MovingCount() const { return m_MovingCount; }

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
  std::vector<int> m_BaseOf;       // base index of each item, -1 new
  std::vector<int> m_Now;          // index now of each base item, -1 gone
  std::vector<char> m_BaseBlends;  // still items that blend
  bool m_Whole = false;
  const void* m_Forced = nullptr;
  long m_Frames[3] = {0, 0, 0};
  size_t m_MovingCount = 0;
};
