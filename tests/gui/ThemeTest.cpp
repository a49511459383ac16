// Themes: the background colour and tile of every theme, the styles they put
// in the slots, the colours they give marks, and the menus and Customize
// choices that change single slots or the hilighted elements.
#include "model/Styles.h"
#include "gui/CanvasFixture.h"
#include "app/dialogs/AppearanceDialog.h"

using ThemeTest = CanvasTest;

TEST_F(ThemeTest, EveryThemePaintsItsBackgroundColour) {
  const struct {
    GTheme theme;
    wxColour colour;
  } kThemes[] = {{THM_STANDARD, {240, 189, 255}}, {THM_CAT, {255, 187, 206}},
                 {THM_STAR, {0, 0, 96}},          {THM_QUIL, {239, 239, 239}},
                 {THM_TOVIK, {177, 178, 198}},    {THM_PASTEL, {184, 189, 255}},
                 {THM_SKELETON, {0, 0, 0}}};
  for (const auto& t : kThemes) {
    canvas->m_Painter.SetTheme(t.theme, 0);
    EXPECT_EQ(ToWx(canvas->m_Painter.m_Look.bg.colour), t.colour) << ThemeNumber(t.theme);
    ASSERT_FALSE(canvas->m_Painter.m_Look.bg.tile.Empty());
    EXPECT_EQ(canvas->m_Painter.m_Look.bg.width, 256);
    EXPECT_EQ(canvas->m_Painter.m_Look.bg.height, 192);
    Render();
    // The drawn paper averages to the theme's colour (faint pattern only).
    long r = 0, g = 0, b = 0, n = 0;
    for (int x = 0; x < 800; x += 7)
      for (int y = 0; y < 600; y += 7, ++n) {
        r += picture.GetRed(x, y);
        g += picture.GetGreen(x, y);
        b += picture.GetBlue(x, y);
      }
    EXPECT_LT(ColourDistance(wxColour(r / n, g / n, b / n), t.colour), 40) << ThemeNumber(t.theme);
  }
}

TEST_F(ThemeTest, ThemeFillsSlotsRecordsThemInTheSheetAndColoursMarks) {
  GPoint* p = Point(0, 0);
  GPoint* q = Point(1, 0);
  GBracket* b = doc->NewBracket(p, q);
  doc->AssignBracket(b);
  GAngle* a = doc->NewAngle(1.0);
  doc->AssignAngle(a);

  canvas->m_Painter.SetTheme(THM_SKELETON, 0);
  for (int i = 0; i < kSlots; ++i) {
    EXPECT_EQ(canvas->m_Painter.m_Look.pointStyle[i], 15);
    EXPECT_EQ(canvas->m_Painter.m_Look.lineStyle[i], 15);
    EXPECT_EQ(doc->Sheet().pointStyles[i], 15);
    EXPECT_EQ(doc->Sheet().lineStyles[i], 15);
  }
  EXPECT_EQ(doc->Sheet().background, 5);
  EXPECT_EQ(b->red, 255);
  EXPECT_EQ(a->green, 255);
  EXPECT_EQ(doc->Defaults().TextColour().r, 255);

  canvas->m_Painter.SetTheme(THM_CAT, 0);
  for (int i = 0; i < kSlots; ++i) EXPECT_EQ(canvas->m_Painter.m_Look.lineStyle[i], 5 + i);
  EXPECT_EQ(ToWx(canvas->m_Painter.m_Look.hilightFrame), wxColour(150, 50, 50));
  EXPECT_EQ(ToWx(canvas->m_Painter.m_Look.axis), wxColour(200, 128, 128));
  EXPECT_TRUE(canvas->m_Painter.m_Look.point[0].bitmapMode);
  EXPECT_EQ(b->red, 0);

  canvas->m_Painter.SetTheme(THM_RAILROAD, 0);  // no such theme: nothing changes
  EXPECT_EQ(canvas->m_Painter.m_Look.theme, THM_CAT);
  EXPECT_EQ(canvas->m_Painter.m_Look.lineStyle[0], 5);
}

