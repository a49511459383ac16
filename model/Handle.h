// GHandle: a tool's hold on an element across mouse events. It knows when the
// element may have gone: a new era of the document began (an undo, redo,
// erase, sheet switch or clearing announced it), or the element's pool slot
// was given back or handed out again (its serial stamp changed). Then it
// gives none instead of a pointer that dangles.
#pragma once

#include <cassert>

#include "model/History.h"

template <class T>
class GHandle {
 public:
  // A hold that reads the document's era from `clock`.
  explicit GHandle(const GHistory* clock) : m_Clock(clock) { assert(clock); }
  GHandle(const GHandle&) = default;
  GHandle& operator=(const GHandle&) = default;

  // Takes hold of e (none for nullptr) in the present era.
  GHandle& operator=(T* e) {
    m_Ptr = e;
    m_Era = m_Clock->Era();
    m_Serial = SerialOf(e, 0);
    return *this;
  }
  // The element held, or none when it may have gone since.
  T* Get() const {
    if (!m_Ptr || m_Era != m_Clock->Era()) return nullptr;
    return Alive(m_Ptr, m_Serial, 0) ? m_Ptr : nullptr;
  }
  operator T*() const { return Get(); }
  T* operator->() const { return Get(); }

 private:
  // Kinds kept in pools carry an in-use byte and a serial stamp; others (the
  // pictures, which live on the heap and must not be read once freed) are
  // held for the era alone: every road that frees them begins a new one.
  template <class U>
  static auto SerialOf(const U* e, int) -> decltype(e->serial, 0u) {
    return e ? e->serial : 0u;
  }
  template <class U>
  static unsigned SerialOf(const U*, long) {
    return 0;
  }
  template <class U>
  static auto Alive(const U* e, unsigned serial, int) -> decltype(e->serial, true) {
    return e->inUse && e->serial == serial;
  }
  template <class U>
  static bool Alive(const U*, unsigned, long) {
    return true;
  }

  const GHistory* m_Clock;
  T* m_Ptr = nullptr;
  unsigned m_Era = 0;
  unsigned m_Serial = 0;
};
