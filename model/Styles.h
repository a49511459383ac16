// The appearance commands on a document: the Point, Line and Angle menus
// acting on the hilighted elements, a theme's colours, and texts following
// the window's size.
#pragma once

class GDocument;

// The Point, Line and Angle menus: the slot becomes the mode of new
// elements and the style of the hilighted ones.
void SetPointStyleOfHilighted(GDocument& doc, int slot);
void SetLineStyleOfHilighted(GDocument& doc, int slot);  // lines, circles and curves
void SetAngleStyleOfHilighted(GDocument& doc, int style);
// A theme's text colour: for new texts, marks and brackets, for every
// point name, and for the sheet's marks and brackets.
void SetThemeColours(GDocument& doc, int r, int g, int b);
// Texts of every sheet keep their place and size relative to a window
// whose size changed by rx across and ry down.
void RescaleTexts(GDocument& doc, double rx, double ry);
