// Moving points as the Move tool drags them: free points, points bound to
// straight carriers, circles and curves, and points that cannot be dragged.
#include <gtest/gtest.h>

#include <cmath>

#include "FigureFixture.h"
#include "model/Lookup.h"

namespace {

class MovePoint : public FigureTest {
 protected:
  GConst* Step(int type) { return doc->NewConst(type); }
  GLine* NewListedLine(GConst* k) {
    k->LOutput = doc->NewLine(CComplex(0, 0), CComplex(0, 0), CComplex(1, 0));
    doc->AssignLine(k->LOutput);
    return k->LOutput;
  }
  GPoint* Output(GConst* k, const char* name) {
    k->POutput = NewListedPoint(0, 0, name);
    return k->POutput;
  }
  // p lies on l and is the foot of the perpendicular from (tx, ty) onto l.
  static void ExpectFoot(const GLine* l, const GPoint* p, double tx, double ty) {
    const double a = l->a.re, b = l->b.re, c = l->c.re;
    const double n = std::hypot(a, b);
    const double px = p->xz().re, py = p->yz().re;
    EXPECT_NEAR((a * px + b * py + c) / n, 0, 1e-9) << "not on its carrier";
    // T - P is along the normal (a, b): its component along the line vanishes.
    EXPECT_NEAR(((tx - px) * b - (ty - py) * a) / n, 0, 1e-9) << "not the foot";
    EXPECT_TRUE(p->x.realp() && p->y.realp() && p->z.realp());
  }
  static double Cross(const GPoint* o, const GPoint* p, const GPoint* q) {
    const double ux = p->xz().re - o->xz().re, uy = p->yz().re - o->yz().re;
    const double vx = q->xz().re - o->xz().re, vy = q->yz().re - o->yz().re;
    return ux * vy - uy * vx;
  }
};

TEST_F(MovePoint, FreePointGoesToTheTargetAndTheFigureFollows) {
  GPoint* a = Free(0, 0, "A");
  GPoint* b = Free(2, 0, "B");
  GPoint* m = Mid(a, b, "C");
  ASSERT_TRUE(doc->CanMovePoint(a));
  ASSERT_TRUE(doc->MovePoint(a, -1.5, 3.25));
  EXPECT_EQ(doc->MovingPoint(), a);
  EXPECT_DOUBLE_EQ(a->xz().re, -1.5);
  EXPECT_DOUBLE_EQ(a->yz().re, 3.25);
  EXPECT_DOUBLE_EQ(m->xz().re, 0.25);
  EXPECT_DOUBLE_EQ(m->yz().re, 1.625);
}

TEST_F(MovePoint, PointOnParallelStaysOnItWhenItsBasePointIsDragged) {
  GPoint* a = Free(0, 0, "A");
  GPoint* b = Free(3, 1, "B");
  GPoint* c = Free(1, 2, "C");
  GLine* ab = Join(a, b);
  GLine* para = LineStep(CONST_PARALLEL, ab, c);
  GConst* k = Step(CONST_PT_ON_PARA);
  k->LInput1 = ab;
  k->PInput1 = c;
  k->param1 = CComplex(0.4, 0);
  GPoint* p = Output(k, "D");
  Evaluate();
  const double along = std::hypot(p->xz().re - c->xz().re, p->yz().re - c->yz().re);

  // Dragging the base point, and turning the line by dragging one of its
  // points: the bound point keeps its place on the parallel.
  ASSERT_TRUE(doc->MovePoint(c, -2, 0.5));
  ExpectFoot(para, p, p->xz().re, p->yz().re);
  ASSERT_TRUE(doc->MovePoint(b, 1, 4));
  ExpectFoot(para, p, p->xz().re, p->yz().re);
  EXPECT_NEAR(std::hypot(p->xz().re - c->xz().re, p->yz().re - c->yz().re),
              along * std::hypot(1, 4) / std::hypot(3, 1), 1e-9);
  // Dragging the bound point itself slides it along the parallel.
  ASSERT_TRUE(doc->MovePoint(p, 5, -3));
  ExpectFoot(para, p, 5, -3);
}

// Every straight carrier: the point lands on the foot of the target, wherever
// its step keeps the position (param1 or param2) and however it builds the
// direction of its line.
TEST_F(MovePoint, PointOnAnyStraightCarrierFollowsThePointersFoot) {
  GPoint* a = Free(-1, -0.5, "A");
  GPoint* b = Free(2, 1, "B");
  GPoint* c = Free(0.5, 2, "C");
  GLine* ab = Join(a, b);
  GLine* ac = Join(a, c);
  struct Case {
    const char* what;
    GLine* carrier;
    GPoint* point;
  };
  std::vector<Case> cases;

  GConst* k = Step(CONST_ON_LINE);
  k->PInput1 = a;
  k->PInput2 = b;
  k->param1 = k->param2 = CComplex(1, 0);
  cases.push_back({"on a join", ab, Output(k, "P1")});

  GLine* perp = LineStep(CONST_PERP, ab, c);
  k = Step(CONST_PT_ON_PER);
  k->LInput1 = ab;
  k->PInput1 = c;
  k->param1 = CComplex(0.3, 0);
  cases.push_back({"on a perpendicular", perp, Output(k, "P2")});

  GCircle* circle = Circle(a, c);
  k = Step(CONST_TANGENT);
  k->CInput1 = circle;
  k->PInput1 = c;
  GLine* tangent = NewListedLine(k);
  k = Step(CONST_PT_ON_TANGENT);
  k->CInput1 = circle;
  k->PInput1 = c;
  k->param1 = CComplex(0.5, 0);
  cases.push_back({"on a tangent", tangent, Output(k, "P3")});

  k = Step(CONST_3P_BISECTOR);
  k->PInput1 = b;
  k->PInput2 = a;
  k->PInput3 = c;
  GLine* bis3 = NewListedLine(k);
  k = Step(CONST_PT_ON_3P_BISECTOR);
  k->PInput1 = b;
  k->PInput2 = a;
  k->PInput3 = c;
  k->param1 = CComplex(1, 0);
  cases.push_back({"on a bisector of three points", bis3, Output(k, "P4")});

  k = Step(CONST_BISECTOR);
  k->LInput1 = ab;
  k->LInput2 = ac;
  k->param1 = CComplex(-1, 0);
  GLine* bis = NewListedLine(k);
  k = Step(CONST_PT_ON_BISECTOR);
  k->LInput1 = ab;
  k->LInput2 = ac;
  k->param1 = CComplex(-1, 0);
  k->param2 = CComplex(0.7, 0);
  cases.push_back({"on a bisector of two lines", bis, Output(k, "P5")});

  k = Step(CONST_LINE_WITH_ANGLE_DEGREE);
  k->LInput1 = ab;
  k->PInput1 = c;
  k->param1 = CComplex(35, 0);
  GLine* deg = NewListedLine(k);
  k = Step(CONST_PT_ON_LINE_WITH_ANGLE_DEGREE);
  k->LInput1 = ab;
  k->PInput1 = c;
  k->param1 = CComplex(35, 0);
  k->param2 = CComplex(0.2, 0);
  cases.push_back({"on a line at an angle in degrees", deg, Output(k, "P6")});

  k = Step(CONST_3P_ANGLE);
  k->PInput1 = b;
  k->PInput2 = a;
  k->PInput3 = c;
  k->AngleOutput = doc->NewAngle(0.0);
  doc->AssignAngle(k->AngleOutput);
  GAngle* angle = k->AngleOutput;
  k = Step(CONST_LINE_WITH_ANGLE);
  k->LInput1 = ab;
  k->PInput1 = c;
  k->AngleInput1 = angle;
  GLine* turned = NewListedLine(k);
  k = Step(CONST_PT_ON_LINE_WITH_ANGLE);
  k->LInput1 = ab;
  k->PInput1 = c;
  k->AngleInput1 = angle;
  k->param1 = CComplex(-0.4, 0);
  cases.push_back({"on a line at a marked angle", turned, Output(k, "P7")});
  Evaluate();

  const double targets[][2] = {{3, -2}, {-4, 1.5}, {0.25, 0.1}};
  for (const Case& cs : cases) {
    SCOPED_TRACE(cs.what);
    ASSERT_TRUE(doc->CanMovePoint(cs.point));
    for (const auto& t : targets) {
      ASSERT_TRUE(doc->MovePoint(cs.point, t[0], t[1]));
      ExpectFoot(cs.carrier, cs.point, t[0], t[1]);
    }
  }
}

TEST_F(MovePoint, DegenerateCarrierKeepsThePointWhereItWas) {
  // A point on the tangent at the circle's own centre has no direction to
  // slide along; it must stay put rather than take a NaN or jump to its base.
  GPoint* m = Free(0, 0, "A");
  GPoint* q = Free(1, 0, "B");
  GCircle* circle = Circle(m, q);
  GConst* k = Step(CONST_PT_ON_TANGENT);
  k->CInput1 = circle;
  k->PInput1 = q;
  k->param1 = CComplex(0.5, 0);
  GPoint* p = Output(k, "C");
  Evaluate();
  ASSERT_TRUE(doc->MovePoint(q, 0, 0));  // base point onto the centre
  const CComplex before = k->param1;
  ASSERT_TRUE(doc->MovePoint(p, 3, 3));
  EXPECT_EQ(k->param1, before);
  EXPECT_TRUE(std::isfinite(p->xz().re) && std::isfinite(p->yz().re));
}

TEST_F(MovePoint, PointOnCircleTakesTheAngleNearestThePointer) {
  GPoint* m = Free(1, -1, "A");
  GPoint* q = Free(3, -1, "B");
  GCircle* circle = Circle(m, q);
  GPoint* p = OnCircle(circle, 0.5, "C");
  const double targets[][2] = {{1, 5}, {-7, -1.2}, {1.01, -1.01}, {4, -9}, {-3, 0.1}};
  for (const auto& t : targets) {
    ASSERT_TRUE(doc->MovePoint(p, t[0], t[1]));
    const double d = std::hypot(t[0] - 1, t[1] + 1);
    EXPECT_NEAR(p->xz().re, 1 + 2 * (t[0] - 1) / d, 1e-9);
    EXPECT_NEAR(p->yz().re, -1 + 2 * (t[1] + 1) / d, 1e-9);
  }
  // The point rides along when the circle grows.
  ASSERT_TRUE(doc->MovePoint(q, 5, -1));
  EXPECT_NEAR(std::hypot(p->xz().re - 1, p->yz().re + 1), 4, 1e-9);
}

// A small circle centred on the dragged point meets the big circle twice; the
// chosen meet is the one clockwise ahead of the point. Turning the point by
// large angles in single drag steps, across the cut at a half turn as well,
// must not let the meet jump to the other side.
TEST_F(MovePoint, MeetDependingOnPointOnCircleFollowsWithoutJumping) {
  GPoint* o = Free(0, 0, "O");
  GPoint* q = Free(2, 0, "Q");
  GPoint* r1 = Free(5, 5, "R");
  GPoint* r2 = Free(6, 5, "S");
  GCircle* big = Circle(o, q);
  GPoint* p = OnCircle(big, 0.0, "P");
  GConst* k = Step(CONST_COMPASS);
  k->PInput1 = r1;
  k->PInput2 = r2;
  k->PInput3 = p;
  k->COutput = doc->NewCircle(0, 0, 1);
  doc->AssignCircle(k->COutput);
  k->Evaluate();
  // Meets at angles of about +-0.505 from P; clockwise ahead is below the x axis.
  GPoint* x = MeetNear(CONST_MEET_CC, nullptr, big, k->COutput, 1.9, -0.5, "X");
  Evaluate();
  ASSERT_LT(Cross(o, p, x), 0);

  const double turns[] = {2.5, -0.4, 3.05, -3.05, -1.5, 1.2, -2.9, 2.9, 0.0};
  for (double th : turns) {
    SCOPED_TRACE(th);
    ASSERT_TRUE(doc->MovePoint(p, 6 * std::cos(th), -6 * std::sin(th)));
    EXPECT_NEAR(std::hypot(x->xz().re, x->yz().re), 2, 1e-6);
    EXPECT_LT(Cross(o, p, x), 0) << "the meet jumped to the other side";
  }
}

TEST_F(MovePoint, FarOffStoredAngleIsReachedWithoutEndlessTurning) {
  GPoint* m = Free(0, 0, "A");
  GPoint* q = Free(1, 0, "B");
  GCircle* circle = Circle(m, q);
  GPoint* p = OnCircle(circle, 1e12, "C");
  ASSERT_TRUE(doc->MovePoint(p, 0, 5));
  EXPECT_NEAR(p->xz().re, 0, 1e-9);
  EXPECT_NEAR(p->yz().re, 1, 1e-9);
  GConst* k = nullptr;
  ASSERT_TRUE(FindPtFromCn(doc->FirstConst(), p, &k));
  k->param1 = CComplex(NAN, 0);
  ASSERT_TRUE(doc->MovePoint(p, -5, 0));
  EXPECT_NEAR(p->xz().re, -1, 1e-9);
}

TEST_F(MovePoint, PointOnCurveGoesToTheNearestPointOfThePolyline) {
  GConst* g = Step(CONST_GRAPH);
  GParaCurve* curve = doc->NewCurve();
  ASSERT_NE(curve, nullptr);
  doc->AssignCurve(curve);
  g->CurveOutput = curve;
  curve->expr1.assign(1, '0');  // the x axis from 0 to 4
  curve->xmin = 0;
  curve->xmax = 4;
  GConst* k = Step(CONST_PT_ON_CURVE);
  k->CurveInput1 = curve;
  k->param1 = CComplex(3.5, 0);
  GPoint* p = Output(k, "P");
  Evaluate();
  // Far above the curve: the foot, not the curve's start.
  ASSERT_TRUE(doc->MovePoint(p, 2.35, 3));
  EXPECT_NEAR(p->xz().re, 2.35, 1e-9);
  EXPECT_NEAR(p->yz().re, 0, 1e-12);
  // Beyond the last sample: the curve's end, not its start.
  ASSERT_TRUE(doc->MovePoint(p, 10, 0.5));
  EXPECT_NEAR(p->xz().re, 4, 1e-6);
  ASSERT_TRUE(doc->MovePoint(p, -3, 0));
  EXPECT_NEAR(p->xz().re, 0, 1e-12);
}

TEST_F(MovePoint, ConstructedPointsCannotBeDraggedAndNothingMoves) {
  GPoint* a = Free(0, 0, "A");
  GPoint* b = Free(2, 0, "B");
  GPoint* c = Free(0, 2, "C");
  GPoint* d = Free(2, 2, "D");
  GPoint* mid = Mid(a, b, "E");
  GPoint* meet = Meet(Join(a, d), Join(b, c), "F");
  GCircle* circle = Circle(a, b);
  GPoint* meetCL = MeetNear(CONST_MEET_CL, Join(c, d), circle, nullptr, 1.7, 2, "G");
  GPoint* loose = NewListedPoint(4, 4, "H");  // no step makes it
  Evaluate();
  const auto before = State();
  for (GPoint* p : {mid, meet, meetCL, loose, static_cast<GPoint*>(nullptr)}) {
    EXPECT_FALSE(doc->CanMovePoint(p));
    EXPECT_FALSE(doc->MovePoint(p, 3, -1));
  }
  EXPECT_EQ(State(), before);
  EXPECT_EQ(doc->MovingPoint(), nullptr);
  // A target that is no position at all moves nothing either.
  EXPECT_FALSE(doc->MovePoint(a, NAN, 1));
  EXPECT_FALSE(doc->MovePoint(a, 1, INFINITY));
  EXPECT_EQ(State(), before);
}

}  // namespace
