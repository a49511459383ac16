// AnimationDialog ("Animation setup"): the effects of the current sheet and
// the hilighted elements as rows of a list; each row says how its element
// appears or disappears. Ok rebuilds the sheet's effect steps from the rows.
#pragma once

#include <functional>
#include <vector>
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/listbox.h>
#include <wx/radiobut.h>

#include "slides/EffectRows.h"

class AnimationDialog : public wxDialog {
 public:
  AnimationDialog(wxWindow* parent, GDocument& doc);

  // Shows the dialog modally: wxID_OK or wxID_CANCEL. Tests set s_Run to
  // answer instead of a person.
  int Run();
  static std::function<int(AnimationDialog&)> s_Run;

  std::vector<GEffectRow> m_Rows;
  wxListBox* m_List;
  wxRadioButton* m_Appear;
  wxRadioButton* m_Disappear;
  wxRadioButton* m_OnClick;
  wxRadioButton* m_Immediately;
  wxRadioButton* m_Direction[5];  // fade, right, left, top, bottom
  wxRadioButton* m_Effect;
  wxRadioButton* m_NoEffect;
  wxButton* m_Up;
  wxButton* m_Down;
  wxButton* m_Delete;
  wxButton* m_Ok;
  wxButton* m_Cancel;

  // Selects row i and shows its settings.
  void Select(int i);

 private:
  GDocument& m_Doc;
  void Rebuild(int select);
  void OnSelect(wxCommandEvent& event);
  void OnChoice(wxCommandEvent& event);
  void OnUp(wxCommandEvent& event);
  void OnDown(wxCommandEvent& event);
  void OnDelete(wxCommandEvent& event);
  void OnOk(wxCommandEvent& event);
  void OnCancel(wxCommandEvent& event);
  void Finish(int code);
};

// The "Animation setup" command: shows the dialog; true when Ok changed the
// effects.
bool AnimationProperty(wxWindow* parent, GDocument& doc);
