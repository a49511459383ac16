// One sheet (page) of a document: the heads and tail links of its
// construction list and element lists, and its appearance.
#pragma once

#include "model/GConst.h"

struct GSheet {
  GList<GConst> consts;
  GList<GPoint> points;
  GList<GLine> lines;
  GList<GText> texts;
  GList<GCircle> circles;
  GList<GParaCurve> curves;
  GList<GAngle> angles;
  GList<GImage> images;
  GList<GBracket> brackets;
  int pointStyles[5] = {0, 0, 0, 0, 0};
  int lineStyles[5] = {0, 0, 0, 0, 0};
  int background = 0;
  int number = 0;
  int extra = 0;

  // Forgets every list (the elements themselves are freed by the caller).
  void ResetLists() {
    consts.Reset();
    points.Reset();
    lines.Reset();
    texts.Reset();
    circles.Reset();
    curves.Reset();
    angles.Reset();
    images.Reset();
    brackets.Reset();
  }
};
