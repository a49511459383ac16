// ScriptDialog: the current sheet as editable script text, with buttons that
// apply it, step to the neighbouring sheets, insert a sheet after it, or
// leave everything as it was.
#pragma once

#include <functional>
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/textctrl.h>

class GDocument;
class MyCanvas;

class ScriptDialog : public wxDialog {
 public:
  ScriptDialog(wxWindow* parent, MyCanvas* canvas);

  // Shows the dialog modally and returns wxID_OK or wxID_CANCEL; tests set
  // s_Run to answer instead of a person.
  int Run();
  static std::function<int(ScriptDialog&)> s_Run;

  // The buttons: "< Next" goes back one sheet, "Prev >" forward one.
  void OnScriptPrevSheet(wxCommandEvent& event);  // "< Next"
  void OnScriptNextSheet(wxCommandEvent& event);  // "Prev >"
  void OnScriptNewSheet(wxCommandEvent& event);   // "Insert"
  void OnApply(wxCommandEvent& event);
  void OnCancel(wxCommandEvent& event);

  MyCanvas* m_Canvas;
  GDocument& m_Doc;
  wxButton* m_Apply;
  wxButton* m_Back;     // "< Next"
  wxButton* m_Forward;  // "Prev >"
  wxButton* m_Insert;
  wxButton* m_Cancel;
  wxTextCtrl* m_SheetLabel;  // "Sheet: n/count"
  wxTextCtrl* m_Script;

 private:
  void ShowSheetNumber();
  // The sheet number and the current sheet's block in the field.
  void ShowSheet();
  void Finish(int code);
  // Steps back (-1) or forward (+1) after taking in the edited text.
  void Step(int direction);
  // After stepping or inserting: the new sheet's text when the sheet changed,
  // otherwise only the counter (the text stays for correcting); the figure.
  void ShowOutcome(bool changed);
};
