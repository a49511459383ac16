// The builders of angle marks, brackets and loci, the angle dialog's choices,
// and the Tovik tools that collect clicks until they can build.
#include "BuildFixture.h"

namespace {

class BuildCollect : public BuildTest {
 protected:
  GPoint* OnCircle(GCircle* c, double theta) {
    GPoint* p = doc->NewPoint(CComplex(0, 0), CComplex(0, 0));
    GConst* k = doc->NewConst(CONST_PT_ON_CIRCLE);
    k->CInput1 = c;
    k->param1 = CComplex(theta, 0);
    k->POutput = p;
    k->Evaluate();
    doc->AssignPoint(p);
    doc->SetPointName(p);
    doc->AssignIncident(c, p, theta);
    return p;
  }
  GPoint* OnLine(GPoint* a, GPoint* b, double t) {
    GPoint* p = doc->NewPoint(CComplex(0, 0), CComplex(0, 0));
    GConst* k = doc->NewConst(CONST_ON_LINE);
    k->PInput1 = a;
    k->PInput2 = b;
    k->param1 = CComplex(t, 0);
    k->param2 = CComplex(1 - t, 0);
    k->POutput = p;
    k->Evaluate();
    doc->AssignPoint(p);
    doc->SetPointName(p);
    return p;
  }
  GCircle* CircleAbout(GPoint* m, GPoint* on) {
    Select(m, on);
    gesture.ConstDefCircle();
    return Last()->COutput;
  }
  GLine* LineThrough(GPoint* a, GPoint* b) {
    Select(a, b);
    gesture.ConstDefLine();
    return Last()->LOutput;
  }
};

using BuildMark = BuildCollect;

}  // namespace

TEST_F(BuildMark, AngleMarkAtTheMiddlePointIsNamedAndGivenOnce) {
  GPoint* a = Pt(1, 0);
  GPoint* v = Pt(0, 0);
  GPoint* b = Pt(0, 1);
  Select(a, v, b);
  ASSERT_TRUE(gesture.ConstDefAngle());
  GConst* k = Last();
  EXPECT_EQ(k->type, CONST_3P_ANGLE);
  EXPECT_EQ(k->PInput2, v);
  GAngle* mark = k->AngleOutput;
  EXPECT_EQ(mark->name, "ag1");
  EXPECT_NEAR(mark->value.re, M_PI / 2, 1e-9);
  EXPECT_EQ(doc->Selection().Angles()[0], mark);
  Select(a, v, b);
  EXPECT_FALSE(gesture.ConstDefAngle());
  EXPECT_EQ(Count(doc->Sheet().angles.head), 1);
}

TEST_F(BuildMark, LocusKindFollowsHowTheDrivingPointMoves) {
  GPoint* m = Pt(0, 0);
  GPoint* r = Pt(1, 0);
  GCircle* c = CircleAbout(m, r);
  GPoint* onCircle = OnCircle(c, 0.5);
  GPoint* onLine = OnLine(m, r, 0.3);
  GPoint* traced = Pt(2, 2);
  Select(m, traced);
  EXPECT_FALSE(gesture.ConstDefOrbit());  // a free point has no path
  Select(onCircle, traced);
  ASSERT_TRUE(gesture.ConstDefOrbit());
  EXPECT_EQ(Last()->type, CONST_ORBIT1);
  EXPECT_EQ(Last()->CurveOutput->name, "x1");
  EXPECT_EQ(Last()->PInput2, traced);
  Select(onLine, traced);
  ASSERT_TRUE(gesture.ConstDefOrbit());
  EXPECT_EQ(Last()->type, CONST_ORBIT2);
  EXPECT_EQ(Count(doc->Sheet().curves.head), 2);
}

TEST_F(BuildMark, AngleDialogFindsAMarkEitherWayRoundOrMakesOne) {
  GPoint* a = Pt(1, 0);
  GPoint* v = Pt(0, 0);
  Pt(0, 1);
  Select(a, v, doc->Sheet().points.head->next->next);
  gesture.ConstDefAngle();
  GAngle* mark = Last()->AngleOutput;
  const int steps = Steps();
  EXPECT_FALSE(gesture.SetCurrentAngleByNames("C", "B", "Q"));
  EXPECT_TRUE(gesture.SetCurrentAngleByNames("C", "B", "A"));
  EXPECT_EQ(gesture.CurrentAngle(), mark);
  EXPECT_EQ(Steps(), steps);
  EXPECT_TRUE(gesture.SetCurrentAngleByNames("B", "A", "C"));
  EXPECT_NE(gesture.CurrentAngle(), mark);
  EXPECT_EQ(Last()->type, CONST_3P_ANGLE);
  EXPECT_EQ(Last()->AngleOutput->name, "ag2");
  gesture.SetAngleDegrees("45.5");
  EXPECT_EQ(gesture.CurrentAngle(), nullptr);
  EXPECT_EQ(gesture.AngleDegrees(), 45.5);
}

