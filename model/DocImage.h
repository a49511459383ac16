// The document seen as bytes: every record and setting that makes up what a
// person built (pools, sheets, hilights, view, names, settings, images) and a
// copy of them as they were last recorded. Comparing the live document with
// the copy finds exactly what an action changed, and a change can be written
// back either way, bit for bit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class GDocument;

// What one action changed: runs of bytes inside records, each with its
// bytes before and after, and the texts (names, formulas, captions) that
// changed. The sheet on screen before and after is kept beside them.
struct GChangeSet {
  struct Run {
    uint32_t part = 0, record = 0, offset = 0, length = 0;
    size_t at = 0;  // before bytes at `at`, after bytes at `at + length`
  };
  struct Text {
    uint32_t part = 0, record = 0, index = 0;
    std::string before, after;
  };
  std::vector<Run> runs;
  std::vector<unsigned char> bytes;
  std::vector<Text> texts;
  int sheetBefore = 0, sheetAfter = 0;

  bool Empty() const { return runs.empty() && texts.empty() && sheetBefore == sheetAfter; }
  // Bytes of memory the change holds.
  size_t Memory() const;
  // Before becomes after and after before.
  void Invert();
  // This change followed by `later`, as one.
  void Append(const GChangeSet& later);
};

// Appearance kept by the window rather than the document (the theme chosen,
// the axes, the Segment toggle), as bytes the window alone reads.
class GLooksKeeper {
 public:
  virtual ~GLooksKeeper() = default;
  virtual std::string Looks() const = 0;
  virtual void RestoreLooks(const std::string& looks) = 0;
};

class GDocImage {
 public:
  explicit GDocImage(GDocument& doc);
  // The live document becomes the recorded state.
  void Take();
  bool Taken() const { return m_Taken; }
  // What changed since the recorded state, which then follows the document.
  GChangeSet Diff();
  // Writes one side of a change into the document and the recorded state.
  void Apply(const GChangeSet& c, bool forward);
  // Whether the live document is exactly the recorded state.
  bool Matches();
  // Whether a change only chose or unchose elements (their hilight flags and
  // the hilight lists): a choice is no action of its own.
  bool OnlyChoosing(const GChangeSet& c) const;
  void SetLooksKeeper(GLooksKeeper* k) { m_Keeper = k; }

  // One kind of record: how many there are now, where record i lies (none
  // for a record that does not exist), its size, which of its bytes are not
  // recorded (caches, the blink phase, the bytes of its texts), and where
  // its texts lie.
  struct Part {
    std::function<int()> count;
    std::function<unsigned char*(int)> at;
    size_t size = 0;
    std::vector<unsigned char> skip;   // 1 for each byte left alone
    std::vector<size_t> texts;         // offsets of std::string members
    std::vector<unsigned char> fresh;  // a record as made, skipped bytes zero
  };
  // A copy of the recorded state, for comparing two moments whole (tests).
  struct Copy {
    std::vector<std::vector<unsigned char>> bytes;
    std::vector<std::vector<std::string>> texts;
    bool operator==(const Copy& o) const { return bytes == o.bytes && texts == o.texts; }
  };
  Copy Snapshot();

 private:
  void Grow(size_t part, int records);
  void ReadLooks();

  GDocument& m_Doc;
  GLooksKeeper* m_Keeper = nullptr;
  std::string m_Looks;  // the window's appearance, one more record
  std::vector<Part> m_Parts;
  std::vector<unsigned char> m_Choosing;  // per part: 1 for the hilight lists
  size_t m_HilightAt = 0;                 // where an element's hilight flag lies
  Copy m_Copy;
  int m_Sheet = 0;
  bool m_Taken = false;
};
