// Incidence, tangency and coincidence checks: relations that hold for every
// position are recorded and announced with their texts; accidental ones are
// not; duplicates are removed; the figure is left exactly as it was.
#include <cmath>
#include <random>

#include "FigureFixture.h"
#include "model/Incidence.h"

namespace {

class Incidence : public FigureTest {
 protected:
  GPoint *A = nullptr, *B = nullptr, *C = nullptr;
  void Triangle() {
    A = Free(0, 0, "A");
    B = Free(4, 0.5, "B");
    C = Free(1.2, 3, "C");
  }
  std::vector<RecordedMessage>& Messages() { return user.messages; }
};

}  // namespace

TEST_F(Incidence, MidpointOnItsLineIsRecordedAndNamedByTheLinesTwoPoints) {
  Triangle();
  GLine* ab = Join(A, B);
  GLine* bc = Join(B, C);
  GPoint* m = Mid(A, B, "M");
  doc->Relations().CheckIncidency(m, true);
  EXPECT_TRUE(Records(ab, m));
  EXPECT_FALSE(Records(bc, m));
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].text, "(*^_^*) Point M is on line AB.");
  EXPECT_EQ(Messages()[0].caption, "Incidency Test");
}

TEST_F(Incidence, MediansMeetOnTheThirdMedianButOnNoSide) {
  Triangle();
  GLine* sides[3] = {Join(A, B), Join(B, C), Join(C, A)};
  GLine* ma = Join(A, Mid(B, C, "D"));
  GLine* mb = Join(B, Mid(C, A, "E"));
  GLine* mc = Join(C, Mid(A, B, "F"));
  GPoint* g = Meet(ma, mb, "G");
  user.messages.clear();
  doc->Relations().CheckIncidency(g, true);
  EXPECT_TRUE(Records(mc, g));
  for (GLine* s : sides) EXPECT_FALSE(Records(s, g));
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].text, "(*^_^*) Point G is on line CF.");
  EXPECT_EQ(doc->Relations().incident_LP_global(doc->FirstConst(), mc, g), true);
}

TEST_F(Incidence, PointPlacedByEyeOnALineIsNotReported) {
  A = Free(0, 0, "A");
  B = Free(2, 2, "B");
  GLine* l = Join(A, B);
  GPoint* p = Free(1, 1, "P");  // exactly on the line, but free to leave it
  ASSERT_TRUE(doc->Relations().incident_LP_local(l, p));
  doc->Relations().CheckIncidency(p, true);
  doc->Relations().CheckIncidency(l, true);
  EXPECT_FALSE(Records(l, p));
  EXPECT_TRUE(Messages().empty());
}

TEST_F(Incidence, HiddenElementsAreNeverReported) {
  Triangle();
  GLine* l = Join(A, B);
  GPoint* m = Mid(A, B, "M");
  m->hidden = 1;
  doc->Relations().CheckIncidency(m, true);
  doc->Relations().CheckIncidency(l, true);
  EXPECT_FALSE(Records(l, m));
  m->hidden = 0;
  l->hidden = 1;
  EXPECT_FALSE(doc->Relations().incident_LP_global(doc->FirstConst(), l, m));
  EXPECT_TRUE(Messages().empty());
}

TEST_F(Incidence, PointsOnCirclesAndCirclesThroughPoints) {
  Triangle();
  GCircle* c = Circle(C, A, "c");
  GPoint* p = OnCircle(c, 0.7, "P");
  doc->DeleteIcs(c);
  doc->Relations().CheckIncidency(p, true);
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].text, "(*^_^*) Point P is on this circle.");
  EXPECT_NEAR(ParamOf(c, p), 0.7, 1e-12);

  // A circle about the midpoint of AB through A passes through B as well;
  // B is recorded once only, however often the check runs.
  user.messages.clear();
  GCircle* d = Circle(Mid(A, B, "M"), A);
  doc->Relations().CheckIncidency(d, true);
  doc->Relations().CheckIncidency(d, true);
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].text, "(*^_^*) This circle thru point B.");
  EXPECT_EQ(d->icCount, 2);
  EXPECT_FALSE(Records(d, C));
  EXPECT_FALSE(Records(d, p));
}

