// The colour row the text and property dialogs share: three fields for red,
// green and blue and the "RGB" button that fills them from the toolkit's
// colour chooser.
#pragma once

#include <wx/sizer.h>
#include <wx/textctrl.h>

struct ColourRow {
  wxTextCtrl* red = nullptr;
  wxTextCtrl* green = nullptr;
  wxTextCtrl* blue = nullptr;
  // Makes the fields (showing r, g, b) and the button in parent; the caller
  // places the returned sizer.
  wxSizer* Make(wxWindow* parent, int r, int g, int b);
  // Each component as read by ReadColour: the field's whole number from 0 to
  // 255, else the old value.
  void Read(int& r, int& g, int& b) const;
};
