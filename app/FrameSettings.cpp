// The frame's side of the remembered settings: the menus checked as the
// preference file left the canvas, and the "Save logfile" switch.
#include "app/CommandIds.h"
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
}

void MyFrame::OnLogfile(wxCommandEvent&) {
  GDocument& d = *m_Canvas->m_Doc;
  d.SetWriteLog(!d.WritesLog());
  m_FileMenu->Check(ToolkitId(kCmdLogfile), d.WritesLog());
}
