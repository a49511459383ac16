// The painter's side of themes: applying a theme, the Customize choices, the
// appearance a sheet brings along when it becomes current, and the decoded
// pictures kept for reuse.
#include "model/Styles.h"
#include "render/DrawPainter.h"

void FigurePainter::SetTheme(GTheme theme, int /*flag*/) {
  GThemeData t;
  if (!ThemeData(theme, &t)) return;  // no such theme (THM_RAILROAD): nothing changes
  m_Look.theme = theme;
  GSheet& s = m_Doc.Sheet();
  for (int i = 0; i < kSlots; ++i) {
    m_Look.pointStyle[i] = m_Look.lineStyle[i] = t.styles[i];
    s.pointStyles[i] = s.lineStyles[i] = t.styles[i];
    LoadPointStyle(m_Look.point[i], t.styles[i]);
    m_Look.line[i].SetLnRgn(t.styles[i]);
  }
  m_Look.background = s.background = t.background;
  LoadBackground(m_Look.bg, t.background);
  m_Look.text = m_Look.pointName = t.text;
  m_Look.hilightFrame = t.hilightFrame;
  m_Look.axis = m_Look.tick = t.axis;
  SetThemeColours(m_Doc, t.text.r, t.text.g, t.text.b);
  m_BgDrawn = false;
}

void FigurePainter::ApplyAppearance(const int pointStyles[kSlots], const int lineStyles[kSlots],
                                    int bg) {
  GSheet& s = m_Doc.Sheet();
  for (int i = 0; i < kSlots; ++i) {
    if (pointStyles[i] >= 0 && pointStyles[i] < kStyleCount) {
      m_Look.pointStyle[i] = s.pointStyles[i] = pointStyles[i];
      LoadPointStyle(m_Look.point[i], pointStyles[i]);
    }
    if (lineStyles[i] >= 0 && lineStyles[i] < kStyleCount) {
      m_Look.lineStyle[i] = s.lineStyles[i] = lineStyles[i];
      m_Look.line[i].SetLnRgn(lineStyles[i]);
    }
  }
  if (bg >= 0 && bg < kBackgroundCount) {
    m_Look.background = s.background = bg;
    LoadBackground(m_Look.bg, bg);
    m_BgDrawn = false;
  }
}

void FigurePainter::LoadSheetAppearance() {
  const GSheet& s = m_Doc.Sheet();
  ApplyAppearance(s.pointStyles, s.lineStyles, s.background);
}

namespace {

// The record of `key` from a cache, decoded on its first use.
template <class Record>
const Record& Cached(std::map<int, Record>& cache, int key) {
  auto found = cache.find(key);
  if (found == cache.end()) {
    found = cache.emplace(key, Record()).first;
    found->second.LoadData(key);
  }
  return found->second;
}

}  // namespace

// Decoding a point strip or a background tile takes milliseconds, and a file
// of many sheets brings the theme and then its own header for every sheet.
// The decoded records are kept and handed out as copies; a copy keeps its
// pictures' numbers, so what a surface made of them serves every copy.
void FigurePainter::LoadPointStyle(PtBmp& into, int style) {
  if (style < 0 || style >= kStyleCount) {
    into.LoadData(style);
    return;
  }
  into = Cached(m_PointStyleCache, style);
}

void FigurePainter::LoadBackground(BGBmp& into, int n) {
  if (n < 0 || n > 8) return;  // the User backgrounds have no picture of their own
  if (!m_WantTiles) {
    into = BGBmp();
    into.number = n;
    into.colour = BackgroundColour(n);
    return;
  }
  into = Cached(m_BackgroundCache, n);
}
