// The construction buttons that make lines, points and circles from the
// hilighted selection, the Tovik press-drag-release gestures, and which
// buttons a selection enables.
#include "BuildFixture.h"

using BuildLine = BuildTest;
using BuildCircle = BuildTest;
using BuildMeet = BuildTest;
using BuildGesture = BuildTest;
using BuildEnable = BuildTest;

TEST_F(BuildLine, JoinIsNamedRecordedLoggedAndNeverRepeated) {
  GPoint* a = Pt(0, 0);
  GPoint* b = Pt(2, 1);
  Select(a, b);
  ASSERT_TRUE(gesture.ConstDefLine());
  GConst* k = Last();
  ASSERT_EQ(k->type, CONST_JOIN);
  EXPECT_EQ(k->PInput1, a);
  EXPECT_EQ(k->PInput2, b);
  GLine* l = k->LOutput;
  EXPECT_EQ(l->name, "a");
  EXPECT_TRUE(Records(l, a) && Records(l, b));
  EXPECT_TRUE(Through(l, 2, 1));
  EXPECT_EQ(Hilighted(), 1);
  EXPECT_EQ(user.log.back(), "  PInput1=A,PInput2=B,LOutput=a,\n");
  EXPECT_TRUE(user.messages.empty());  // its own points are not news

  // The same two points again give the same line, also as a segment.
  const int steps = Steps();
  Select(b, a);
  EXPECT_FALSE(gesture.ConstDefLine());
  EXPECT_EQ(doc->Selection().Lines()[0], l);
  Select(a, b);
  EXPECT_FALSE(gesture.ConstDefClippingLine());
  EXPECT_EQ(l->toolMark, 1);
  EXPECT_EQ(Steps(), steps);
  EXPECT_EQ(doc->Naming().Next(GNameKind::kLine), "b");  // no name was spent on a copy
}

TEST_F(BuildLine, MidpointOnASegmentIsAnnouncedWithTheSegmentsPoints) {
  GPoint* a = Pt(0, 0);
  GPoint* b = Pt(4, 2);
  Select(a, b);
  ASSERT_TRUE(gesture.ConstDefClippingLine());
  EXPECT_EQ(Last()->LOutput->toolMark, 1);
  Select(a, b);
  ASSERT_TRUE(gesture.ConstDefMid());
  EXPECT_TRUE(Shown("(*^_^*) Point C is on line AB."));
  EXPECT_EQ(user.messages.back().caption, "Incidency Test");
  const int steps = Steps();
  Select(b, a);  // the same midpoint again is removed as a copy
  EXPECT_FALSE(gesture.ConstDefMid());
  EXPECT_EQ(Steps(), steps);
  EXPECT_EQ(Count(doc->Sheet().points.head), 3);
}

TEST_F(BuildLine, ParallelAndPerpendicularGoThroughTheFirstPoint) {
  GPoint* a = Pt(0, 0);
  GPoint* b = Pt(2, 1);
  GPoint* c = Pt(0, 3);
  Select(a, b);
  gesture.ConstDefLine();
  GLine* base = Last()->LOutput;
  Select(c, base);
  ASSERT_TRUE(gesture.ConstDefPara());
  GConst* k = Last();
  EXPECT_EQ(k->type, CONST_PARALLEL);
  EXPECT_EQ(k->PInput1, c);
  EXPECT_TRUE(Through(k->LOutput, 0, 3) && Through(k->LOutput, 2, 4));
  EXPECT_TRUE(Records(k->LOutput, c));
  Select(c, base);
  EXPECT_FALSE(gesture.ConstDefPara());  // the same parallel again
  Select(c, base);
  ASSERT_TRUE(gesture.ConstDefPerp());
  EXPECT_EQ(Last()->type, CONST_PERP);
  EXPECT_TRUE(Through(Last()->LOutput, 0, 3) && Through(Last()->LOutput, 1, 1));
  Select(c);
  EXPECT_FALSE(gesture.ConstDefPerp());  // no line selected
}

TEST_F(BuildLine, TangentOnlyAtAPointRecordedOnTheCircle) {
  GPoint* m = Pt(0, 0);
  GPoint* p = Pt(1, 1);
  GPoint* q = Pt(3, 0);
  Select(m, p);
  ASSERT_TRUE(gesture.ConstDefCircle());
  GCircle* c = Last()->COutput;
  Select(q, c);
  EXPECT_FALSE(gesture.ConstDefTangent());
  Select(p, c);
  ASSERT_TRUE(gesture.ConstDefTangent());
  GConst* k = Last();
  EXPECT_EQ(k->type, CONST_TANGENT);
  EXPECT_EQ(k->PInput1, p);
  EXPECT_TRUE(Through(k->LOutput, 1, 1) && Through(k->LOutput, 2, 0));
  EXPECT_EQ(doc->Selection().Lines()[0], k->LOutput);
}

