// The slide show without a window: effects ticked one repaint at a time, the
// clicks that move the show on, stopping it, and the effect steps that the
// effect dialog makes and that the script keeps.
#include <gtest/gtest.h>

#include "FigureFixture.h"
#include "slides/EffectRows.h"
#include "slides/SlideShow.h"
#include "script/Script.h"

namespace {

// An 800x600 window where every element covers the pixels 100..140 both ways.
class FixedWindow : public GSlideWindow {
 public:
  int width = 800;
  GSlideBox Window() override { return {0, 0, width, 600}; }
  GSlideBox element{100, 100, 140, 140};
  bool Extent(const GConst*, GSlideBox* box) override {
    *box = element;
    return true;
  }
};

class SlideShowTest : public FigureTest {
 protected:
  FixedWindow window;
  GSlideShow show{*doc, &window};

  GConst* StepOf(const GPoint* p) {
    for (GConst* c = doc->FirstConst(); c; c = c->next)
      if (c->POutput == p) return c;
    return nullptr;
  }
  GConst* Effect(GPoint* p, int click, int direction, int effect, int inout) {
    return AddConstEffect(*doc, StepOf(p), click, direction, effect, inout);
  }
  // Ticks until the current effect changes; the number of ticks taken.
  int RunCurrent(double* widest = nullptr) {
    GConst* k = show.m_CurrentEffect;
    GObject* e = EffectElement(k);
    int ticks = 0;
    while (show.m_CurrentEffect == k && ticks < 100) {
      show.Animnext();
      ++ticks;
      if (widest) *widest = std::max(*widest, e->widthFactor);
    }
    return ticks;
  }
  int EffectSteps() {
    int n = 0;
    for (GConst* c = doc->FirstConst(); c; c = c->next) n += IsEffect(c);
    return n;
  }
};

TEST_F(SlideShowTest, EachEffectTakesItsTicksAndEndsInPlaceOrGone) {
  // Limits of the box 100..140 in 800x600: right 730, left -170, top -170, bottom 530.
  struct Case {
    int direction, inout, effect, ticks;
    int fade, dx, dy;  // at the end
  } cases[] = {
      {kFade, 0, 0, 4, 0, 0, 0},     {kFade, 1, 0, 4, 5, 0, 0},  {kRight, 0, 0, 10, 0, 0, 0},
      {kLeft, 1, 0, 10, 0, -170, 0}, {kTop, 0, 0, 10, 0, 0, 0},  {kBottom, 1, 0, 10, 0, 0, 530},
      {kFade, 0, 1, 14, 0, 0, 0},    {kFade, 1, 1, 13, 5, 0, 0}, {kRight, 1, 1, 20, 0, 730, 0},
      {kTop, 0, 1, 20, 0, 0, 0},
  };
  for (const Case& c : cases) {
    doc->ClearConst();
    GPoint* a = Free(0, 0, "A");
    Effect(a, 0, c.direction, c.effect, c.inout);
    show.OnSlideShowStart();
    double widest = 1.0;
    EXPECT_EQ(RunCurrent(&widest), c.ticks) << c.direction << c.inout << c.effect;
    EXPECT_EQ(a->fadeLevel, c.fade);
    EXPECT_EQ(a->offsetDx, c.dx);
    EXPECT_EQ(a->offsetDy, c.dy);
    EXPECT_DOUBLE_EQ(a->widthFactor, 1.0);
    EXPECT_DOUBLE_EQ(widest, c.effect ? 2.0 : 1.0);
    show.OnSlideShowStart();  // stop
  }
}

TEST_F(SlideShowTest, CurvesFadeWhicheverWayTheyAreToSlide) {
  GConst* k = doc->NewConst(CONST_GRAPH);
  k->CurveOutput = doc->NewCurve();
  doc->AssignCurve(k->CurveOutput);
  AddConstEffect(*doc, k, 0, kRight, 0, 0);
  show.OnSlideShowStart();
  EXPECT_EQ(k->CurveOutput->fadeLevel, 4);
  EXPECT_EQ(RunCurrent(), 4);
  EXPECT_EQ(k->CurveOutput->fadeLevel, 0);
  EXPECT_EQ(k->CurveOutput->offsetDx, 0);
}

TEST_F(SlideShowTest, AppearingElementsAreHiddenFromTheStartOfTheirSheet) {
  GPoint* a = Free(0, 0, "A");
  GPoint* b = Free(1, 0, "B");
  GPoint* c = Free(2, 0, "C");
  GPoint* d = Free(3, 0, "D");
  Effect(a, 1, kFade, 0, 0);
  Effect(b, 0, kRight, 0, 0);
  Effect(c, 1, kFade, 0, 1);
  Effect(d, 1, kFade, 0, 0);  // appears, then goes again: its first effect decides
  Effect(d, 1, kFade, 0, 1);
  doc->Sethilighted(a);
  show.OnSlideShowStart();
  EXPECT_EQ(a->fadeLevel, 4);
  EXPECT_FALSE(a->hilighted);
  EXPECT_EQ(b->offsetDx, 730);  // ten steps of 73: wholly right of the window
  EXPECT_EQ(c->fadeLevel, 0);
  EXPECT_EQ(d->fadeLevel, 4);
  EXPECT_EQ(show.m_CurrentEffect->effectTarget, StepOf(a));
  EXPECT_TRUE(show.m_EffectWaiting);
}

TEST_F(SlideShowTest, AWiderWindowSendsWaitingElementsFurtherOut) {
  GPoint* a = Free(0, 0, "A");
  GPoint* b = Free(1, 0, "B");
  Effect(a, 0, kFade, 0, 0);
  Effect(b, 1, kRight, 0, 0);
  show.OnSlideShowStart();
  EXPECT_EQ(RunCurrent(), 4);
  ASSERT_EQ(b->offsetDx, 730);
  window.width = 1280;  // full screen
  show.WindowChanged();
  EXPECT_EQ(b->offsetDx, 1210);
  EXPECT_EQ(a->fadeLevel, 0);  // what has appeared stays
  EXPECT_TRUE(show.m_EffectWaiting);
}

// Just past the right edge the way out is 5 pixels: less than one whole pixel
// per step, and the slide still ends.
TEST_F(SlideShowTest, ASlideTooShortForTenStepsEndsAtOnce) {
  window.element = {825, 100, 840, 140};
  GPoint* a = Free(0, 0, "A");
  for (int inout : {0, 1}) {
    ClearConstEffect(*doc);
    Effect(a, 0, kRight, 0, inout);
    show.OnSlideShowStart();
    EXPECT_EQ(RunCurrent(), 1) << inout;
    EXPECT_EQ(a->offsetDx, inout ? 5 : 0);
    show.OnSlideShowStart();
  }
}

TEST_F(SlideShowTest, ClicksStartWaitingEffectsAndAreIgnoredWhileOneRuns) {
  GPoint* a = Free(0, 0, "A");
  GPoint* b = Free(1, 0, "B");
  Effect(a, 1, kFade, 0, 0);
  Effect(b, 0, kFade, 0, 0);  // follows at once
  show.OnSlideShowStart();
  show.Click();
  EXPECT_FALSE(show.m_EffectWaiting);
  EXPECT_EQ(RunCurrent(), 4);
  show.Click();  // b is running
  EXPECT_FALSE(show.m_EffectWaiting);
  EXPECT_EQ(b->fadeLevel, 4);
  EXPECT_EQ(RunCurrent(), 4);
  EXPECT_EQ(b->fadeLevel, 0);
}

TEST_F(SlideShowTest, ASheetWithoutEffectsWaitsAndTheLastClickEndsTheShow) {
  Free(0, 0, "A");
  ASSERT_TRUE(doc->InsertNewSheet());
  GPoint* b = Free(1, 0, "B");
  Effect(b, 0, kFade, 0, 1);
  doc->PrevSheet();
  show.OnSlideShowStart();
  EXPECT_TRUE(show.m_EffectWaiting);
  EXPECT_EQ(show.m_CurrentEffect, nullptr);
  show.Click();
  EXPECT_EQ(doc->Sheets().CurrentIndex(), 1);
  EXPECT_EQ(RunCurrent(), 4);
  EXPECT_EQ(b->fadeLevel, 5);
  show.Animnext();  // nothing left: waits for the click
  EXPECT_TRUE(show.m_EffectWaiting);
  EXPECT_TRUE(user.messages.empty());
  show.Click();
  EXPECT_FALSE(show.m_SlideShow);
  EXPECT_EQ(b->fadeLevel, 0);  // the sheet is left with everything shown
  ASSERT_EQ(user.messages.size(), 1u);
  EXPECT_EQ(user.messages[0].text, "End of Slidshow");
  EXPECT_EQ(user.messages[0].caption, "");
}

TEST_F(SlideShowTest, StoppingInTheMiddleShowsEverythingInPlace) {
  GPoint* a = Free(0, 0, "A");
  GPoint* b = Free(1, 0, "B");
  Effect(a, 0, kLeft, 1, 1);
  Effect(b, 1, kBottom, 0, 0);
  show.OnSlideShowStart();
  for (int i = 0; i < 15; ++i) show.Animnext();  // a swelled and is on its way out
  ASSERT_LT(a->offsetDx, 0);
  for (int i = 0; i < 3; ++i) show.Animnext();
  show.OnSlideShowStart();
  EXPECT_FALSE(show.m_SlideShow);
  for (GPoint* p : {a, b}) {
    EXPECT_EQ(p->fadeLevel, 0);
    EXPECT_EQ(p->offsetDx, 0);
    EXPECT_EQ(p->offsetDy, 0);
    EXPECT_DOUBLE_EQ(p->widthFactor, 1.0);
  }
}

TEST_F(SlideShowTest, AnEffectWhoseElementWasErasedIsPassedOver) {
  GPoint* a = Free(0, 0, "A");
  GPoint* b = Free(1, 0, "B");
  Effect(a, 0, kFade, 0, 0);
  Effect(b, 0, kFade, 0, 0);
  doc->DeleteConst(StepOf(a));
  show.OnSlideShowStart();
  ASSERT_NE(show.m_CurrentEffect, nullptr);
  EXPECT_EQ(EffectElement(show.m_CurrentEffect), b);
}

TEST_F(SlideShowTest, EffectStepsAreMadeByKindLoggedClearedAndKeptInTheScript) {
  GPoint* a = Free(0, 0, "A");
  GPoint* b = Free(2, 1, "B");
  GLine* l = Join(a, b);
  l->name = std::string("a");  // a copy: GCC 12 at -O3 misreads the literal as an overlap
  GConst* join = doc->FirstConst()->next->next;
  user.log.clear();
  GConst* e = AddConstEffect(*doc, join, 0, kLeft, 1, 0);
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->type, CONST_EFFECT_LINE);
  ASSERT_EQ(user.log.size(), 2u);
  EXPECT_EQ(user.log[1], "  click=0,direction=2,effect=1,inout=0\n");
  Effect(a, 1, kBottom, 0, 1);
  EXPECT_EQ(AddConstEffect(*doc, e, 0, 0, 0, 0), nullptr);  // an effect of an effect

