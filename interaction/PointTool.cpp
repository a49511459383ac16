// The Point tool at pixel positions: the press makes a free point under the
// pointer, each drag step pulls it onto nearby points, lines, circles and
// curves, and the release lets the document decide what the point becomes.
#include "interaction/MyCanvas.h"

void MyCanvas::LDown_SPoint(wxPoint& pos) {
  Gesture().LDown_SPoint(WorldX(pos.x), WorldY(pos.y));
  // The new point is in no list until the release: the preview shows it.
  m_Tool.m_Preview = Gesture().Placing();
  m_Tool.m_PreviewPoint[0] = Gesture().PointBeingPlaced();
  Refresh(false);
}

void MyCanvas::LDrag_Point(wxPoint& pos) {
  if (!Gesture().Placing()) return;  // a drag without its press
  Gesture().LDrag_Point(WorldX(pos.x), WorldY(pos.y));
  m_RefreshPending = true;
}

void MyCanvas::LUp_SPoint(wxPoint& pos) {
  if (!Gesture().Placing()) return;  // a release without its press places nothing
  Gesture().LUp_SPoint(WorldX(pos.x), WorldY(pos.y));
  m_Tool.m_Preview = false;
  m_Tool.m_PreviewPoint[0] = nullptr;
  m_RefreshPending = true;
}
