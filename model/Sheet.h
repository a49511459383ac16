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
  // Squared paper: a line at every unit of the axes, drawn under everything.
  bool squaredPaper = false;

  // The list of a kind, for code written once for every kind.
  GList<GConst>& ListOf(const GConst*) { return consts; }
  GList<GPoint>& ListOf(const GPoint*) { return points; }
  GList<GLine>& ListOf(const GLine*) { return lines; }
  GList<GText>& ListOf(const GText*) { return texts; }
  GList<GCircle>& ListOf(const GCircle*) { return circles; }
  GList<GParaCurve>& ListOf(const GParaCurve*) { return curves; }
  GList<GAngle>& ListOf(const GAngle*) { return angles; }
  GList<GImage>& ListOf(const GImage*) { return images; }
  GList<GBracket>& ListOf(const GBracket*) { return brackets; }

  // Forgets every list (the elements themselves are freed by the caller) and
  // the squared paper: a sheet started afresh, or read from a file that never
  // mentions it, is plain.
  void ResetLists() {
    squaredPaper = false;
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
