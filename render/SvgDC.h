// A drawing context that writes SVG: every line, polyline, polygon, circle,
// arc, rectangle, text and picture drawn into it becomes one SVG element.
// It needs no display (letters are measured with cairo's own fonts), so
// documents can be drawn as vector pictures on a machine without a screen.
#pragma once

#include <string>
#include <wx/dc.h>

class GSvgDC : public wxDC {
 public:
  GSvgDC(int width, int height);
  // The whole document: the header, every element drawn so far, the end.
  std::string Text() const;
};
