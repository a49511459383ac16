// The frame's appearance, interaction-style and view commands: each sets the
// canvas state (tool mode, toggles, theme) and refreshes the toolbars. The
// construction tools' commands are in FrameTools.cpp.
#include "model/Styles.h"
#include "app/CommandIds.h"
#include "app/MyFrame.h"
#include "app/dialogs/AppearanceDialog.h"
#include "interaction/MyCanvas.h"

// ---- appearance ----
void MyFrame::ChooseTheme(GTheme theme) {
  m_Canvas->m_Painter.SetTheme(theme);
  m_ThemeMenu->Check(ThemeNumber(theme), true);
  m_Canvas->Refresh(false);
}
void MyFrame::OnThemeStandard(wxCommandEvent&) { ChooseTheme(THM_STANDARD); }
void MyFrame::OnThemeCat(wxCommandEvent&) { ChooseTheme(THM_CAT); }
void MyFrame::OnThemeStar(wxCommandEvent&) { ChooseTheme(THM_STAR); }
void MyFrame::OnThemeQuil(wxCommandEvent&) { ChooseTheme(THM_QUIL); }
void MyFrame::OnThemeTovik(wxCommandEvent&) { ChooseTheme(THM_TOVIK); }
void MyFrame::OnThemePastel(wxCommandEvent&) { ChooseTheme(THM_PASTEL); }
void MyFrame::OnThemeSkeleton(wxCommandEvent&) { ChooseTheme(THM_SKELETON); }

void MyFrame::ChoosePointStyle(int slot) {
  SetPointStyleOfHilighted(*m_Canvas->m_Doc, slot);
  m_Canvas->Refresh(false);
}
void MyFrame::ChooseLineStyle(int slot) {
  SetLineStyleOfHilighted(*m_Canvas->m_Doc, slot);
  m_Canvas->Refresh(false);
}
void MyFrame::ChooseAngleStyle(int style) {
  SetAngleStyleOfHilighted(*m_Canvas->m_Doc, style);
  m_Canvas->Refresh(false);
}
void MyFrame::OnPt0(wxCommandEvent&) { ChoosePointStyle(0); }
void MyFrame::OnPt1(wxCommandEvent&) { ChoosePointStyle(1); }
void MyFrame::OnPt2(wxCommandEvent&) { ChoosePointStyle(2); }
void MyFrame::OnPt3(wxCommandEvent&) { ChoosePointStyle(3); }
void MyFrame::OnPt4(wxCommandEvent&) { ChoosePointStyle(4); }
void MyFrame::OnLn0(wxCommandEvent&) { ChooseLineStyle(0); }
void MyFrame::OnLn1(wxCommandEvent&) { ChooseLineStyle(1); }
void MyFrame::OnLn2(wxCommandEvent&) { ChooseLineStyle(2); }
void MyFrame::OnLn3(wxCommandEvent&) { ChooseLineStyle(3); }
void MyFrame::OnLn4(wxCommandEvent&) { ChooseLineStyle(4); }
void MyFrame::OnAg0(wxCommandEvent&) { ChooseAngleStyle(0); }
void MyFrame::OnAg1(wxCommandEvent&) { ChooseAngleStyle(1); }
void MyFrame::OnAg2(wxCommandEvent&) { ChooseAngleStyle(2); }
void MyFrame::OnAg3(wxCommandEvent&) { ChooseAngleStyle(3); }
void MyFrame::OnAg4(wxCommandEvent&) { ChooseAngleStyle(4); }

// "Background" opens the same dialog as "Customize".
void MyFrame::OnBg(wxCommandEvent& event) { OnAppearSelect(event); }
void MyFrame::OnAppearSelect(wxCommandEvent&) {
  CanvasPainter& p = m_Canvas->m_Painter;
  AppearanceDialog dlg(m_Canvas, p.m_Look.pointStyle, p.m_Look.lineStyle, p.m_Look.background);
  if (dlg.ShowModal() != wxID_OK) return;
  int pt[kSlots], ln[kSlots], bg = 0;
  dlg.GetChoices(pt, ln, &bg);
  p.ApplyAppearance(pt, ln, bg);
  m_Canvas->Refresh(false);
}

void MyFrame::OnProperty(wxCommandEvent&) { m_Canvas->OnProperty(); }

void MyFrame::OnCloneOn(wxCommandEvent&) {
  m_Canvas->m_Tool.SetCloneOn(!m_Canvas->m_Tool.m_CloneOn);
  m_AppearMenu->Check(ToolkitId(kCmdCloneOn), m_Canvas->m_Tool.m_CloneOn);
}

// ---- interaction styles ----
void MyFrame::SwitchStyle(GStyle gmode) {
  m_Canvas->m_Tool.SwitchStyle(gmode);
  RecreateToolbar();
  m_Canvas->Refresh(false);
}
void MyFrame::OnGModeTovik(wxCommandEvent&) { SwitchStyle(kGModeTovik); }
void MyFrame::OnGModeQuil(wxCommandEvent&) { SwitchStyle(kGModeQuil); }
void MyFrame::OnGModePanel(wxCommandEvent&) { SwitchStyle(kGModePanel); }

// ---- tools ----
void MyFrame::SetToolMode(GToolMode mode) {
  m_Canvas->m_Tool.SetMode(mode);
  enableToolbar();
}

void MyFrame::OnModeMove(wxCommandEvent&) { SetToolMode(kModeMove); }
void MyFrame::OnModeSPoint(wxCommandEvent&) { SetToolMode(kModeSPoint); }
void MyFrame::OnModeSelect(wxCommandEvent&) { SetToolMode(kModeSelect); }

void MyFrame::OnModeAxis(wxCommandEvent&) {
  m_Canvas->m_Painter.m_AxisOn = !m_Canvas->m_Painter.m_AxisOn;
  enableToolbar();
  m_Canvas->Refresh(false);
}

// Invisible, the eraser and zooming are history commands (FrameUndo.cpp).
