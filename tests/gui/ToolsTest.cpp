// The construction tools driven by pixel positions through the mouse
// dispatch: the Tovik two-point gestures and collecting tools, the Text and
// Image tools, and the Quil and touch-panel buttons that build from the
// selection with only the fitting buttons enabled.
#include <wx/filename.h>
#include <wx/toolbar.h>

#include "WindowFixture.h"
#include "gui/MouseFixture.h"
#include "app/dialogs/ToolDialogs.h"

namespace {

class ToolsTest : public MouseTest {
 protected:
  // A press at `from`, a drag and a release at `to` with a Tovik tool.
  void Gesture(GToolMode mode, wxPoint from, wxPoint to) {
    UseStyle(kTovik);
    canvas->m_Tool.SetMode(mode);
    canvas->LButtonDown(from);
    canvas->LButtonDrag(to);
    canvas->LButtonUp(to);
  }
  void Click(GToolMode mode, wxPoint at) {
    canvas->m_Tool.SetStyle(kTovik);
    canvas->m_Tool.SetMode(mode);
    canvas->LButtonDown(at);
    canvas->LButtonUp(at);
  }
  void Click(GToolMode mode, GPoint* p) { Click(mode, At(X(p), Y(p))); }
  GConst* Last() {
    GConst* last = nullptr;
    for (GConst* c = doc->FirstConst(); c; c = c->next) last = c;
    return last;
  }
  int StepsOf(int type) {
    int n = 0;
    for (GConst* c = doc->FirstConst(); c; c = c->next) n += c->type == type;
    return n;
  }
};

// ---- Tovik two-point gestures ----

TEST_F(ToolsTest, LineJoinsThePressPointToThePointOfRelease) {
  GPoint* b = Place(1, 1);
  Gesture(kModeMLine, At(-1, -1), At(1, 1));
  GConst* c = Last();
  ASSERT_EQ(c->type, CONST_JOIN);
  EXPECT_EQ(c->PInput2, b);  // dropped on B: no new point
  EXPECT_NEAR(X(c->PInput1), -1, 0.02);
  EXPECT_EQ(Points(), 2);
  EXPECT_NE(doc->Sheet().lines.head, nullptr);
  EXPECT_FALSE(gesture->Placing());

  // A second line ending on B: the first line, passed at the end, is not left lit.
  GLine* first = c->LOutput;
  Gesture(kModeMLine, At(-1, 1), At(1, 1));
  EXPECT_FALSE(first->hilighted);
  EXPECT_TRUE(Last()->LOutput->hilighted);

  // Released back on its start point: the line goes, the start point stays.
  const int steps = Steps(), points = Points();
  Gesture(kModeMLine, At(1, 1), At(1, 1));
  EXPECT_EQ(Steps(), steps);
  EXPECT_EQ(Points(), points);
}

TEST_F(ToolsTest, TwoPointToolsBuildTheirStepFromPressAndRelease) {
  struct Case {
    GToolMode mode;
    int type;
  };
  for (Case k : {Case{kModeMid, CONST_MID}, Case{kModeMCircle, CONST_MULTI_CIRCLE},
                 Case{kModeBracket, CONST_BRACKET}}) {
    doc->ClearSheet();
    Gesture(k.mode, At(-1, 0), At(1.5, 0.5));
    GConst* c = Last();
    ASSERT_NE(c, nullptr) << k.mode;
    EXPECT_EQ(c->type, k.type) << k.mode;
    ASSERT_TRUE(c->PInput1 && c->PInput2) << k.mode;
    EXPECT_NEAR(X(c->PInput1), -1, 0.02) << k.mode;  // the press: first point or centre
    EXPECT_NEAR(X(c->PInput2), 1.5, 0.02) << k.mode;
    EXPECT_FALSE(gesture->Placing());
  }
  doc->ClearSheet();
  Gesture(kModeMid, At(0, 0), At(2, 1));
  GConst* mid = Last();
  ASSERT_EQ(mid->type, CONST_MID);
  EXPECT_NEAR(X(mid->POutput), 1, 0.02);
  EXPECT_FALSE(mid->POutput->name.empty());
}

TEST_F(ToolsTest, LinesAtALineStartOnlyWhenThePressFindsOne) {
  GLine* base = Join(Place(-2, 0), Place(2, 0));
  gesture->SetAngleDegrees("30");
  struct Case {
    GToolMode mode;
    int type;
  };
  for (Case k : {Case{kModePara, CONST_PARALLEL}, Case{kModePerp, CONST_PERP},
                 Case{kModeLineWithAngle, CONST_LINE_WITH_ANGLE_DEGREE}}) {
    const int steps = Steps();
    Gesture(k.mode, At(0, 1.5), At(0.5, 2));  // away from every line
    EXPECT_EQ(Steps(), steps) << k.mode;
    Gesture(k.mode, At(0.7, 0), At(0.5, 1));
    GConst* c = Last();
    ASSERT_EQ(c->type, k.type) << k.mode;
    EXPECT_EQ(c->LInput1, base) << k.mode;
    EXPECT_NEAR(Y(c->PInput1), 1, 0.02) << k.mode;  // the through point is the release
    EXPECT_LT(Off(c->PInput1, c->LOutput), 1e-9) << k.mode;
  }
  EXPECT_DOUBLE_EQ(Last()->param1.re, 30);
}

TEST_F(ToolsTest, SegmentToggleMakesClippedLinesAndAnErasedMarkIsNotUsed) {
  canvas->m_Tool.SetClipping(true);
  Gesture(kModeMLine, At(-1, -1), At(1, 0));
  EXPECT_EQ(Last()->LOutput->toolMark, 1);
  canvas->m_Tool.SetClipping(false);

  // A mark chosen for the line-with-angle tool and then deleted must not be
  // referred to by the next line: the typed angle is taken.
  GLine* base = Last()->LOutput;
  GPoint* a = Place(2, 2);
  GPoint* v = Place(2.5, 2);
  GPoint* b = Place(2.5, 2.5);
  ASSERT_TRUE(gesture->SetCurrentAngleByNames(a->name, v->name, b->name));
  GConst* markStep = Last();
  ASSERT_EQ(markStep->type, CONST_3P_ANGLE);
  doc->DeleteConst(markStep);
  // The tool's hold knows the mark's slot was given back.
  EXPECT_EQ(gesture->CurrentAngle(), nullptr);
  Gesture(kModeLineWithAngle, At(0, -0.5), At(0, -2));
  ASSERT_EQ(Last()->type, CONST_LINE_WITH_ANGLE_DEGREE);
  EXPECT_EQ(Last()->LInput1, base);
  EXPECT_EQ(Last()->AngleInput1, nullptr);
}

// ---- Tovik collecting tools ----

TEST_F(ToolsTest, AngleAndCircleBy3BuildOnTheThirdDistinctPoint) {
  GPoint* a = Place(-1, 0);
  GPoint* b = Place(0, 1);
  GPoint* c = Place(1, 0);
  for (GToolMode mode : {kModeAngle, kModeCircleBy3}) {
    doc->ClearAllHilights();
    const int steps = Steps();
    Click(mode, a);
    Click(mode, a);  // the same point twice counts once
    Click(mode, b);
    EXPECT_EQ(Steps(), steps) << mode;
    EXPECT_EQ(doc->Selection().Points().Count(), 2) << mode;
    Click(mode, c);
    EXPECT_GT(Steps(), steps) << mode;
  }
  EXPECT_EQ(StepsOf(CONST_3P_ANGLE), 1);
  EXPECT_EQ(StepsOf(CONST_ORTHOCENTER), 1);
  GCircle* circle = Last()->COutput;
  ASSERT_NE(circle, nullptr);
  EXPECT_NEAR(circle->r2.re, 1, 1e-9);  // the circle through (-1,0), (0,1), (1,0)
}

TEST_F(ToolsTest, CompassTakesItsMeasureAndIsSetDownOnTheThirdPoint) {
  GPoint* a = Place(-2, 0);
  GPoint* b = Place(-1, 0);
  GPoint* m = Place(1, 1);
  doc->ClearAllHilights();
  Click(kModeCompass, a);
  EXPECT_EQ(canvas->m_Tool.m_CompassCenter, At(-2, 0));
  Click(kModeCompass, b);
  EXPECT_NEAR(canvas->m_Tool.m_CompassRadius, 1 / canvas->m_Doc->Viewport().Scale(), 1.5);
  Click(kModeCompass, m);
  GConst* c = Last();
  ASSERT_EQ(c->type, CONST_COMPASS);
  EXPECT_EQ(c->PInput1, a);
  EXPECT_EQ(c->PInput2, b);
  EXPECT_EQ(c->PInput3, m);
  EXPECT_NEAR(c->COutput->r2.re, 1, 1e-9);
}

TEST_F(ToolsTest, OrbitNeedsAMovablePointFirstThenTracesTheSecond) {
  GPoint* centre = Place(0, 0);
  GPoint* on = Place(1, 0);
  GCircle* circle = CircleOf(centre, on);
  GPoint* runner = Place(kTovik, At(0, -1), At(0, -1));  // snapped onto the circle
  ASSERT_EQ(StepOf(runner)->type, CONST_PT_ON_CIRCLE);
  GPoint* traced = Place(2, 2);
  doc->ClearAllHilights();
  Click(kModeOrbit, traced);  // free: has nowhere to run, is let go
  EXPECT_EQ(doc->Selection().Points().Count(), 0);
  Click(kModeOrbit, runner);
  EXPECT_EQ(doc->Selection().Circles().Count(), 1);
  EXPECT_EQ(doc->Selection().Circles()[0], circle);
  Click(kModeOrbit, traced);
  GConst* c = Last();
  ASSERT_EQ(c->type, CONST_ORBIT1);
  EXPECT_EQ(c->PInput1, runner);
  EXPECT_EQ(c->PInput2, traced);
}

// The locus of the midpoint of a fixed point and a point running round a
// circle of radius 1 is drawn as the circle of radius 1/2 about their middle.
TEST_F(ToolsTest, OrbitToolDrawsTheLocusOfAMidpoint) {
  Theme(THM_STANDARD);
  GPoint* centre = Place(0, 0);
  GPoint* on = Place(1, 0);
  CircleOf(centre, on);
  GPoint* runner = Place(kTovik, At(0, -1), At(0, -1));
  ASSERT_EQ(StepOf(runner)->type, CONST_PT_ON_CIRCLE);
  GPoint* fixed = Place(2, 0);
  doc->ClearAllHilights();
  doc->Sethilighted(runner);
  doc->Sethilighted(fixed);
  ASSERT_TRUE(gesture->ConstDefMid());
  GPoint* mid = Last()->POutput;
  doc->ClearAllHilights();
  Click(kModeOrbit, runner);
  Click(kModeOrbit, mid);
  ASSERT_EQ(Last()->type, CONST_ORBIT1);
  const GParaCurve* locus = Last()->CurveOutput;
  ASSERT_GT(locus->count, 30);
  EXPECT_NEAR(X(runner), 0, 1e-9);  // the runner is back where it was
  EXPECT_NEAR(Y(runner), -1, 1e-9);
  doc->ClearAllHilights();
  Render();
  // Ink at the top and the bottom of the locus, where nothing else is drawn.
  for (double y : {0.5, -0.5}) {
    int inked = 0;
    for (int dx = -2; dx <= 2; ++dx)
      for (int dy = -3; dy <= 3; ++dy) inked += !IsBackground(Px(1.0) + dx, Py(y) + dy);
    EXPECT_GT(inked, 0) << y;
  }
}

TEST_F(ToolsTest, TangentAndBisectorCollectTheirTwoClicks) {
  GPoint* centre = Place(0, 0);
  GPoint* on = Place(1, 0);
  GCircle* circle = CircleOf(centre, on);
  doc->ClearAllHilights();
  Click(kModeTangent, on);
  Click(kModeTangent, At(0, 1));  // on the circle, away from its points
  GConst* t = Last();
  ASSERT_EQ(t->type, CONST_TANGENT);
  EXPECT_EQ(t->CInput1, circle);
  EXPECT_EQ(t->PInput1, on);

  GLine* l1 = Join(Place(-3, -2), Place(3, -2));
  GLine* l2 = Join(Place(-3, -3), Place(3, 3));
  canvas->Gesture().StartBisectorTool();
  const int steps = Steps();
  Click(kModeBisector, At(2.5, -2));
  Click(kModeBisector, At(2.5, -2));  // the same line again: nothing
  EXPECT_EQ(Steps(), steps);
  Click(kModeBisector, At(2.5, 2.5));
  GConst* b = Last();
  ASSERT_EQ(b->type, CONST_BISECTOR);
  EXPECT_TRUE((b->LInput1 == l1 && b->LInput2 == l2) || (b->LInput1 == l2 && b->LInput2 == l1));
}

// ---- Text and Image ----

TEST_F(ToolsTest, TextToolPlacesEditsAndCancels) {
  GTextEdit answer;
  bool ok = true;
  canvas->m_AskText = [&](GTextEdit& e) {
    e = answer;
    return ok;
  };
  answer.text = "x = 1, y = 2";
  answer.size = 300;  // out of range: the usual 18
  answer.red = 200;
  wxPoint at(100, 120);
  Click(kModeText, at);
  GConst* c = Last();
  ASSERT_EQ(c->type, CONST_TEXT);
  GText* t = c->TextOutput;
  EXPECT_EQ(t->text, "x = 1\\, y = 2");  // commas kept apart from the file's fields
  EXPECT_DOUBLE_EQ(t->fontSize, 18);
  EXPECT_EQ(t->red, 200);
  EXPECT_EQ(t->x, 100);
  EXPECT_EQ(t->y, 120);
  EXPECT_FALSE(t->name.empty());

  // Clicking the text edits it; Cancel or an empty text changes nothing.
  answer.text = "moved, on";
  answer.size = 30;
  answer.centred = true;
  Click(kModeText, wxPoint(105, 125));
  EXPECT_EQ(t->text, "moved\\, on");
  EXPECT_DOUBLE_EQ(t->fontSize, 30);
  EXPECT_TRUE(t->centered);
  const int steps = Steps();
  ok = false;
  Click(kModeText, wxPoint(400, 400));
  ok = true;
  answer.text = "  \n";
  Click(kModeText, wxPoint(400, 400));
  EXPECT_EQ(Steps(), steps);
}

TEST_F(ToolsTest, ImageToolPlacesAPictureAtItsOwnSizeOrLogsTheFailure) {
  const wxString path = wxFileName::GetTempDir() + "/figuretta-tools-test.png";
  ASSERT_TRUE(wxImage(7, 5).SaveFile(path, wxBITMAP_TYPE_PNG));
  user.files.push_back(path.utf8_string());
  user.files.push_back(path.utf8_string() + ".missing");
  wxPoint at(30, 40);
  Click(kModeImage, at);
  GConst* c = Last();
  ASSERT_EQ(c->type, CONST_IMAGE);
  GImage* im = c->ImageOutput;
  EXPECT_EQ(im->x, 30);
  EXPECT_EQ(im->y, 40);
  EXPECT_EQ(im->width, 7);
  EXPECT_EQ(im->height, 5);
  EXPECT_EQ(doc->Sheet().images.head, im);
  const int steps = Steps();
  Click(kModeImage, at);
  EXPECT_EQ(Steps(), steps);
  EXPECT_EQ(user.log.back(), "LUp_Image : failed to load image file.\n");
  wxRemoveFile(path);
}

// ---- Quil and touch-panel buttons ----

class ButtonsTest : public WindowTest {
 protected:
  void SetUp() override {
    MakeWindow(wxPoint(0, 0), false);
    doc->ResetAllName();
  }
  void Style(GStyle style) { Command(StyleNumber(style)); }
  GPoint* Point(double x, double y) {
    gesture->ConstFree(x, y, false);
    GPoint* p = gesture->PointBeingPlaced();
    doc->AssignPoint(p);
    doc->SetPointName(p);
    return p;
  }
  void Select(std::initializer_list<GPoint*> points, GLine* line = nullptr) {
    doc->ClearAllHilights();
    for (GPoint* p : points) doc->Sethilighted(p);
    if (line) doc->Sethilighted(line);
    frame->enableToolbar();
  }
  bool Enabled(GToolMode id) { return frame->m_ModeToolbar->GetToolEnabled(ToolkitId(id)); }
  GConst* Last() {
    GConst* last = nullptr;
    for (GConst* c = doc->FirstConst(); c; c = c->next) last = c;
    return last;
  }
};

TEST_F(ButtonsTest, OnlyTheButtonsThatFitTheSelectionAreEnabled) {
  Style(kGModeQuil);
  const GToolMode all[] = {kModeMLine,         kModePara,     kModePerp,      kModeMid,
                           kModeMCircle,       kModeBisector, kModeMeet,      kModeClipping,
                           kModeTangent,       kModeOrbit,    kModeCircleBy3, kModeAngle,
                           kModeLineWithAngle, kModeBracket};
  for (GToolMode id : all) EXPECT_FALSE(Enabled(id)) << id;
  EXPECT_TRUE(Enabled(kModeText));
  EXPECT_TRUE(Enabled(kModeImage));

  GPoint* a = Point(-1, 0);
  GPoint* b = Point(1, 0);
  Select({a, b});
  for (GToolMode id : {kModeMLine, kModeClipping, kModeMid, kModeMCircle, kModeOrbit, kModeBracket})
    EXPECT_TRUE(Enabled(id)) << id;
  EXPECT_FALSE(Enabled(kModePara));
  EXPECT_FALSE(Enabled(kModeAngle));

  Command(kModeMLine);
  GLine* line = Last()->LOutput;
  ASSERT_NE(line, nullptr);
  GPoint* c = Point(0, 2);
  Select({c}, line);
  for (GToolMode id : {kModePara, kModePerp, kModeMCircle, kModeLineWithAngle})
    EXPECT_TRUE(Enabled(id));
  EXPECT_FALSE(Enabled(kModeMLine));
}

TEST_F(ButtonsTest, ButtonsBuildFromTheSelectionInQuilAndPanelButChooseToolsInTovik) {
  GPoint* a = Point(-1, 0);
  GPoint* b = Point(1, 0);
  for (GStyle style : {kGModeQuil, kGModePanel}) {
    Style(style);
    Select({a, b});
    Command(kModeMid);
    ASSERT_EQ(Last()->type, CONST_MID) << style;
    EXPECT_EQ(canvas->m_Tool.m_Mode, kModeMove);
    doc->DeleteConst(Last());
  }
  Style(kGModeTovik);
  Select({a, b});
  GConst* before = Last();
  Command(kModeMid);
  EXPECT_EQ(Last(), before);
  EXPECT_EQ(canvas->m_Tool.m_Mode, kModeMid);
  EXPECT_TRUE(frame->m_ModeToolbar->GetToolState(ToolkitId(kModeMid)));
  Command(kModeMeet);  // intersections come from the Point tool here
  EXPECT_EQ(Last(), before);

  Style(kGModeQuil);
  Select({a, b});
  Command(kModeClipping);
  ASSERT_EQ(Last()->type, CONST_JOIN);
  EXPECT_EQ(Last()->LOutput->toolMark, 1);
}

TEST_F(ButtonsTest, LineWithAngleAsksForTheAngleWhenNoMarkIsChosen) {
  Style(kGModeQuil);
  GPoint* a = Point(-1, 0);
  GPoint* b = Point(1, 0);
  Select({a, b});
  Command(kModeMLine);
  GLine* base = Last()->LOutput;
  GPoint* p = Point(0, 1);
  GAngleChoice answer;
  bool ok = false;
  canvas->m_AskAngle = [&](GAngleChoice& c) {
    c = answer;
    return ok;
  };
  GConst* before = Last();
  Select({p}, base);
  Command(kModeLineWithAngle);  // Cancel
  EXPECT_EQ(Last(), before);

  ok = true;
  answer.byPoints = true;
  answer.first = "A";
  answer.vertex = "B";
  answer.second = "Q9";  // no such point: said, and nothing built
  user->messages.clear();
  Command(kModeLineWithAngle);
  EXPECT_EQ(Last(), before);
  EXPECT_EQ(user->messages.size(), 1u);

  answer.byPoints = false;
  answer.degrees = "45";
  Select({p}, base);
  Command(kModeLineWithAngle);
  ASSERT_EQ(Last()->type, CONST_LINE_WITH_ANGLE_DEGREE);
  EXPECT_DOUBLE_EQ(Last()->param1.re, 45);
  EXPECT_EQ(Last()->PInput1, p);
  EXPECT_EQ(Last()->LInput1, base);
}

}  // namespace
