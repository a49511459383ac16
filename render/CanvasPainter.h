// The painter of a canvas: the view (which part of the world plane is shown,
// at what scale), the appearance of the current theme, the two off-screen
// pictures, and the drawing of a whole sheet with what the tools lay over it.
#pragma once

#include <map>
#include <wx/bitmap.h>
#include <wx/dc.h>

#include "model/Document.h"
#include "render/Draw.h"
#include "render/Sheet.h"
#include "render/Theme.h"
#include "render/View.h"
#include "render/WxSurface.h"

class CanvasPainter {
 public:
  // The painter draws doc, whose scale, bounds and pick distances it shares:
  // the core copies them into every step.
  explicit CanvasPainter(GDocument& doc);

  // ---- the view ----
  int m_Width = 0, m_Height = 0;        // the frame's client size
  int m_OldWidth = 0, m_OldHeight = 0;  // the size at the last rescaling of texts
  int m_ToolbarHeight = 32;
  int m_CenterX = 0, m_CenterY = 0;
  wxRect m_ViewRect;
  double m_OriginX = 0.0, m_OriginY = 0.0;
  double& m_Scale;
  double& m_XMin;
  double& m_XMax;
  double& m_YMin;
  double& m_YMax;
  double& m_PickDistance;
  double& m_PickDistance2;
  bool m_AxisOn = false;
  GView View() const;
  double WorldX(int px) const { return m_OriginX + (px - m_CenterX) * m_Scale; }
  double WorldY(int py) const { return m_OriginY - (py - m_CenterY) * m_Scale; }
  // Recomputes the centre pixel, view rectangle and world bounds.
  void UpdateView();
  // One zoom step by factor, within the scale limits; the pick distance follows.
  void ZoomIn(double factor);
  void ZoomOut(double factor);
  // After a resize: texts keep their place and size relative to the window,
  // and the scale follows the height.
  void convert_textsize();

  // ---- the appearance ----
  GAppearance m_Look;
  wxBitmap m_PanelButton[3], m_PanelButtonPressed[3];  // touch-panel buttons
  bool m_BgDrawn = false;
  void SetTheme(int theme, int flag = 0);
  // Puts the chosen styles into the slots, records them in the current sheet
  // and reloads them; the background is marked for redrawing.
  void ApplyAppearance(const int pointStyles[kSlots], const int lineStyles[kSlots], int bg);
  // Loads the current sheet's recorded styles and background (sheet switch).
  void LoadSheetAppearance();
  // Fills a record with point style `style` or background n (numbers without
  // a picture leave the background as it is). Each built-in picture is
  // decoded once per painter: sheets and files repeat the same few styles.
  void LoadPointStyle(PtBmp& into, int style);
  void LoadBackground(BGBmp& into, int n);
  // Cuts the 384x32 touch-panel strip into the three normal and three pressed looks.
  void CutPanelButtons(const wxBitmap& strip);

  // ---- drawing ----
  GPaint Paint(const GOverlay& o) const;
  // The sheet's layers (DrawSheet) and then the panel buttons.
  void Draw(wxDC& dc, const GOverlay& o);
  void DrawBackGround(wxDC& dc);
  void DrawPanelButton(wxDC& dc, const bool pressed[3]);
  // Brings both off-screen pictures to at least the window's size.
  void EnsurePictures();
  // Paints the figure into the screen picture (background copied in first).
  void RenderToScreenPicture(const GOverlay& o);
  wxBitmap& ScreenPicture() { return m_ScreenBmp; }
  wxBitmap& BackgroundPicture() { return m_BgBmp; }
  GDocument& Document() { return m_Doc; }

 private:
  GDocument& m_Doc;
  wxBitmap m_ScreenBmp, m_BgBmp;
  std::map<int, PtBmp> m_PointStyleCache;
  std::map<int, BGBmp> m_BackgroundCache;
};
