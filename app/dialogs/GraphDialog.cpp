// GraphDialog ("Input graph"): the formula of a function graph, f(x), or of a
// parametric curve, f(x),g(x), and the range of x the curve is drawn over.
// A formula that is refused leaves the dialog open with the text as typed.
#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "app/dialogs/ToolDialogs.h"

#include "app/Language.h"

GraphDialog::GraphDialog(wxWindow* parent, const GGraphInput& start, GGraphAccept accept)
    : wxDialog(parent, wxID_ANY, _("Input graph"), wxDefaultPosition, wxSize(400, 220)),
      m_Accept(std::move(accept)) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(new wxStaticText(this, wxID_ANY, _("Input function")), 0, wxLEFT | wxTOP | wxRIGHT, 10);
  m_Formula = new wxTextCtrl(this, wxID_ANY, start.formula, wxDefaultPosition, wxSize(350, 25));
  top->Add(m_Formula, 0, wxALL, 10);
  top->Add(new wxStaticText(this, wxID_ANY, _("f(x) .. explicit function")), 0, wxLEFT | wxRIGHT,
           10);
  top->Add(new wxStaticText(this, wxID_ANY, _("f(x),g(x) .. parametric curve")), 0,
           wxLEFT | wxRIGHT, 10);
  // Implicit curves are not drawn: their help line stays hidden.
  auto* implicit =
      new wxStaticText(this, wxID_ANY, _("f(x,y) .. implicit function(not in service)"));
  implicit->Hide();

  auto* row = new wxBoxSizer(wxHORIZONTAL);
  m_XMin = new wxTextCtrl(this, wxID_ANY, start.xmin, wxDefaultPosition, wxSize(50, 25));
  m_XMax = new wxTextCtrl(this, wxID_ANY, start.xmax, wxDefaultPosition, wxSize(50, 25));
  row->Add(m_XMin, 0, wxRIGHT, 6);
  row->Add(new wxStaticText(this, wxID_ANY, _("< x <")), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
  row->Add(m_XMax, 0, wxRIGHT, 20);
  row->AddStretchSpacer();
  row->Add(new wxButton(this, wxID_OK, _("OK"), wxDefaultPosition, wxSize(65, 25)), 0, wxRIGHT, 8);
  row->Add(new wxButton(this, wxID_CANCEL, _("Cancel"), wxDefaultPosition, wxSize(65, 25)), 0);
  top->Add(row, 0, wxEXPAND | wxALL, 10);
  SetSizer(top);
  m_Formula->SetFocus();
  // OK (the button or Return) asks first; a refusal was explained, and the
  // child mends the text where it stands.
  Bind(
      wxEVT_BUTTON,
      [this](wxCommandEvent&) {
        GGraphInput g;
        Read(g);
        if (!m_Accept || m_Accept(g)) {
          EndModal(wxID_OK);
          return;
        }
        m_Formula->SetFocus();
      },
      wxID_OK);
}

void GraphDialog::Read(GGraphInput& g) const {
  g.formula = m_Formula->GetValue();
  g.xmin = m_XMin->GetValue();
  g.xmax = m_XMax->GetValue();
}

bool AskGraphByDialog(wxWindow* parent, GGraphInput& g, const GGraphAccept& accept) {
  GraphDialog dialog(parent, g, accept);
  if (dialog.ShowModal() != wxID_OK) return false;
  dialog.Read(g);
  return true;
}
