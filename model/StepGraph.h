// Which earlier steps each step of a sheet reads: the dependency record the
// incidence walk uses to move only what a relation depends on. A step's value
// is a pure function of what it reads once the figure is evaluated, so a step
// reading nothing a nudged point drives need not be evaluated again. The
// document keeps one record and brings it up to date before each walk.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class GConst;
class GDocument;
class GPoint;
class GLine;
class GCircle;

struct GStepGraph {
  std::vector<GConst*> steps;  // list order
  // The producers step i reads: readList[readStart[i] .. readStart[i + 1]).
  std::vector<int> readStart{0}, readList;
  std::vector<char> readsAllEarlier;  // reads elements by name (texts in formulas)
  bool usable = true;                 // false: use the literal walk

  // Adds the steps appended to the sheet's list since the last call; from
  // the first step that differs from what was taken in (removed, replaced,
  // moved or given other inputs) on, it is taken in again.
  void Update(GDocument& doc);
  // Position of a step of the list, or -1.
  int Position(GDocument& doc, const GConst* c) const;
  // Position of the step that makes the element, or -1.
  int MakerOf(GDocument& doc, const GPoint* p) const;
  int MakerOf(GDocument& doc, const GLine* l) const;
  int MakerOf(GDocument& doc, const GCircle* c) const;

 private:
  void Reset();
  // Forgets the steps from position n on, undoing what each wrote.
  void Truncate(size_t n);
  void Append(GDocument& doc, GConst* c);
  int Maker(int pool, int slot) const;
  // Each step's kind, outputs and inputs as they were taken in.
  std::vector<uint64_t> m_Prints;
  unsigned m_Edits = 0;  // the document's count of list changes when last brought up to date
  // Position of the step made at each const slot, and of the maker of each
  // element slot of the five pools steps read from (-1: none); whether a slot
  // was read before any step made it.
  std::vector<int> m_StepAt;
  std::vector<int> m_MadeBy[5];
  std::vector<char> m_ReadFirst[5];
  // What taking in each step wrote, to be undone by Truncate: its const slot,
  // `usable` before it, and the table entries it changed (m_Undo from
  // m_UndoStart[i] on: pool, slot and the maker it replaced, or -2 for a
  // slot it marked as read first).
  struct Change {
    int pool, slot, before;
  };
  std::vector<int> m_ConstSlot, m_UndoStart;
  std::vector<char> m_UsableBefore;
  std::vector<Change> m_Undo;
};
