// Element records of a sheet: points, lines, circles, curves, texts, angle
// marks, brackets, images and the incident-point records. Plain records with
// public fields; they live in the fixed pools of GDocument.
#pragma once

#include <string>

#include "geometry/CComplex.h"
#include "geometry/Coordinates.h"
#include "model/GList.h"

class GCalculation;
struct GIncident;

// Motion matrix of the point being dragged: how its latest displacement turned
// and stretched the one before. The circle intersections read it to predict
// where an intersection point moves next; all zero before any drag.
struct GMotion {
  double a11 = 0, a12 = 0, a21 = 0, a22 = 0;
};

class GObject {
 public:
  std::string name;
  int nameFontSize = 18;
  short hilightCounter = 0;
  unsigned char hilighted = 0;
  int fadeLevel = 0;  // 0 normal, 1..3 fainter, 4+ not drawn
  unsigned char hidden = 0;
  int offsetDx = 0, offsetDy = 0, offsetStep = 0;
  double widthFactor = 1.0;
  double emphasisSpeed = 0.2;
  int offRight = 0, offLeft = 0, offTop = 0, offBottom = 0;

  virtual ~GObject() = default;
  void SetOffset(int level, int dx, int dy, int step) {
    fadeLevel = level;
    offsetDx = dx;
    offsetDy = dy;
    offsetStep = step;
  }
  // Back to the state of a freshly created element (name, flags, effects).
  void ResetObject(int fontSize) {
    name = std::string();
    nameFontSize = fontSize;
    hilightCounter = 0;
    hilighted = 0;
    fadeLevel = 0;
    hidden = 0;
    offsetDx = offsetDy = offsetStep = 0;
    widthFactor = 1.0;
    emphasisSpeed = 0.2;
    offRight = offLeft = offTop = offBottom = 0;
  }
};

// A point of a sheet: its homogeneous coordinates (x : y : z) and what the
// element adds to them.
class GPoint : public GObject, public PointCoords {
 public:
  unsigned char inUse = 0;
  unsigned serial = 0;  // stamped anew each time the slot is handed out
  GPoint* next = nullptr;
  int pointStyle = 0;
  int frameCount = 0;
  double nameAngle = 0.0;
  // Motion record: matrix of the last drag step, previous position and
  // previous displacement; and its saved copy.
  double a11 = 0, a12 = 0, a21 = 0, a22 = 0, prevX = 0, prevY = 0, dX = 0, dY = 0;
  double saved[8] = {0, 0, 0, 0, 0, 0, 0, 0};

  GPoint() = default;
  GPoint(CComplex xx, CComplex yy) : PointCoords(xx, yy) {}
  GPoint(CComplex xx, CComplex yy, CComplex zz) : PointCoords(xx, yy, zz) {}
  GPoint(double xx, double yy, int, int, int, int)
      : PointCoords(CComplex(xx, 0), CComplex(yy, 0)) {}

  void GetAij();
  void PushPointData();
  void PopPointData();
  int NumbOfPt() const;
  void ClearHilight();
};

// A line of a sheet: its coefficients [a : b : c] and the points known to
// lie on it.
class GLine : public GObject, public LineCoords {
 public:
  unsigned char inUse = 0;
  unsigned char toolMark = 0;
  unsigned serial = 0;  // stamped anew each time the slot is handed out
  GLine* next = nullptr;
  GList<GIncident> ics;  // points known to lie on the line
  int icCount = 0;
  double ex1 = 0, ey1 = 0, ex2 = 0, ey2 = 0;  // drawn end coordinates
  int lineStyle = 0;

  GLine() = default;
  GLine(CComplex aa, CComplex bb, CComplex cc) : LineCoords(aa, bb, cc) {}
  GLine(double x1, double y1, double x2, double y2, int, int, int, int) { SetLine(x1, y1, x2, y2); }

  int NumOfLn() const;
  void ClearHilight();
};

// A circle of a sheet: centre and squared radius, and the points known to
// lie on it.
class GCircle : public GObject, public CircleCoords {
 public:
  unsigned char inUse = 0;
  unsigned serial = 0;  // stamped anew each time the slot is handed out
  GCircle* next = nullptr;
  unsigned char toolMark = 0;  // clipped: drawn as the arc its incident points span
  GList<GIncident> ics;
  int icCount = 0;
  int lineStyle = 0;

  GCircle() = default;
  GCircle(CComplex x, CComplex y, CComplex r) : CircleCoords(x, y, r) {}
  GCircle(double x, double y, double r) : CircleCoords(x, y, r) {}

  int NumOfCc() const;
  void ClearHilight();
};

constexpr int kCurveSamples = 500;

class GParaCurve : public GObject {
 public:
  std::string expr1;  // y(x) of a graph, y(t) of a parametric curve
  GCalculation* calc1 = nullptr;
  std::string expr2;  // x(t) of a parametric curve
  GCalculation* calc2 = nullptr;
  unsigned char inUse = 0;
  double X[kCurveSamples];
  double Y[kCurveSamples];
  unsigned char flag[kCurveSamples];
  int count = 0;
  GParaCurve* next = nullptr;
  int lineStyle = 0;
  double xmin = 0, xmax = 0;
};

class GText : public GObject {
 public:
  std::string text;     // UTF-8; commas stored as backslash-comma
  double x = 0, y = 0;  // canvas pixels
  double fontSize = 18;
  int red = 0, green = 0, blue = 0;
  unsigned char inUse = 0;
  unsigned serial = 0;  // stamped anew each time the slot is handed out
  unsigned char centered = 0;
  GText* next = nullptr;
};

class GAngle : public GObject {
 public:
  CComplex value;     // radians, signed
  CComplex vx, vy;    // vertex (affine)
  CComplex d1x, d1y;  // first direction (unit)
  CComplex d2x, d2y;  // second direction (unit)
  int style = 0;
  int radius = 40;  // arc radius in pixels
  unsigned char inUse = 0;
  unsigned serial = 0;  // stamped anew each time the slot is handed out
  int red = 0, green = 0, blue = 0;
  // Hidden on purpose (a file's "invisible"). `hidden` also covers a mark
  // whose arms are not defined, and every evaluation sets it anew; this one
  // survives evaluations, so a mark put away stays away.
  unsigned char userHidden = 0;
  GAngle* next = nullptr;
};

class GBracket : public GObject {
 public:
  CComplex spare;
  CComplex x1, y1, z1;  // first end point (homogeneous)
  CComplex x2, y2, z2;  // second end point
  int intField = 0;
  double bulge = 0.3;
  std::string label;  // caption, UTF-8
  unsigned char inUse = 0;
  unsigned serial = 0;  // stamped anew each time the slot is handed out
  int red = 0, green = 0, blue = 0;
  GBracket* next = nullptr;
};

// The picture behind an image element (its pixels as loaded and as shown),
// made by the GUI, which decodes the file; the core only owns and frees it.
class GPicture {
 public:
  virtual ~GPicture() = default;
};

class GImage : public GObject {
 public:
  std::string fileName;
  GPicture* picture = nullptr;              // owned
  int x = 0, y = 0, width = 0, height = 0;  // pixels
  unsigned char inUse = 1;
  unsigned char byte0 = 0;
  unsigned char byte1 = 1;
  GImage* next = nullptr;
  ~GImage() override { delete picture; }
};

// A point known to lie on a line or circle, with its parameter: position
// along the line, or clockwise angle on the circle.
struct GIncident {
  GPoint* point = nullptr;
  GIncident* next = nullptr;
  CComplex param;
  unsigned char inUse = 0;
};
