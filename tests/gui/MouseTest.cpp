// The mouse dispatch: which button does what in each interaction style, the
// touch panel's buttons and two-tap moves, a drag that leaves the window,
// the slide show swallowing clicks, and the messages a new midpoint brings.
#include "gui/MouseFixture.h"

namespace {
bool Hilighted(GDocument* doc, GPoint* p) {
  for (int i = 0; i < doc->Selection().Points().Count(); ++i)
    if (doc->Selection().Points()[i] == p) return p->hilighted;
  return false;
}
}  // namespace

TEST_F(MouseTest, TovikRightClickSelectsWhateverTheMode) {
  GPoint* a = Place(1, 1);
  doc->ClearAllHilights();
  for (GToolMode mode : {kModeSPoint, kModeMLine, kModeMove}) {
    canvas->m_Tool.SetMode(mode);
    wxPoint at = At(1, 1);
    canvas->RButtonDown(at);
    canvas->RButtonUp(at);
    EXPECT_TRUE(Hilighted(doc, a)) << "mode " << mode;
    EXPECT_EQ(Points(), 1) << "mode " << mode;
    wxPoint empty = At(-2, -2);
    canvas->RButtonDown(empty);
    canvas->RButtonUp(empty);
    EXPECT_EQ(doc->Selection().Points().Count(), 0) << "mode " << mode;
  }
}

TEST_F(MouseTest, QuilLeftSelectsAndDragsRightPlaces) {
  GPoint* a = Place(kQuil, 1, 1);
  GPoint* b = Place(kQuil, -1, 0.5);
  ASSERT_TRUE(a && b && a != b);
  EXPECT_EQ(canvas->m_Tool.m_Mode, kModeSPoint);  // the right button chose the Point mode
  wxPoint onA = At(1, 1), onB = At(-1, 0.5), empty = At(-2, -2);

  canvas->LButtonDown(onA);
  EXPECT_EQ(canvas->m_Tool.m_Mode, kModeMove);
  canvas->LButtonUp(onA);
  EXPECT_TRUE(Hilighted(doc, a));
  EXPECT_EQ(doc->Selection().Points().Count(), 1);

  canvas->m_Tool.SetShift(true);  // Shift adds to the selection
  canvas->LButtonDown(onB);
  canvas->LButtonUp(onB);
  canvas->m_Tool.SetShift(false);
  EXPECT_TRUE(Hilighted(doc, a));
  EXPECT_TRUE(Hilighted(doc, b));

  canvas->LButtonDown(empty);
  canvas->LButtonUp(empty);
  EXPECT_EQ(doc->Selection().Points().Count(), 0);

  // Press, drag and release on a moves it and leaves it selected.
  wxPoint to = At(1.5, 0.2);
  canvas->LButtonDown(onA);
  canvas->LButtonDrag(to);
  canvas->LButtonUp(to);
  EXPECT_NEAR(X(a), 1.5, 1e-9);
  EXPECT_NEAR(Y(a), 0.2, 1e-9);
  EXPECT_TRUE(Hilighted(doc, a));
  EXPECT_EQ(Points(), 2);
}

TEST_F(MouseTest, QuilArmedTextTakesTheRightClickInsteadOfAPoint) {
  UseStyle(kQuil);
  canvas->m_Tool.ArmText(true);
  int asked = 0;
  canvas->m_AskText = [&](GTextEdit&) {
    ++asked;
    return false;  // the person cancels the text
  };
  wxPoint at = At(0.5, 0.5);
  canvas->RButtonDown(at);
  canvas->RButtonDrag(at);
  canvas->RButtonUp(at);
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(Points(), 0);
  EXPECT_EQ(Steps(), 0);
  EXPECT_FALSE(gesture->Placing());
}

