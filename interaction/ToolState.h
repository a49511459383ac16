// The tool object of a canvas: what the mouse is doing — the tool mode and
// interaction style, the buttons held, the touch-panel toggles, what a Move
// press picked, the construction being previewed, the compass and the
// afterimages. The canvas owns it, the mouse code drives it, and the painter
// sees it only through the overlay it hands over.
#pragma once

#include <functional>
#include <wx/gdicmn.h>

#include "model/Document.h"
#include "model/Gesture.h"
#include "render/CanvasPainter.h"

class ToolState {
 public:
  // The modifier lives in the gesture, which applies the selection rules.
  explicit ToolState(GDocument& doc)
      : m_PickedPoint(&doc.History()),
        m_PickedText(&doc.History()),
        m_PickedName(&doc.History()),
        m_Doc(doc),
        m_Gesture(doc) {}

  // The core half of the tools: holds, hit tests, placing, the builders, the drag.
  GGesture& Gesture() { return m_Gesture; }
  const GGesture& Gesture() const { return m_Gesture; }

  // ---- mode, style, modifier and buttons ----
  GToolMode m_Mode = kModeMove;  // tool mode
  GStyle m_GMode = kGModeTovik;  // interaction style
  wxPoint m_MousePos;            // the pointer at the latest mouse event
  bool m_LeftDown = false, m_RightDown = false;
  void SetMode(GToolMode mode) { m_Mode = mode; }
  // A new interaction style starts in the Move tool.
  void SetStyle(GStyle style) {
    m_GMode = style;
    m_Mode = kModeMove;
  }
  // The style chosen from the menu: the Segment toggle is released, a text or
  // image waiting for its place is forgotten outside Tovik, and the touch
  // panel starts with its buttons up.
  void SwitchStyle(GStyle style);
  bool Shift() const { return m_Gesture.Shift(); }
  void SetShift(bool down) { m_Gesture.SetShift(down); }
  // A button held down, as a press would leave it (commands that change the
  // sheet wait while one is).
  void HoldButton(bool left, bool down) { (left ? m_LeftDown : m_RightDown) = down; }
  // A key such as N, P or E can arrive while a mouse button is held: the tool
  // then holds a point or element of the sheet on screen that it has not
  // finished placing. Commands that change the sheet or the document wait
  // until the button is released, so no half-built step is split from its
  // element.
  bool GestureUnderway() const { return m_LeftDown || m_RightDown; }

  // ---- toggles of the toolbar ----
  bool m_Clipping = false;   // the Segment toggle
  bool m_CloneOn = false;    // the afterimage option
  bool m_TextArmed = false;  // Quil and panel: the next placing click puts a text
  bool m_ImageArmed = false;
  void SetClipping(bool on) { m_Clipping = on; }
  void SetCloneOn(bool on) { m_CloneOn = on; }
  void ArmText(bool on) { m_TextArmed = on; }
  void ArmImage(bool on) { m_ImageArmed = on; }

  // ---- the touch panel: three on-canvas buttons, then taps ----
  bool m_PanelKeep = false, m_PanelPoint = false, m_PanelMove = false;
  bool m_PanelPressed[3] = {false, false, false};
  // What the first tap of a two-tap move picked.
  bool m_PanelPickedPoint = false, m_PanelPickedText = false, m_PanelPickedName = false;
  void SetPanel(bool keep, bool point, bool move) {
    m_PanelKeep = keep;
    m_PanelPoint = point;
    m_PanelMove = move;
    m_PanelPressed[0] = keep;
    m_PanelPressed[1] = point;
    m_PanelPressed[2] = move;
  }
  // The panel button under pos (0..2, -1 for none) of a canvas whose
  // window is `height` pixels high below a toolbar of `toolbar` pixels.
  static int PanelButtonAt(const wxPoint& pos, int height, int toolbar);
  // A tap on panel button 0..2 toggles it.
  void TogglePanel(int button);
  void DropPanelPicks() { m_PanelPickedPoint = m_PanelPickedText = m_PanelPickedName = false; }

  // ---- the Move tool: what the press picked ----
  // The picks are holds (model/Handle.h): an undo, erase or sheet switch lets go of them.
  GHandle<GPoint> m_PickedPoint;
  bool m_MovingPoint = false, m_MovingText = false, m_MovingName = false;
  bool m_MovingBracket = false;
  int m_MovingImage = 0;                        // 0 none, 1 body, 2..5 corner handle
  double m_GrabOffsetX = 0, m_GrabOffsetY = 0;  // picked point minus pointer (world)
  GHandle<GText> m_PickedText;
  int m_TextGrabX = 0, m_TextGrabY = 0;  // pointer minus the text's corner (pixels)
  GHandle<GPoint> m_PickedName;          // the point whose name label was hit
  long m_DragStarted = 0;                // wxGetLocalTimeMillis of the press or last trail step
  bool m_Dragging = false;               // a point drag is under way
  bool MovingSomething() const {
    return m_MovingPoint || m_MovingText || m_MovingName || m_MovingBracket || m_MovingImage;
  }
  // What was picked belongs to the sheet on screen: a sheet switch drops it,
  // and the preview with it.
  void DropPicks();

  // ---- afterimages of a point drag: three generations ----
  GList<GPoint> m_AfterPoints[3];
  GList<GLine> m_AfterLines[3];
  GList<GCircle> m_AfterCircles[3];

  // ---- the compass and the preview of a construction in progress ----
  wxPoint m_CompassMouse;
  wxPoint m_CompassCenter;  // pixels
  int m_CompassRadius = 0;  // pixels
  void ResetCompass() {
    m_CompassRadius = 0;
    m_CompassCenter = wxPoint(0, 0);
  }
  bool m_Preview = false;
  GPoint* m_PreviewPoint[2] = {nullptr, nullptr};
  GLine* m_PreviewLine = nullptr;
  GCircle* m_PreviewCircle = nullptr;
  GBracket* m_PreviewBracket = nullptr;

  // ---- the slide show's hold on the mouse ----
  bool m_SlideShow = false, m_SlideWaitClick = false;
  std::function<void()> m_AnimStep;    // one slide-show step, installed by the slide show
  std::function<void()> m_SlideClick;  // the slide show's click
  // While a show runs, clicks go to it and nothing else.
  void StartSlideShow(std::function<void()> click) {
    m_SlideShow = true;
    m_SlideClick = std::move(click);
  }

  // What the painter lays over the figure. With one compass point chosen the
  // radius follows the pointer; with two the centre does.
  GOverlay Overlay();

 private:
  GDocument& m_Doc;
  GGesture m_Gesture;
};
