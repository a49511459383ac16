// The mouse entry points of the canvas: every event records Shift and the
// pointer, then goes to the left or right button handler, which picks the tool
// by interaction style (like Tovik, like Quil, touch panel) and tool mode.
#include "render/MyCanvas.h"

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
  if (m_Mode == kModeCompass) m_CompassMouse = m_MousePos;
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
  if (m_GMode == kGModeQuil) {
    m_Mode = kModeMove;
    LDown_Move(pos);
    return;
  }
  if (m_GMode != kGModeTovik) return;  // the touch panel acts on release only
  switch (m_Mode) {
    case kModeMove:
      LDown_Move(pos);
      break;
    case kModeSPoint:
      LDown_SPoint(pos);
      break;
    case kModeMLine:
      LDown_MLine(pos);
      break;
    case kModePara:
      LDown_Para(pos);
      break;
    case kModePerp:
      LDown_Perp(pos);
      break;
    case kModeMid:
      LDown_Mid(pos);
      break;
    case kModeMCircle:
      LDown_MCircle(pos);
      break;
    case kModeBisector:
      LDown_Bisector(pos);
      break;
    case kModeLineWithAngle:
      LDown_LineWithAngle(pos);
      break;
    case kModeBracket:
      LDown_Bracket(pos);
      break;
    default:
      break;
  }
}

void MyCanvas::LButtonDrag(wxPoint& pos) {
  if (m_SlideShow) return;
  m_Doc->m_ShiftDown = m_ShiftDown;
  if (m_GMode == kGModeQuil) {
    LDrag_Move(pos);
    return;
  }
  if (m_GMode != kGModeTovik) return;
  switch (m_Mode) {
    case kModeMove:
      LDrag_Move(pos);
      break;
    case kModeSPoint:
    case kModeMLine:
    case kModePara:
    case kModePerp:
    case kModeMid:
    case kModeMCircle:
    case kModeLineWithAngle:
    case kModeBracket:
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
  if (m_GMode == kGModeTovik) {
    switch (m_Mode) {
      case kModeMove:
        LUp_Move(pos);
        break;
      case kModeSPoint:
        LUp_SPoint(pos);
        break;
      case kModeMLine:
        LUp_MLine(pos);
        break;
      case kModePara:
        LUp_Para(pos);
        break;
      case kModePerp:
        LUp_Perp(pos);
        break;
      case kModeMid:
        LUp_Mid(pos);
        break;
      case kModeMCircle:
        LUp_MCircle(pos);
        break;
      case kModeBisector:
        LUp_Bisector(pos);
        break;
      case kModeTangent:
        LUp_Tangent(pos);
        break;
      case kModeText:
        LUp_Text(pos);
        break;
      case kModeCompass:
        LUp_Compass(pos);
        break;
      case kModeOrbit:
        LUp_Orbit(pos);
        break;
      case kModeCircleBy3:
        LUp_CircleBy3(pos);
        break;
      case kModeAngle:
        LUp_Angle(pos);
        break;
      case kModeLineWithAngle:
        LUp_LineWithAngle(pos);
        break;
      case kModeImage:
        LUp_Image(pos);
        break;
      case kModeBracket:
        LUp_Bracket(pos);
        break;
      case kModeSelect:
        LUp_Select(pos);
        break;
      default:
        break;
    }
  } else if (m_GMode == kGModeQuil) {
    LUp_Move(pos);
    LUp_Select(pos);  // a click without a drag selects
    RefreshToolbar();
  } else if (m_GMode == kGModePanel) {
    PanelTap(pos);
  }
  Refresh(false);
}

void MyCanvas::RButtonDown(wxPoint& pos) {
  m_RightDown = true;
  if (m_GMode != kGModeQuil || m_SlideShow || m_TextArmed || m_ImageArmed) return;
  m_Doc->m_ShiftDown = m_ShiftDown;
  m_Mode = kModeSPoint;
  LDown_SPoint(pos);
}

void MyCanvas::RButtonDrag(wxPoint& pos) {
  if (m_GMode != kGModeQuil || m_SlideShow || m_TextArmed || m_ImageArmed) return;
  m_Doc->m_ShiftDown = m_ShiftDown;
  LDrag_Point(pos);
}

void MyCanvas::RButtonUp(wxPoint& pos) {
  m_RightDown = false;
  if (m_SlideShow) return;
  m_Doc->m_ShiftDown = m_ShiftDown;
  if (m_GMode == kGModeTovik) {
    LUp_Select(pos);  // whatever the mode, the right button selects
  } else if (m_GMode == kGModeQuil) {
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