TEST_F(BuildCollect, AngleToolCountsAPointClickedTwiceOnce) {
  GPoint* a = Pt(1, 0);
  GPoint* v = Pt(0, 0);
  GPoint* b = Pt(0, 1);
  EXPECT_FALSE(gesture.CollectAnglePoint(a));
  EXPECT_FALSE(gesture.CollectAnglePoint(a));
  EXPECT_FALSE(gesture.CollectAnglePoint(nullptr));
  EXPECT_FALSE(gesture.CollectAnglePoint(v));
  EXPECT_EQ(doc->Selection().Points().Count(), 2);
  ASSERT_TRUE(gesture.CollectAnglePoint(b));
  EXPECT_EQ(Last()->PInput1, a);
  EXPECT_EQ(Last()->PInput3, b);
  EXPECT_EQ(doc->Selection().Points().Count(), 0);
}

TEST_F(BuildCollect, CompassTakesItsMeasureFromTwoPointsAndStandsOnTheThird) {
  GPoint* a = Pt(0, 0);
  GPoint* b = Pt(2, 0);
  GPoint* c = Pt(0, 2);
  GLine* l = LineThrough(a, b);
  Select(l);
  EXPECT_EQ(gesture.CollectCompassPoint(a), 1);
  EXPECT_EQ(doc->Selection().Lines().Count(), 0);
  EXPECT_EQ(gesture.CollectCompassPoint(a), 1);
  EXPECT_EQ(gesture.CollectCompassPoint(b), 2);
  EXPECT_EQ(gesture.CollectCompassPoint(c), 3);
  GConst* k = Last();
  EXPECT_EQ(k->type, CONST_COMPASS);
  EXPECT_EQ(k->PInput3, c);
  EXPECT_NEAR(k->COutput->r2.re, 4, 1e-12);
}

TEST_F(BuildCollect, TangentToolKeepsThePointWhileTheCircleIsClicked) {
  GPoint* m = Pt(0, 0);
  GPoint* p = Pt(1, 0);
  GCircle* c = CircleAbout(m, p);
  doc->ClearAllHilights();
  auto before = gesture.RememberTangentPick();
  Select(p);  // what the Select tool makes of the first click
  EXPECT_FALSE(gesture.TangentAfterSelect(before));
  before = gesture.RememberTangentPick();
  Select(c);  // the second click selects the circle alone
  ASSERT_TRUE(gesture.TangentAfterSelect(before));
  EXPECT_EQ(Last()->type, CONST_TANGENT);
  EXPECT_EQ(Last()->PInput1, p);
  EXPECT_TRUE(Through(Last()->LOutput, 1, 5));
}

TEST_F(BuildCollect, BisectorOfTwoLinesLiesInTheAngleOfTheClicks) {
  GPoint* o = Pt(0, 0);
  GLine* xAxis = LineThrough(o, Pt(2, 0));
  GLine* yAxis = LineThrough(o, Pt(0, 2));
  gesture.StartBisectorTool();
  EXPECT_FALSE(gesture.BisectorClick(xAxis, 1, 0));
  EXPECT_EQ(doc->Selection().Lines()[0], xAxis);
  EXPECT_FALSE(gesture.BisectorClick(xAxis, 1.5, 0));  // the same line again
  ASSERT_TRUE(gesture.BisectorClick(yAxis, 0, 1));
  GConst* k = Last();
  EXPECT_EQ(k->type, CONST_BISECTOR);
  EXPECT_TRUE(Through(k->LOutput, 1, 1));
  EXPECT_EQ(gesture.BisectorClicks(), 0);

  gesture.StartBisectorTool();
  gesture.BisectorClick(xAxis, 1, 0);
  ASSERT_TRUE(gesture.BisectorClick(yAxis, 0, -1));
  EXPECT_TRUE(Through(Last()->LOutput, 1, -1));
  EXPECT_NE(Last()->param1.re, k->param1.re);
}
