// The mouse entry points of the canvas. For now they only keep the pointer
// and button state that drawing reads (the compass circle, the quick curves
// while a button is held); the tools hang their work on these.
#include "render/MyCanvas.h"

void MyCanvas::OnMouseEvent(wxMouseEvent& event) {
  m_MousePos = event.GetPosition();
  m_ShiftDown = event.ShiftDown();
  if (event.LeftDown()) m_LeftDown = true;
  if (event.LeftUp()) m_LeftDown = false;
  if (event.RightDown()) m_RightDown = true;
  if (event.RightUp()) m_RightDown = false;
  if (m_Mode == 1014) m_CompassMouse = m_MousePos;
  event.Skip();
}

void MyCanvas::LeaveWindow(wxMouseEvent& event) {
  m_LeftDown = m_RightDown = false;
  event.Skip();
}
