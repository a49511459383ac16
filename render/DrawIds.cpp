// The item colours of pictures: each picture once per colour, opaque where
// the picture is not see-through.
#include "render/DrawIds.h"

#include <unordered_map>

namespace {
struct Key {
  uint64_t picture;
  int colour;
  bool operator==(const Key& o) const { return picture == o.picture && colour == o.colour; }
};
struct KeyHash {
  size_t operator()(const Key& k) const {
    return std::hash<uint64_t>()(k.picture * 16777259u + k.colour);
  }
};
// Kept across frames: the same points are drawn in the same colours again.
std::unordered_map<Key, GRaster, KeyHash>& Made() {
  static auto* made = new std::unordered_map<Key, GRaster, KeyHash>;
  return *made;
}
}  // namespace

void GIdSurface::Picture(const GRaster& picture, int x, int y) {
  auto& made = Made();
  if (made.size() > 4000) made.clear();
  const Key key{picture.id, m_Id.r << 16 | m_Id.g << 8 | m_Id.b};
  auto it = made.find(key);
  if (it == made.end()) {
    GRaster r;
    r.width = picture.width;
    r.height = picture.height;
    r.rgba.resize(picture.rgba.size());
    for (size_t i = 0; i + 3 < r.rgba.size(); i += 4) {
      r.rgba[i] = (uint8_t)m_Id.r;
      r.rgba[i + 1] = (uint8_t)m_Id.g;
      r.rgba[i + 2] = (uint8_t)m_Id.b;
      r.rgba[i + 3] = picture.rgba[i + 3] ? 255 : 0;
    }
    it = made.emplace(key, std::move(r)).first;
  }
  m_Out.Picture(it->second, x, y);
}

bool Blends(const GRaster& picture) {
  for (size_t i = 3; i < picture.rgba.size(); i += 4)
    if (picture.rgba[i] != 0 && picture.rgba[i] != 255) return true;
  return false;
}