TEST_F(BuildLine, LineAtATypedAngleOrAtAMark) {
  GPoint* a = Pt(0, 0);
  GPoint* b = Pt(2, 0);
  GPoint* c = Pt(1, 1);
  Select(a, b);
  gesture.ConstDefLine();
  GLine* base = Last()->LOutput;
  gesture.SetAngleDegrees("not a number");
  EXPECT_EQ(gesture.AngleDegrees(), 60);
  gesture.SetAngleDegrees("90");
  Select(c, base);
  ASSERT_TRUE(gesture.ConstDefLineWithAngle());
  GConst* k = Last();
  EXPECT_EQ(k->type, CONST_LINE_WITH_ANGLE_DEGREE);
  EXPECT_EQ(k->param1.re, 90);
  EXPECT_TRUE(Through(k->LOutput, 1, 1) && Through(k->LOutput, 1, -3));

  Select(b, a, c);
  ASSERT_TRUE(gesture.ConstDefAngle());
  GAngle* mark = Last()->AngleOutput;
  Select(c, base, mark);
  ASSERT_TRUE(gesture.ConstDefLineWithAngle());
  EXPECT_EQ(Last()->type, CONST_LINE_WITH_ANGLE);
  EXPECT_EQ(Last()->AngleInput1, mark);
  // Once the mark is gone the tool falls back to the typed angle.
  doc->DeleteConst(doc->FirstConst()->next->next->next->next->next);  // the mark's step
  tornByHand = true;  // the line still reads the mark
  gesture.SetCurrentAngle(mark);
  Select(b, base);
  ASSERT_TRUE(gesture.ConstDefLineWithAngle());
  EXPECT_EQ(Last()->type, CONST_LINE_WITH_ANGLE_DEGREE);
}

TEST_F(BuildCircle, TwoPointsGiveCentreAndPointThreeGiveACompassWithItsMeasure) {
  GPoint* a = Pt(0, 0);
  GPoint* b = Pt(1, 0);
  GPoint* c = Pt(5, 5);
  Select(a, b);
  ASSERT_TRUE(gesture.ConstDefCircle());
  GCircle* circle = Last()->COutput;
  EXPECT_EQ(circle->name, "C1");
  EXPECT_TRUE(Records(circle, b));
  EXPECT_DOUBLE_EQ(circle->r2.re, 1);

  Select(a, b, c);
  ASSERT_TRUE(gesture.ConstDefCircle());
  GConst* segment = Last();
  GConst* compass = doc->FirstConst();
  while (compass->next != segment) compass = compass->next;
  EXPECT_EQ(compass->type, CONST_COMPASS);
  EXPECT_EQ(compass->PInput3, c);
  EXPECT_EQ(segment->type, CONST_JOIN);
  EXPECT_EQ(segment->LOutput->toolMark, 1);
  EXPECT_EQ(doc->Selection().Circles()[0], compass->COutput);
  EXPECT_EQ(Hilighted(), 1);

  // With A and B joined already, no second measure is drawn.
  Select(a, b, Pt(-5, 5));
  const int lines = Count(doc->Sheet().lines.head);
  ASSERT_TRUE(gesture.ConstDefCircle());
  EXPECT_EQ(Count(doc->Sheet().lines.head), lines);
}

TEST_F(BuildCircle, CircleThroughThreePointsHasItsCentreAsANamedPoint) {
  GPoint* a = Pt(0, 0);
  GPoint* b = Pt(2, 0);
  GPoint* c = Pt(0, 2);
  Select(a, b, c);
  ASSERT_TRUE(gesture.ConstDefCircleBy3());
  GConst* circleStep = Last();
  GCircle* circle = circleStep->COutput;
  GPoint* centre = circleStep->PInput1;
  EXPECT_EQ(circleStep->PInput2, c);
  EXPECT_EQ(centre->name, "D");
  EXPECT_NEAR(X(centre), 1, 1e-12);
  EXPECT_NEAR(Y(centre), 1, 1e-12);
  EXPECT_NEAR(circle->r2.re, 2, 1e-12);
  EXPECT_TRUE(Records(circle, a) && Records(circle, b) && Records(circle, c));
  // The same three points again only repeat the circle: it goes, and so
  // does the centre made for it.
  const int steps = Steps();
  Select(a, b, c);
  EXPECT_FALSE(gesture.ConstDefCircleBy3());
  EXPECT_EQ(Count(doc->Sheet().circles.head), 1);
  EXPECT_EQ(Count(doc->Sheet().points.head), 4);
  EXPECT_EQ(Steps(), steps);
}

