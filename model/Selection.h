// The selection: the elements a person has chosen (hilighted), kept per kind
// in the order they were chosen, at most nine of each. The construction
// tools read their inputs from it (P1, P2, P3 are the first three points).
#pragma once

#include <type_traits>

class GPoint;
class GLine;
class GCircle;
class GParaCurve;
class GAngle;
class GImage;
class GBracket;

constexpr int kHilightSlots = 10;  // at most 9 are used

template <class T>
class GHilightList {
 public:
  int Count() const { return m_Count; }
  bool Empty() const { return m_Count == 0; }
  // The i-th chosen element; none past the last one.
  T* operator[](int i) const { return i >= 0 && i < kHilightSlots ? m_Item[i] : nullptr; }
  T* const* begin() const { return m_Item; }
  T* const* end() const { return m_Item + m_Count; }
  bool Contains(const T* e) const {
    for (int i = 0; i < m_Count; ++i)
      if (m_Item[i] == e) return true;
    return false;
  }
  // Adds e when not present and fewer than 9 are held.
  void Add(T* e) {
    if (!Contains(e) && m_Count <= 8) m_Item[m_Count++] = e;
  }
  // Removes e; the later entries move down.
  void Remove(T* e) {
    for (int i = 0; i < m_Count; ++i) {
      if (m_Item[i] == e) {
        for (int j = i; j + 1 < m_Count; ++j) m_Item[j] = m_Item[j + 1];
        m_Item[--m_Count] = nullptr;
        return;
      }
    }
  }
  void Clear() {
    for (int i = 0; i < kHilightSlots; ++i) m_Item[i] = nullptr;
    m_Count = 0;
  }

 private:
  T* m_Item[kHilightSlots] = {};
  int m_Count = 0;
};

class GSelection {
 public:
  GHilightList<GPoint>& Points() { return m_Points; }
  GHilightList<GLine>& Lines() { return m_Lines; }
  GHilightList<GCircle>& Circles() { return m_Circles; }
  GHilightList<GParaCurve>& Curves() { return m_Curves; }
  GHilightList<GAngle>& Angles() { return m_Angles; }
  GHilightList<GImage>& Images() { return m_Images; }
  GHilightList<GBracket>& Brackets() { return m_Brackets; }
  const GHilightList<GPoint>& Points() const { return m_Points; }
  const GHilightList<GLine>& Lines() const { return m_Lines; }
  const GHilightList<GCircle>& Circles() const { return m_Circles; }
  const GHilightList<GParaCurve>& Curves() const { return m_Curves; }
  const GHilightList<GAngle>& Angles() const { return m_Angles; }
  const GHilightList<GImage>& Images() const { return m_Images; }
  const GHilightList<GBracket>& Brackets() const { return m_Brackets; }
  // The list of an element kind, for code written once for every kind.
  GHilightList<GPoint>& Of(const GPoint*) { return m_Points; }
  GHilightList<GLine>& Of(const GLine*) { return m_Lines; }
  GHilightList<GCircle>& Of(const GCircle*) { return m_Circles; }
  GHilightList<GParaCurve>& Of(const GParaCurve*) { return m_Curves; }
  GHilightList<GAngle>& Of(const GAngle*) { return m_Angles; }
  GHilightList<GImage>& Of(const GImage*) { return m_Images; }
  GHilightList<GBracket>& Of(const GBracket*) { return m_Brackets; }
  // Chooses (or unchooses) an element: its flag and its kind's list kept in
  // step; a chosen point's blinking restarts at frame 3. None is ignored.
  template <class T>
  void Choose(T* e) {
    if (!e) return;
    e->hilighted = 1;
    if constexpr (std::is_same_v<T, GPoint>) e->hilightCounter = 3;
    Of(e).Add(e);
  }
  template <class T>
  void Unchoose(T* e) {
    if (!e) return;
    e->hilighted = 0;
    Of(e).Remove(e);
  }
  // Whether nothing at all is chosen.
  bool Empty() const {
    return m_Points.Empty() && m_Lines.Empty() && m_Circles.Empty() && m_Curves.Empty() &&
           m_Angles.Empty() && m_Images.Empty() && m_Brackets.Empty();
  }
  // Empties every list (the elements' own flags are the document's business).
  void ClearLists() {
    m_Points.Clear();
    m_Lines.Clear();
    m_Circles.Clear();
    m_Curves.Clear();
    m_Angles.Clear();
    m_Images.Clear();
    m_Brackets.Clear();
  }

 private:
  GHilightList<GPoint> m_Points;
  GHilightList<GLine> m_Lines;
  GHilightList<GCircle> m_Circles;
  GHilightList<GParaCurve> m_Curves;
  GHilightList<GAngle> m_Angles;
  GHilightList<GImage> m_Images;
  GHilightList<GBracket> m_Brackets;
};
