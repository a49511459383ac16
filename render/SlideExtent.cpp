// Pixel boxes of elements for the slide show: a point with its name label, the
// drawn chord of a line, the square about a circle or an angle mark, a text's
// lines, the ends of a bracket and an image's picture.
#include "render/SlideExtent.h"

#include <algorithm>
#include <cmath>

#include "render/WxSurface.h"
#include "script/EvalText.h"

namespace {

GSlideBox Square(int cx, int cy, int r) { return {cx - r, cy - r, cx + r, cy + r}; }

void Include(GSlideBox* b, int x, int y) {
  b->left = std::min(b->left, x);
  b->top = std::min(b->top, y);
  b->right = std::max(b->right, x);
  b->bottom = std::max(b->bottom, y);
}

bool Affine(const CComplex& x, const CComplex& y, const CComplex& z, const GView& v, int* px,
            int* py) {
  if (z.zerop()) return false;
  const CComplex X = x / z, Y = y / z;
  if (!X.realp() || !Y.realp()) return false;
  *px = v.PixelX(X.re);
  *py = v.PixelY(Y.re);
  return true;
}

bool PointBox(GPoint* p, const GPaint& g, GSurface& s, GSlideBox* box) {
  int px = 0, py = 0;
  if (!Affine(p->x, p->y, p->z, g.view, &px, &py)) return false;
  *box = Square(px, py, 5);
  if (p->name.empty()) return true;
  // The label as DrawOnePoint places it.
  const int size = std::max(1, p->nameFontSize);
  const double a = p->nameAngle;
  const int lx = px + (int)std::floor(std::cos(a) * (size + 10)) - size / 2;
  const int ly = py - (int)std::floor(std::sin(a) * (size + 10)) - size;
  int w = 0, h = 0, descent = 0;
  s.TextExtent(p->name, size, false, &w, &h, &descent);
  Include(box, lx, ly);
  Include(box, lx + w, ly + h + descent);
  return true;
}

bool TextBox(GText* t, const GPaint& g, GSurface& s, GSlideBox* box) {
  std::string shown;
  if (!g.doc || EvaluateText(g.doc->FirstConst(), t->text, shown, false) != 0) shown = t->text;
  RemoveYenCommaOnText(shown);
  int w = 0, h = 0;
  GetMultiTextSize(shown, s, std::max(1, (int)std::floor(t->fontSize)), false, &w, &h);
  const int x = (int)std::floor(t->x), y = (int)std::floor(t->y);
  *box = {x, y, x + w, y + h};
  return true;
}

}  // namespace

bool SlideExtent(const GConst* effect, const GPaint& g, wxDC& dc, GSlideBox* box) {
  GObject* e = EffectElement(effect);
  if (!e) return false;
  GWxSurface s(dc);
  const GView& v = g.view;
  switch (effect->type) {
    case CONST_EFFECT_POINT:
      return PointBox(static_cast<GPoint*>(e), g, s, box);
    case CONST_EFFECT_LINE: {
      double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
      if (!GetGeomXY(static_cast<GLine*>(e), g, &x1, &y1, &x2, &y2)) return false;
      *box = {(int)std::floor(std::min(x1, x2)), (int)std::floor(std::min(y1, y2)),
              (int)std::ceil(std::max(x1, x2)), (int)std::ceil(std::max(y1, y2))};
      return true;
    }
    case CONST_EFFECT_CIRCLE: {
      const auto* c = static_cast<GCircle*>(e);
      if (!c->cx.realp() || !c->cy.realp() || !c->r2.realp() || c->r2.re < 0) return false;
      *box = Square(v.PixelX(c->cx.re), v.PixelY(c->cy.re),
                    (int)std::floor(std::sqrt(c->r2.re) / v.scale));
      return true;
    }
    case CONST_EFFECT_ANGLE: {
      const auto* a = static_cast<GAngle*>(e);
      if (!a->vx.realp() || !a->vy.realp()) return false;
      *box = Square(v.PixelX(a->vx.re), v.PixelY(a->vy.re), a->radius);
      return true;
    }
    case CONST_EFFECT_TEXT:
      return TextBox(static_cast<GText*>(e), g, s, box);
    case CONST_EFFECT_BRACKET: {
      const auto* b = static_cast<GBracket*>(e);
      int px = 0, py = 0, qx = 0, qy = 0;
      if (!Affine(b->x1, b->y1, b->z1, v, &px, &py) || !Affine(b->x2, b->y2, b->z2, v, &qx, &qy))
        return false;
      *box = {std::min(px, qx), std::min(py, qy), std::max(px, qx), std::max(py, qy)};
      return true;
    }
    case CONST_EFFECT_IMAGE: {
      const auto* im = static_cast<GImage*>(e);
      *box = {im->x, im->y, im->x + im->width, im->y + im->height};
      return true;
    }
    default:
      return false;  // curves fade in place
  }
}