TEST_F(BuildMeet, TwoLinesMeetOnceAndLinesThroughOnePointNotAtAll) {
  GPoint* a = Pt(-1, 0);
  GPoint* b = Pt(1, 0);
  GPoint* c = Pt(0, -1);
  GPoint* d = Pt(0, 1);
  Select(a, b);
  gesture.ConstDefLine();
  GLine* l = Last()->LOutput;
  Select(c, d);
  gesture.ConstDefLine();
  GLine* m = Last()->LOutput;
  Select(l, m);
  ASSERT_TRUE(gesture.ConstDefMeet());
  GPoint* p = Last()->POutput;
  EXPECT_EQ(Last()->type, CONST_MEET);
  EXPECT_EQ(p->name, "E");
  EXPECT_NEAR(X(p), 0, 1e-12);
  EXPECT_TRUE(Records(l, p) && Records(m, p));
  const int steps = Steps();
  Select(m, l);
  EXPECT_FALSE(gesture.ConstDefMeet());
  EXPECT_EQ(Steps(), steps);
  EXPECT_EQ(doc->Selection().Points()[0], p);

  // Two lines through A meet at A: no new point.
  Select(a, c);
  gesture.ConstDefLine();
  GLine* n = Last()->LOutput;
  const int points = Count(doc->Sheet().points.head);
  Select(l, n);
  EXPECT_FALSE(gesture.ConstDefMeet());
  EXPECT_EQ(Count(doc->Sheet().points.head), points);
}

TEST_F(BuildMeet, TwoCirclesWithACommonPointCreateOnlyTheOther) {
  GPoint* a = Pt(0, 0);
  GPoint* b = Pt(1, 1);
  GPoint* c = Pt(2, 0);
  Select(a, b);
  gesture.ConstDefCircle();
  GCircle* c1 = Last()->COutput;
  Select(c, b);
  gesture.ConstDefCircle();
  GCircle* c2 = Last()->COutput;
  const int steps = Steps();
  Select(c1, c2);
  ASSERT_TRUE(gesture.ConstDefMeet());
  ASSERT_EQ(Steps(), steps + 1);
  GConst* k = Last();
  EXPECT_EQ(k->type, CONST_MEET_CC);
  EXPECT_EQ(k->PInput1, b);
  EXPECT_NEAR(X(k->POutput), 1, 1e-9);
  EXPECT_NEAR(Y(k->POutput), -1, 1e-9);
  EXPECT_EQ(k->POutput->name, "D");
  // Dragging keeps the new point on the side away from B.
  b->y = CComplex(2, 0);
  doc->EvaluateConst(doc->FirstConst());
  EXPECT_NEAR(Y(k->POutput), -2, 1e-6);
}

TEST_F(BuildGesture, LineDroppedOnAPointJoinsItWithoutANewPoint) {
  GPoint* a = Pt(2, 0);
  ASSERT_TRUE(gesture.BeginTwoPointGesture(kModeMLine, 0, 0, nullptr, nullptr, false));
  GPoint* start = gesture.StartPoint();
  EXPECT_EQ(start->name, "B");
  gesture.LDrag_Point(1, 0.5);
  gesture.LDrag_Point(2.03, 0.02);
  EXPECT_EQ(gesture.EndTwoPointGesture(kModeMLine, 2.03, 0.02), 1);
  GConst* k = Last();
  ASSERT_EQ(k->type, CONST_JOIN);
  EXPECT_EQ(k->PInput1, start);
  EXPECT_EQ(k->PInput2, a);
  EXPECT_TRUE(Records(k->LOutput, a) && Records(k->LOutput, start));
  EXPECT_EQ(Count(doc->Sheet().points.head), 2);
  EXPECT_EQ(Count(doc->Sheet().lines.head), 1);
}

