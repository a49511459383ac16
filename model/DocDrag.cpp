// The whole life of a point drag of the Move tool: the press that takes hold
// of a point, the motion steps that move it, and the release; with the
// hilight rules of press and release.
#include "model/Document.h"

bool GDocument::BeginDrag(GPoint* p, bool shift) {
  m_ShiftDown = shift;
  m_DragPoint = p;
  // The displacement of an earlier drag says nothing about this one: the
  // intersections must not predict their branch from it.
  if (p)
    for (GPoint* q = Sheet().points.head; q; q = q->next) q->dX = q->dY = 0;
  if (!shift) ClearAllHilights();
  Sethilighted(p);
  return CanMovePoint(p);
}

bool GDocument::DragTo(double x, double y) { return m_DragPoint && MovePoint(m_DragPoint, x, y); }

void GDocument::EndDrag(bool shift) {
  m_ShiftDown = shift;
  m_MovingPoint = nullptr;
  if (!shift)
    for (GPoint* q = Sheet().points.head; q; q = q->next) q->hilighted = 0;
  if (m_DragPoint && m_DragPoint->inUse) Sethilighted(m_DragPoint);
  m_DragPoint = nullptr;
}
