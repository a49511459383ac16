// A table from names to values that keeps no copy of a name: each key points
// at a string held elsewhere (an element's name). Reading a figure looks up
// hundreds of names, and a node and a string copied per name cost more than
// the lookups.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The strings the keys point at must stay as they are while the table is in
// use. Open addressing, probing the next slot, at most three quarters full.
template <class V>
class GNameTable {
 public:
  // Adds name -> v; a name already there keeps its first value.
  void Insert(const std::string& name, V v) {
    if (4 * (used_ + 1) > 3 * slots_.size()) Grow();
    Slot& s = SlotFor(name);
    if (s.key) return;
    s = Slot{&name, v};
    ++used_;
  }
  // The value of the name, or none.
  const V* Find(std::string_view name) const {
    if (slots_.empty()) return nullptr;
    const Slot& s = const_cast<GNameTable*>(this)->SlotFor(name);
    return s.key ? &s.value : nullptr;
  }
  void Clear() {
    slots_.clear();
    used_ = 0;
  }

 private:
  struct Slot {
    const std::string* key = nullptr;
    V value{};
  };
  static size_t Hash(std::string_view s) {
    uint64_t h = 1469598103934665603ull;  // FNV-1a
    for (unsigned char c : s) h = (h ^ c) * 1099511628211ull;
    return (size_t)(h ^ (h >> 29));
  }
  // The slot holding the name, or the empty slot where it would go.
  Slot& SlotFor(std::string_view name) {
    const size_t mask = slots_.size() - 1;
    for (size_t i = Hash(name) & mask;; i = (i + 1) & mask)
      if (!slots_[i].key || *slots_[i].key == name) return slots_[i];
  }
  void Grow() {
    std::vector<Slot> old;
    old.swap(slots_);
    slots_.resize(old.empty() ? 64 : 2 * old.size());
    for (const Slot& s : old)
      if (s.key) SlotFor(*s.key) = s;
  }

  std::vector<Slot> slots_;
  size_t used_ = 0;
};