  const std::string written = WriteSheetScript(*doc, doc->Sheets().CurrentIndex());
  EXPECT_NE(written.find("void EffectLine(a,immediately,left,in,withEffect);\n"),
            std::string::npos);
  EXPECT_NE(written.find("void EffectPoint(A,withClick,bottom,out,noEffect);\n"),
            std::string::npos);
  GDocument other(&user);
  ASSERT_TRUE(ReadScript(other, written));
  EXPECT_EQ(WriteSheetScript(other, other.Sheets().CurrentIndex()), written);

  ClearConstEffect(*doc);
  EXPECT_EQ(EffectSteps(), 0);
  GPoint* c = Free(5, 5, "C");  // the list's tail is valid again
  EXPECT_EQ(StepOf(c), doc->Sheet().consts.head->next->next->next);
}

TEST_F(SlideShowTest, DialogRowsListEffectsThenHilightsAndOkRebuildsTheSteps) {
  GPoint* a = Free(0, 0, "A");
  GPoint* b = Free(1, 0, "B");
  GPoint* c = Free(2, 0, "C");
  Effect(c, 1, kTop, 1, 1);
  doc->Sethilighted(a);
  doc->Sethilighted(b);
  std::vector<GEffectRow> rows = EffectRows(*doc);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].target, StepOf(c));
  EXPECT_EQ(rows[0].direction, kTop);
  EXPECT_EQ(rows[1].target, StepOf(a));
  EXPECT_EQ(rows[1].click + rows[1].direction + rows[1].effect + rows[1].inout, 0);
  EXPECT_EQ(EffectRowText(rows[1]), "point A=Pt(0.000,0.000,fontsize18);");

  EXPECT_EQ(MoveEffectRow(rows, 0, -1), 0);  // the first row cannot go up
  EXPECT_EQ(MoveEffectRow(rows, 2, +1), 2);  // nor the last down
  EXPECT_EQ(MoveEffectRow(rows, 0, +1), 1);
  EXPECT_EQ(rows[0].target, StepOf(a));
  EXPECT_EQ(DeleteEffectRow(rows, 2), 1);  // b goes; the row above is selected
  rows[0].inout = 1;
  ApplyEffectRows(*doc, rows);
  std::vector<GConst*> effects;
  for (GConst* k = doc->FirstConst(); k; k = k->next)
    if (IsEffect(k)) effects.push_back(k);
  ASSERT_EQ(effects.size(), 2u);
  EXPECT_EQ(EffectElement(effects[0]), a);
  EXPECT_EQ(effects[0]->inout, 1);
  EXPECT_EQ(EffectElement(effects[1]), c);
  EXPECT_EQ(effects[1]->effect, 1);
}

TEST_F(SlideShowTest, TheDialogHoldsAtMostAHundredRows) {
  for (int i = 0; i < 60; ++i) {
    GPoint* p = Free(i * 0.01, 0, "P");
    Effect(p, 0, kFade, 0, 0);
    p->hilighted = 1;
  }
  EXPECT_EQ(EffectRows(*doc).size(), (size_t)kMaxEffectRows);
}

}  // namespace