TEST_F(ThemeTest, CatLinesTakeTheirFirstDrawnColourFromTheVariant) {
  const GRgb kColours[5] = {
      {160, 120, 120}, {50, 0, 0}, {80, 50, 50}, {255, 200, 0}, {100, 50, 50}};
  for (int v = 0; v < 5; ++v) {
    GLnRgn r;
    r.SetLnRgn(5 + v);
    ASSERT_GE(r.layers, 2);
    EXPECT_EQ(ToWx(r.layer[1].colour), ToWx(kColours[v])) << v;
  }
  // Every style stays within the vertex buffer and has a usable period.
  for (int s = 0; s < kStyleCount; ++s) {
    GLnRgn r;
    r.SetLnRgn(s);
    EXPECT_GT(r.period, 0) << s;
    for (int i = 0; i < r.layers; ++i) EXPECT_LE(r.layer[i].n, kMaxLayerVertices) << s;
  }
}

TEST_F(ThemeTest, CustomizingLineSlotTwoChangesOnlyElementsOfSlotTwo) {
  Theme(THM_TOVIK);
  GLine* one = Line(-1, 1, 1, 1);
  one->lineStyle = 1;
  GLine* two = Line(-1, -1, 1, -1);
  two->lineStyle = 2;
  Render();
  const wxColour oneBefore = At(Px(0), Py(1)), twoBefore = At(Px(0), Py(-1));

  int pt[kSlots], ln[kSlots];
  for (int i = 0; i < kSlots; ++i) {
    pt[i] = canvas->m_Painter.m_Look.pointStyle[i];
    ln[i] = canvas->m_Painter.m_Look.lineStyle[i];
  }
  ln[2] = 0;  // Standard1
  canvas->m_Painter.ApplyAppearance(pt, ln, canvas->m_Painter.m_Look.background);
  EXPECT_EQ(doc->Sheet().lineStyles[2], 0);
  EXPECT_EQ(canvas->m_Painter.m_Look.line[2].style, 0);
  canvas->m_Painter.m_Look.bg.tile = GRaster();
  Render();
  EXPECT_EQ(At(Px(0), Py(1)), oneBefore);
  EXPECT_NE(At(Px(0), Py(-1)), twoBefore);
}

TEST_F(ThemeTest, MenusRestyleOnlyHilightedElements) {
  GPoint* chosen = Point(0, 0);
  GPoint* other = Point(1, 0);
  chosen->hilighted = 1;
  chosen->frameCount = 5;
  SetPointStyleOfHilighted(*doc, 3);
  EXPECT_EQ(doc->Defaults().PointMode(), 3103);
  EXPECT_EQ(chosen->pointStyle, 3);
  EXPECT_EQ(chosen->frameCount, 0);
  EXPECT_EQ(other->pointStyle, 0);

  GLine* l = Line(0, 0, 1, 1);
  GCircle* c = Circle(0, 0, 1);
  l->hilighted = c->hilighted = 1;
  GLine* plain = Line(0, 1, 1, 0);
  SetLineStyleOfHilighted(*doc, 4);
  EXPECT_EQ(doc->Defaults().LineMode(), 4104);
  EXPECT_EQ(l->lineStyle, 4);
  EXPECT_EQ(c->lineStyle, 4);
  EXPECT_EQ(plain->lineStyle, 0);

  GAngle* a = doc->NewAngle(1.0);
  doc->AssignAngle(a);
  a->hilighted = 1;
  SetAngleStyleOfHilighted(*doc, 2);
  EXPECT_EQ(doc->Defaults().AngleMode(), 5502);
  EXPECT_EQ(a->style, 2);
}

TEST_F(ThemeTest, CustomizeDialogOffersEveryStyleAndShowsTheCurrentChoice) {
  canvas->m_Painter.SetTheme(THM_PASTEL, 0);
  AppearanceDialog dlg(canvas, canvas->m_Painter.m_Look.pointStyle,
                       canvas->m_Painter.m_Look.lineStyle, canvas->m_Painter.m_Look.background);
  EXPECT_EQ(dlg.m_Point[0]->GetCount(), (unsigned)kStyleCount);
  EXPECT_EQ(dlg.m_Background->GetCount(), (unsigned)kBackgroundCount);
  EXPECT_EQ(dlg.m_Point[4]->GetStringSelection(), "Pastel5");
  EXPECT_EQ(dlg.m_Line[0]->GetStringSelection(), "Pastel1");
  EXPECT_EQ(dlg.m_Background->GetStringSelection(), "Pastel");
  dlg.m_Background->SetSelection(4);
  int pt[kSlots], ln[kSlots], bg = -1;
  dlg.GetChoices(pt, ln, &bg);
  EXPECT_EQ(bg, 4);
  EXPECT_EQ(pt[2], 28);
}
