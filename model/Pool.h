// A fixed pool of N records whose slots are made on first use. The pool never
// grows or moves, so a slot keeps its address for the document's life; but a
// document that holds a few hundred elements only touches the memory of those
// (a fresh document is ready without writing megabytes of empty records).
#pragma once

#include <cassert>
#include <cstddef>
#include <new>

template <class T, int N>
class GPool {
 public:
  GPool() = default;
  ~GPool() {
    for (int i = 0; i < m_Built; ++i) Slot(i)->~T();
  }
  GPool(const GPool&) = delete;
  GPool& operator=(const GPool&) = delete;

  static constexpr int size() { return N; }
  // Slot i, made (as a fresh, unused record) when it was never made before.
  T& operator[](int i) {
    assert(i >= 0 && i < N);
    Build(i + 1);
    return *Slot(i);
  }
  // The slots made so far: every slot ever used lies among them, so walks
  // over records in use need go no further.
  int Built() const { return m_Built; }
  T* begin() { return Slot(0); }
  T* end() { return Slot(m_Built); }
  const T* begin() const { return Slot(0); }
  const T* end() const { return Slot(m_Built); }
  // Whether e is a slot of this pool, and which.
  bool Holds(const T* e) const { return e && e >= Slot(0) && e < Slot(N); }
  int IndexOf(const T* e) const { return Holds(e) ? static_cast<int>(e - Slot(0)) : -1; }
  // The lowest slot not in use, made when every made slot is taken; none
  // when all N are in use. The search starts at the last slot handed out:
  // every slot below it was in use then, and one given back since lowers the
  // start (Released). A slot given back without saying so is still found
  // once no slot above is free and none can be made.
  T* FirstFree() {
    for (int i = m_Hint; i < m_Built; ++i)
      if (!Slot(i)->inUse) return Handed(i);
    if (m_Built < N) {
      Build(m_Built + 1);
      return Handed(m_Built - 1);
    }
    for (int i = 0; i < m_Hint && i < m_Built; ++i)
      if (!Slot(i)->inUse) return Handed(i);
    return nullptr;
  }
  // The slot of e is no longer in use (or may not be): searches start there.
  void Released(const T* e) {
    const int i = IndexOf(e);
    if (i >= 0 && i < m_Hint) m_Hint = i;
  }
  void ReleasedAll() { m_Hint = 0; }

 private:
  void Build(int n) {
    if (n > N) n = N;
    while (m_Built < n) new (Slot(m_Built++)) T();
  }
  T* Slot(int i) { return reinterpret_cast<T*>(m_Raw) + i; }
  const T* Slot(int i) const { return reinterpret_cast<const T*>(m_Raw) + i; }

  T* Handed(int i) {
    m_Hint = i;
    return Slot(i);
  }

  alignas(T) unsigned char m_Raw[sizeof(T) * N];
  int m_Built = 0;
  int m_Hint = 0;  // every slot below it is in use, unless given back unsaid
};
