// Placing points with the Point tool's gesture: what the released point
// becomes (free, dropped on an existing point, bound to a line of any kind, a
// circle or a curve, an intersection) and that it keeps that relation when
// the figure is dragged; announcements, and releases that decide nothing.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "FigureFixture.h"
#include "model/Invariants.h"
#include "model/HitTest.h"

namespace {

class Place : public FigureTest {
 public:
  using FigureTest::Circle;
  using FigureTest::doc;
  using FigureTest::Free;
  using FigureTest::Join;
  using FigureTest::LineStep;
  using FigureTest::PointStep;
  // A listed line made by a step of the given kind; the caller sets inputs.
  GConst* LineOf(int type) {
    GConst* k = doc->NewConst(type);
    k->LOutput = doc->NewLine(CComplex(0, 0), CComplex(0, 0), CComplex(1, 0));
    doc->AssignLine(k->LOutput);
    return k;
  }
  GParaCurve* Curve(std::initializer_list<double> xs, std::initializer_list<double> ys) {
    GParaCurve* c = doc->NewCurve();
    for (double x : xs) c->X[c->count++] = x;
    c->count = 0;
    for (double y : ys) c->Y[c->count++] = y;
    doc->AssignCurve(c);
    return c;
  }

 protected:
  // Press, one drag step and release at the same place, as the mouse does.
  int Drop(double x, double y) {
    gesture.LDown_SPoint(x, y);
    gesture.LDrag_Point(x, y);
    return gesture.LUp_SPoint(x, y);
  }
  GConst* StepOf(GPoint* p) {
    GConst* k = nullptr;
    for (GConst* c = doc->FirstConst(); c; c = c->next)
      if (c->POutput == p) k = c;
    return k;
  }
  int PointsInUse() {
    int n = 0;
    for (const GPoint& p : doc->Store().Points()) n += p.inUse ? 1 : 0;
    return n;
  }
  GCircle* UnitCircleAt(GPoint* centre, double x, double y, const char* name) {
    return Circle(centre, Free(x, y, name), "");
  }
  void ExpectAt(const GPoint* p, double x, double y, double tol = 1e-9) {
    EXPECT_NEAR(p->xz().re, x, tol);
    EXPECT_NEAR(p->yz().re, y, tol);
  }
};

TEST_F(Place, ReleaseOnEmptyCanvasGivesANamedFreePoint) {
  ASSERT_EQ(Drop(0.5, 0.25), 9);  // the first name is free
  GPoint* p = gesture.PlacedPoint();
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(doc->Sheet().points.head, p);
  EXPECT_EQ(p->name, "A");
  EXPECT_EQ(StepOf(p)->type, CONST_FREE);
  ExpectAt(p, 0.5, 0.25);
  EXPECT_TRUE(p->hilighted);
  EXPECT_FALSE(gesture.Placing());
}

TEST_F(Place, DroppingOnAnExistingPointCreatesNothing) {
  GPoint* a = Free(0, 0, "A");
  GPoint* b = Free(2, 0, "B");
  Join(a, b);
  const int steps = Steps(), inUse = PointsInUse();
  const std::string nextName = doc->Naming().Counter(GNameKind::kPoint);
  // Near A, which also lies on the line: the point wins.
  ASSERT_EQ(Drop(0.04, 0.05), 1);
  EXPECT_EQ(gesture.PlacedPoint(), a);
  EXPECT_EQ(Steps(), steps);
  EXPECT_EQ(PointsInUse(), inUse);
  EXPECT_EQ(doc->Naming().Next(GNameKind::kPoint), nextName);

  // Back on the start point of a two-point gesture.
  gesture.LDown_SPoint(2.03, 0);
  gesture.SetStartPoint(b);
  gesture.LDrag_Point(2.03, 0);
  EXPECT_EQ(gesture.LUp_SPoint(2.03, 0), 2);
  EXPECT_EQ(Steps(), steps);
  EXPECT_EQ(PointsInUse(), inUse);
}

// Each way of making a line, with the kind of step a point dropped onto it
// must get. The figure has free points A and B and their join.
struct LineCase {
  const char* what;
  int pointKind;
  std::function<GLine*(Place&, GPoint* a, GPoint* b, GLine* ab)> make;
};

TEST_F(Place, PointOnEveryLineKindStaysWhereDroppedAndOnItsLine) {
  const LineCase cases[] = {
      {"join", CONST_ON_LINE, [](Place&, GPoint*, GPoint*, GLine* ab) { return ab; }},
      {"parallel", CONST_PT_ON_PARA,
       [](Place& t, GPoint*, GPoint*, GLine* ab) {
         return t.LineStep(CONST_PARALLEL, ab, t.Free(0, 2, "C"));
       }},
      {"perpendicular", CONST_PT_ON_PER,
       [](Place& t, GPoint*, GPoint*, GLine* ab) {
         return t.LineStep(CONST_PERP, ab, t.Free(0, 2, "C"));
       }},
      {"bisector of three points", CONST_PT_ON_3P_BISECTOR,
       [](Place& t, GPoint* a, GPoint* b, GLine*) {
         GConst* k = t.LineOf(CONST_3P_BISECTOR);
         k->PInput1 = b, k->PInput2 = a, k->PInput3 = t.Free(-1, 2, "C");
         return k->LOutput;
       }},
      {"bisector of two lines", CONST_PT_ON_BISECTOR,
       [](Place& t, GPoint* a, GPoint*, GLine* ab) {
         GLine* other = t.Join(a, t.Free(-1, 2, "C"));
         GConst* k = t.LineOf(CONST_BISECTOR);
         k->LInput1 = ab, k->LInput2 = other, k->param1 = CComplex(-1, 0);
         return k->LOutput;
       }},
      {"tangent", CONST_PT_ON_TANGENT,
       [](Place& t, GPoint*, GPoint* b, GLine*) {
         GCircle* c = t.Circle(t.Free(-2, -2, "C"), b, "");
         GConst* k = t.LineOf(CONST_TANGENT);
         k->CInput1 = c, k->PInput1 = b;
         return k->LOutput;
       }},
      {"curve tangent", CONST_PT_ON_CURVE_TANGENT,
       [](Place& t, GPoint*, GPoint*, GLine*) {
         GParaCurve* curve = t.Curve({-3, -2, -1, 0}, {-2, -1.5, -1.5, -2});
         GConst* on = t.PointStep(CONST_PT_ON_CURVE, nullptr, nullptr, "C");
         on->CurveInput1 = curve, on->param1 = CComplex(0.5, 0);
         GConst* k = t.LineOf(CONST_CURVE_TANGENT);
         k->CurveInput1 = curve, k->PInput1 = on->POutput, k->curveStep = on;
         return k->LOutput;
       }},
      {"line with angle mark", CONST_PT_ON_LINE_WITH_ANGLE,
       [](Place& t, GPoint*, GPoint*, GLine* ab) {
         GConst* k = t.LineOf(CONST_LINE_WITH_ANGLE);
         k->LInput1 = ab, k->PInput1 = t.Free(0, 2, "C"), k->AngleInput1 = t.doc->NewAngle(0.6);
         return k->LOutput;
       }},
      {"line with angle in degrees", CONST_PT_ON_LINE_WITH_ANGLE_DEGREE,
       [](Place& t, GPoint*, GPoint*, GLine* ab) {
         GConst* k = t.LineOf(CONST_LINE_WITH_ANGLE_DEGREE);
         k->LInput1 = ab, k->PInput1 = t.Free(0, 2, "C"), k->param1 = CComplex(-35, 0);
         return k->LOutput;
       }},
  };
  for (const LineCase& lc : cases) {
    SCOPED_TRACE(lc.what);
    doc->NewDocument();  // each case on a sheet of its own, the tools with it
    GPoint* a = Free(0, 0, "A");
    GPoint* b = Free(2, 1, "B");
    GLine* line = lc.make(*this, a, b, Join(a, b));
    Evaluate();
    doc->ResetAllName();

    // A place on the line 1.2 away from its point nearest (-2.5, 3), where
    // nothing else is within reach; dropped a little off the line.
    double fx = 0, fy = 0;
    ASSERT_TRUE(LineFoot(line, -2.5, 3, &fx, &fy));
    const double n = std::hypot(line->a.re, line->b.re);
    const double ux = line->a.re / n, uy = line->b.re / n;
    const double x = fx - 1.2 * uy, y = fy + 1.2 * ux;
    ASSERT_EQ(Drop(x + 0.03 * ux, y + 0.03 * uy), 3);
    GPoint* p = gesture.PlacedPoint();
    EXPECT_EQ(StepOf(p)->type, lc.pointKind);
    ExpectAt(p, x, y, 1e-7);
    EXPECT_TRUE(Records(line, p));
    EXPECT_EQ(p->name, lc.pointKind == CONST_ON_LINE ? std::string("C") : std::string("D"));

    // The free points move; the point rides along on its line.
    Drag(a, 0.3, -0.4);
    Drag(b, 2.5, 0.6);
    EXPECT_TRUE(doc->Relations().incident_LP_local(line, p));
    EXPECT_TRUE(p->xz().realp() && p->yz().realp());
  }
}

TEST_F(Place, PointOnACircleKeepsItsAngleWhenTheCentreMoves) {
  GPoint* m = Free(0, 0, "M");
  GCircle* c = UnitCircleAt(m, 1, 0, "P");
  doc->Sethilighted(c);
  ASSERT_EQ(Drop(0, -1.04), 6);
  GPoint* p = gesture.PlacedPoint();
  GConst* k = StepOf(p);
  EXPECT_EQ(k->type, CONST_PT_ON_CIRCLE);
  EXPECT_NEAR(k->param1.re, M_PI / 2, 1e-12);  // clockwise: straight down
  EXPECT_NEAR(ParamOf(c, p), M_PI / 2, 1e-12);
  EXPECT_EQ(doc->Selection().Circles().Count(), 0);
  ExpectAt(p, 0, -1);
  Drag(m, 2, 1);
  ExpectAt(p, 2, 1 - std::hypot(2.0 - 1.0, 1.0));
}

TEST_F(Place, PointOnACurveRemembersItsSampleIndex) {
  Curve({0, 1, 2}, {0, 0, 1});
  ASSERT_EQ(Drop(1.5, 0.55), 8);
  GConst* k = StepOf(gesture.PlacedPoint());
  EXPECT_EQ(k->type, CONST_PT_ON_CURVE);
  EXPECT_NEAR(k->param1.re, 1.525, 1e-12);
  ExpectAt(gesture.PlacedPoint(), 1.525, 0.525);
}

TEST_F(Place, NearTwoLinesGivesTheirIntersection) {
  GLine* l = Join(Free(-1, -1, "A"), Free(1, 1, "B"));
  GLine* m = Join(Free(-1, 1, "C"), Free(1, -1, "D"));
  ASSERT_EQ(Drop(0.06, 0.01), 4);
  GPoint* p = gesture.PlacedPoint();
  EXPECT_EQ(StepOf(p)->type, CONST_MEET);
  ExpectAt(p, 0, 0);
  EXPECT_TRUE(Records(l, p) && Records(m, p));
}

TEST_F(Place, NearALineAndACircleGivesTheRootNearestTheRelease) {
  GCircle* c = UnitCircleAt(Free(0, 0, "M"), 0, 1, "N");
  GPoint* a = Free(-3, 0, "A");
  GPoint* b = Free(3, 0.1, "B");
  GLine* l = Join(a, b);
  ASSERT_EQ(Drop(0.99, 0.08), 5);
  GPoint* right = gesture.PlacedPoint();
  GConst* k = StepOf(right);
  EXPECT_EQ(k->type, CONST_MEET_CL);
  EXPECT_GT(right->xz().re, 0.9);
  EXPECT_EQ(k->PInput1, nullptr);
  EXPECT_TRUE(Records(l, right) && Records(c, right));

  // The second intersection refers to the first, so it always takes the
  // other root.
  ASSERT_EQ(Drop(-0.99, 0.08), 5);
  GPoint* left = gesture.PlacedPoint();
  EXPECT_LT(left->xz().re, -0.9);
  EXPECT_EQ(StepOf(left)->PInput1, right);

  Drag(b, 3, 0.9);
  EXPECT_GT(right->xz().re, 0.5);
  EXPECT_LT(left->xz().re, -0.5);
}

TEST_F(Place, NearTwoCirclesGivesTheCrossingNearestTheRelease) {
  GCircle* c1 = UnitCircleAt(Free(0, 0, "M"), 0, 1, "N");
  GCircle* c2 = UnitCircleAt(Free(1, 0, "O"), 1, 1, "P");
  ASSERT_EQ(Drop(0.52, -0.83), 7);
  GPoint* p = gesture.PlacedPoint();
  EXPECT_EQ(StepOf(p)->type, CONST_MEET_CC);
  ExpectAt(p, 0.5, -std::sqrt(0.75));
  EXPECT_TRUE(Records(c1, p) && Records(c2, p));
}

// A drag just before leaves its motion behind; the new crossing must still be
// the one under the release, not the one nearest where a point that never
// moved would be predicted (the origin).
TEST_F(Place, CrossingAfterADragIsStillTheOneUnderTheRelease) {
  GPoint* m = Free(0, 2, "M");
  Circle(m, Free(0, 0, "N"), "");
  GPoint* o = Free(2, 0, "O");
  Circle(o, Free(0, 0.000001, "Q"), "");
  GPoint* far = Free(5, 5, "F");
  ASSERT_TRUE(doc->MovePoint(far, 5.5, 4.5));
  ASSERT_TRUE(doc->MovePoint(far, 6, 5.5));
  doc->SetMovingPoint(nullptr);  // the release of that drag
  ASSERT_TRUE(doc->Motion().a11 != 0.0 || doc->Motion().a12 != 0.0);
  ASSERT_EQ(Drop(1.98, 2.01), 7);
  ExpectAt(gesture.PlacedPoint(), 2, 2, 1e-5);
}

TEST_F(Place, IntersectionOnAThirdLineIsAnnounced) {
  // The medians of a triangle meet in one point.
  GPoint* a = Free(0, 0, "A");
  GPoint* b = Free(4, 0, "B");
  GPoint* c = Free(1, 3, "C");
  GPoint* d = Mid(b, c, "D");
  GPoint* e = Mid(c, a, "E");
  GPoint* f = Mid(a, b, "F");
  GLine* ad = Join(a, d);
  Join(b, e);
  Join(c, f);
  user.messages.clear();
  doc->ResetAllName();
  ASSERT_EQ(Drop(5.0 / 3 + 0.02, 1.01), 4);
  GPoint* g = gesture.PlacedPoint();
  EXPECT_EQ(g->name, "G");
  EXPECT_TRUE(Records(ad, g));
  ASSERT_EQ(user.messages.size(), 1u);
  EXPECT_EQ(user.messages[0].text, "(*^_^*) Point G is on line AD.");
  EXPECT_EQ(user.messages[0].caption, "Incidency Test");
}

TEST_F(Place, IntersectionOnAnExistingPointLeavesOnlyTheOldPoint) {
  // Two lines crossing at a shallow angle: their crossing point M is far
  // away from where both lines are within reach.
  GLine* l = Join(Free(-3, 0, "A"), Free(3, 0, "B"));
  GLine* m = Join(Free(-3, -0.15, "C"), Free(3, 0.15, "D"));
  GPoint* old = Meet(l, m, "M");
  const int steps = Steps(), inUse = PointsInUse();
  ASSERT_EQ(Drop(1.5, 0.04), 4);
  EXPECT_EQ(gesture.PlacedPoint(), old);
  EXPECT_EQ(Steps(), steps);
  EXPECT_EQ(PointsInUse(), inUse);
}

// The release decides from where it happens: a click with no motion binds
// as a press-drag-release there does, and a release away from the last drag
// step is not bound to what that step passed. No point is left unnamed.
TEST_F(Place, TheReleaseDecidesWhereItHappens) {
  struct Case {
    const char* what;
    bool dragFirst;  // one drag step at (dx, dy) before the release
    double dx, dy, x, y;
    int code;
  };
  const Case cases[] = {
      {"a click on the line", false, 0, 0, 0.5, 0.02, 3},
      {"a click on the circle", false, 0, 0, 5.71, 0.71, 6},
      {"a click where the line crosses the circle", false, 0, 0, 4.0, 0.02, 5},
      {"a click on a point", false, 0, 0, -1.0, 0.01, 1},
      {"a click on nothing", false, 0, 0, 0.5, 2.0, 9},
      {"last seen near the line, released far from it", true, 0.5, 0.05, 0.5, 2.0, 9},
      {"last seen at the crossing, released near the line only", true, 4.0, 0.02, 0.5, 0.02, 3},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    doc->NewDocument();
    GLine* line = Join(Free(-1, 0, "A"), Free(1, 0, "B"));
    GCircle* circle = UnitCircleAt(Free(5, 0, "M"), 5, 1, "N");
    doc->ResetAllName();
    gesture.LDown_SPoint(k.dragFirst ? k.dx : k.x, k.dragFirst ? k.dy : k.y);
    if (k.dragFirst) gesture.LDrag_Point(k.dx, k.dy);
    ASSERT_EQ(gesture.LUp_SPoint(k.x, k.y), k.code);
    GPoint* p = gesture.PlacedPoint();
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(Records(line, p), k.code == 1 || k.code == 3 || k.code == 5);
    EXPECT_EQ(Records(circle, p), k.code == 5 || k.code == 6);
    if (k.code == 9) {
      ExpectAt(p, k.x, k.y);
    }
    for (GConst* c = doc->FirstConst(); c; c = c->next) {
      if (c->POutput) {
        EXPECT_FALSE(c->POutput->name.empty());
      }
    }
    EXPECT_EQ(InvariantReport(*doc, &gesture), "");
  }
}

// While Ctrl is held, a point placed or dragged goes to whole units.
TEST_F(Place, WholeUnitsWhileCtrlIsHeld) {
  gesture.SetWholeUnits(true);
  ASSERT_EQ(Drop(0.4, 1.7), 9);
  GPoint* p = gesture.PlacedPoint();
  ExpectAt(p, 0, 2);
  ASSERT_TRUE(gesture.BeginDrag(p, false));
  ASSERT_TRUE(gesture.DragTo(2.6, -0.2));
  gesture.EndDrag(false);
  ExpectAt(p, 3, 0);
  gesture.SetWholeUnits(false);
  ASSERT_EQ(Drop(0.4, 1.7), 9);
  ExpectAt(gesture.PlacedPoint(), 0.4, 1.7);
}

}  // namespace
