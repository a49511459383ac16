// Parameters of points recorded on lines and circles, the outermost records of
// a line, and rebuilding every record from the construction list.
#include <cmath>

#include "FigureFixture.h"

namespace {

class IcPara : public FigureTest {
 protected:
  // The point dividing AB with weights u on B and v on A (position u/(u+v)).
  GPoint* OnLine(GLine* l, GPoint* a, GPoint* b, double u, double v, const char* name) {
    GConst* k = PointStep(CONST_ON_LINE, a, b, name);
    k->LInput1 = l;
    k->param1 = CComplex(u, 0);
    k->param2 = CComplex(v, 0);
    k->Evaluate();
    doc->AssignIncident(l, k->POutput, 0);
    doc->Relations().ResetLineIcPara(l);
    return k->POutput;
  }
};

}  // namespace

TEST_F(IcPara, JoinKeepsItsEndsAtZeroAndOneAndPlacesTheMidpointAtHalf) {
  GPoint* a = Free(0, 0, "A");
  GPoint* b = Free(4, 2, "B");
  GLine* l = Join(a, b);
  GPoint* m = Mid(a, b, "M");
  doc->AssignIncident(l, m, 0);
  doc->Relations().ResetLineIcPara(l);
  EXPECT_DOUBLE_EQ(ParamOf(l, m), 0.5);
  GPoint* beyond = OnLine(l, a, b, 3, -1, "P");  // three halves of the way
  EXPECT_DOUBLE_EQ(ParamOf(l, beyond), 1.5);

  Drag(b, -2, 6);
  doc->Relations().ResetLineIcPara(l);
  EXPECT_EQ(ParamOf(l, a), 0.0);
  EXPECT_EQ(ParamOf(l, b), 1.0);
  EXPECT_DOUBLE_EQ(ParamOf(l, m), 0.5);
  EXPECT_DOUBLE_EQ(ParamOf(l, beyond), 1.5);
  GIncident *low, *high;
  FindLineends(l->ics.head, &low, &high);
  EXPECT_EQ(low->point, a);
  EXPECT_EQ(high->point, beyond);
}

TEST_F(IcPara, VerticalJoinMeasuresAlongY) {
  GPoint* a = Free(1, 0, "A");
  GPoint* b = Free(1, 2, "B");
  GLine* l = Join(a, b);
  GPoint* p = OnLine(l, a, b, 1, 3, "P");  // a quarter of the way: (1, 0.5)
  EXPECT_DOUBLE_EQ(ParamOf(l, p), 0.25);
}

TEST_F(IcPara, BisectorOfTwoLinesMeasuresFromTheirMeetingPoint) {
  GPoint* a = Free(1, 1, "A");
  GPoint* b = Free(3, 1, "B");
  GPoint* c = Free(1, 4, "C");
  GLine* ab = Join(a, b);
  GLine* ac = Join(a, c);
  GConst* k = doc->NewConst(CONST_BISECTOR);
  k->LInput1 = ab;
  k->LInput2 = ac;
  k->param1 = CComplex(1, 0);
  k->LOutput = doc->NewLine(CComplex(1, 0), CComplex(0, 0), CComplex(0, 0));
  doc->AssignLine(k->LOutput);
  k->Evaluate();
  GLine* bis = k->LOutput;
  // Points placed on the bisector at known positions get those positions back.
  const double ts[3] = {-1.5, 0.25, 2.0};
  GPoint* pts[3];
  for (int i = 0; i < 3; ++i) {
    GConst* p = PointStep(CONST_PT_ON_BISECTOR, nullptr, nullptr, "P");
    p->LInput1 = ab;
    p->LInput2 = ac;
    p->param1 = CComplex(1, 0);
    p->param2 = CComplex(ts[i], 0);
    p->Evaluate();
    pts[i] = p->POutput;
    doc->AssignIncident(bis, pts[i], 99);
  }
  doc->Relations().ResetLineIcPara(bis);
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(ParamOf(bis, pts[i]), ts[i], 1e-12);

  // Parallel lines have no meeting point: every record gets 0.
  GLine* de = Join(Free(0, 3, "D"), Free(5, 3, "E"));  // parallel to AB
  k->LInput2 = de;
  k->Evaluate();
  doc->Relations().ResetLineIcPara(bis);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(ParamOf(bis, pts[i]), 0.0);
}

TEST_F(IcPara, CircleParameterIsTheClockwiseAngle) {
  GPoint* o = Free(1, 1, "O");
  GPoint* r = Free(2, 1, "R");
  GCircle* c = Circle(o, r);
  GPoint* top = NewListedPoint(1, 2, "T");
  GPoint* left = NewListedPoint(0, 1, "L");
  doc->AssignIncident(c, top, 0);
  doc->AssignIncident(c, left, 0);
  doc->Relations().ResetCircleIcPara(c);
  EXPECT_DOUBLE_EQ(ParamOf(c, r), 0.0);
  EXPECT_DOUBLE_EQ(ParamOf(c, top), -M_PI / 2);
  EXPECT_DOUBLE_EQ(ParamOf(c, left), M_PI);
}

