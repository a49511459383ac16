// The mouse entry points of the canvas: every event records Shift and the
// pointer, then goes to the left or right button handler, which picks the tool
// by interaction style (like Tovik, like Quil, touch panel) and tool mode.
#include "render/MyCanvas.h"

namespace {
constexpr int kTovik = 1500, kQuil = 1501, kPanel = 1503;
}  // namespace

void MyCanvas::OnMouseEvent(wxMouseEvent& event) {
  m_ShiftDown = event.ShiftDown();
  m_Doc->m_ShiftDown = m_ShiftDown;
  m_MousePos = event.GetPosition();
  wxPoint pos = m_MousePos;
  if (event.LeftDown()) {
    LButtonDown(pos);
  } else if (event.Dragging()) {
    if (m_LeftDown)
      LButtonDrag(pos);
    else if (m_RightDown)
      RButtonDrag(pos);
  } else if (event.LeftUp()) {
    LButtonUp(pos);
  } else if (event.RightDown()) {
    RButtonDown(pos);
  } else if (event.RightUp()) {
    RButtonUp(pos);
  }
  // A drag shows each step at once instead of waiting for the timer.
  if ((m_MovingPoint || m_MovingText || m_MovingName) && m_RefreshPending) {
    Refresh(false);
    Update();
  }
  if (m_Mode == 1014) m_CompassMouse = m_MousePos;
  event.Skip();
}

// A button released outside the canvas ends the gesture where the pointer
// was last seen inside.
void MyCanvas::LeaveWindow(wxMouseEvent& event) {
  wxPoint pos = m_MousePos;
  if (m_LeftDown) LButtonUp(pos);
  if (m_RightDown) RButtonUp(pos);
  event.Skip();
}

void MyCanvas::LButtonDown(wxPoint& pos) {
  m_LeftDown = true;
  if (m_SlideShow) {
    if (m_SlideClick) m_SlideClick();
    return;
  }
  m_Doc->m_ShiftDown = m_ShiftDown;
  if (m_GMode == kQuil) {
    m_Mode = 1000;
    LDown_Move(pos);
    return;
  }
  if (m_GMode != kTovik) return;  // the touch panel acts on release only
  switch (m_Mode) {
    case 1000:
      LDown_Move(pos);
      break;
    case 1001:
      LDown_SPoint(pos);
      break;
    case 1002:
      LDown_MLine(pos);
      break;
    case 1003:
      LDown_Para(pos);
      break;
    case 1004:
      LDown_Perp(pos);
      break;
    case 1005:
      LDown_Mid(pos);
      break;
    case 1006:
      LDown_MCircle(pos);
      break;
    case 1007:
      LDown_Bisector(pos);
      break;
    case 1021:
      LDown_LineWithAngle(pos);
      break;
    case 1025:
      LDown_Bracket(pos);
      break;
    default:
      break;
  }
}

void MyCanvas::LButtonDrag(wxPoint& pos) {
  if (m_SlideShow) return;
  m_Doc->m_ShiftDown = m_ShiftDown;
  if (m_GMode == kQuil) {
    LDrag_Move(pos);
    return;
  }
  if (m_GMode != kTovik) return;
  switch (m_Mode) {
    case 1000:
      LDrag_Move(pos);
      break;
    case 1001:
    case 1002:
    case 1003:
    case 1004:
    case 1005:
    case 1006:
    case 1021:
    case 1025:
      LDrag_Point(pos);  // the point being placed follows the pointer
      break;
    default:
      break;
  }
}

void MyCanvas::LButtonUp(wxPoint& pos) {
  m_LeftDown = false;
  if (m_SlideShow) return;
  m_Doc->m_ShiftDown = m_ShiftDown;
  if (m_GMode == kTovik) {
    switch (m_Mode) {
      case 1000:
        LUp_Move(pos);
        break;
      case 1001:
        LUp_SPoint(pos);
        break;
      case 1002:
        LUp_MLine(pos);
        break;
      case 1003:
        LUp_Para(pos);
        break;
      case 1004:
        LUp_Perp(pos);
        break;
      case 1005:
        LUp_Mid(pos);
        break;
      case 1006:
        LUp_MCircle(pos);
        break;
      case 1007:
        LUp_Bisector(pos);
        break;
      case 1012:
        LUp_Tangent(pos);
        break;
      case 1013:
        LUp_Text(pos);
        break;
      case 1014:
        LUp_Compass(pos);
        break;
      case 1015:
        LUp_Orbit(pos);
        break;
      case 1016:
        LUp_CircleBy3(pos);
        break;
      case 1020:
        LUp_Angle(pos);
        break;
      case 1021:
        LUp_LineWithAngle(pos);
        break;
      case 1024:
        LUp_Image(pos);
        break;
      case 1025:
        LUp_Bracket(pos);
        break;
      case 1100:
        LUp_Select(pos);
        break;
      default:
        break;
    }
  } else if (m_GMode == kQuil) {
    LUp_Move(pos);
    LUp_Select(pos);  // a click without a drag selects
    RefreshToolbar();
  } else if (m_GMode == kPanel) {
    PanelTap(pos);
  }
  Refresh(false);
}