TEST_F(MouseTest, PanelButtonsToggleAndTheMoveButtonForgetsAPick) {
  UseStyle(kPanel);
  const int y = canvas->m_Painter.m_Height - canvas->m_Painter.m_ToolbarHeight -
                16;  // middle of the button row
  wxPoint keep(10, y), point(70, y), move(150, y);
  canvas->LButtonUp(keep);
  canvas->LButtonUp(point);
  EXPECT_TRUE(canvas->m_Tool.m_PanelKeep);
  EXPECT_TRUE(canvas->m_Tool.m_PanelPoint);
  EXPECT_FALSE(canvas->m_Tool.m_PanelMove);
  EXPECT_TRUE(canvas->m_Tool.m_PanelPressed[0] && canvas->m_Tool.m_PanelPressed[1] &&
              !canvas->m_Tool.m_PanelPressed[2]);
  canvas->LButtonUp(keep);
  EXPECT_FALSE(canvas->m_Tool.m_PanelKeep);
  EXPECT_EQ(Points(), 0);  // a tap on a button places nothing

  canvas->m_Tool.m_PanelPickedPoint = canvas->m_Tool.m_PanelPickedText = true;
  canvas->LButtonUp(move);
  EXPECT_TRUE(canvas->m_Tool.m_PanelMove);
  EXPECT_TRUE(canvas->m_Tool.m_PanelPressed[2]);
  EXPECT_FALSE(canvas->m_Tool.m_PanelPickedPoint || canvas->m_Tool.m_PanelPickedText);
  // Beside the row, a tap is no button press.
  EXPECT_EQ(canvas->PanelButtonAt(wxPoint(200, y)), -1);
  EXPECT_EQ(canvas->PanelButtonAt(wxPoint(10, y - 20)), -1);
}

TEST_F(MouseTest, PanelFirstTapPicksSecondTapMoves) {
  GPoint* a = Place(1, 1);
  GText* t = doc->NewText("note");
  doc->AssignText(t);
  t->x = 100;
  t->y = 100;
  UseStyle(kPanel);
  canvas->m_Tool.SetPanel(false, false, true);

  wxPoint onA(Px(1) + 2, Py(1) + 2);
  canvas->LButtonUp(onA);
  EXPECT_TRUE(canvas->m_Tool.m_PanelPickedPoint);
  EXPECT_NEAR(X(a), 1, 1e-12);  // picking does not move it
  wxPoint target = At(-1.5, 0.5);
  canvas->LButtonUp(target);
  EXPECT_NEAR(X(a), -1.5, 1e-9);
  EXPECT_NEAR(Y(a), 0.5, 1e-9);
  EXPECT_FALSE(canvas->m_Tool.m_PanelPickedPoint);
  EXPECT_FALSE(canvas->m_Tool.m_MovingPoint);

  // A text goes the same way, keeping where it was held.
  wxPoint onText(105, 108);
  canvas->LButtonUp(onText);
  EXPECT_TRUE(canvas->m_Tool.m_PanelPickedText);
  wxPoint there(305, 208);
  canvas->LButtonUp(there);
  EXPECT_DOUBLE_EQ(t->x, 300);
  EXPECT_DOUBLE_EQ(t->y, 200);
  EXPECT_FALSE(canvas->m_Tool.m_PanelPickedText);

  // A tap on nothing picks nothing, and the next tap moves nothing.
  wxPoint nothing = At(2, -2);
  canvas->LButtonUp(nothing);
  canvas->LButtonUp(onA);
  EXPECT_NEAR(X(a), -1.5, 1e-9);
}

TEST_F(MouseTest, PanelTapWithoutButtonsSelectsAndKeepAdds) {
  GPoint* a = Place(1, 1);
  GPoint* b = Place(-1, 1);
  doc->ClearAllHilights();
  UseStyle(kPanel);
  wxPoint onA = At(1, 1), onB = At(-1, 1);
  canvas->LButtonUp(onA);
  canvas->LButtonUp(onB);
  EXPECT_FALSE(Hilighted(doc, a));
  EXPECT_TRUE(Hilighted(doc, b));
  canvas->m_Tool.SetPanel(true, false, false);
  canvas->LButtonUp(onA);
  EXPECT_TRUE(Hilighted(doc, a));
  EXPECT_TRUE(Hilighted(doc, b));
}

