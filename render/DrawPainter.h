// The painter without the toolkit: the view (which part of the world plane is
// shown, at what scale), the appearance of the current theme with its decoded
// pictures, and the paint record for drawing a sheet onto any surface. The
// canvas's painter adds its off-screen pictures; a command-line drawing uses
// this one alone.
#pragma once

#include <map>

#include "model/Document.h"
#include "render/Draw.h"
#include "render/Sheet.h"
#include "render/Theme.h"
#include "render/View.h"

// A rectangle of pixels.
struct GPixRect {
  int x = 0, y = 0, width = 0, height = 0;
};

class FigurePainter {
 public:
  // The painter draws doc, whose view (scale, bounds, pick distances) it
  // shares: the core copies it into every step.
  explicit FigurePainter(GDocument& doc);
  virtual ~FigurePainter() = default;
  FigurePainter(const FigurePainter&) = delete;
  FigurePainter& operator=(const FigurePainter&) = delete;

  // ---- the view ----
  int m_Width = 0, m_Height = 0;        // the frame's client size
  int m_OldWidth = 0, m_OldHeight = 0;  // the size at the last rescaling of texts
  int m_ToolbarHeight = 32;
  int m_CenterX = 0, m_CenterY = 0;
  GPixRect m_ViewRect;
  double m_OriginX = 0.0, m_OriginY = 0.0;
  GViewport& m_Viewport;  // the document's
  bool m_AxisOn = false;
  GView View() const;
  double WorldX(int px) const { return m_OriginX + (px - m_CenterX) * m_Viewport.Scale(); }
  double WorldY(int py) const { return m_OriginY - (py - m_CenterY) * m_Viewport.Scale(); }
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
  bool m_BgDrawn = false;
  // Whether background tiles are decoded; without them a drawing shows the
  // background's plain colour.
  bool m_WantTiles = true;
  void SetTheme(GTheme theme, int flag = 0);
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

  // ---- drawing ----
  GPaint Paint(const GOverlay& o) const;
  GDocument& Document() { return m_Doc; }

 protected:
  GDocument& m_Doc;

 private:
  std::map<int, PtBmp> m_PointStyleCache;
  std::map<int, BGBmp> m_BackgroundCache;
};
