// The planning of a frame over a still picture: which items moved since the
// recorded frame, when the picture must be painted anew, where the moving
// items lie and whether anything blends.
#include "render/DrawStill.h"

#include <algorithm>

namespace {
// Beyond this many moving items the full drawing costs no more.
bool TooMany(size_t moving, size_t items) { return moving > std::max<size_t>(16, items / 2); }
}  // namespace

void GStillLayer::Drop() {
  m_Have = false;
  m_Picture = false;
}

GStillLayer::Step GStillLayer::Prepare(const GPaint& g, const GOverlay& o, int width, int height) {
  const Step step = Plan(g, o, width, height);
  ++m_Frames[(int)step];
  return step;
}

GStillLayer::Step GStillLayer::Plan(const GPaint& g, const GOverlay& o, int width, int height) {
  PaintItems(g, o, &m_Items);
  const size_t n = m_Items.size();
  m_Prints.resize(n);
  for (size_t i = 0; i < n; ++i) m_Prints[i] = ItemPrint(m_Items[i], g, o);
  const uint64_t paint = PaintPrint(g, o);
  m_Moving.assign(n, 0);

  auto record = [&](bool picture) {
    m_BaseItems = m_Items;
    m_BasePrints = m_Prints;
    m_BaseMoving = m_Moving;
    m_BaseIndex.clear();
    for (size_t i = 0; i < n; ++i) m_BaseIndex[m_Items[i]] = (int)i;
    m_Now.resize(n);
    for (size_t i = 0; i < n; ++i) m_Now[i] = (int)i;
    m_Have = true;
    m_Picture = picture;
    m_Paint = paint;
    m_Width = width;
    m_Height = height;
  };
  auto full = [&] {
    record(false);
    return Step::Full;
  };
  if (!m_Have || paint != m_Paint || width != m_Width || height != m_Height) return full();

  // Each item against the recorded frame: the same item (kind and element)
  // drawn from the same print looks the same.
  const size_t base = m_BaseItems.size();
  const bool same = n == base && std::equal(m_Items.begin(), m_Items.end(), m_BaseItems.begin());
  m_BaseOf.assign(n, -1);
  m_Now.assign(base, -1);
  for (size_t i = 0; i < n; ++i) {
    int j = (int)i;
    if (!same) {
      auto it = m_BaseIndex.find(m_Items[i]);
      j = it == m_BaseIndex.end() ? -1 : it->second;
    }
    m_BaseOf[i] = j;
    if (j >= 0) m_Now[j] = (int)i;
  }
  size_t moving = 0;
  bool stale = false;  // the picture shows an item that is no longer as painted
  for (size_t i = 0; i < n; ++i) {
    const int j = m_BaseOf[i];
    const bool forced = m_Forced && m_Items[i].element == m_Forced;
    bool moved = OverlayItem(m_Items[i].kind) || j < 0 || m_Prints[i] != m_BasePrints[j];
    if (m_Picture && j >= 0 && m_BaseMoving[j]) moved = true;
    if (forced) moved = false;
    if (moved && m_Picture && j >= 0 && !m_BaseMoving[j]) stale = true;
    m_Moving[i] = moved;
    moving += moved;
  }
  if (m_Picture) {
    // A still item that left, or came out of its order, is in the picture.
    int last = -1;
    for (size_t j = 0; j < base && !stale; ++j) {
      if (m_BaseMoving[j]) continue;
      if (m_Now[j] < 0 || m_Now[j] <= last) stale = true;
      last = m_Now[j];
    }
  }
  m_MovingCount = moving;
  if (moving == 0 && !m_Picture) return full();
  if (TooMany(moving, n)) return full();
  if (!m_Picture || stale) {
    record(true);
    return Step::Build;
  }
  return Step::Reuse;
}

void GStillLayer::Built(const GPaint& g, const GOverlay& o, GSurface& measure) {
  GTileMarker marker(m_Width, m_Height, &measure);
  m_BaseBlends.assign(m_BaseItems.size(), 0);
  for (size_t j = 0; j < m_BaseItems.size(); ++j) {
    if (m_BaseMoving[j]) continue;
    DrawItemAgain(m_BaseItems[j], g, o, marker);
    m_BaseBlends[j] = marker.Blended();
    marker.Take();
  }
}

void GStillLayer::DecideWhole() {
  m_Whole = false;
  int first = -1;  // the first moving item
  for (size_t i = 0; i < m_Items.size() && first < 0; ++i)
    if (m_Moving[i]) first = (int)i;
  for (size_t j = 0; j < m_BaseBlends.size() && !m_Whole && first >= 0; ++j)
    if (m_BaseBlends[j] && m_Now[j] > first) m_Whole = true;
}
