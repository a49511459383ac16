// The Customize dialog: five point-style slots, five line-style slots and the
// background, each chosen from the built-in names.
#pragma once

#include <wx/choice.h>
#include <wx/dialog.h>

#include "render/Theme.h"

class AppearanceDialog : public wxDialog {
 public:
  AppearanceDialog(wxWindow* parent, const int pointStyles[kSlots], const int lineStyles[kSlots],
                   int background);
  void GetChoices(int pointStyles[kSlots], int lineStyles[kSlots], int* background) const;

  wxChoice* m_Point[kSlots];
  wxChoice* m_Line[kSlots];
  wxChoice* m_Background;
};
