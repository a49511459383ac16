// MyCanvas: the one drawing window. It owns the document, holds the view and
// the appearance, and repaints the whole figure through two off-screen
// pictures (background and screen) every 100 ms and whenever asked.
#pragma once

#include <functional>
#include <memory>
#include <wx/bitmap.h>
#include <wx/frame.h>
#include <wx/timer.h>
#include <wx/window.h>

#include "model/Document.h"
#include "render/Draw.h"
#include "render/Theme.h"
#include "render/View.h"

constexpr int kRepaintTimerId = 600;

// Kept for the start-up sequence: the off-screen pictures are made per canvas
// at its own size, so there is nothing global to build. Returns 1.
int InitScreenBmp();

class MyCanvas : public wxWindow {
 public:
  // Creates the canvas below the mode toolbar of frame; user answers every
  // message (a recorder in tests). The canvas owns its document.
  MyCanvas(wxFrame* frame, GUser* user);
  ~MyCanvas() override;

  // ---- the document and the view ----
  // Never replaced: the view references below point into it.
  const std::unique_ptr<GDocument> m_Doc;
  wxFrame* m_Frame;
  int m_Width, m_Height;        // the frame's client size
  int m_OldWidth, m_OldHeight;  // the size at the last rescaling of texts
  int m_ToolbarHeight = 32;
  int m_CenterX = 0, m_CenterY = 0;
  wxRect m_ViewRect;
  double m_OriginX = 0.0, m_OriginY = 0.0;
  // The scale, world bounds and pick distances live in the document (the
  // core copies them into every step); these names refer to them.
  double& m_Scale;
  double& m_XMin;
  double& m_XMax;
  double& m_YMin;
  double& m_YMax;
  double& m_PickDistance;
  double& m_PickDistance2;
  bool m_BgDrawn = false;
  bool m_RefreshPending = false;
  wxTimer m_Timer;

  // ---- appearance ----
  GAppearance m_Look;
  wxBitmap m_PanelButton[3], m_PanelButtonPressed[3];  // touch-panel buttons

  // ---- interaction state read by drawing (set by the mouse handling) ----
  int m_Mode = 1000;   // tool mode
  int m_GMode = 1500;  // interaction style
  wxPoint m_MousePos;
  bool m_ShiftDown = false;
  bool m_LeftDown = false, m_RightDown = false;
  bool m_SlideShow = false, m_SlideWaitClick = false;
  std::function<void()> m_AnimStep;  // one slide-show step, installed by the slide show
  bool m_TextArmed = false, m_ImageArmed = false;
  bool m_PanelKeep = false, m_PanelPoint = false, m_PanelMove = false;
  bool m_PanelPressed[3] = {false, false, false};
  bool m_PanelPickedPoint = false, m_PanelPickedText = false, m_PanelPickedName = false;
  bool m_Clipping = false;  // the Segment toggle
  bool m_AxisOn = false;
  bool m_CloneOn = false;  // the afterimage option
  bool m_Dragging = false;
  GList<GPoint> m_AfterPoints[3];
  GList<GLine> m_AfterLines[3];
  GList<GCircle> m_AfterCircles[3];
  wxPoint m_CompassMouse;
  wxPoint m_CompassCenter;  // pixels
  int m_CompassRadius = 0;  // pixels
  bool m_Preview = false;   // a construction in progress is shown
  GPoint* m_PreviewPoint[2] = {nullptr, nullptr};
  GLine* m_PreviewLine = nullptr;
  GCircle* m_PreviewCircle = nullptr;
  GBracket* m_PreviewBracket = nullptr;

  // ---- view ----
  GView View() const;
  // Recomputes the centre pixel, view rectangle and world bounds.
  void UpdateView();
  // Copies scale and bounds into every step of the current sheet and evaluates it.
  void PushViewToConsts();
  void OnModeZoomIn(double factor);
  void OnModeZoomOut(double factor);

  // ---- paint cycle ----
  void OnPaint(wxPaintEvent& event);
  void OnEraseBG(wxEraseEvent& event);
  void OnTimer(wxTimerEvent& event);
  void OnMouseEvent(wxMouseEvent& event);
  void LeaveWindow(wxMouseEvent& event);
  void OnDraw(wxDC& dc);
  void DrawBackGround(wxDC& dc);
  void DrawPanelButton(wxDC& dc);
  // Brings both off-screen pictures to at least the window's size.
  void EnsurePictures();
  wxBitmap& ScreenPicture() { return m_ScreenBmp; }
  wxBitmap& BackgroundPicture() { return m_BgBmp; }
  // Paints the figure into the screen picture (background copied in first),
  // as a repaint does before its copy into the window.
  void RenderToScreenPicture();
  void OnSize();
  void convert_textsize();
  void OnBenchMark();

  // ---- drawing of single elements and lists ----
  void DrawOnePoint(GPoint* p, wxDC& dc);
  void DrawOneLine(GLine* l, wxDC& dc);
  bool GetGeomXY(GLine* l, double* x1, double* y1, double* x2, double* y2);
  void DrawOneCircle(GCircle* c, wxDC& dc);
  void DrawOneCurve(GParaCurve* c, wxDC& dc);
  void DrawOneText(GText* t, wxDC& dc);
  void DrawOneImage(GImage* im, wxDC& dc);
  void DrawOneAngle(GAngle* a, wxDC& dc);
  void DrawOneBracket(GBracket* b, wxDC& dc);
  void DrawAxis(wxDC& dc);
  void DrawCompassCircle(wxDC& dc);
  void DrawPoints(GPoint* head, wxDC& dc);
  void DrawPoints(GConst* head, wxDC& dc);  // output points of the steps
  void DrawLines(GLine* head, wxDC& dc);
  void DrawCircles(GCircle* head, wxDC& dc);
  void DrawCurves(GParaCurve* head, wxDC& dc);
  void DrawTexts(GText* head, wxDC& dc);
  void DrawImages(GImage* head, wxDC& dc);
  void DrawAngles(GAngle* head, wxDC& dc);
  void DrawBrackets(GBracket* head, wxDC& dc);

  // ---- themes ----
  void SetTheme(int theme, int flag = 0);
  void OnPt(int slot);
  void OnLn(int slot);
  void OnAg(int style);
  // The Customize dialog (also "Background"); true when Ok was pressed.
  bool OnAppearSelect();
  // Puts the chosen styles into the slots, records them in the current sheet
  // and reloads them; the background is marked for redrawing.
  void ApplyAppearance(const int pointStyles[kSlots], const int lineStyles[kSlots], int bg);
  // Loads the current sheet's recorded styles and background (sheet switch).
  void LoadSheetAppearance();
  void SetAllAngleColor();
  void SetAllBracketColor();
  // Cuts the 384x32 touch-panel strip into the three normal and three pressed looks.
  void CutPanelButtons(const wxBitmap& strip);

 private:
  wxBitmap m_ScreenBmp, m_BgBmp;
  GPaint Paint();
  wxDECLARE_EVENT_TABLE();
};