TEST_F(Incidence, PointAlreadyOnItsCircleIsNotRecordedTwice) {
  Triangle();
  GCircle* c = Circle(A, B, "c");
  GPoint* p = OnCircle(c, 2.0, "P");
  doc->Relations().CheckIncidency(p, true);
  EXPECT_EQ(c->icCount, 2);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(Incidence, TangentAtAPointOfACircleIsAnnouncedByTheCentresName) {
  Triangle();
  GCircle* c = Circle(A, B);
  GConst* k = doc->NewConst(CONST_TANGENT);
  k->CInput1 = c;
  k->PInput1 = B;
  k->LOutput = doc->NewLine(CComplex(1, 0), CComplex(0, 0), CComplex(0, 0));
  doc->AssignLine(k->LOutput);
  Evaluate();
  doc->Relations().CheckIncidency(k->LOutput, true);
  ASSERT_EQ(Messages().size(), 2u);
  EXPECT_EQ(Messages()[0].text, "(*^_^*) This line thru point B.");
  EXPECT_EQ(Messages()[0].caption, "Incidency Test");
  EXPECT_EQ(Messages()[1].text, "(*^_^*) This line is tangent to circle A.");
  EXPECT_EQ(Messages()[1].caption, "Tangency Test");

  // Seen from the circle, the tangent (now with one recorded point) touches it.
  user.messages.clear();
  doc->Relations().CheckIncidency(c, true);
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].text, "(*^_^*) Circle A is tangent to this line.");
}

TEST_F(Incidence, TangencyNamesALineByItsFirstTwoPoints) {
  A = Free(0, 0, "A");
  B = Free(3, 0, "B");
  GPoint* o = Free(1, 2, "O");
  GLine* ab = Join(A, B);
  GLine* perp = LineStep(CONST_PERP, ab, o);
  GPoint* foot = Meet(ab, perp, "F");
  GCircle* c = Circle(o, foot);
  doc->Relations().CheckIncidency(ab, true);
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].text, "(*^_^*) Line AB is tangent to circle O.");
  user.messages.clear();
  doc->Relations().CheckIncidency(c, true);
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].text, "(*^_^*) Circle O is tangent to line AB.");
}

TEST_F(Incidence, CircleInsideTouchingAnotherIsAnnouncedAndCompassCentreNamesIt) {
  Triangle();
  GCircle* big = Circle(A, B);
  GPoint* m = Mid(A, B, "M");
  GConst* k = doc->NewConst(CONST_COMPASS);  // radius |MA|, centre M
  k->PInput1 = m;
  k->PInput2 = A;
  k->PInput3 = m;
  k->COutput = doc->NewCircle(0, 0, 1);
  doc->AssignCircle(k->COutput);
  Evaluate();
  doc->AssignIncident(k->COutput, A, 0);
  doc->AssignIncident(k->COutput, B, 0);
  doc->Relations().CheckIncidency(k->COutput, true);
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].text, "(*^_^*) Circle M is tangent to circle A.");
  EXPECT_EQ(Messages()[0].caption, "Tangency Test");
  EXPECT_FALSE(doc->Relations().tangent_CC_global(doc->FirstConst(), big, Circle(C, A)));
}

