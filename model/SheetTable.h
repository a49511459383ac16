// The sheet table: the sheets of a document in their order, how many are in
// use and which one is shown. Setting a count or a current sheet out of range
// is left to the invariant check to report; reaching a sheet asserts it.
#pragma once

#include <cassert>

#include "model/Pool.h"
#include "model/Sheet.h"

constexpr int kSheetPoolSize = 1000;

class GSheetTable {
 public:
  int Count() const { return m_Count; }
  int CurrentIndex() const { return m_Current; }
  void SetCount(int n) { m_Count = n; }
  void SetCurrent(int i) { m_Current = i; }
  // The sheet shown.
  GSheet& Current() {
    assert(m_Current >= 0 && m_Current < m_Count);
    return m_Slots[m_Current];
  }
  // Sheet i of those in use.
  GSheet& At(int i) {
    assert(i >= 0 && i < m_Count);
    return m_Slots[i];
  }
  // Every sheet below the count has been used, so its slot is made already.
  const GSheet& At(int i) const {
    assert(i >= 0 && i < m_Count);
    return const_cast<GPool<GSheet, kSheetPoolSize>&>(m_Slots)[i];
  }
  // Any record of the table, also one past the sheets in use (inserting and
  // deleting sheets move records about).
  GSheet& Slot(int i) { return m_Slots[i]; }
  // Every record made so far, in use or not.
  auto begin() { return m_Slots.begin(); }
  auto end() { return m_Slots.end(); }

 private:
  friend class GDocImage;
  GPool<GSheet, kSheetPoolSize> m_Slots;
  int m_Count = 1;
  int m_Current = 0;
};
