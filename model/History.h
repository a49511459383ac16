// GHistory: what a document remembers of its past — the undone steps waiting
// to be redone, a version number that grows with every change to a step
// list other than appending a step, by which records kept of a list (the
// step graph) know they are stale, and the era that tools' holds follow.
#pragma once

#include <cassert>

class GConst;

constexpr int kRedoStackSize = 255;

class GHistory {
 public:
  int RedoCount() const { return m_RedoCount; }
  bool CanRedo() const { return m_RedoCount > 0; }
  // The i-th undone step from the bottom (the one undone longest ago).
  GConst* RedoAt(int i) const { return i >= 0 && i < m_RedoCount ? m_Redo[i] : nullptr; }
  // Puts an undone step on top. When the stack is full, the step undone
  // longest ago is taken off the bottom and returned, for the caller to give
  // up for good; dropping the new one instead would leave a gap, and redo
  // would bring back steps whose inputs were never redone.
  GConst* PushRedo(GConst* c) {
    assert(c);
    GConst* dropped = nullptr;
    if (m_RedoCount == kRedoStackSize) {
      dropped = m_Redo[0];
      for (int i = 1; i < kRedoStackSize; ++i) m_Redo[i - 1] = m_Redo[i];
      --m_RedoCount;
    }
    m_Redo[m_RedoCount++] = c;
    Edited();
    return dropped;
  }
  // The last step undone, taken off the stack; none when it is empty.
  GConst* PopRedo() {
    if (m_RedoCount == 0) return nullptr;
    GConst* c = m_Redo[--m_RedoCount];
    m_Redo[m_RedoCount] = nullptr;
    return c;
  }
  // Forgets every undone step (their records are the caller's to free).
  void ClearRedo() {
    for (GConst*& c : m_Redo) c = nullptr;
    m_RedoCount = 0;
  }

  unsigned Version() const { return m_Version; }
  // A step list was changed otherwise than by appending a step.
  void Edited() { ++m_Version; }

  // The era grows whenever elements may have gone or the sheet changed under
  // a tool (undo, redo, erase, a sheet switch, clearing): every hold a tool
  // took before (model/Handle.h) lets go at once.
  unsigned Era() const { return m_Era; }
  void NewEra() { ++m_Era; }

 private:
  friend class GDocImage;
  GConst* m_Redo[kRedoStackSize] = {};
  int m_RedoCount = 0;
  unsigned m_Version = 0;
  unsigned m_Era = 0;
};
