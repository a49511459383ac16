// The tool object's own rules: where the touch-panel buttons are and what a
// tap on one toggles, what a sheet switch drops, and the overlay the painter
// draws over the figure.
#include "interaction/ToolState.h"

#include <cmath>

int ToolState::PanelButtonAt(const wxPoint& pos, int height, int toolbar) {
  // The buttons sit on the bottom edge of the canvas window, which is the
  // toolbar's height shorter than the frame's client area.
  const int top = height - toolbar - 32;
  if (pos.y < top || pos.y >= top + 32 || pos.x < 0 || pos.x >= 3 * 64) return -1;
  return pos.x / 64;
}

void ToolState::SwitchStyle(GStyle style) {
  m_Clipping = false;
  SetStyle(style);
  if (style != kGModeTovik) m_TextArmed = m_ImageArmed = false;
  if (style == kGModePanel) {
    SetPanel(false, false, false);
    DropPanelPicks();
  }
}

void ToolState::TogglePanel(int button) {
  switch (button) {
    case 0:
      m_PanelKeep = !m_PanelKeep;
      break;
    case 1:
      m_PanelPoint = !m_PanelPoint;
      break;
    case 2:
      m_PanelMove = !m_PanelMove;
      DropPanelPicks();
      break;
    default:
      return;
  }
  m_PanelPressed[0] = m_PanelKeep;
  m_PanelPressed[1] = m_PanelPoint;
  m_PanelPressed[2] = m_PanelMove;
}

void ToolState::DropPicks() {
  m_PickedPoint = nullptr;
  m_PickedText = nullptr;
  m_PickedName = nullptr;
  m_MovingPoint = m_MovingText = m_MovingName = m_MovingBracket = false;
  m_MovingImage = 0;
  m_Preview = false;
  m_PreviewPoint[0] = m_PreviewPoint[1] = nullptr;
  m_PreviewLine = nullptr;
  m_PreviewCircle = nullptr;
  m_PreviewBracket = nullptr;
}

GOverlay ToolState::Overlay() {
  GOverlay o;
  o.quickCurves = m_LeftDown;
  o.compassMode = m_Mode == kModeCompass;
  if (m_Mode == kModeMove && m_CloneOn && m_Dragging) {
    o.afterPoints = m_AfterPoints;
    o.afterLines = m_AfterLines;
    o.afterCircles = m_AfterCircles;
  }
  if (m_Mode == kModeCompass) {
    if (m_Doc.Selection().Points().Count() == 1) {
      const double d =
          std::hypot(m_CompassMouse.x - m_CompassCenter.x, m_CompassMouse.y - m_CompassCenter.y);
      m_CompassRadius = (int)std::floor(d);
      o.compass = true;
    } else if (m_Doc.Selection().Points().Count() == 2) {
      m_CompassCenter = m_CompassMouse;
      o.compass = true;
    }
    o.compassCenter = GPix{m_CompassCenter.x, m_CompassCenter.y};
    o.compassRadius = m_CompassRadius;
  }
  if (m_Preview) {
    o.previewMode = m_Mode;
    o.previewPoint[0] = m_PreviewPoint[0];
    o.previewPoint[1] = m_PreviewPoint[1];
    o.previewLine = m_PreviewLine;
    o.previewCircle = m_PreviewCircle;
    o.previewBracket = m_PreviewBracket;
  }
  if (m_GMode == kGModePanel) o.panelPressed = m_PanelPressed;
  // A slide show shows the figure as its audience should see it.
  o.faintHidden = m_Doc.Viewport().ShowHidden() && !m_SlideShow;
  return o;
}
