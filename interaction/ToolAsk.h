// What the Text and Line-with-angle tools ask a person: the values the text
// dialog shows and takes back, and the angle dialog's answer. The frame
// answers with its modal dialogs, tests answer directly.
#pragma once

#include <functional>

#include <wx/string.h>

// What the text dialog shows and, after Ok, what was entered. A size that is
// not a number reads as 0, which every caller treats as out of range; a
// colour field that is not a whole number from 0 to 255 keeps its old value.
struct GTextEdit {
  wxString text;
  double size = 18;
  bool centred = false;
  int red = 0, green = 0, blue = 0;
  bool forName = false;  // the text is a point's name (one line)
};

// The graph dialog's answer: the formula as typed and the range of x.
struct GGraphInput {
  wxString formula;
  wxString xmin = "-5", xmax = "5";
};
// What the graph dialog's OK does with what is typed: true when it was
// taken (the dialog closes), false when the person was told what is wrong
// (the dialog stays open with the text as typed).
using GGraphAccept = std::function<bool(const GGraphInput&)>;

// The angle dialog's answer: three point names, or a typed number of degrees.
struct GAngleChoice {
  bool byPoints = false;
  wxString first, vertex, second;
  wxString degrees = "60";
};
