// The painter's side of themes: applying a theme, the Point, Line and Angle
// menus acting on the hilighted elements, the Customize choices, the
// appearance a sheet brings along when it becomes current, and the decoded
// pictures kept for reuse.
#include "render/CanvasPainter.h"

void CanvasPainter::SetTheme(int theme, int /*flag*/) {
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
  m_Doc.m_TextRed = m_Doc.m_AngleRed = m_Doc.m_BracketRed = t.text.r;
  m_Doc.m_TextGreen = m_Doc.m_AngleGreen = m_Doc.m_BracketGreen = t.text.g;
  m_Doc.m_TextBlue = m_Doc.m_AngleBlue = m_Doc.m_BracketBlue = t.text.b;
  // Point names take the theme's text colour; the document keeps it, so the
  // colour drawn is the colour saved.
  m_Doc.m_NameRed = t.text.r;
  m_Doc.m_NameGreen = t.text.g;
  m_Doc.m_NameBlue = t.text.b;
  SetAllAngleColor();
  SetAllBracketColor();
  m_BgDrawn = false;
}

void CanvasPainter::SetAllAngleColor() {
  for (GAngle* a = m_Doc.Sheet().angles.head; a; a = a->next) {
    a->red = m_Doc.m_AngleRed;
    a->green = m_Doc.m_AngleGreen;
    a->blue = m_Doc.m_AngleBlue;
  }
}

void CanvasPainter::SetAllBracketColor() {
  for (GBracket* b = m_Doc.Sheet().brackets.head; b; b = b->next) {
    b->red = m_Doc.m_BracketRed;
    b->green = m_Doc.m_BracketGreen;
    b->blue = m_Doc.m_BracketBlue;
  }
}

void CanvasPainter::OnPt(int slot) {
  if (slot < 0 || slot >= kSlots) return;
  m_Doc.m_PointMode = kPointMode0 + slot;
  for (GPoint* p = m_Doc.Sheet().points.head; p; p = p->next) {
    if (!p->hilighted) continue;
    p->pointStyle = slot;
    p->frameCount = 0;  // the new look's animation starts from its first frame
  }
}

void CanvasPainter::OnLn(int slot) {
  if (slot < 0 || slot >= kSlots) return;
  m_Doc.m_LineMode = kLineMode0 + slot;
  GSheet& s = m_Doc.Sheet();
  for (GLine* l = s.lines.head; l; l = l->next)
    if (l->hilighted) l->lineStyle = slot;
  for (GCircle* c = s.circles.head; c; c = c->next)
    if (c->hilighted) c->lineStyle = slot;
  for (GParaCurve* c = s.curves.head; c; c = c->next)
    if (c->hilighted) c->lineStyle = slot;
}

void CanvasPainter::OnAg(int style) {
  if (style < 0 || style > 6) return;
  m_Doc.m_AngleMode = kAngleMode0 + style;
  for (GAngle* a = m_Doc.Sheet().angles.head; a; a = a->next)
    if (a->hilighted) a->style = style;
}

void CanvasPainter::ApplyAppearance(const int pointStyles[kSlots], const int lineStyles[kSlots],
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

void CanvasPainter::LoadSheetAppearance() {
  const GSheet& s = m_Doc.Sheet();
  ApplyAppearance(s.pointStyles, s.lineStyles, s.background);
}

// Decoding a point strip or a background tile takes milliseconds, and a file
// of many sheets brings the theme and then its own header for every sheet.
// The decoded records are kept and handed out as copies, which share the
// pictures (drawing into a shared picture gives it its own copy first).
void CanvasPainter::LoadPointStyle(PtBmp& into, int style) {
  if (style < 0 || style >= kStyleCount) {
    into.LoadData(style);
    return;
  }
  auto found = m_PointStyleCache.find(style);
  if (found == m_PointStyleCache.end()) {
    found = m_PointStyleCache.emplace(style, PtBmp()).first;
    found->second.LoadData(style);
  }
  into = found->second;
}

void CanvasPainter::LoadBackground(BGBmp& into, int n) {
  if (n < 0 || n > 8) return;  // the User backgrounds have no picture of their own
  auto found = m_BackgroundCache.find(n);
  if (found == m_BackgroundCache.end()) {
    found = m_BackgroundCache.emplace(n, BGBmp()).first;
    found->second.LoadData(n);
  }
  into = found->second;
}
