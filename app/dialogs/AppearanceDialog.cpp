// The Customize dialog: a grid of choice boxes (one row per slot: its point
// style and its line style) and the background below, with Ok and Cancel.
#include "app/dialogs/AppearanceDialog.h"

#include "app/Language.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

AppearanceDialog::AppearanceDialog(wxWindow* parent, const int pointStyles[kSlots],
                                   const int lineStyles[kSlots], int background)
    : wxDialog(parent, wxID_ANY, _("Customize")) {
  wxArrayString styles, backgrounds;
  for (const char* n : kStyleNames) styles.Add(n);
  for (const char* n : kBackgroundNames) backgrounds.Add(n);

  auto* grid = new wxFlexGridSizer(3, 6, 12);
  grid->Add(new wxStaticText(this, wxID_ANY, ""));
  grid->Add(new wxStaticText(this, wxID_ANY, _("Point")));
  grid->Add(new wxStaticText(this, wxID_ANY, _("Line")));
  for (int i = 0; i < kSlots; ++i) {
    grid->Add(new wxStaticText(this, wxID_ANY, wxString::Format("%d", i + 1)), 0,
              wxALIGN_CENTER_VERTICAL);
    m_Point[i] = new wxChoice(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, styles);
    m_Point[i]->SetSelection(pointStyles[i] >= 0 && pointStyles[i] < kStyleCount ? pointStyles[i]
                                                                                 : 0);
    m_Line[i] = new wxChoice(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, styles);
    m_Line[i]->SetSelection(lineStyles[i] >= 0 && lineStyles[i] < kStyleCount ? lineStyles[i] : 0);
    grid->Add(m_Point[i]);
    grid->Add(m_Line[i]);
  }
  auto* bgRow = new wxBoxSizer(wxHORIZONTAL);
  bgRow->Add(new wxStaticText(this, wxID_ANY, _("Background")), 0,
             wxALIGN_CENTER_VERTICAL | wxRIGHT, 8);
  m_Background = new wxChoice(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, backgrounds);
  m_Background->SetSelection(background >= 0 && background < kBackgroundCount ? background : 0);
  bgRow->Add(m_Background);

  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  buttons->Add(new wxButton(this, wxID_OK, _("Ok")), 0, wxRIGHT, 8);
  buttons->Add(new wxButton(this, wxID_CANCEL, _("Cancel")));

  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(grid, 0, wxALL, 12);
  top->Add(bgRow, 0, wxLEFT | wxRIGHT | wxBOTTOM, 12);
  top->Add(buttons, 0, wxALIGN_RIGHT | wxALL, 12);
  SetSizerAndFit(top);
}

void AppearanceDialog::GetChoices(int pointStyles[kSlots], int lineStyles[kSlots],
                                  int* background) const {
  for (int i = 0; i < kSlots; ++i) {
    pointStyles[i] = m_Point[i]->GetSelection();
    lineStyles[i] = m_Line[i]->GetSelection();
  }
  *background = m_Background->GetSelection();
}