TEST_F(BuildGesture, LineReleasedOnItsStartOrOntoAnExistingJoinLeavesNoNewLine) {
  GPoint* a = Pt(0, 0);
  GPoint* b = Pt(2, 0);
  ASSERT_TRUE(gesture.BeginTwoPointGesture(kModeMLine, 0, 0, a, nullptr, true));
  gesture.LDrag_Point(0.01, 0);
  EXPECT_EQ(gesture.EndTwoPointGesture(kModeMLine, 0.01, 0), 2);
  EXPECT_EQ(Count(doc->Sheet().lines.head), 0);
  EXPECT_EQ(Steps(), 2);

  Select(a, b);
  gesture.ConstDefLine();
  GLine* ab = Last()->LOutput;
  ASSERT_TRUE(gesture.BeginTwoPointGesture(kModeMLine, 2, 0, b, nullptr, false));
  gesture.LDrag_Point(0.02, 0.01);
  EXPECT_EQ(gesture.EndTwoPointGesture(kModeMLine, 0.02, 0.01), 1);
  EXPECT_EQ(Count(doc->Sheet().lines.head), 1);
  EXPECT_EQ(doc->Selection().Lines()[0], ab);
}

// The line under the second point lit up while the pointer rested there; after
// the release only the new line, which is chosen, stays lit.
TEST_F(BuildGesture, ReleaseUnlightsWhatTheSecondPointPassed) {
  Select(Pt(0, 0), Pt(4, 0));
  gesture.ConstDefLine();
  GLine* ab = Last()->LOutput;
  ASSERT_TRUE(gesture.BeginTwoPointGesture(kModeMLine, 2, 2, nullptr, nullptr, false));
  gesture.LDrag_Point(2, 0.02);
  ASSERT_TRUE(ab->hilighted);
  EXPECT_EQ(gesture.EndTwoPointGesture(kModeMLine, 2, 0.02), 3);
  GLine* made = Last()->LOutput;
  ASSERT_NE(made, ab);
  EXPECT_FALSE(ab->hilighted);
  EXPECT_TRUE(made->hilighted && doc->Selection().Lines().Contains(made));
}

TEST_F(BuildGesture, CircleAndParallelFollowTheirSecondPoint) {
  ASSERT_TRUE(gesture.BeginTwoPointGesture(kModeMCircle, 0, 0, nullptr, nullptr, false));
  EXPECT_NE(gesture.DrawingCircle(), nullptr);
  gesture.LDrag_Point(3, 4);
  EXPECT_EQ(gesture.EndTwoPointGesture(kModeMCircle, 3, 4), 9);
  GCircle* c = Last()->COutput;
  EXPECT_EQ(c->name, "C1");
  EXPECT_NEAR(c->r2.re, 25, 1e-9);
  EXPECT_EQ(gesture.DrawingCircle(), nullptr);

  EXPECT_FALSE(gesture.BeginTwoPointGesture(kModePara, 9, 9, nullptr, nullptr, false));  // no line
  Select(doc->Sheet().points.head, doc->Sheet().points.head->next);
  gesture.ConstDefLine();
  GLine* base = Last()->LOutput;
  ASSERT_TRUE(gesture.BeginTwoPointGesture(kModePara, 0, 5, nullptr, base, false));
  gesture.LDrag_Point(1, 6);
  EXPECT_EQ(gesture.EndTwoPointGesture(kModePara, 1, 6), 9);
  GConst* k = Last();
  EXPECT_EQ(k->type, CONST_PARALLEL);
  EXPECT_TRUE(Through(k->LOutput, 1, 6) && Through(k->LOutput, 4, 10));
}

TEST_F(BuildEnable, ButtonsFollowTheSelection) {
  GPoint* a = Pt(0, 0);
  GPoint* b = Pt(1, 0);
  GPoint* c = Pt(0, 1);
  auto enabled = [&](std::initializer_list<GToolMode> ids) {
    std::string out;
    for (GToolMode id : ids) out += gesture.CanBuild(id) ? '1' : '0';
    return out;
  };
  const auto all = {kModeMLine,     kModePara,  kModePerp,          kModeMid,     kModeMCircle,
                    kModeBisector,  kModeMeet,  kModeClipping,      kModeTangent, kModeOrbit,
                    kModeCircleBy3, kModeAngle, kModeLineWithAngle, kModeBracket};
  EXPECT_EQ(enabled(all), "00000000000000");
  Select(a, b);
  EXPECT_EQ(enabled(all), "10011001010001");
  gesture.ConstDefLine();
  GLine* l = Last()->LOutput;
  Select(c, l);
  EXPECT_EQ(enabled(all), "01101001000010");
  Select(a, b, c);
  EXPECT_EQ(enabled(all), "00001100001100");
  Select(a, b);
  gesture.ConstDefCircle();
  GCircle* circle = Last()->COutput;
  Select(b, circle);
  EXPECT_TRUE(gesture.CanBuild(kModeTangent));
  Select(l, circle);
  EXPECT_TRUE(gesture.CanBuild(kModeMeet));
  Select(l);
  EXPECT_EQ(enabled({kModeMeet, kModeClipping}), "01");
}
