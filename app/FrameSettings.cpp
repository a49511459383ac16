// The frame's side of the remembered settings: the menus checked as the
// preference file left the canvas, the "Save logfile" switch and the
// language of the next start.
#include "app/CommandIds.h"
#include "app/MenuTexts.h"
#include "app/MyFrame.h"
#include "interaction/MyCanvas.h"

void MyFrame::CheckSettingsMenus() {
  // Only numbers with an item: the railroad theme has none.
  auto check = [](wxMenu* menu, int id) {
    if (menu->FindItem(id)) menu->Check(id, true);
  };
  const GDocument& d = *m_Canvas->m_Doc;
  check(m_ThemeMenu, ThemeNumber(m_Canvas->m_Painter.m_Look.theme));
  check(m_PointMenu, d.Defaults().PointMode());
  check(m_LineMenu, d.Defaults().LineMode());
  check(m_AngleMenu, d.Defaults().AngleMode());
  m_FileMenu->Check(ToolkitId(kCmdLogfile), d.WritesLog());
  GetMenuBar()->Check(kCmdLanguage0 + LanguageIndex(m_Canvas->m_Language), true);
}

wxMenu* MyFrame::LanguageMenu() {
  auto* menu = new wxMenu;
  menu->AppendRadioItem(kCmdLanguage0, MenuLanguageSystem);
  for (int i = 1; i < kLanguageCount; ++i)
    menu->AppendRadioItem(kCmdLanguage0 + i, kLanguages[i].name);
  return menu;
}

// The menus and the messages already made keep their language: the choice is
// kept in the preference file at once and takes effect at the next start.
void MyFrame::OnLanguage(wxCommandEvent& event) {
  const int index = event.GetId() - kCmdLanguage0;
  if (index < 0 || index >= kLanguageCount) return;
  m_Canvas->m_Language = kLanguages[index].code;
  m_Canvas->WritePrefFile();
  m_User->ShowMessage(wxString(LanguageNextStart).utf8_string(),
                      wxString(MenuLanguage).utf8_string(), GUser::kInformation);
}

void MyFrame::OnLogfile(wxCommandEvent&) {
  GDocument& d = *m_Canvas->m_Doc;
  d.SetWriteLog(!d.WritesLog());
  m_FileMenu->Check(ToolkitId(kCmdLogfile), d.WritesLog());
}
