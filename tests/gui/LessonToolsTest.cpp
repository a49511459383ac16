// The lesson tools in the window: squared paper under the figure (pixels at
// two zooms, and plain again when switched off), hidden elements drawn
// faintly while shown, and the Measure and Show again commands with nothing
// chosen.
#include "gui/CanvasFixture.h"
#include "gui/WindowFixture.h"
#include "script/Script.h"

using LessonDrawTest = CanvasTest;

TEST_F(LessonDrawTest, SquaredPaperLiesOnWholeUnitsAndFollowsTheZoom) {
  // Read first: reading the sheet's looks brings the theme's tile back.
  ASSERT_TRUE(ReadScript(*doc, "//Sheet 0;\nvoid SquaredPaper(1);\n"));
  Theme(THM_TOVIK);
  ASSERT_TRUE(doc->SquaredPaper());
  canvas->m_Painter.UpdateView();
  struct Case {
    double scale;  // world units per pixel
  };
  for (const Case& c : {Case{0.01}, Case{0.005}}) {
    SCOPED_TRACE(c.scale);
    doc->Viewport().SetScale(c.scale);
    canvas->m_Painter.UpdateView();
    Render();
    // On the lines of x = 1 and y = -1; between them, plain background.
    EXPECT_FALSE(IsBackground(Px(1), Py(0.5)));
    EXPECT_FALSE(IsBackground(Px(0.5), Py(-1)));
    EXPECT_TRUE(IsBackground(Px(0.5), Py(0.5)));
    EXPECT_TRUE(IsBackground(Px(1.5), Py(-0.5)));
    // Faint: nearer the background than the axes' own colour.
    const wxColour axis = ToWx(canvas->m_Painter.m_Look.axis);
    EXPECT_LT(ColourDistance(At(Px(1), Py(0.5)), Background()), ColourDistance(axis, Background()));
  }
  doc->SetSquaredPaper(false);
  Render();
  EXPECT_TRUE(IsBackground(Px(1), Py(0.5)));
}

TEST_F(LessonDrawTest, HiddenElementsShowFaintlyOnlyWhileShown) {
  ASSERT_TRUE(ReadScript(*doc,
                         "//Sheet 0;\npoint A=Pt(1.000,0.500,invisible);\n"
                         "point B=Pt(-1.000,-1.000);\npoint C=Pt(1.000,-1.000);\n"
                         "line a=Join(B,C);\nvoid Invisible(a);\n"));
  Theme(THM_TOVIK);
  const int x = Px(1.0), y = Py(0.5), lx = Px(0.0), ly = Py(-1.0);
  const PtBmp& st = canvas->m_Painter.m_Look.point[0];
  Render();
  EXPECT_TRUE(IsBackground(x + 3, y));
  EXPECT_TRUE(IsBackground(lx, ly));
  doc->Viewport().SetShowHidden(true);
  Render();
  const wxColour faint = At(x + 3, y);
  EXPECT_NE(faint, Background());
  EXPECT_LT(ColourDistance(faint, Background()), ColourDistance(ToWx(st.c2), Background()));
  EXPECT_FALSE(IsBackground(lx, ly));
  // Only drawn: the document still holds both hidden.
  EXPECT_TRUE(doc->Sheet().points.head->hidden);
  // A slide show shows its audience nothing of them.
  canvas->m_Tool.m_SlideShow = true;
  canvas->m_Tool.m_SlideWaitClick = true;
  Render();
  EXPECT_TRUE(IsBackground(x + 3, y));
  canvas->m_Tool.m_SlideShow = false;
  canvas->m_Tool.m_SlideWaitClick = false;
  doc->Viewport().SetShowHidden(false);
}

using LessonWindowTest = WindowTest;

TEST_F(LessonWindowTest, CommandsWithNothingChosenSaySoAndMakeNothing) {
  ASSERT_TRUE(ReadScript(*doc, "//Sheet 0;\npoint A=Pt(0.000,0.000);\n"));
  const struct {
    int command;
    const char* caption;
  } cases[] = {{kCmdMeasure, "Measure"}, {kCmdShowAgain, "Show again"}};
  for (const auto& c : cases) {
    user->messages.clear();
    Command(c.command);
    ASSERT_EQ(user->messages.size(), 1u) << c.caption;
    EXPECT_EQ(user->messages[0].caption, c.caption);
    EXPECT_EQ(doc->FirstConst()->next, nullptr) << c.caption;
  }
  // Two chosen points: a text that measures them, no message.
  ASSERT_TRUE(ReadScript(*doc, "//Sheet 0;\npoint A=Pt(0.000,0.000);\npoint B=Pt(3.000,4.000);\n"));
  doc->Sethilighted(doc->Sheet().points.head);
  doc->Sethilighted(doc->Sheet().points.head->next);
  user->messages.clear();
  Command(kCmdMeasure);
  EXPECT_TRUE(user->messages.empty());
  ASSERT_NE(doc->Sheet().texts.head, nullptr);
  EXPECT_EQ(doc->Sheet().texts.head->text, "AB = {distance(A\\,B)}");
}
