// AnimationDialog: the list of rows on the left; on the right one group per
// question (appear or disappear, when, which way, with or without the swell);
// Up, Down and Delete under the list, Ok and Cancel at the bottom.
#include "app/dialogs/AnimationDialog.h"

#include "app/Language.h"

#include <wx/sizer.h>
#include <wx/statbox.h>

std::function<int(AnimationDialog&)> AnimationDialog::s_Run;

namespace {

// A group of radio buttons in a box; the first starts the group.
wxStaticBoxSizer* Group(wxWindow* parent,
                        std::initializer_list<std::pair<wxRadioButton**, wxString>> buttons) {
  auto* box = new wxStaticBoxSizer(wxVERTICAL, parent);
  bool first = true;
  for (auto& [slot, label] : buttons) {
    *slot = new wxRadioButton(box->GetStaticBox(), wxID_ANY, label, wxDefaultPosition,
                              wxDefaultSize, first ? wxRB_GROUP : 0);
    box->Add(*slot, 0, wxALL, 3);
    first = false;
  }
  return box;
}

}  // namespace

AnimationDialog::AnimationDialog(wxWindow* parent, GDocument& doc)
    : wxDialog(parent, wxID_ANY, _("Animation setup"), wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX | wxRESIZE_BORDER),
      m_Rows(EffectRows(doc)),
      m_Doc(doc) {
  auto* list = new wxStaticBoxSizer(wxVERTICAL, this, _("List"));
  m_List = new wxListBox(list->GetStaticBox(), wxID_ANY, wxDefaultPosition, wxSize(460, 300));
  list->Add(m_List, 1, wxEXPAND | wxALL, 4);
  auto* order = new wxBoxSizer(wxHORIZONTAL);
  m_Up = new wxButton(list->GetStaticBox(), wxID_ANY, _("Up"));
  m_Down = new wxButton(list->GetStaticBox(), wxID_ANY, _("Down"));
  m_Delete = new wxButton(list->GetStaticBox(), wxID_ANY, _("Delete"));
  order->Add(m_Up, 0, wxALL, 3);
  order->Add(m_Down, 0, wxALL, 3);
  order->AddStretchSpacer();
  order->Add(m_Delete, 0, wxALL, 3);
  list->Add(order, 0, wxEXPAND);

  auto* choices = new wxBoxSizer(wxVERTICAL);
  choices->Add(Group(this, {{&m_Appear, _("appear")}, {&m_Disappear, _("disappear")}}), 0,
               wxEXPAND | wxBOTTOM, 6);
  choices->Add(Group(this, {{&m_OnClick, _("on click")}, {&m_Immediately, _("immediately")}}), 0,
               wxEXPAND | wxBOTTOM, 6);
  choices->Add(Group(this, {{&m_Direction[0], _("fade")},
                            {&m_Direction[1], _("right")},
                            {&m_Direction[2], _("left")},
                            {&m_Direction[3], _("top")},
                            {&m_Direction[4], _("bottom")}}),
               0, wxEXPAND | wxBOTTOM, 6);
  choices->Add(Group(this, {{&m_Effect, _("effect")}, {&m_NoEffect, _("no effect")}}), 0, wxEXPAND);

  auto* body = new wxBoxSizer(wxHORIZONTAL);
  body->Add(list, 1, wxEXPAND | wxALL, 6);
  body->Add(choices, 0, wxALL, 6);

  auto* closing = new wxBoxSizer(wxHORIZONTAL);
  m_Ok = new wxButton(this, wxID_OK, _("Ok"));
  m_Cancel = new wxButton(this, wxID_CANCEL, _("Cancel"));
  closing->AddStretchSpacer();
  closing->Add(m_Ok, 0, wxALL, 4);
  closing->Add(m_Cancel, 0, wxALL, 4);

  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(body, 1, wxEXPAND);
  top->Add(closing, 0, wxEXPAND | wxALL, 4);
  SetSizerAndFit(top);

  m_List->Bind(wxEVT_LISTBOX, &AnimationDialog::OnSelect, this);
  for (wxRadioButton* b :
       {m_Appear, m_Disappear, m_OnClick, m_Immediately, m_Direction[0], m_Direction[1],
        m_Direction[2], m_Direction[3], m_Direction[4], m_Effect, m_NoEffect})
    b->Bind(wxEVT_RADIOBUTTON, &AnimationDialog::OnChoice, this);
  m_Up->Bind(wxEVT_BUTTON, &AnimationDialog::OnUp, this);
  m_Down->Bind(wxEVT_BUTTON, &AnimationDialog::OnDown, this);
  m_Delete->Bind(wxEVT_BUTTON, &AnimationDialog::OnDelete, this);
  m_Ok->Bind(wxEVT_BUTTON, &AnimationDialog::OnOk, this);
  // Escape and the close box send wxID_CANCEL as well.
  Bind(wxEVT_BUTTON, &AnimationDialog::OnCancel, this, wxID_CANCEL);
  Rebuild(m_Rows.empty() ? -1 : 0);
}

