// MyEditTextDialog: the Text tool's dialog for a text's content, font size,
// alignment and colour (or a point's name), and the reading of its fields.
#include <cmath>
#include <cstdlib>
#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "app/dialogs/ColourRow.h"

#include "app/Language.h"
#include "app/dialogs/ToolDialogs.h"

int ReadColour(const wxString& text, int old) {
  long v = 0;
  wxString t = text;
  t.Trim(true).Trim(false);
  if (!t.ToLong(&v) || v < 0 || v > 255) return old;
  return static_cast<int>(v);
}

double ReadNumber(const wxString& text) {
  const std::string s = text.utf8_string();
  char* end = nullptr;
  const double v = std::strtod(s.c_str(), &end);
  if (end == s.c_str() || !std::isfinite(v)) return 0;
  return v;
}

MyEditTextDialog::MyEditTextDialog(wxWindow* parent, const wxString& text, int fontsize,
                                   bool centred, int red, int green, int blue)
    : wxDialog(parent, wxID_ANY, _("Input text"), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(new wxStaticText(this, wxID_ANY, _("Input text")), 0, wxLEFT | wxTOP, 8);
  m_Text =
      new wxTextCtrl(this, wxID_ANY, text, wxDefaultPosition, wxSize(360, 120), wxTE_MULTILINE);
  top->Add(m_Text, 1, wxEXPAND | wxALL, 8);

  auto* row = new wxBoxSizer(wxHORIZONTAL);
  row->Add(new wxStaticText(this, wxID_ANY, _("fontsize=")), 0, wxALIGN_CENTER_VERTICAL);
  m_Size = new wxTextCtrl(this, wxID_ANY, wxString::Format("%d", fontsize));
  row->Add(m_Size, 0, wxLEFT | wxRIGHT, 6);
  // One group: choosing one clears the other.
  m_Left = new wxRadioButton(this, wxID_ANY, _("align left"), wxDefaultPosition, wxDefaultSize,
                             wxRB_GROUP);
  m_Centre = new wxRadioButton(this, wxID_ANY, _("centering"));
  m_Left->SetValue(!centred);
  m_Centre->SetValue(centred);
  row->Add(m_Left, 0, wxALIGN_CENTER_VERTICAL | wxLEFT, 6);
  row->Add(m_Centre, 0, wxALIGN_CENTER_VERTICAL | wxLEFT, 6);
  top->Add(row, 0, wxLEFT | wxRIGHT, 8);

  top->Add(m_Colour.Make(this, red, green, blue), 0, wxALL, 8);
  m_Red = m_Colour.red;
  m_Green = m_Colour.green;
  m_Blue = m_Colour.blue;

  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  buttons->Add(new wxButton(this, wxID_OK, _("Ok")), 0, wxRIGHT, 8);
  buttons->Add(new wxButton(this, wxID_CANCEL, _("Cancel")), 0);
  top->Add(buttons, 0, wxALIGN_RIGHT | wxALL, 8);
  SetSizerAndFit(top);
  m_Text->SetFocus();
}

void MyEditTextDialog::Read(GTextEdit& e) const {
  e.text = m_Text->GetValue();
  e.size = ReadNumber(m_Size->GetValue());
  e.centred = m_Centre->GetValue();
  m_Colour.Read(e.red, e.green, e.blue);
}

bool AskTextByDialog(wxWindow* parent, GTextEdit& e) {
  MyEditTextDialog dialog(parent, e.text, static_cast<int>(std::lround(e.size)), e.centred, e.red,
                          e.green, e.blue);
  if (dialog.ShowModal() != wxID_OK) return false;
  dialog.Read(e);
  return true;
}
