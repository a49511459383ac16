// The shared colour row: its fields, the "RGB" button and the reading of the
// three components.
#include "app/dialogs/ColourRow.h"

#include "app/Language.h"

#include <wx/button.h>
#include <wx/colordlg.h>

#include "app/dialogs/ToolDialogs.h"

namespace {
// The colour chooser remembers its custom colours from one use to the next.
wxColourData& ChooserData() {
  static wxColourData data;
  return data;
}
}  // namespace

wxSizer* ColourRow::Make(wxWindow* parent, int r, int g, int b) {
  auto* row = new wxBoxSizer(wxHORIZONTAL);
  wxTextCtrl** fields[3] = {&red, &green, &blue};
  const int values[3] = {r, g, b};
  for (int i = 0; i < 3; ++i) {
    *fields[i] = new wxTextCtrl(parent, wxID_ANY, wxString::Format("%d", values[i]),
                                wxDefaultPosition, wxSize(60, -1));
    row->Add(*fields[i], 0, wxRIGHT, 4);
  }
  auto* rgb = new wxButton(parent, wxID_ANY, _("RGB"));
  row->Add(rgb, 0);
  // The chooser starts at the colour the fields show; after its Ok the fields
  // show the chosen one.
  rgb->Bind(wxEVT_BUTTON, [this, parent](wxCommandEvent&) {
    wxColourData& data = ChooserData();
    data.SetColour(wxColour(ReadColour(red->GetValue(), 0), ReadColour(green->GetValue(), 0),
                            ReadColour(blue->GetValue(), 0)));
    wxColourDialog chooser(parent, &data);
    if (chooser.ShowModal() != wxID_OK) return;
    data = chooser.GetColourData();
    const wxColour c = data.GetColour();
    red->SetValue(wxString::Format("%d", c.Red()));
    green->SetValue(wxString::Format("%d", c.Green()));
    blue->SetValue(wxString::Format("%d", c.Blue()));
  });
  return row;
}

void ColourRow::Read(int& r, int& g, int& b) const {
  r = ReadColour(red->GetValue(), r);
  g = ReadColour(green->GetValue(), g);
  b = ReadColour(blue->GetValue(), b);
}