TEST_F(Incidence, ChecksLeaveEveryCoordinateBranchAndMotionRecordAsTheyWere) {
  Triangle();
  GCircle* c1 = Circle(A, B);
  GCircle* c2 = Circle(C, A);
  GLine* l = Join(B, C);
  MeetNear(CONST_MEET_CC, nullptr, c1, c2, 3.5, 2.5, "P");
  GPoint* q = MeetNear(CONST_MEET_CL, l, c2, nullptr, 4, 0.5, "Q");
  Drag(B, 4.1, 0.6);  // motion records and the drag's motion matrix are live
  GMotion live = doc->Motion();
  live.a11 = 0.9;
  live.a12 = 0.2;
  doc->SetMotion(live);
  doc->SetMovingPoint(B);
  const std::vector<unsigned char> before = State();
  for (bool literal : {false, true}) {
    doc->Relations().SetLiteralWalk(literal);
    doc->Relations().CheckIncidency(q, false);
    doc->Relations().CheckIncidency(l, false);
    doc->Relations().CheckIncidency(c1, false);
    EXPECT_EQ(doc->Relations().CheckCoincidency(q), 0);
    EXPECT_TRUE(State() == before);
    EXPECT_EQ(doc->Motion().a11, 0.9);
    EXPECT_EQ(doc->Motion().a12, 0.2);
    EXPECT_EQ(doc->MovingPoint(), B);
  }
}

TEST_F(Incidence, SameMidpointTwiceLeavesOnePoint) {
  Triangle();
  GPoint* m1 = Mid(A, B, "M");
  EXPECT_EQ(doc->Relations().CheckCoincidency(m1), 0);
  const int steps = Steps();
  GPoint* m2 = Mid(B, A, "N");
  EXPECT_EQ(doc->Relations().CheckCoincidency(m2), 1);
  EXPECT_EQ(Steps(), steps);
  EXPECT_FALSE(m2->inUse);
  int points = 0;
  for (GPoint* p = doc->Sheet().points.head; p; p = p->next, ++points) EXPECT_NE(p, m2);
  EXPECT_EQ(points, 4);
  EXPECT_EQ(*doc->Sheet().points.tail, nullptr);
  // Two free points on the same spot are different points.
  GPoint* twin = Free(0, 0, "T");
  EXPECT_EQ(doc->Relations().CheckCoincidency(twin), 0);
}

TEST_F(Incidence, CoincidentLinesAndCirclesAreRemovedWithTheirSteps) {
  Triangle();
  GPoint* m = Mid(A, B, "M");
  GLine* ab = Join(A, B);
  GLine* am = Join(A, m);
  GLine* ac = Join(A, C);
  const int steps = Steps();
  EXPECT_EQ(doc->Relations().CheckCoincidency(ac), 0);
  EXPECT_EQ(doc->Relations().CheckCoincidency(am), 1);
  EXPECT_EQ(Steps(), steps - 1);
  EXPECT_FALSE(am->inUse);
  EXPECT_TRUE(ab->inUse);

  GCircle* c = Circle(A, B);
  EXPECT_EQ(doc->Relations().CheckCoincidency(c), 0);
  GConst* k = doc->NewConst(CONST_COMPASS);
  k->PInput1 = A;
  k->PInput2 = B;
  k->PInput3 = A;
  k->COutput = doc->NewCircle(0, 0, 1);
  doc->AssignCircle(k->COutput);
  Evaluate();
  EXPECT_EQ(doc->Relations().CheckCoincidency(k->COutput), 1);
  EXPECT_EQ(doc->Sheet().circles.head, c);
  EXPECT_EQ(c->next, nullptr);
}

TEST_F(Incidence, WithoutFreePointsOnlyWhatHoldsNowHolds) {
  // Points made without steps cannot move; a point off their line stays off.
  GPoint* p = NewListedPoint(0, 0, "P");
  GPoint* q = NewListedPoint(1, 0, "Q");
  GLine* l = Join(p, q);
  GPoint* off = NewListedPoint(0.5, 1, "R");
  GPoint* on = NewListedPoint(0.5, 0, "S");
  EXPECT_FALSE(doc->Relations().incident_LP_global(doc->FirstConst(), l, off));
  EXPECT_TRUE(doc->Relations().incident_LP_global(doc->FirstConst(), l, on));
  // A point at infinity has no place on a circle, not even one through the origin.
  GCircle c(1.0, 0.0, 1.0);
  GPoint far(CComplex(1, 0), CComplex(0, 0), CComplex(0, 0));
  EXPECT_FALSE(doc->Relations().incident_CP_local(&c, &far));
}

