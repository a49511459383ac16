// The line styles: eight pattern families (period, margin and layer shapes)
// and the colour variants the 36 style numbers pick within them.
#include <cmath>

#include "render/Theme.h"

namespace {

void Stroke(GLnRgn* r, GRgb c) {
  GLnLayer& l = r->layer[r->layers++];
  l.n = 2;
  l.v[0] = GPix{0, 0};
  l.v[1] = GPix{(int)r->period, 0};
  l.colour = c;
}

// A band along the course from u0 to u1, v0 to v1 across.
void Band(GLnRgn* r, GRgb c, int u0, int u1, int v0, int v1) {
  GLnLayer& l = r->layer[r->layers++];
  l.n = 4;
  l.v[0] = GPix{u0, v0};
  l.v[1] = GPix{u1, v0};
  l.v[2] = GPix{u1, v1};
  l.v[3] = GPix{u0, v1};
  l.colour = c;
}

// A star of `points` tips at (u, 0): outer radius ro, inner ri.
void Star(GLnRgn* r, GRgb c, int u, int points, double ro, double ri) {
  GLnLayer& l = r->layer[r->layers++];
  l.n = 2 * points;
  for (int i = 0; i < l.n; ++i) {
    const double a = M_PI * i / points - M_PI / 2;
    const double rr = (i % 2) ? ri : ro;
    l.v[i] = GPix{u + (int)std::lround(rr * std::cos(a)), (int)std::lround(rr * std::sin(a))};
  }
  l.colour = c;
}

void Family(GLnRgn* r, int family, int variant) {
  r->layers = 0;
  switch (family) {
    case 0: {  // Standard: a stroke with a small bead every period.
      static const GRgb kMain[5] = {
          {30, 40, 130}, {180, 30, 30}, {20, 120, 40}, {190, 100, 0}, {120, 40, 150}};
      static const GRgb kBead[5] = {
          {90, 110, 220}, {240, 110, 110}, {90, 200, 110}, {250, 170, 60}, {190, 110, 220}};
      r->period = 32;
      Band(r, {255, 235, 90}, 0, 32, -5, 5);
      Stroke(r, kMain[variant]);
      Star(r, kBead[variant], 16, 2, 4, 2.5);
      break;
    }
    case 1: {  // Cat: a soft stroke with round paw spots.
      static const GRgb kMain[5] = {
          {160, 120, 120}, {50, 0, 0}, {80, 50, 50}, {255, 200, 0}, {100, 50, 50}};
      r->period = 24;
      Band(r, {255, 120, 170}, 0, 24, -5, 5);
      Stroke(r, kMain[variant]);
      Star(r, {255, 150, 180}, 12, 4, 3, 3);
      break;
    }
    case 2: {  // Star: a light stroke strewn with little stars.
      static const GRgb kMain[5] = {
          {255, 220, 80}, {180, 200, 255}, {255, 170, 220}, {150, 255, 200}, {210, 170, 255}};
      r->period = 32;
      Band(r, {110, 110, 255}, 0, 32, -5, 5);
      Stroke(r, kMain[variant]);
      Star(r, {255, 255, 210}, 16, 4, 5, 2);
      break;
    }
    case 3: {  // Railroad: rails with sleepers.
      r->period = 12;
      Band(r, {255, 235, 90}, 0, 12, -6, 6);
      Band(r, {120, 80, 40}, 3, 7, -5, 5);
      Stroke(r, {60, 60, 60});
      break;
    }
    case 4: {  // like Quil: a plain thin line.
      static const GRgb kMain[5] = {
          {0, 0, 0}, {0, 0, 255}, {255, 0, 0}, {0, 128, 0}, {128, 0, 128}};
      r->period = 40;
      Band(r, {255, 150, 150}, 0, 40, -4, 4);
      Stroke(r, kMain[variant]);
      break;
    }
    case 5: {  // like Tovik: a plain line.
      static const GRgb kMain[5] = {{0, 0, 0}, {0, 0, 200}, {200, 0, 0}, {0, 130, 0}, {90, 90, 90}};
      r->period = 40;
      Band(r, {255, 255, 255}, 0, 40, -4, 4);
      Stroke(r, kMain[variant]);
      break;
    }
    case 6: {  // Pastel: a soft tube with a white core.
      static const GRgb kMain[5] = {
          {240, 120, 150}, {90, 160, 235}, {110, 190, 90}, {240, 165, 60}, {170, 120, 230}};
      r->period = 40;
      Band(r, {50, 200, 200}, 0, 40, -6, 6);
      Band(r, kMain[variant], 0, 40, -3, 3);
      Stroke(r, {255, 255, 255});
      break;
    }
    default: {  // 7, Skeleton: a bone-white line with knuckles.
      r->period = 30;
      Band(r, {100, 255, 100}, 0, 30, -5, 5);
      Stroke(r, {230, 230, 215});
      Star(r, {230, 230, 215}, 15, 2, 4, 3);
      break;
    }
  }
  r->margin = r->period;
}

}  // namespace

void GLnRgn::SetLnRgn(int s) {
  if (s < 0 || s >= kStyleCount) s = 0;
  style = s;
  if (s <= 4)
    Family(this, 0, s);
  else if (s <= 9)
    Family(this, 1, s - 5);
  else if (s <= 14)
    Family(this, 2, s - 10);
  else if (s == 15)
    Family(this, 7, 0);
  else if (s <= 20)
    Family(this, 5, s - 16);
  else if (s <= 25)
    Family(this, 4, s - 21);
  else if (s <= 30)
    Family(this, 6, s - 26);
  else
    Family(this, 0, s - 31);  // the User styles start as the standard ones
}
