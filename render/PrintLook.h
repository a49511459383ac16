// The look a printout is drawn in. The themes drawn on dark or patterned
// paper (Standard, Cat, Star, Skeleton) print in the plain like-Tovik theme;
// the swap lasts as long as this object and then puts back everything the
// theme touched, so printing leaves the screen and the document as they were.
#pragma once

#include <vector>

#include "render/CanvasPainter.h"

class GPrintLook {
 public:
  explicit GPrintLook(CanvasPainter& painter);
  ~GPrintLook();
  GPrintLook(const GPrintLook&) = delete;
  GPrintLook& operator=(const GPrintLook&) = delete;
  // Whether the theme on screen prints in another one.
  static bool PrintsAsTovik(GTheme theme);

 private:
  struct Rgb {
    int r, g, b;
  };
  CanvasPainter& m_Painter;
  bool m_Swapped = false;
  GAppearance m_Look;
  bool m_BgDrawn = false;
  int m_PointStyles[kSlots], m_LineStyles[kSlots], m_Background = 0;
  GDefaults m_Defaults;  // the document's colours of new elements and names
  std::vector<Rgb> m_AngleColours, m_BracketColours;
};
