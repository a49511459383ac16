// The canvas's remembered settings: the interaction style, the theme, the
// point, line and angle modes and the logging switch, read from the
// preference file at start and written back when the program ends, with the
// language chosen for the next start.
#include "interaction/MyCanvas.h"
#include "model/Prefs.h"

namespace {

GPrefs PrefsOf(const MyCanvas& c) {
  GPrefs p;
  p.gmode = c.m_Tool.m_GMode;
  p.theme = c.m_Painter.m_Look.theme;
  p.pointMode = c.m_Doc->Defaults().PointMode();
  p.lineMode = c.m_Doc->Defaults().LineMode();
  p.angleMode = c.m_Doc->Defaults().AngleMode();
  p.writeLog = c.m_Doc->WritesLog();
  p.language = c.m_Language;
  return p;
}

}  // namespace

void MyCanvas::ReadPrefFile() {
  GPrefs p = PrefsOf(*this);
  if (!LoadPrefs(m_PrefPath, p)) return;
  m_Tool.SetStyle(p.gmode);
  m_Painter.SetTheme(p.theme, 1);
  m_Doc->Defaults().SetPointMode(p.pointMode);
  m_Doc->Defaults().SetLineMode(p.lineMode);
  m_Doc->Defaults().SetAngleMode(p.angleMode);
  m_Doc->SetWriteLog(p.writeLog);
  m_Language = p.language;
}

bool MyCanvas::WritePrefFile() { return SavePrefs(m_PrefPath, PrefsOf(*this)); }
