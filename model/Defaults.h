// GDefaults: what new elements are made with — the label size, the point,
// line and angle-mark modes the menus chose, and the colours of new texts,
// marks and brackets and of every point name (a theme sets them).
#pragma once

#include "model/Modes.h"

// A colour as the construction language writes it: 0..255 per channel.
struct GColour {
  int r = 0, g = 0, b = 0;
  bool operator==(const GColour& o) const { return r == o.r && g == o.g && b == o.b; }
};

class GDefaults {
 public:
  int NameFontSize() const { return m_NameFontSize; }
  void SetNameFontSize(int size) { m_NameFontSize = size; }
  // The menus' modes: new points take style PointMode() - kPointMode0, new
  // lines and circles LineMode() - kLineMode0, new marks AngleMode() - kAngleMode0.
  int PointMode() const { return m_PointMode; }
  int LineMode() const { return m_LineMode; }
  int AngleMode() const { return m_AngleMode; }
  void SetPointMode(int mode) { m_PointMode = mode; }
  void SetLineMode(int mode) { m_LineMode = mode; }
  void SetAngleMode(int mode) { m_AngleMode = mode; }
  GColour TextColour() const { return m_Text; }
  GColour AngleColour() const { return m_Angle; }
  GColour BracketColour() const { return m_Bracket; }
  GColour NameColour() const { return m_Name; }
  void SetTextColour(GColour c) { m_Text = c; }
  void SetAngleColour(GColour c) { m_Angle = c; }
  void SetBracketColour(GColour c) { m_Bracket = c; }
  void SetNameColour(GColour c) { m_Name = c; }

 private:
  int m_NameFontSize = 18;
  int m_PointMode = kPointMode0;
  int m_LineMode = kLineMode0;
  int m_AngleMode = kAngleMode0;
  GColour m_Text, m_Angle, m_Bracket, m_Name;
};
