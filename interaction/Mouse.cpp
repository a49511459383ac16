// The mouse entry points of the canvas: every event records Shift and the
// pointer in the tool object, then goes to the left or right button handler,
// which picks the tool by interaction style (like Tovik, like Quil, touch
// panel) and tool mode.
#include "interaction/MyCanvas.h"

void MyCanvas::OnMouseEvent(wxMouseEvent& event) {
  ToolState& t = m_Tool;
  t.SetShift(event.ShiftDown());
  t.m_MousePos = event.GetPosition();
  wxPoint pos = t.m_MousePos;
  if (event.LeftDown()) {
    LButtonDown(pos);
  } else if (event.Dragging()) {
    if (t.m_LeftDown)
      LButtonDrag(pos);
    else if (t.m_RightDown)
      RButtonDrag(pos);
  } else if (event.LeftUp()) {
    LButtonUp(pos);
  } else if (event.RightDown()) {
    RButtonDown(pos);
  } else if (event.RightUp()) {
    RButtonUp(pos);
  }
  // A drag shows each step at once instead of waiting for the timer.
  if (t.MovingSomething() && m_RefreshPending) {
    Refresh(false);
    Update();
  }
  if (t.m_Mode == kModeCompass) t.m_CompassMouse = t.m_MousePos;
  event.Skip();
}

// A button released outside the canvas ends the gesture where the pointer
// was last seen inside.
void MyCanvas::LeaveWindow(wxMouseEvent& event) {
  wxPoint pos = m_Tool.m_MousePos;
  if (m_Tool.m_LeftDown) LButtonUp(pos);
  if (m_Tool.m_RightDown) RButtonUp(pos);
  event.Skip();
}

void MyCanvas::LButtonDown(wxPoint& pos) {
  ToolState& t = m_Tool;
  t.m_LeftDown = true;
  if (t.m_SlideShow) {
    if (t.m_SlideClick) t.m_SlideClick();
    return;
  }
  if (t.m_GMode == kGModeQuil) {
    t.m_Mode = kModeMove;
    LDown_Move(pos);
    return;
  }
  if (t.m_GMode != kGModeTovik) return;  // the touch panel acts on release only
  switch (t.m_Mode) {
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
  const ToolState& t = m_Tool;
  if (t.m_SlideShow) return;
  if (t.m_GMode == kGModeQuil) {
    LDrag_Move(pos);
    return;
  }
  if (t.m_GMode != kGModeTovik) return;
  if (t.m_Mode == kModeMove)
    LDrag_Move(pos);
  else if (t.m_Mode == kModeSPoint || TwoPointTool(t.m_Mode))
    LDrag_Point(pos);  // the point being placed follows the pointer
}

void MyCanvas::LButtonUp(wxPoint& pos) {
  ToolState& t = m_Tool;
  t.m_LeftDown = false;
  if (t.m_SlideShow) return;
  if (t.m_GMode == kGModeTovik) {
    switch (t.m_Mode) {
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
  } else if (t.m_GMode == kGModeQuil) {
    LUp_Move(pos);
    LUp_Select(pos);  // a click without a drag selects
    RefreshToolbar();
  } else if (t.m_GMode == kGModePanel) {
    PanelTap(pos);
  }
  Refresh(false);
}

namespace {
// The right button places points in the Quil style, unless a text or an
// image waits for its place, or a show runs.
bool RightPlaces(const ToolState& t) {
  return t.m_GMode == kGModeQuil && !t.m_SlideShow && !t.m_TextArmed && !t.m_ImageArmed;
}
}  // namespace

void MyCanvas::RButtonDown(wxPoint& pos) {
  m_Tool.m_RightDown = true;
  if (!RightPlaces(m_Tool)) return;
  m_Tool.m_Mode = kModeSPoint;
  LDown_SPoint(pos);
}

void MyCanvas::RButtonDrag(wxPoint& pos) {
  if (RightPlaces(m_Tool)) LDrag_Point(pos);
}

void MyCanvas::RButtonUp(wxPoint& pos) {
  ToolState& t = m_Tool;
  t.m_RightDown = false;
  if (t.m_SlideShow) return;
  if (t.m_GMode == kGModeTovik) {
    LUp_Select(pos);  // whatever the mode, the right button selects
  } else if (t.m_GMode == kGModeQuil) {
    if (t.m_TextArmed) {
      LUp_Text(pos);
    } else if (t.m_ImageArmed) {
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
  return ToolState::PanelButtonAt(pos, m_Painter.m_Height, m_Painter.m_ToolbarHeight);
}

void MyCanvas::PanelTap(wxPoint& pos) {
  const int button = PanelButtonAt(pos);
  if (button >= 0)
    m_Tool.TogglePanel(button);
  else
    PanelAction(pos);
}

void MyCanvas::PanelAction(wxPoint& pos) {
  ToolState& t = m_Tool;
  // The Keep button stands for Shift: what the tap selects joins the selection.
  if (t.m_PanelMove) {
    t.SetShift(t.m_PanelKeep);
    if (t.m_PanelPickedPoint || t.m_PanelPickedText || t.m_PanelPickedName) {
      // The second tap: what the first tap picked goes to this one.
      t.m_MovingPoint = t.m_PanelPickedPoint;
      t.m_MovingText = t.m_PanelPickedText;
      t.m_MovingName = t.m_PanelPickedName;
      t.m_GrabOffsetX = t.m_GrabOffsetY = 0;
      LDrag_Move(pos);
      LUp_Move(pos);
      t.DropPanelPicks();
    } else {
      LDown_Move(pos);
    }
    return;
  }
  if (t.m_PanelPoint) {
    if (t.m_TextArmed) {
      LUp_Text(pos);
    } else if (t.m_ImageArmed) {
      LUp_Image(pos);
    } else {
      t.SetShift(t.m_PanelKeep);
      // The release snaps as a drag that ends there would.
      LDown_SPoint(pos);
      LUp_SPoint(pos);
      RefreshToolbar();
    }
    return;
  }
  t.SetShift(t.m_PanelKeep);
  LUp_Select(pos);
  RefreshToolbar();
}
