// AngleDialog: how the line-with-angle tool gets its angle, either as the
// angle at the middle one of three named points or as a number of degrees.
#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "app/dialogs/ToolDialogs.h"

#include "app/Language.h"

AngleDialog::AngleDialog(wxWindow* parent, const GAngleChoice& start)
    : wxDialog(parent, wxID_ANY, _("Draw a line with an angle")) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  m_ByPoints = new wxRadioButton(this, wxID_ANY, _("Angle by points"), wxDefaultPosition,
                                 wxDefaultSize, wxRB_GROUP);
  top->Add(m_ByPoints, 0, wxLEFT | wxTOP | wxRIGHT, 8);
  auto* names = new wxBoxSizer(wxHORIZONTAL);
  const wxString* given[3] = {&start.first, &start.vertex, &start.second};
  for (int i = 0; i < 3; ++i) {
    m_Names[i] = new wxTextCtrl(this, wxID_ANY, *given[i], wxDefaultPosition, wxSize(70, -1));
    names->Add(m_Names[i], 0, wxRIGHT, 4);
  }
  top->Add(names, 0, wxALL, 8);

  m_ByDegree = new wxRadioButton(this, wxID_ANY, _("Angle by degree"));
  top->Add(m_ByDegree, 0, wxLEFT | wxRIGHT, 8);
  auto* degree = new wxBoxSizer(wxHORIZONTAL);
  m_Degrees = new wxTextCtrl(this, wxID_ANY, start.degrees, wxDefaultPosition, wxSize(90, -1));
  degree->Add(m_Degrees, 0, wxRIGHT, 4);
  degree->Add(new wxStaticText(this, wxID_ANY, _("degree")), 0, wxALIGN_CENTER_VERTICAL);
  top->Add(degree, 0, wxALL, 8);
  m_ByPoints->SetValue(start.byPoints);
  m_ByDegree->SetValue(!start.byPoints);

  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  buttons->Add(new wxButton(this, wxID_OK, _("OK")), 0, wxRIGHT, 8);
  buttons->Add(new wxButton(this, wxID_CANCEL, _("Cancel")), 0);
  top->Add(buttons, 0, wxALIGN_RIGHT | wxALL, 8);
  SetSizerAndFit(top);

  // Typing into a field chooses its way.
  for (wxTextCtrl* t : m_Names)
    t->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { m_ByPoints->SetValue(true); });
  m_Degrees->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { m_ByDegree->SetValue(true); });
}

void AngleDialog::Read(GAngleChoice& c) const {
  c.byPoints = m_ByPoints->GetValue();
  wxString* names[3] = {&c.first, &c.vertex, &c.second};
  for (int i = 0; i < 3; ++i) {
    *names[i] = m_Names[i]->GetValue();
    names[i]->Trim(true).Trim(false);
  }
  c.degrees = m_Degrees->GetValue();
}

bool AskAngleByDialog(wxWindow* parent, GAngleChoice& c) {
  AngleDialog dialog(parent, c);
  if (dialog.ShowModal() != wxID_OK) return false;
  dialog.Read(c);
  return true;
}
