// The document's side of the appearance commands: the Point, Line and Angle
// menus acting on the hilighted elements, the colours a theme gives to texts,
// marks, brackets and names, and texts rescaled with the window.
#include "model/Styles.h"

#include "model/Document.h"

void SetPointStyleOfHilighted(GDocument& doc, int slot) {
  if (slot < 0 || slot >= kStyleModeSlots) return;
  doc.Defaults().SetPointMode(kPointMode0 + slot);
  for (GPoint* p = doc.Sheet().points.head; p; p = p->next) {
    if (!p->hilighted) continue;
    p->pointStyle = slot;
    p->frameCount = 0;  // the new look's animation starts from its first frame
  }
}

void SetLineStyleOfHilighted(GDocument& doc, int slot) {
  if (slot < 0 || slot >= kStyleModeSlots) return;
  doc.Defaults().SetLineMode(kLineMode0 + slot);
  GSheet& s = doc.Sheet();
  for (GLine* l = s.lines.head; l; l = l->next)
    if (l->hilighted) l->lineStyle = slot;
  for (GCircle* c = s.circles.head; c; c = c->next)
    if (c->hilighted) c->lineStyle = slot;
  for (GParaCurve* c = s.curves.head; c; c = c->next)
    if (c->hilighted) c->lineStyle = slot;
}

void SetAngleStyleOfHilighted(GDocument& doc, int style) {
  if (style < 0 || style > 6) return;
  doc.Defaults().SetAngleMode(kAngleMode0 + style);
  for (GAngle* a = doc.Sheet().angles.head; a; a = a->next)
    if (a->hilighted) a->style = style;
}

void SetThemeColours(GDocument& doc, int r, int g, int b) {
  const GColour colour{r, g, b};
  doc.Defaults().SetTextColour(colour);
  doc.Defaults().SetAngleColour(colour);
  doc.Defaults().SetBracketColour(colour);
  // Point names take the theme's text colour; the document keeps it, so the
  // colour drawn is the colour saved.
  doc.Defaults().SetNameColour(colour);
  for (GAngle* a = doc.Sheet().angles.head; a; a = a->next) {
    a->red = r;
    a->green = g;
    a->blue = b;
  }
  for (GBracket* k = doc.Sheet().brackets.head; k; k = k->next) {
    k->red = r;
    k->green = g;
    k->blue = b;
  }
}

void RescaleTexts(GDocument& doc, double rx, double ry) {
  for (int s = 0; s < doc.Sheets().Count(); ++s) {
    for (GText* t = doc.Sheets().Slot(s).texts.head; t; t = t->next) {
      t->x *= rx;
      t->y *= ry;
      t->fontSize *= ry;
    }
  }
}