TEST_F(IcPara, LineendsOfEmptyOneAndTiedLists) {
  GIncident *low = reinterpret_cast<GIncident*>(1), *high = low;
  FindLineends(nullptr, &low, &high);
  EXPECT_EQ(low, nullptr);
  EXPECT_EQ(high, nullptr);
  GIncident one;
  one.param = CComplex(3, 0);
  FindLineends(&one, &low, &high);
  EXPECT_EQ(low, &one);
  EXPECT_EQ(high, &one);
  GIncident r[4];
  const double ps[4] = {2, -1, 5, -1};
  for (int i = 0; i < 4; ++i) {
    r[i].param = CComplex(ps[i], 0);
    r[i].next = i < 3 ? &r[i + 1] : nullptr;
  }
  r[2].param.im = -100;  // only real parts count
  FindLineends(r, &low, &high);
  EXPECT_EQ(low, &r[1]);  // the tie keeps the earlier record
  EXPECT_EQ(high, &r[2]);
}

TEST_F(IcPara, ResetIcsRebuildsRecordsFromTheSteps) {
  GPoint* a = Free(0, 0, "A");
  GPoint* b = Free(4, 0, "B");
  GPoint* c = Free(0, 3, "C");
  GLine* ab = Join(a, b);
  GLine* ac = Join(a, c);
  GPoint* p = OnLine(ab, a, b, 1, 1, "P");  // (2, 0)
  GLine* par = LineStep(CONST_PARALLEL, ab, c);
  GConst* onPar = PointStep(CONST_PT_ON_PARA, c, nullptr, "Q");
  onPar->LInput1 = ab;
  onPar->param1 = CComplex(0.5, 0);
  onPar->Evaluate();
  GLine* bc = Join(b, c);
  GLine* perp = LineStep(CONST_PERP, ab, p);                          // x = 2
  GPoint* m = Meet(bc, perp, "M");                                    // (2, 1.5)
  GCircle* circ = Circle(a, b);                                       // radius 4 about A
  GPoint* s = MeetNear(CONST_MEET_CL, ac, circ, nullptr, 0, 4, "S");  // (0, 4)
  GPoint* t = OnCircle(circ, 1.0, "T");
  GCircle* circ2 = Circle(b, a);                                             // radius 4 about B
  GPoint* u = MeetNear(CONST_MEET_CC, nullptr, circ, circ2, 2, -3.46, "U");  // below AB
  Evaluate();

  doc->Relations().ResetIcs(doc->FirstConst(), doc->Sheet().lines.head);
  doc->Relations().ResetIcs(doc->FirstConst(), doc->Sheet().circles.head);
  EXPECT_EQ(ab->icCount, 3);  // A, B, P
  EXPECT_DOUBLE_EQ(ParamOf(ab, p), 0.5);
  EXPECT_EQ(ac->icCount, 3);  // A, C, S
  EXPECT_DOUBLE_EQ(ParamOf(ac, s), 4.0 / 3.0);
  EXPECT_EQ(par->icCount, 2);  // C, Q
  EXPECT_EQ(ParamOf(par, c), 0.0);
  EXPECT_DOUBLE_EQ(ParamOf(par, onPar->POutput), 0.5);
  EXPECT_EQ(bc->icCount, 3);  // B, C, M
  EXPECT_DOUBLE_EQ(ParamOf(bc, m), 0.5);
  EXPECT_EQ(perp->icCount, 2);  // P, M
  EXPECT_DOUBLE_EQ(ParamOf(perp, m), 1.5 / perp->a.re);
  EXPECT_EQ(circ->icCount, 4);  // B, S, T, U
  EXPECT_DOUBLE_EQ(ParamOf(circ, b), 0.0);
  EXPECT_DOUBLE_EQ(ParamOf(circ, s), -M_PI / 2);
  EXPECT_DOUBLE_EQ(ParamOf(circ, t), 1.0);
  EXPECT_NEAR(ParamOf(circ, u), M_PI / 3, 1e-9);
  EXPECT_EQ(circ2->icCount, 2);  // A, U
  EXPECT_NEAR(ParamOf(circ2, u), 2 * M_PI / 3, 1e-9);
  // Rebuilding twice gives the same lists, not doubled ones.
  doc->Relations().ResetIcs(doc->FirstConst(), doc->Sheet().lines.head);
  EXPECT_EQ(ab->icCount, 3);
}

TEST_F(IcPara, PointOnALineAtAnAngleInDegreesKeepsItsPosition) {
  GPoint* a = Free(0, 0, "A");
  GPoint* b = Free(2, 0, "B");
  GLine* ab = Join(a, b);
  GConst* k = doc->NewConst(CONST_LINE_WITH_ANGLE_DEGREE);
  k->LInput1 = ab;
  k->PInput1 = a;
  k->param1 = CComplex(30, 0);
  k->LOutput = doc->NewLine(CComplex(1, 0), CComplex(0, 0), CComplex(0, 0));
  doc->AssignLine(k->LOutput);
  GConst* p = PointStep(CONST_PT_ON_LINE_WITH_ANGLE_DEGREE, a, nullptr, "P");
  p->LInput1 = ab;
  p->param1 = CComplex(30, 0);
  p->param2 = CComplex(0.75, 0);
  Evaluate();
  doc->Relations().ResetIcs(doc->FirstConst(), doc->Sheet().lines.head);
  EXPECT_DOUBLE_EQ(ParamOf(k->LOutput, p->POutput), 0.75);
}