int AnimationDialog::Run() {
  if (s_Run) return s_Run(*this);
  return ShowModal();
}

void AnimationDialog::Rebuild(int select) {
  m_List->Clear();
  for (const GEffectRow& r : m_Rows) m_List->Append(wxString::FromUTF8(EffectRowText(r)));
  Select(select);
}

void AnimationDialog::Select(int i) {
  const bool any = i >= 0 && i < (int)m_Rows.size();
  for (wxWindow* w : {(wxWindow*)m_Appear, (wxWindow*)m_Disappear, (wxWindow*)m_OnClick,
                      (wxWindow*)m_Immediately, (wxWindow*)m_Effect, (wxWindow*)m_NoEffect,
                      (wxWindow*)m_Up, (wxWindow*)m_Down, (wxWindow*)m_Delete})
    w->Enable(any);
  for (wxRadioButton* b : m_Direction) b->Enable(any);
  if (!any) return;
  m_List->SetSelection(i);
  const GEffectRow& r = m_Rows[(size_t)i];
  (r.inout == 1 ? m_Disappear : m_Appear)->SetValue(true);
  (r.click == 1 ? m_OnClick : m_Immediately)->SetValue(true);
  m_Direction[r.direction >= 0 && r.direction <= 4 ? r.direction : 0]->SetValue(true);
  (r.effect == 1 ? m_Effect : m_NoEffect)->SetValue(true);
}

void AnimationDialog::OnSelect(wxCommandEvent&) { Select(m_List->GetSelection()); }

// Any change of a choice is the selected row's new setting.
void AnimationDialog::OnChoice(wxCommandEvent&) {
  const int i = m_List->GetSelection();
  if (i < 0 || i >= (int)m_Rows.size()) return;
  GEffectRow& r = m_Rows[(size_t)i];
  r.inout = m_Disappear->GetValue() ? 1 : 0;
  r.click = m_OnClick->GetValue() ? 1 : 0;
  for (int d = 0; d < 5; ++d)
    if (m_Direction[d]->GetValue()) r.direction = d;
  r.effect = m_Effect->GetValue() ? 1 : 0;
}

void AnimationDialog::OnUp(wxCommandEvent&) {
  Rebuild(MoveEffectRow(m_Rows, m_List->GetSelection(), -1));
}

void AnimationDialog::OnDown(wxCommandEvent&) {
  Rebuild(MoveEffectRow(m_Rows, m_List->GetSelection(), +1));
}

void AnimationDialog::OnDelete(wxCommandEvent&) {
  Rebuild(DeleteEffectRow(m_Rows, m_List->GetSelection()));
}

void AnimationDialog::Finish(int code) {
  if (IsModal())
    EndModal(code);
  else
    SetReturnCode(code);
}

void AnimationDialog::OnOk(wxCommandEvent&) {
  ApplyEffectRows(m_Doc, m_Rows);
  Finish(wxID_OK);
}

void AnimationDialog::OnCancel(wxCommandEvent&) { Finish(wxID_CANCEL); }

bool AnimationProperty(wxWindow* parent, GDocument& doc) {
  AnimationDialog dialog(parent, doc);
  return dialog.Run() == wxID_OK;
}