void MyCanvas::RButtonDown(wxPoint& pos) {
  m_RightDown = true;
  if (m_GMode != kQuil || m_SlideShow || m_TextArmed || m_ImageArmed) return;
  m_Doc->m_ShiftDown = m_ShiftDown;
  m_Mode = 1001;
  LDown_SPoint(pos);
}

void MyCanvas::RButtonDrag(wxPoint& pos) {
  if (m_GMode != kQuil || m_SlideShow || m_TextArmed || m_ImageArmed) return;
  m_Doc->m_ShiftDown = m_ShiftDown;
  LDrag_Point(pos);
}

void MyCanvas::RButtonUp(wxPoint& pos) {
  m_RightDown = false;
  if (m_SlideShow) return;
  m_Doc->m_ShiftDown = m_ShiftDown;
  if (m_GMode == kTovik) {
    LUp_Select(pos);  // whatever the mode, the right button selects
  } else if (m_GMode == kQuil) {
    if (m_TextArmed) {
      LUp_Text(pos);
    } else if (m_ImageArmed) {
      LUp_Image(pos);
    } else {
      LUp_SPoint(pos);
      RefreshToolbar();
    }
  }
  Refresh(false);
}

// ---- the touch panel: everything happens on the tap ----

int MyCanvas::PanelButtonAt(const wxPoint& pos) const {
  // The buttons sit on the bottom edge of the canvas window, which is the
  // toolbar's height shorter than the frame's client area.
  const int top = m_Height - m_ToolbarHeight - 32;
  if (pos.y < top || pos.y >= top + 32 || pos.x < 0 || pos.x >= 3 * 64) return -1;
  return pos.x / 64;
}

void MyCanvas::PanelTap(wxPoint& pos) {
  switch (PanelButtonAt(pos)) {
    case 0:
      m_PanelKeep = !m_PanelKeep;
      break;
    case 1:
      m_PanelPoint = !m_PanelPoint;
      break;
    case 2:
      m_PanelMove = !m_PanelMove;
      m_PanelPickedPoint = m_PanelPickedText = m_PanelPickedName = false;
      break;
    default:
      PanelAction(pos);
      break;
  }
  m_PanelPressed[0] = m_PanelKeep;
  m_PanelPressed[1] = m_PanelPoint;
  m_PanelPressed[2] = m_PanelMove;
}

void MyCanvas::PanelAction(wxPoint& pos) {
  if (m_PanelMove) {
    m_ShiftDown = m_Doc->m_ShiftDown = m_PanelKeep;
    if (m_PanelPickedPoint || m_PanelPickedText || m_PanelPickedName) {
      // The second tap: what the first tap picked goes to this one.
      m_MovingPoint = m_PanelPickedPoint;
      m_MovingText = m_PanelPickedText;
      m_MovingName = m_PanelPickedName;
      m_GrabOffsetX = m_GrabOffsetY = 0;
      LDrag_Move(pos);
      LUp_Move(pos);
      m_PanelPickedPoint = m_PanelPickedText = m_PanelPickedName = false;
    } else {
      LDown_Move(pos);
    }
    return;
  }
  if (m_PanelPoint) {
    if (m_TextArmed) {
      LUp_Text(pos);
    } else if (m_ImageArmed) {
      LUp_Image(pos);
    } else {
      m_ShiftDown = m_Doc->m_ShiftDown = m_PanelKeep;
      // A drag step between press and release, so the tap snaps as a drag
      // that ends there would.
      LDown_SPoint(pos);
      LDrag_Point(pos);
      LUp_SPoint(pos);
      RefreshToolbar();
    }
    return;
  }
  m_ShiftDown = m_Doc->m_ShiftDown = m_PanelKeep;
  LUp_Select(pos);
  RefreshToolbar();
}
