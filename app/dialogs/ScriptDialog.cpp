// ScriptDialog: edits the current sheet as script text. The rebuilding of the
// sheet from the text, the stepping and the inserting are the document's; the
// dialog shows the sheet and passes the text on.
#include "app/dialogs/ScriptDialog.h"

#include "app/Language.h"
#include "script/Script.h"

#include "interaction/MyCanvas.h"

std::function<int(ScriptDialog&)> ScriptDialog::s_Run;

ScriptDialog::ScriptDialog(wxWindow* parent, MyCanvas* canvas)
    : wxDialog(parent, wxID_ANY, _("Edit script"), wxPoint(50, 50), wxSize(500, 600),
               wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX),
      m_Canvas(canvas),
      m_Doc(*canvas->m_Doc) {
  const wxSize button(75, 25);
  m_Apply = new wxButton(this, wxID_OK, _("Apply"), wxPoint(10, 10), button);
  m_Back = new wxButton(this, wxID_ANY, _("< Next"), wxPoint(110, 10), button);
  m_Forward = new wxButton(this, wxID_ANY, _("Prev >"), wxPoint(210, 10), button);
  m_Insert = new wxButton(this, wxID_ANY, _("Insert"), wxPoint(310, 10), button);
  m_Cancel = new wxButton(this, wxID_CANCEL, _("Cancel"), wxPoint(410, 10), button);
  m_SheetLabel = new wxTextCtrl(this, wxID_ANY, wxEmptyString, wxPoint(10, 45), wxSize(470, 25),
                                wxTE_READONLY);
  m_Script = new wxTextCtrl(this, wxID_ANY, wxEmptyString, wxPoint(10, 75), wxSize(470, 500),
                            wxTE_MULTILINE | wxHSCROLL);

  m_Apply->Bind(wxEVT_BUTTON, &ScriptDialog::OnApply, this);
  m_Back->Bind(wxEVT_BUTTON, &ScriptDialog::OnScriptPrevSheet, this);
  m_Forward->Bind(wxEVT_BUTTON, &ScriptDialog::OnScriptNextSheet, this);
  m_Insert->Bind(wxEVT_BUTTON, &ScriptDialog::OnScriptNewSheet, this);
  // Escape and the close box send wxID_CANCEL as well.
  Bind(wxEVT_BUTTON, &ScriptDialog::OnCancel, this, wxID_CANCEL);
  ShowSheet();
}

// The toolkit centres a modal dialog on its window as it shows it; the
// editor goes back to its own place once it is up, over the figure's left.
int ScriptDialog::Run() {
  if (s_Run) return s_Run(*this);
  CallAfter([this] { Move(wxPoint(50, 50)); });
  return ShowModal();
}

void ScriptDialog::ShowSheetNumber() {
  m_SheetLabel->SetValue(
      wxString::Format("Sheet: %d/%d", m_Doc.CurrentSheetIndex() + 1, m_Doc.SheetCount()));
}

void ScriptDialog::ShowSheet() {
  ShowSheetNumber();
  m_Script->SetValue(wxString::FromUTF8(SheetScriptText(m_Doc)));
}

void ScriptDialog::Finish(int code) {
  if (IsModal())
    EndModal(code);
  else
    SetReturnCode(code);
}

// With an error in the text the dialog stays open with the text as typed:
// the reader has said where the error is, and the rest of the text is not
// lost. The statements before the error are in the sheet already.
void ScriptDialog::OnApply(wxCommandEvent&) {
  const bool read = ApplySheetScript(m_Doc, m_Script->GetValue().utf8_string());
  m_Canvas->Refresh(false);
  ShowSheetNumber();  // "//Sheet" lines in the text may have added sheets
  if (read) Finish(wxID_OK);
}

void ScriptDialog::OnCancel(wxCommandEvent&) { Finish(wxID_CANCEL); }

void ScriptDialog::ShowOutcome(bool changed) {
  if (changed)
    ShowSheet();
  else
    ShowSheetNumber();
  m_Canvas->Refresh(false);
}

void ScriptDialog::Step(int direction) {
  ShowOutcome(StepEditedSheet(m_Doc, direction, m_Script->GetValue().utf8_string()));
}

void ScriptDialog::OnScriptPrevSheet(wxCommandEvent&) { Step(-1); }

void ScriptDialog::OnScriptNextSheet(wxCommandEvent&) { Step(+1); }

// The text in the field is applied to its sheet first, as stepping does, so
// that what was typed is never dropped; the new sheet starts with an empty
// field.
void ScriptDialog::OnScriptNewSheet(wxCommandEvent&) {
  ShowOutcome(InsertAfterEditedSheet(m_Doc, m_Script->GetValue().utf8_string()));
}
