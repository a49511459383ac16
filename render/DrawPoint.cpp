// Drawing of points: a frame of the style's bitmap strip or concentric discs,
// with the point's name placed in the direction of its name angle.
#include <algorithm>
#include <cmath>

#include "render/Draw.h"

namespace {

// Draws frame i (clamped to the strip) centred on (px, py), see-through
// where the strip's ground was.
void DrawFrame(const std::vector<GRaster>& frames, int i, int px, int py, GSurface& s) {
  if (frames.empty()) return;
  const GRaster& f = frames[std::clamp(i, 0, (int)frames.size() - 1)];
  s.Picture(f, px - f.width / 2, py - f.height / 2);
}

void Disc(GSurface& s, const GRgb& c, int px, int py, int r) {
  if (r <= 0) return;
  s.Circle(GInk::Filled(c), GPix{px, py}, r);
}

}  // namespace

int StrokeWidth(double w) { return w > 1.0 ? (int)std::floor((w - 1.0) / 0.2 + 2.0) : 2; }

void DrawOnePoint(GPoint* p, const GPaint& g, GSurface& s) {
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
      const int n = (int)st.HilightFrames().size();
      if (p->frameCount < n) DrawFrame(st.HilightFrames(), p->frameCount, px, py, s);
      if (++p->frameCount >= n) p->frameCount = 0;
    } else if (w > 1.0) {
      DrawFrame(st.HilightFrames(), (int)std::floor((w - 1.0) / 0.2), px, py, s);
    } else if (f <= 3) {
      DrawFrame(st.NormalFrames(), f, px, py, s);
    }
  } else if (p->hilighted) {
    Disc(s, st.c1, px, py, st.r1);
    Disc(s, st.c2, px, py, st.r2);
    Disc(s, st.c3, px, py, st.r3);
  } else if (f <= 3) {
    Disc(s, Faded(st.c2, f, g), px, py, (int)std::floor(st.r2 * w));
    Disc(s, Faded(st.c3, f, g), px, py, (int)std::floor(st.r3 * w));
  }

  if (f >= 4 || p->name.empty()) return;
  const int size = p->nameFontSize;
  const double a = p->nameAngle;
  // The document holds the names' colour (a theme, a script or the name
  // dialog sets it); a bare paint without a document uses the look's.
  const GRgb nameColour = g.doc ? ToRgb(g.doc->Defaults().NameColour()) : g.look->pointName;
  s.Text(p->name, std::max(1, size), false, nameColour,
         px + (int)std::floor(std::cos(a) * (size + 10)) - size / 2,
         py - (int)std::floor(std::sin(a) * (size + 10)) - size);
}
