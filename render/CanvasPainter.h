// The painter of a canvas: the painter of the figure (view, appearance) with
// its off-screen pictures, the touch-panel buttons and the drawing of a whole
// sheet into a wxDC.
#pragma once

#include <array>
#include <wx/bitmap.h>
#include <wx/dc.h>

#include "model/Document.h"
#include "render/DrawPainter.h"
#include "render/DrawOverStill.h"
#include "render/DrawStill.h"
#include "render/PixelPicture.h"
#include "render/Sheet.h"
#include "render/Theme.h"
#include "render/View.h"
#include "render/WxSurface.h"

class CanvasPainter : public FigurePainter {
 public:
  explicit CanvasPainter(GDocument& doc) : FigurePainter(doc) {}

  wxBitmap m_PanelButton[3], m_PanelButtonPressed[3];  // touch-panel buttons
  // Cuts the 384x32 touch-panel strip into the three normal and three pressed looks.
  void CutPanelButtons(const wxBitmap& strip);

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

  // While something moves the canvas allows the still picture: items that
  // look as in the frame before are painted once and copied (DrawStill.h).
  // Anything else that may change the look drops it.
  bool m_StillAllowed = true;
  void DropStill() { m_Still.Drop(); }
  long m_FramesOverStill = 0;  // frames painted over the still picture
  // From this many shapes of moving items, two threads share a frame's rows.
  size_t m_ShapesApart = 64;
  GStillLayer& Still() { return m_Still; }
  // The runs of moving pixels the last frame over the still picture set.
  size_t Runs() const { return m_OverStill.runs.size() + m_OverStillLower.runs.size(); }
  // The full drawing into the screen picture, as without a still picture.
  void RenderWhole(const GOverlay& o);

 private:
  // A frame over the still picture (painted anew first when `build`).
  void RenderOverStill(const GOverlay& o, bool build);
  // The moving items into the frame (the places of those drawn through a
  // surface into m_MovingTop, merged and cleared); false when the frame
  // must be drawn whole.
  bool DrawMoving(const GPaint& g, const GOverlay& o, GWxSurface& frame);
  // After the still picture is painted: the highest still item of each tile.
  void NoteStillTiles();
  // The background into the painter's own pixels.
  void DrawBackGround(GPixelPicture& into);
  // The frame into the screen picture, the panel buttons over it.
  void ShowFrame(const GOverlay& o);
  wxBitmap m_ScreenBmp, m_BgBmp;
  // The frame, the background, the still picture, and the items on top at
  // each pixel among the still ones and among the moving ones.
  GPixelPicture m_Frame, m_Bg, m_StillPix, m_StillTop, m_MovingTop;
  bool m_PixelsOk = false;
  std::array<int, 9> m_BgPrint{};        // what the background pictures were drawn from
  uint32_t m_StillBase = 0;              // items when the still picture was painted
  std::vector<uint32_t> m_PlaceNow;      // base place + 1 -> place now + 1
  std::vector<uint32_t> m_TileStillTop;  // per tile, its highest still item (base place + 1)
  std::vector<uint32_t> m_TileAbove;     // the same as its place now + 1
  std::vector<char> m_Mixed;             // per tile: shapes drawn through a surface lie there
  // The runs of the moving shapes in the upper and lower rows of a frame,
  // and each shape's item; kept for the next frame.
  GOverStillScratch m_OverStill, m_OverStillLower;
  std::vector<uint32_t> m_ItemOf;
  GStillLayer m_Still;
};
