// The fixed tables of the appearance: style and background names, the seven
// themes, the background colours and the disc point styles.
#include "render/Theme.h"

const char* const kStyleNames[kStyleCount] = {
    "Standard1", "Standard2", "Standard3", "Standard4", "Standard5", "Cat1",
    "Cat2",      "Cat3",      "Cat4",      "Cat5",      "Star1",     "Star2",
    "Star3",     "Star4",     "Star5",     "Skeleton",  "Tovik1",    "Tovik2",
    "Tovik3",    "Tovik4",    "Tovik5",    "Quil1",     "Quil2",     "Quil3",
    "Quil4",     "Quil5",     "Pastel1",   "Pastel2",   "Pastel3",   "Pastel4",
    "Pastel5",   "User1",     "User2",     "User3",     "User4",     "User5"};

const char* const kBackgroundNames[kBackgroundCount] = {"FG1",    "FG2",      "FG3",   "Cat",
                                                        "Star",   "Skeleton", "Tovik", "Quil",
                                                        "Pastel", "User1",    "User2", "User3"};

bool ThemeData(GTheme theme, GThemeData* out) {
  // styles of slots 0..4, background, text colour, hilight frame, axis pens
  static const struct {
    GTheme theme;
    GThemeData data;
  } kThemes[] = {
      {THM_STANDARD, {{0, 1, 2, 3, 4}, 0, {0, 0, 0}, {155, 100, 100}, {128, 128, 128}}},
      {THM_CAT, {{5, 6, 7, 8, 9}, 3, {0, 0, 0}, {150, 50, 50}, {200, 128, 128}}},
      {THM_STAR, {{10, 11, 12, 13, 14}, 4, {255, 200, 255}, {255, 200, 200}, {128, 128, 128}}},
      {THM_QUIL, {{21, 22, 23, 24, 25}, 7, {0, 0, 0}, {255, 0, 0}, {128, 128, 128}}},
      {THM_TOVIK, {{16, 17, 18, 19, 20}, 6, {0, 0, 0}, {255, 255, 255}, {128, 128, 128}}},
      {THM_PASTEL, {{26, 27, 28, 29, 30}, 8, {0, 150, 150}, {50, 200, 200}, {128, 128, 128}}},
      {THM_SKELETON, {{15, 15, 15, 15, 15}, 5, {255, 255, 255}, {255, 200, 200}, {200, 200, 200}}},
  };
  for (const auto& t : kThemes) {
    if (t.theme == theme) {
      *out = t.data;
      return true;
    }
  }
  return false;
}

// Background colours, used to fade elements toward the paper they lie on.
GRgb BackgroundColour(int n) {
  static const GRgb kColours[9] = {{240, 189, 255}, {187, 240, 240}, {240, 240, 190},
                                   {255, 187, 206}, {0, 0, 96},      {0, 0, 0},
                                   {177, 178, 198}, {239, 239, 239}, {184, 189, 255}};
  return kColours[(unsigned)n < 9 ? n : 0];
}

// Disc point styles 16..35: hilight ring c1/r1, body c2/r2, shine c3/r3.
bool DiscStyle(int style, PtBmp* p) {
  struct Disc {
    GRgb c1, c2, c3;
    int r1, r2, r3;
  };
  static const Disc kDiscs[20] = {
      // Tovik: small dark dots with a light core.
      {{255, 255, 255}, {0, 0, 160}, {120, 150, 255}, 7, 4, 2},
      {{255, 255, 255}, {190, 0, 0}, {255, 140, 140}, 7, 4, 2},
      {{255, 255, 255}, {0, 120, 0}, {130, 220, 130}, 7, 4, 2},
      {{255, 255, 255}, {0, 0, 0}, {140, 140, 140}, 7, 4, 2},
      {{255, 255, 255}, {210, 110, 0}, {255, 200, 120}, 7, 4, 2},
      // Quil: a dark rim around a coloured fill.
      {{255, 0, 0}, {0, 0, 0}, {60, 90, 255}, 8, 5, 4},
      {{255, 0, 0}, {0, 0, 0}, {255, 60, 60}, 8, 5, 4},
      {{255, 0, 0}, {0, 0, 0}, {40, 200, 40}, 8, 5, 4},
      {{255, 0, 0}, {0, 0, 0}, {255, 220, 0}, 8, 5, 4},
      {{255, 0, 0}, {0, 0, 0}, {200, 80, 220}, 8, 5, 4},
      // Pastel: soft large dots with a white shine.
      {{50, 200, 200}, {255, 150, 170}, {255, 235, 240}, 10, 7, 3},
      {{50, 200, 200}, {140, 200, 255}, {235, 245, 255}, 10, 7, 3},
      {{50, 200, 200}, {160, 225, 140}, {240, 255, 235}, 10, 7, 3},
      {{50, 200, 200}, {255, 200, 120}, {255, 245, 225}, 10, 7, 3},
      {{50, 200, 200}, {200, 160, 255}, {245, 235, 255}, 10, 7, 3},
      // User: plain grey dots to start from.
      {{255, 128, 0}, {60, 60, 60}, {200, 200, 200}, 8, 5, 2},
      {{255, 128, 0}, {90, 90, 90}, {220, 220, 220}, 8, 5, 2},
      {{255, 128, 0}, {30, 30, 90}, {180, 180, 240}, 8, 5, 2},
      {{255, 128, 0}, {90, 30, 30}, {240, 180, 180}, 8, 5, 2},
      {{255, 128, 0}, {30, 90, 30}, {180, 240, 180}, 8, 5, 2},
  };
  if (style < 16 || style >= kStyleCount) return false;
  const Disc& d = kDiscs[style - 16];
  p->c1 = d.c1;
  p->c2 = d.c2;
  p->c3 = d.c3;
  p->r1 = d.r1;
  p->r2 = d.r2;
  p->r3 = d.r3;
  return true;
}
