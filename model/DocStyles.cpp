// The document's side of the appearance commands: the Point, Line and Angle
// menus acting on the hilighted elements, the colours a theme gives to texts,
// marks, brackets and names, texts rescaled with the window, and the view
// every step of the sheet records.
#include "model/Document.h"

void GDocument::SetPointStyleOfHilighted(int slot) {
  if (slot < 0 || slot >= kStyleModeSlots) return;
  m_Defaults.SetPointMode(kPointMode0 + slot);
  for (GPoint* p = Sheet().points.head; p; p = p->next) {
    if (!p->hilighted) continue;
    p->pointStyle = slot;
    p->frameCount = 0;  // the new look's animation starts from its first frame
  }
}

void GDocument::SetLineStyleOfHilighted(int slot) {
  if (slot < 0 || slot >= kStyleModeSlots) return;
  m_Defaults.SetLineMode(kLineMode0 + slot);
  GSheet& s = Sheet();
  for (GLine* l = s.lines.head; l; l = l->next)
    if (l->hilighted) l->lineStyle = slot;
  for (GCircle* c = s.circles.head; c; c = c->next)
    if (c->hilighted) c->lineStyle = slot;
  for (GParaCurve* c = s.curves.head; c; c = c->next)
    if (c->hilighted) c->lineStyle = slot;
}

void GDocument::SetAngleStyleOfHilighted(int style) {
  if (style < 0 || style > 6) return;
  m_Defaults.SetAngleMode(kAngleMode0 + style);
  for (GAngle* a = Sheet().angles.head; a; a = a->next)
    if (a->hilighted) a->style = style;
}

void GDocument::SetThemeColours(int r, int g, int b) {
  const GColour colour{r, g, b};
  m_Defaults.SetTextColour(colour);
  m_Defaults.SetAngleColour(colour);
  m_Defaults.SetBracketColour(colour);
  // Point names take the theme's text colour; the document keeps it, so the
  // colour drawn is the colour saved.
  m_Defaults.SetNameColour(colour);
  for (GAngle* a = Sheet().angles.head; a; a = a->next) {
    a->red = r;
    a->green = g;
    a->blue = b;
  }
  for (GBracket* k = Sheet().brackets.head; k; k = k->next) {
    k->red = r;
    k->green = g;
    k->blue = b;
  }
}

void GDocument::RescaleTexts(double rx, double ry) {
  for (int s = 0; s < m_Sheets.Count(); ++s) {
    for (GText* t = m_Sheets.Slot(s).texts.head; t; t = t->next) {
      t->x *= rx;
      t->y *= ry;
      t->fontSize *= ry;
    }
  }
}

void GDocument::PushViewToConsts() {
  for (GConst* c = FirstConst(); c; c = c->next) {
    c->viewScale = m_Viewport.Scale();
    c->viewLeft = m_Viewport.XMin();
    c->viewRight = m_Viewport.XMax();
    c->viewTop = m_Viewport.YMax();
    c->viewBottom = m_Viewport.YMin();
  }
  if (FirstConst()) EvaluateConst(FirstConst());
}