// Through the event entry point, as the toolkit delivers them.
TEST_F(MouseTest, LeavingTheWindowEndsADragAtTheLastPositionInside) {
  GPoint* a = Place(0, 0);
  UseStyle(kTovik);
  wxMouseEvent down = Event(wxEVT_LEFT_DOWN, At(0, 0), true);
  wxMouseEvent move = Event(wxEVT_MOTION, At(1, 0.5), true);
  wxMouseEvent leave = Event(wxEVT_LEAVE_WINDOW, At(3.9, 0.5), true);
  wxMouseEvent outside = Event(wxEVT_MOTION, At(2, 2), true);
  canvas->OnMouseEvent(down);
  canvas->OnMouseEvent(move);
  EXPECT_TRUE(canvas->m_Tool.m_MovingPoint);
  canvas->LeaveWindow(leave);
  EXPECT_FALSE(canvas->m_Tool.m_LeftDown);
  EXPECT_FALSE(canvas->m_Tool.m_MovingPoint);
  EXPECT_NEAR(X(a), 1, 1e-9);
  EXPECT_NEAR(Y(a), 0.5, 1e-9);
  canvas->OnMouseEvent(outside);  // still held, but the drag is over
  EXPECT_NEAR(X(a), 1, 1e-9);
  EXPECT_TRUE(Hilighted(doc, a));

  // A point being placed is placed where the pointer left.
  canvas->m_Tool.SetMode(kModeSPoint);
  wxMouseEvent press = Event(wxEVT_LEFT_DOWN, At(-1, -1), true);
  wxMouseEvent drag = Event(wxEVT_MOTION, At(-2, -1), true);
  canvas->OnMouseEvent(press);
  canvas->OnMouseEvent(drag);
  canvas->LeaveWindow(leave);
  EXPECT_FALSE(gesture->Placing());
  ASSERT_EQ(Points(), 2);
  EXPECT_NEAR(X(gesture->PlacedPoint()), -2, 1e-9);
}

TEST_F(MouseTest, ShiftOfTheEventReachesTheDocument) {
  GPoint* a = Place(1, 1);
  GPoint* b = Place(-1, 1);
  doc->ClearAllHilights();
  canvas->m_Tool.SetMode(kModeSelect);
  for (auto [p, shift] : {std::pair{a, false}, std::pair{b, true}}) {
    wxMouseEvent down = Event(wxEVT_LEFT_DOWN, At(X(p), Y(p)), true, shift);
    wxMouseEvent up = Event(wxEVT_LEFT_UP, At(X(p), Y(p)), false, shift);
    canvas->OnMouseEvent(down);
    canvas->OnMouseEvent(up);
  }
  EXPECT_TRUE(Hilighted(doc, a));
  EXPECT_TRUE(Hilighted(doc, b));
}

TEST_F(MouseTest, SlideShowSwallowsEveryButtonButItsClick) {
  GPoint* a = Place(1, 1);
  doc->ClearAllHilights();
  int clicks = 0;
  canvas->m_Tool.StartSlideShow([&] { ++clicks; });
  wxPoint at = At(1, 1);
  for (Style s : {kTovik, kQuil, kPanel}) {
    UseStyle(s);
    canvas->LButtonDown(at);
    canvas->LButtonDrag(at);
    canvas->LButtonUp(at);
    canvas->RButtonDown(at);
    canvas->RButtonDrag(at);
    canvas->RButtonUp(at);
  }
  EXPECT_EQ(clicks, 3);
  EXPECT_EQ(doc->Selection().Points().Count(), 0);
  EXPECT_EQ(Points(), 1);
  EXPECT_NEAR(X(a), 1, 1e-12);
  EXPECT_FALSE(canvas->m_Tool.m_LeftDown || canvas->m_Tool.m_RightDown);
}

// Two points placed on a line, selected with the mouse: their midpoint lies
// on the line, and the person is told so.
TEST_F(MouseTest, MidpointOfTwoPointsOfALineIsAnnouncedOnIt) {
  GPoint* a = Place(kQuil, -2, -1);
  GPoint* b = Place(kQuil, 2, 1);
  ASSERT_NE(Join(a, b), nullptr);
  GPoint* c = Place(kQuil, At(-1, 1), At(-1, -0.47));
  GPoint* d = Place(kQuil, At(1, -1), At(1.2, 0.63));
  ASSERT_TRUE(c && d);
  ASSERT_EQ(StepOf(c)->type, CONST_ON_LINE);
  ASSERT_EQ(StepOf(d)->type, CONST_ON_LINE);
  wxPoint onC = At(X(c), Y(c)), onD = At(X(d), Y(d));
  canvas->LButtonDown(onC);
  canvas->LButtonUp(onC);
  canvas->m_Tool.SetShift(true);
  canvas->LButtonDown(onD);
  canvas->LButtonUp(onD);
  canvas->m_Tool.SetShift(false);
  ASSERT_EQ(doc->Selection().Points().Count(), 2);
  user.messages.clear();
  ASSERT_TRUE(gesture->ConstDefMid());
  GPoint* m = doc->CurrentConst()->POutput;
  ASSERT_NE(m, nullptr);
  // The line holds four named points by now, so the message names it by two.
  EXPECT_EQ(m->name, "E");
  ASSERT_EQ(user.messages.size(), 1u);
  EXPECT_EQ(user.messages[0].text, "(*^_^*) Point E is on line AB.");
  EXPECT_EQ(user.messages[0].caption, "Incidency Test");
}
