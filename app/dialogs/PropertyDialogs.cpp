// AnglePropertyDialog and BracketPropertyDialog: their layout (a label column
// and a field column) and how their fields are taken into the element.
#include "app/dialogs/PropertyDialogs.h"

#include "app/Language.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

namespace {

// The marks, in the order of their style numbers.
// Translated when a dialog is made: the catalogue is loaded after these exist.
const char* const kAngleStyles[] = {N_("Simple"), N_("Double"), N_("Single segment"),
                                    N_("Double segments"), N_("Circle")};
const char* const kBracketStyles[] = {N_("Simple"), N_("Single segment"), N_("Double segments"),
                                      N_("Circle"), N_("Check")};
constexpr int kStyleCount = 5;

wxChoice* StyleChoice(wxWindow* parent, const char* const (&names)[kStyleCount], int style) {
  wxString shown[kStyleCount];
  for (int i = 0; i < kStyleCount; ++i) shown[i] = wxGetTranslation(names[i]);
  auto* choice =
      new wxChoice(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, kStyleCount, shown);
  // A style the list does not name stays unchosen and is kept on Ok.
  choice->SetSelection(style >= 0 && style < kStyleCount ? style : wxNOT_FOUND);
  return choice;
}

// The whole number in text, or old when the text is anything else or outside
// low..high.
int ReadInt(const wxString& text, int low, int high, int old) {
  long v = 0;
  wxString t = text;
  t.Trim(true).Trim(false);
  return t.ToLong(&v) && v >= low && v <= high ? static_cast<int>(v) : old;
}

double ReadDouble(const wxString& text, double low, double high, double old) {
  double v = 0;
  wxString t = text;
  t.Trim(true).Trim(false);
  return t.ToCDouble(&v) && v >= low && v <= high ? v : old;
}

// The dialog's frame: a two-column grid for the rows, then Ok and Cancel.
class RowLayout {
 public:
  explicit RowLayout(wxDialog* d) : m_Dialog(d), m_Grid(new wxFlexGridSizer(2, 6, 8)) {}
  void Row(wxWindow* label, wxSizer* field) {
    m_Grid->Add(label, 0, wxALIGN_CENTER_VERTICAL);
    m_Grid->Add(field, 0, wxEXPAND);
  }
  void Row(const wxString& label, wxWindow* field) {
    auto* one = new wxBoxSizer(wxHORIZONTAL);
    one->Add(field, 1, wxEXPAND);
    Row(new wxStaticText(m_Dialog, wxID_ANY, label), one);
  }
  void Finish() {
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(m_Grid, 0, wxALL, 10);
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(new wxButton(m_Dialog, wxID_OK, _("Ok")), 0, wxRIGHT, 8);
    buttons->Add(new wxButton(m_Dialog, wxID_CANCEL, _("Cancel")), 0);
    top->Add(buttons, 0, wxALIGN_RIGHT | wxALL, 10);
    m_Dialog->SetSizerAndFit(top);
  }

 private:
  wxDialog* m_Dialog;
  wxFlexGridSizer* m_Grid;
};

wxStaticText* NameLabel(wxWindow* parent, const GObject& e) {
  return new wxStaticText(parent, wxID_ANY, wxString::FromUTF8(e.name));
}

}  // namespace

AnglePropertyDialog::AnglePropertyDialog(wxWindow* parent, const GAngle& angle)
    : wxDialog(parent, wxID_ANY, _("Property")) {
  RowLayout l(this);
  l.Row(_("Name  =  "), NameLabel(this, angle));
  m_Style = StyleChoice(this, kAngleStyles, angle.style);
  l.Row(_("Style  = "), m_Style);
  m_Size = new wxTextCtrl(this, wxID_ANY, wxString::Format("%d", angle.radius));
  l.Row(_("Size  = "), m_Size);
  l.Row(new wxStaticText(this, wxID_ANY, _("Color  = ")),
        m_Colour.Make(this, angle.red, angle.green, angle.blue));
  l.Finish();
}

void AnglePropertyDialog::Apply(GAngle& angle) const {
  m_Colour.Read(angle.red, angle.green, angle.blue);
  if (m_Style->GetSelection() != wxNOT_FOUND) angle.style = m_Style->GetSelection();
  angle.radius = ReadInt(m_Size->GetValue(), 20, 100, angle.radius);
}

BracketPropertyDialog::BracketPropertyDialog(wxWindow* parent, const GBracket& bracket)
    : wxDialog(parent, wxID_ANY, _("Property")) {
  RowLayout l(this);
  l.Row(_("Name  =  "), NameLabel(this, bracket));
  // A bracket shows either a mark or a caption: one option each.
  m_ByStyle = new wxRadioButton(this, wxID_ANY, _("Style  = "), wxDefaultPosition, wxDefaultSize,
                                wxRB_GROUP);
  m_Style = StyleChoice(this, kBracketStyles, bracket.intField);
  auto* style = new wxBoxSizer(wxHORIZONTAL);
  style->Add(m_Style, 1, wxEXPAND);
  l.Row(m_ByStyle, style);
  m_ByCaption = new wxRadioButton(this, wxID_ANY, _("Caption= "));
  m_Caption = new wxTextCtrl(this, wxID_ANY, wxString::FromUTF8(bracket.label));
  auto* caption = new wxBoxSizer(wxHORIZONTAL);
  caption->Add(m_Caption, 1, wxEXPAND);
  l.Row(m_ByCaption, caption);
  m_ByCaption->SetValue(bracket.intField < 0);
  m_ByStyle->SetValue(bracket.intField >= 0);
  m_Height = new wxTextCtrl(this, wxID_ANY, wxString::Format("%.3f", bracket.bulge));
  l.Row(_("Height= "), m_Height);
  l.Row(new wxStaticText(this, wxID_ANY, _("Color  = ")),
        m_Colour.Make(this, bracket.red, bracket.green, bracket.blue));
  l.Finish();
  // Touching a field chooses its option.
  m_Style->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { m_ByStyle->SetValue(true); });
  m_Caption->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { m_ByCaption->SetValue(true); });
}

void BracketPropertyDialog::Apply(GBracket& bracket) const {
  m_Colour.Read(bracket.red, bracket.green, bracket.blue);
  if (m_ByCaption->GetValue()) {
    bracket.label = m_Caption->GetValue().utf8_string();
    bracket.intField = -1;
  } else if (m_Style->GetSelection() != wxNOT_FOUND) {
    bracket.intField = m_Style->GetSelection();
  }
  bracket.bulge = ReadDouble(m_Height->GetValue(), -0.5, 0.5, bracket.bulge);
}

bool EditAngleByDialog(wxWindow* parent, GAngle& angle) {
  AnglePropertyDialog dialog(parent, angle);
  if (dialog.ShowModal() != wxID_OK) return false;
  dialog.Apply(angle);
  return true;
}

bool EditBracketByDialog(wxWindow* parent, GBracket& bracket) {
  BracketPropertyDialog dialog(parent, bracket);
  if (dialog.ShowModal() != wxID_OK) return false;
  dialog.Apply(bracket);
  return true;
}
