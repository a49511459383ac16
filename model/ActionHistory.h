// GActionHistory: every action that changed the document, as the bytes it
// changed (model/DocImage.h), so that Undo takes back and Redo applies again
// any action whatever it was: a construction, the eraser, a drag, a rename, a
// restyle, a sheet inserted or deleted, a script applied. The construction
// list stays the history of the figure: when no action is left to take back
// (a figure just opened), Undo takes back its steps one by one.
#pragma once

#include <cstddef>
#include <deque>
#include <string>

#include "model/DocImage.h"

class GDocument;

// The oldest actions are dropped beyond either limit, so a long lesson never
// runs the memory out: at most this many actions, and at most this many
// bytes for all of them together (the newest action is always kept).
constexpr size_t kMaxActions = 1000;
constexpr size_t kMaxActionBytes = size_t{256} << 20;

class GActionHistory {
 public:
  explicit GActionHistory(GDocument& doc) : m_Doc(doc), m_Image(doc) {}

  // Forgets every action; the document as it is now is where Undo stops (a
  // new or opened document). Images no sheet holds are freed with it.
  void Reset();
  // Changes made since the last record are no action (a sheet switch, the
  // window's size, a slide show): they are taken as they are, never undone.
  // A choice of elements waiting for the next action keeps waiting.
  void Absorb();
  // What the next recorded action is called, when the command knows better
  // than its menu label ("erase 3 elements").
  void Name(const std::string& label) { m_Named = label; }
  // Records what changed since the last record as one action called `label`
  // (or the name given before); false, and nothing recorded, when nothing
  // changed. A new action gives up the actions that were undone.
  bool Commit(const std::string& label);

  // Takes back the last action (on the sheet it was made on, which becomes
  // current), or, with none left, the last step of the current sheet's list.
  bool Undo() { return Move(true); }
  bool Redo() { return Move(false); }
  bool CanUndo() const;
  bool CanRedo() const;
  // What Undo and Redo would take back or apply again, for the menu, the
  // toolbar's tooltip and the status bar ("Undo: erase 3 elements").
  std::string UndoText() const;
  std::string RedoText() const;

  size_t UndoCount() const { return m_Undo.size(); }
  size_t RedoCount() const { return m_Redo.size(); }
  size_t Memory() const { return m_Bytes; }
  GDocImage& Image() { return m_Image; }

 private:
  struct Action {
    std::string label;
    GChangeSet change;
  };
  void Restored(bool switched);
  void DropChoice();
  bool Move(bool back);
  void Trim();

  GDocument& m_Doc;
  GDocImage m_Image;
  std::deque<Action> m_Undo, m_Redo;
  std::string m_Named;
  GChangeSet m_Pending;  // a choice made before any action, waiting for one
  size_t m_Bytes = 0;
};
