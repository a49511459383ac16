// The element store: one fixed pool per kind of element, step and incidence
// record, and the serial stamp every slot handed out takes, written once for
// all kinds. The document owns it by value, inside its one large block.
#pragma once

#include "model/GConst.h"
#include "model/Pool.h"

constexpr int kPoolSize = 1000;
constexpr int kCurvePoolSize = 50;

class GElementStore {
 public:
  GPool<GPoint, kPoolSize>& Points() { return m_Points; }
  GPool<GLine, kPoolSize>& Lines() { return m_Lines; }
  GPool<GCircle, kPoolSize>& Circles() { return m_Circles; }
  GPool<GConst, kPoolSize>& Steps() { return m_Steps; }
  GPool<GIncident, kPoolSize>& Incidents() { return m_Incidents; }
  GPool<GText, kPoolSize>& Texts() { return m_Texts; }
  GPool<GParaCurve, kCurvePoolSize>& Curves() { return m_Curves; }
  GPool<GAngle, kPoolSize>& Angles() { return m_Angles; }
  GPool<GBracket, kPoolSize>& Brackets() { return m_Brackets; }

  // The pool of a kind, for code written once for every kind.
  auto& PoolOf(const GPoint*) { return m_Points; }
  auto& PoolOf(const GLine*) { return m_Lines; }
  auto& PoolOf(const GCircle*) { return m_Circles; }
  auto& PoolOf(const GConst*) { return m_Steps; }
  auto& PoolOf(const GText*) { return m_Texts; }
  auto& PoolOf(const GParaCurve*) { return m_Curves; }
  auto& PoolOf(const GAngle*) { return m_Angles; }
  auto& PoolOf(const GBracket*) { return m_Brackets; }

  // The lowest free slot of kind T, in use and stamped with a serial no
  // earlier slot had, so that a hold on its former element lets go. The
  // caller fills in the rest; none when the pool is full.
  template <class T>
  T* Take() {
    T* e = PoolOf(static_cast<const T*>(nullptr)).FirstFree();
    if (!e) return nullptr;
    e->inUse = 1;
    e->serial = ++m_Serial;
    return e;
  }
  // Gives back every element from `from` to the end of its list (the caller
  // forgets the list). Freeing order is not observable for pool slots.
  // Every pool searches for a free slot from its first again (the slots'
  // in-use marks were written back from a record).
  void ForgetHints() {
    m_Points.ReleasedAll();
    m_Lines.ReleasedAll();
    m_Circles.ReleasedAll();
    m_Steps.ReleasedAll();
    m_Incidents.ReleasedAll();
    m_Texts.ReleasedAll();
    m_Curves.ReleasedAll();
    m_Angles.ReleasedAll();
    m_Brackets.ReleasedAll();
  }
  template <class T>
  void FreeAll(T* from) {
    for (T* e = from; e; e = e->next) e->inUse = 0;
    PoolOf(static_cast<const T*>(nullptr)).ReleasedAll();
  }

 private:
  friend class GDocImage;
  // The pools every figure uses first; the rarely used ones lie after them,
  // at the end of the document's block.
  GPool<GPoint, kPoolSize> m_Points;
  GPool<GLine, kPoolSize> m_Lines;
  GPool<GCircle, kPoolSize> m_Circles;
  GPool<GConst, kPoolSize> m_Steps;
  GPool<GIncident, kPoolSize> m_Incidents;
  unsigned m_Serial = 0;
  GPool<GText, kPoolSize> m_Texts;
  GPool<GParaCurve, kCurvePoolSize> m_Curves;
  GPool<GAngle, kPoolSize> m_Angles;
  GPool<GBracket, kPoolSize> m_Brackets;
};
