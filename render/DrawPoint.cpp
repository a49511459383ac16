// Drawing of points: a frame of the style's bitmap strip or concentric discs,
// with the point's name placed in the direction of its name angle.
#include <algorithm>
#include <cmath>

#include "render/Draw.h"

namespace {

// Draws frame i (clamped to the strip) centred on (px, py), with its mask.
void DrawFrame(const std::vector<wxBitmap>& frames, int i, int px, int py, wxDC& dc) {
  if (frames.empty()) return;
  const wxBitmap& bmp = frames[std::clamp(i, 0, (int)frames.size() - 1)];
  dc.DrawBitmap(bmp, px - bmp.GetWidth() / 2, py - bmp.GetHeight() / 2, true);
}

void Disc(wxDC& dc, const wxColour& c, int px, int py, int r) {
  if (r <= 0) return;
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.SetBrush(wxBrush(c));
  dc.DrawCircle(px, py, r);
}

}  // namespace

int StrokeWidth(double w) { return w > 1.0 ? (int)std::floor((w - 1.0) / 0.2 + 2.0) : 2; }

void DrawOnePoint(GPoint* p, const GPaint& g, wxDC& dc) {
  if (!p || p->hidden || p->z.zerop()) return;
  const CComplex X = p->xz(), Y = p->yz();
  if (!X.realp() || !Y.realp()) return;
  const int px = g.view.PixelX(X.re) + p->offsetDx;
  const int py = g.view.PixelY(Y.re) + p->offsetDy;
  const PtBmp& st = g.look->PointSlot(p->pointStyle);
  const int f = p->fadeLevel;
  const double w = p->widthFactor;

  if (st.bitmapMode) {
    if (p->hilighted) {
      // One frame per repaint: the 100 ms timer turns the strip into an animation.
      const int n = (int)st.hilightFrames.size();
      if (p->frameCount < n) DrawFrame(st.hilightFrames, p->frameCount, px, py, dc);
      if (++p->frameCount >= n) p->frameCount = 0;
    } else if (w > 1.0) {
      DrawFrame(st.hilightFrames, (int)std::floor((w - 1.0) / 0.2), px, py, dc);
    } else if (f <= 3) {
      DrawFrame(st.normalFrames, f, px, py, dc);
    }
  } else if (p->hilighted) {
    Disc(dc, ToWx(st.c1), px, py, st.r1);
    Disc(dc, ToWx(st.c2), px, py, st.r2);
    Disc(dc, ToWx(st.c3), px, py, st.r3);
  } else if (f <= 3) {
    Disc(dc, Faded(st.c2, f, g), px, py, (int)std::floor(st.r2 * w));
    Disc(dc, Faded(st.c3, f, g), px, py, (int)std::floor(st.r3 * w));
  }

  if (f >= 4 || p->name.empty()) return;
  const int size = p->nameFontSize;
  const double a = p->nameAngle;
  // The document holds the names' colour (a theme, a script or the name
  // dialog sets it); a bare paint without a document uses the look's.
  const GRgb nameColour =
      g.doc ? GRgb{g.doc->m_NameRed, g.doc->m_NameGreen, g.doc->m_NameBlue} : g.look->pointName;
  DrawTextRun(dc, wxString::FromUTF8(p->name), std::max(1, size), ToWx(nameColour),
              px + (int)std::floor(std::cos(a) * (size + 10)) - size / 2,
              py - (int)std::floor(std::sin(a) * (size + 10)) - size);
}