TEST(IncidencePrefilter, NeverRefusesWhatTheExactTestsAccept) {
  // Pairs around the edge of the exact tests' tolerance, in homogeneous
  // coordinates of every scale and with imaginary parts: the cheap tests may
  // let through what the exact ones refuse, never the other way round.
  using namespace incidence_now;
  std::mt19937 rng(7);
  std::uniform_real_distribution<double> u(-3, 3), edge(-3e-5, 3e-5);
  const double scales[] = {1.0, 1e-3, 1e3, 1e-60, 1e60};
  int acceptedCircle = 0, acceptedLine = 0, acceptedPoint = 0;
  for (int i = 0; i < 20000; ++i) {
    const double s = scales[i % 5];
    const CComplex tiny(0, i % 3 == 0 ? 1e-4 * u(rng) : 0.0);
    GCircle c(CComplex(u(rng), 0), CComplex(u(rng), 0), CComplex(1 + std::fabs(u(rng)), 0));
    // A point at squared distance r²·(1 + edge) from the centre, scaled by s.
    const double a = u(rng), d = std::sqrt(c.r2.re * (1 + edge(rng)));
    GPoint p((c.cx + CComplex(d * std::cos(a), 0) + tiny) * CComplex(s, 0),
             (c.cy + CComplex(d * std::sin(a), 0)) * CComplex(s, 0), CComplex(s, 0));
    if (PointOnCircle(&c, &p)) {
      ++acceptedCircle;
      EXPECT_TRUE(MaybePointOnCircle(&c, &p)) << i;
    }
    // A line and the same line turned by an angle around the tolerance.
    GLine l(CComplex(u(rng), 0) + tiny, CComplex(u(rng), 0), CComplex(u(rng), 0));
    const double t = 1e-2 * edge(rng) / 3e-5;
    GLine m((l.a * CComplex(std::cos(t), 0) - l.b * CComplex(std::sin(t), 0)) * CComplex(s, 0),
            (l.a * CComplex(std::sin(t), 0) + l.b * CComplex(std::cos(t), 0)) * CComplex(s, 0),
            l.c * CComplex(s, 0));
    if (SameLine(&l, &m)) {
      ++acceptedLine;
      EXPECT_TRUE(MaybeSameLine(&l, &m)) << i;
    }
    // A point of l moved off it by about the tolerance's distance.
    const double den = l.a.re * l.a.re + l.b.re * l.b.re, off = 0.1 * edge(rng) / 3e-5;
    const double along = u(rng), nx = l.a.re / std::sqrt(den), ny = l.b.re / std::sqrt(den);
    const double x0 = -l.c.re * nx / std::sqrt(den), y0 = -l.c.re * ny / std::sqrt(den);
    GPoint q(CComplex((x0 - ny * along + nx * off) * s, 0) + tiny,
             CComplex((y0 + nx * along + ny * off) * s, 0), CComplex(s, 0));
    if (PointOnLine(&l, &q)) {
      ++acceptedPoint;
      EXPECT_TRUE(MaybePointOnLine(&l, &q, PointOnLineDivisor(&l))) << i;
    }
  }
  // Both sides of the edge are met often.
  EXPECT_GT(acceptedCircle, 3000);
  EXPECT_LT(acceptedCircle, 17000);
  EXPECT_GT(acceptedLine, 3000);
  EXPECT_LT(acceptedLine, 17000);
  EXPECT_GT(acceptedPoint, 3000);
  EXPECT_LT(acceptedPoint, 17000);
}
