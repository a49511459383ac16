// The "Property" dialogs of a hilighted angle mark and bracket: the look the
// mouse cannot set (mark style and size, bracket style or caption, height,
// colour). Values outside their ranges leave the old ones.
#pragma once

#include <wx/choice.h>
#include <wx/dialog.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>

#include "app/dialogs/ColourRow.h"
#include "model/Elements.h"

class AnglePropertyDialog : public wxDialog {
 public:
  AnglePropertyDialog(wxWindow* parent, const GAngle& angle);
  // The chosen style, the size when a whole number from 20 to 100, and each
  // colour component from 0 to 255.
  void Apply(GAngle& angle) const;
  wxChoice* m_Style;
  wxTextCtrl* m_Size;
  ColourRow m_Colour;
};

class BracketPropertyDialog : public wxDialog {
 public:
  BracketPropertyDialog(wxWindow* parent, const GBracket& bracket);
  // Either the chosen mark style or the caption (style -1), the height when a
  // number from -0.5 to 0.5, and each colour component from 0 to 255.
  void Apply(GBracket& bracket) const;
  wxRadioButton* m_ByStyle;
  wxChoice* m_Style;
  wxRadioButton* m_ByCaption;
  wxTextCtrl* m_Caption;
  wxTextCtrl* m_Height;
  ColourRow m_Colour;
};

// Shows the dialog modally and applies it on "Ok"; false on "Cancel".
bool EditAngleByDialog(wxWindow* parent, GAngle& angle);
bool EditBracketByDialog(wxWindow* parent, GBracket& bracket);
