// Swapping the theme for a printout and putting every colour and style back.
#include "render/PrintLook.h"

bool GPrintLook::PrintsAsTovik(GTheme theme) {
  return theme == THM_STANDARD || theme == THM_CAT || theme == THM_STAR || theme == THM_SKELETON;
}

GPrintLook::GPrintLook(CanvasPainter& painter) : m_Painter(painter) {
  if (!PrintsAsTovik(painter.m_Look.theme)) return;
  // A theme writes into the sheet (styles, background) and the document
  // (colours of new texts, marks, brackets and names, and of the sheet's
  // marks and brackets): all of it is kept to be put back.
  GDocument& doc = painter.Document();
  GSheet& s = doc.Sheet();
  m_Look = painter.m_Look;
  m_BgDrawn = painter.m_BgDrawn;
  for (int i = 0; i < kSlots; ++i) {
    m_PointStyles[i] = s.pointStyles[i];
    m_LineStyles[i] = s.lineStyles[i];
  }
  m_Background = s.background;
  m_Defaults = doc.Defaults();
  for (GAngle* a = s.angles.head; a; a = a->next)
    m_AngleColours.push_back({a->red, a->green, a->blue});
  for (GBracket* b = s.brackets.head; b; b = b->next)
    m_BracketColours.push_back({b->red, b->green, b->blue});
  painter.SetTheme(THM_TOVIK, 0);
  m_Swapped = true;
}

GPrintLook::~GPrintLook() {
  if (!m_Swapped) return;
  GDocument& doc = m_Painter.Document();
  GSheet& s = doc.Sheet();
  m_Painter.m_Look = m_Look;
  m_Painter.m_BgDrawn = m_BgDrawn;
  for (int i = 0; i < kSlots; ++i) {
    s.pointStyles[i] = m_PointStyles[i];
    s.lineStyles[i] = m_LineStyles[i];
  }
  s.background = m_Background;
  doc.Defaults() = m_Defaults;
  size_t i = 0;
  for (GAngle* a = s.angles.head; a && i < m_AngleColours.size(); a = a->next, ++i)
    a->red = m_AngleColours[i].r, a->green = m_AngleColours[i].g, a->blue = m_AngleColours[i].b;
  i = 0;
  for (GBracket* b = s.brackets.head; b && i < m_BracketColours.size(); b = b->next, ++i)
    b->red = m_BracketColours[i].r, b->green = m_BracketColours[i].g,
    b->blue = m_BracketColours[i].b;
}
