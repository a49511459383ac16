// The whole life of a point drag of the Move tool: the press that takes hold
// of a point, the motion steps that move it, and the release; with the
// hilight rules of press and release.
#include "model/Gesture.h"

bool GGesture::BeginDrag(GPoint* p, bool shift) {
  m_ShiftDown = shift;
  m_DragPoint = p;
  // The displacement of an earlier drag says nothing about this one: the
  // intersections must not predict their branch from it.
  if (p)
    for (GPoint* q = m_Doc.Sheet().points.head; q; q = q->next) q->dX = q->dY = 0;
  if (!shift) m_Doc.ClearAllHilights();
  m_Doc.Sethilighted(p);
  return m_Doc.CanMovePoint(p);
}

bool GGesture::DragTo(double x, double y) {
  ToWholeUnits(&x, &y);
  return m_DragPoint && m_Doc.MovePoint(m_DragPoint, x, y);
}

void GGesture::EndDrag(bool shift) {
  m_ShiftDown = shift;
  m_Doc.SetMovingPoint(nullptr);
  if (!shift)
    for (GPoint* q = m_Doc.Sheet().points.head; q; q = q->next) q->hilighted = 0;
  if (m_DragPoint && m_DragPoint->inUse) m_Doc.Sethilighted(m_DragPoint);
  m_DragPoint = nullptr;
}
