// Curves that follow the figure: graphs and parametric curves sampled from
// formulas, the Graph command and the "Graph" statement with their messages
// (the place of a fault in the formula as typed), formulas with the words of
// school read back from a file, and loci, which must leave the figure
// exactly where it was.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <vector>

#include "../../bench/SheetGenerator.h"
#include "ReaderFixture.h"
#include "model/Formula.h"

namespace {

class CurveTest : public ReaderTest {
 protected:
  GParaCurve* Curve(const char* name) {
    GConst* c = StepOf(name);
    return c ? c->CurveOutput : nullptr;
  }
  GParaCurve* LastCurve() {
    GParaCurve* c = doc->Sheet().curves.head;
    while (c && c->next) c = c->next;
    return c;
  }
};

// Every bit of what evaluation may change: point coordinates and motion
// records, and every step's parameters.
std::vector<unsigned char> Snapshot(GDocument& doc) {
  std::vector<unsigned char> bytes;
  auto add = [&](const void* p, size_t n) {
    const auto* b = static_cast<const unsigned char*>(p);
    bytes.insert(bytes.end(), b, b + n);
  };
  for (const GPoint& p : doc.Store().Points()) {
    if (!p.inUse) continue;
    const double v[14] = {p.x.re, p.x.im, p.y.re, p.y.im,  p.z.re,  p.z.im, p.a11,
                          p.a12,  p.a21,  p.a22,  p.prevX, p.prevY, p.dX,   p.dY};
    add(v, sizeof v);
  }
  for (GConst* c = doc.FirstConst(); c; c = c->next) {
    const CComplex v[4] = {c->param1, c->param2, c->param3, c->param4};
    add(v, sizeof v);
  }
  return bytes;
}

std::vector<double> Samples(const GParaCurve* c) {
  std::vector<double> s;
  for (int i = 0; i < c->count; ++i) s.insert(s.end(), {c->X[i], c->Y[i], double(c->flag[i])});
  return s;
}

TEST_F(CurveTest, GraphWithAPoleBreaksItsPolylineThere) {
  ASSERT_EQ(gesture.AddGraph("1/x", -5, 5), 0);
  const GParaCurve* c = LastCurve();
  ASSERT_GT(c->count, 20);
  int crossings = 0;
  for (int i = 1; i < c->count; ++i) {
    if (!(c->X[i - 1] < 0 && c->X[i] > 0)) continue;
    ++crossings;
    // Neither end of the chord across the pole lies in the view: no line is drawn.
    EXPECT_FALSE(c->Y[i - 1] > doc->Viewport().YMin() && c->Y[i - 1] < doc->Viewport().YMax());
    EXPECT_FALSE(c->Y[i] > doc->Viewport().YMin() && c->Y[i] < doc->Viewport().YMax());
  }
  EXPECT_EQ(crossings, 1);
  for (int i = 0; i < c->count; ++i) {
    if (c->X[i] > 0.25 && c->X[i] < 4) {
      EXPECT_NEAR(c->Y[i], 1 / c->X[i], 1e-12);
    }
  }
}

TEST_F(CurveTest, SamplesStayFewAndCloseTogether) {
  ASSERT_EQ(gesture.AddGraph("sin(x)", -5, 5), 0);
  const GParaCurve* s = LastCurve();
  ASSERT_GT(s->count, 50);
  for (int i = 1; i < s->count; ++i) {
    const double gap =
        std::hypot(s->X[i] - s->X[i - 1], s->Y[i] - s->Y[i - 1]) / doc->Viewport().Scale();
    EXPECT_LE(gap, 20.5) << i;  // a few pixels apart, never a visible corner
  }
  EXPECT_LE(s->X[s->count - 1], 5.0);  // the range's end is kept
  ASSERT_EQ(gesture.AddGraph("sin(40x)", -5, 5), 0);
  EXPECT_EQ(LastCurve()->count, 499);  // the polyline's limit
}

TEST_F(CurveTest, CosSinMakesTheUnitCircle) {
  ASSERT_EQ(gesture.AddGraph("cos(x),sin(x)", -5, 5), 0);
  EXPECT_EQ(doc->FirstConst()->type, CONST_PARA_CURVE);
  const GParaCurve* c = LastCurve();
  ASSERT_GT(c->count, 60);
  double lo = 1, hi = -1;
  for (int i = 0; i < c->count; ++i) {
    EXPECT_NEAR(std::hypot(c->X[i], c->Y[i]), 1.0, 1e-12);
    lo = std::min(lo, c->X[i]);
    hi = std::max(hi, c->X[i]);
  }
  EXPECT_LT(lo, -0.999);
  EXPECT_GT(hi, 0.999);
}

// A parametric curve over an enormous range, or a step without a usable
// view, ends its sampling instead of stepping along for hours.
TEST_F(CurveTest, SamplingEndsOnEnormousRangesAndBrokenViews) {
  ASSERT_EQ(gesture.AddGraph("x,x", -1e12, 1e12), 0);
  EXPECT_EQ(LastCurve()->count, 0);  // nowhere near the view within the bound
  GConst* graph = doc->FirstConst();
  graph->viewScale = 0;
  EXPECT_EQ(graph->Evaluate(), 1);
}

// A formula that names an element follows it.
TEST_F(CurveTest, GraphFollowsTheElementItNames) {
  ASSERT_TRUE(Read("point A=Pt(2.000,0.000);\ncurve x1=Graph({Ax}x,-1.000,1.000);\n"));
  GParaCurve* c = Curve("x1");
  ASSERT_GT(c->count, 5);
  for (int i = 0; i < c->count; ++i) EXPECT_NEAR(c->Y[i], 2 * c->X[i], 1e-9);
  ASSERT_TRUE(doc->MovePoint(P("A"), -1, 0));
  for (int i = 0; i < c->count; ++i) EXPECT_NEAR(c->Y[i], -c->X[i], 1e-9);
}

TEST_F(CurveTest, RejectedFormulaTellsWhyAndBuildsNothing) {
  const int nodes = UsedGcals();
  for (int i = 0; i < 100; ++i) EXPECT_EQ(gesture.AddGraph("x^2+(x", -5, 5), 1);
  EXPECT_EQ(LastMessage(), "error 1\nThe bracket \"(\" at position 5 is never closed.");
  EXPECT_EQ(LastCaption(), "Invalid function input");
  EXPECT_EQ(doc->FirstConst(), nullptr);
  EXPECT_EQ(UsedGcals(), nodes);
  for (const GParaCurve& c : doc->Store().Curves()) EXPECT_FALSE(c.inUse);

  // The 51st curve is refused: the records hold 50.
  for (int i = 0; i < 50; ++i) ASSERT_EQ(gesture.AddGraph("x", -1, 1), 0) << i;
  GFormulaError error;
  EXPECT_NE(gesture.AddGraph("x", -1, 1, &error), 0);
  EXPECT_EQ(LastMessage(), "error 2\nThere is no room for another curve.");
  EXPECT_EQ(error.fault, GFormulaFault::kNoCurve);
}

// With every step in use a curve cannot be kept: that is said, not passed over.
TEST_F(CurveTest, NoStepLeftIsTold) {
  while (doc->NewConst(CONST_GRAPH)) {
  }
  EXPECT_EQ(gesture.AddGraph("x", -1, 1), 2);
  EXPECT_EQ(LastMessage(), "error 2\nThere is no room for another curve.");
  for (const GParaCurve& c : doc->Store().Curves()) EXPECT_FALSE(c.inUse);
}

// The place a message names is counted in the formula as typed: blanks, a
// value put in for a reference, the second half of a parametric curve and a
// letter of two bytes included.
TEST_F(CurveTest, FaultIsPlacedInTheFormulaAsTyped) {
  ASSERT_TRUE(Read("point A=Pt(1.000,2.000);\n"));
  const struct {
    const char* typed;
    const char* message;
  } cases[] = {
      {"x +  #", "error 1\n\"#\" at position 6 cannot stand there."},
      {"2{Ax}+#", "error 1\n\"#\" at position 7 cannot stand there."},
      {"cos(x),sin x)", "error 2\nThe bracket \")\" at position 13 closes nothing."},
      {"\xCF\x80 x +", "error 1\nSomething is missing after \"+\" at position 5."},
      {"x*{A", "error 2\nThe braces at position 3 need a name and a letter, as in {Ax}."},
  };
  for (const auto& c : cases) {
    EXPECT_NE(gesture.AddGraph(c.typed, -5, 5), 0) << c.typed;
    EXPECT_EQ(LastMessage(), c.message) << c.typed;
  }
}

// What the status bar shows of a new curve: each component as the parser
// nested it; a locus has no formula.
TEST_F(CurveTest, CurveFormulaAsUnderstood) {
  ASSERT_EQ(gesture.AddGraph("sqrt x, ln(x)*2", 0, 5), 0);
  EXPECT_EQ(UnderstoodFormula(*LastCurve()), "sqrt(x),ln(x*2)");
  ASSERT_TRUE(
      Read("point O=Pt(0.000,0.000);\npoint B=Pt(1.000,0.000);\ncircle C1=Circle(O,B);\n"
           "point P=PtOnCircle(C1,0.300);\npoint F=Pt(0.500,1.000);\npoint M=Mid(F,P);\n"
           "curve x1=OrbitOnCircle(P,M);\n"));
  EXPECT_EQ(UnderstoodFormula(*Curve("x1")), "");
}

// The words of school are kept in the file as typed and read back into the
// same curve; a file that has none of them reads as before.
TEST_F(CurveTest, SchoolWordsReadBackFromAFile) {
  ASSERT_EQ(gesture.AddGraph("sqrt(abs x)+exp(-x)-ln x-\xCF\x80", 0.1, 3), 0);
  ASSERT_EQ(gesture.AddGraph("abs(x-1),sqrt x", 0, 2), 0);
  std::vector<std::vector<double>> made;
  for (const GParaCurve* c = doc->Sheet().curves.head; c; c = c->next) made.push_back(Samples(c));
  const std::string file = WriteScript(*doc);
  ASSERT_TRUE(Read(file));
  EXPECT_EQ(WriteScript(*doc), file);
  std::vector<std::vector<double>> read;
  for (const GParaCurve* c = doc->Sheet().curves.head; c; c = c->next) read.push_back(Samples(c));
  ASSERT_EQ(read.size(), 2u);
  EXPECT_GT(read[0].size(), 30u);
  EXPECT_EQ(read, made);
  EXPECT_TRUE(user.messages.empty());
}

// A formula that stops parsing once its named values are put in (the point
// it names is gone) fails the step without a word on standard output.
TEST_F(CurveTest, FormulaFailingAtEvaluationFailsQuietly) {
  GParaCurve* c = gesture.NewGraphCurve("x*{Zx}");
  c->xmin = -1;
  c->xmax = 1;
  GConst* k = doc->NewConst(CONST_GRAPH);
  k->CurveOutput = c;
  testing::internal::CaptureStdout();
  EXPECT_EQ(k->Evaluate(), 1);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  EXPECT_EQ(c->count, 0);
}

TEST_F(CurveTest, ReaderRejectsABadFormulaWithItsCode) {
  EXPECT_FALSE(Read("point A=Pt(0.000,0.000);\ncurve x1=Graph(sqr(x),-1.000,1.000);\n"));
  EXPECT_EQ(LastMessage(),
            "line 2 : Graph syntax error 4\nUnknown word \"sqr\" at position 1 (known: sin, cos, "
            "tan, log, ln, exp, sqrt, abs, pi, e, x).");
  EXPECT_EQ(LastCaption(), "syntax error");
  EXPECT_EQ(StepCount(0), 1);
  EXPECT_FALSE(Read("curve x1=ParaCurve(cos(x),(x,0.000,1.000);\n"));
  EXPECT_EQ(LastMessage(),
            "line 1 : Graph syntax error 128\nThe bracket \"(\" at position 1 is never closed.");
}

// The Point tool puts a point on a graph; its tangent follows the curve's
// slope while the point is dragged along, and so does a point on the tangent.
TEST_F(CurveTest, PointTangentAndPointOnTangentFollowTheGraph) {
  ASSERT_EQ(gesture.AddGraph("x^2", -5, 5), 0);
  GParaCurve* curve = LastCurve();
  gesture.LDown_SPoint(1.0, 1.02);
  gesture.LDrag_Point(1.0, 1.02);
  ASSERT_EQ(gesture.LUp_SPoint(1.0, 1.02), 8);
  GPoint* p = gesture.PlacedPoint();
  EXPECT_NEAR(p->yz().re, p->xz().re * p->xz().re, 0.01);
  doc->ClearAllHilights();
  doc->Sethilighted(p);
  doc->Sethilighted(curve);
  ASSERT_TRUE(gesture.ConstDefCurveTangent());
  GConst* tangent = doc->CurrentConst();
  ASSERT_EQ(tangent->type, CONST_CURVE_TANGENT);
  auto slope = [&] { return -tangent->LOutput->a.re / tangent->LOutput->b.re; };
  EXPECT_NEAR(slope(), 2 * p->xz().re, 0.2);
  GConst* on = doc->NewConst(CONST_PT_ON_CURVE_TANGENT);
  on->CurveInput1 = curve;
  on->PInput1 = p;
  on->param1 = CComplex(0.5, 0);
  on->POutput = doc->NewPoint(CComplex(0, 0), CComplex(0, 0));
  doc->AssignPoint(on->POutput);
  ASSERT_TRUE(doc->MovePoint(p, -1.5, 2.25));
  EXPECT_NEAR(p->xz().re, -1.5, 0.05);
  EXPECT_NEAR(slope(), 2 * p->xz().re, 0.2);
  const GLine& t = *tangent->LOutput;
  const GPoint& q = *on->POutput;
  EXPECT_NEAR((t.a * q.xz() + t.b * q.yz() + t.c).re, 0, 1e-9);  // on the tangent
  EXPECT_NEAR(std::hypot(q.xz().re - p->xz().re, q.yz().re - p->yz().re), 0.5, 1e-9);
}

// The locus of the midpoint of F and a point running round a circle about O
// is the circle of half the radius about the midpoint of F and O.
TEST_F(CurveTest, MidpointLocusIsTheHalfSizeCircle) {
  ASSERT_TRUE(
      Read("point O=Pt(0.000,0.000);\npoint B=Pt(2.000,0.000);\ncircle C1=Circle(O,B);\n"
           "point P=PtOnCircle(C1,0.300);\npoint F=Pt(1.000,0.500);\npoint M=Mid(F,P);\n"));
  const std::vector<unsigned char> before = Snapshot(*doc);
  ASSERT_TRUE(Read("curve x1=OrbitOnCircle(P,M);\n", false));
  const GParaCurve* c = Curve("x1");
  ASSERT_GT(c->count, 50);
  double turn = 0;
  for (int i = 0; i < c->count; ++i) {
    EXPECT_TRUE(c->flag[i]);
    EXPECT_NEAR(std::hypot(c->X[i] - 0.5, c->Y[i] - 0.25), 1.0, 1e-9);
    if (i)
      turn += std::fabs(std::atan2(c->Y[i] - 0.25, c->X[i] - 0.5) -
                        std::atan2(c->Y[i - 1] - 0.25, c->X[i - 1] - 0.5));
  }
  EXPECT_GT(turn, 6.0);  // all the way round
  EXPECT_EQ(Snapshot(*doc).size(), before.size() + 4 * sizeof(CComplex));
  EXPECT_EQ(std::memcmp(Snapshot(*doc).data(), before.data(), before.size()), 0);
}

// A point driven along a line: the locus of the midpoint with F is the line
// halfway between, drawn across the whole view.
TEST_F(CurveTest, LocusAlongALine) {
  ASSERT_TRUE(
      Read("point A=Pt(-1.000,-1.000);\npoint C=Pt(1.000,-1.000);\nline a=Join(A,C);\n"
           "point P=PtOnLine(A,C,0.250,0.750);\npoint F=Pt(0.000,1.000);\npoint M=Mid(F,P);\n"
           "curve x1=OrbitOnLine(P,M);\n"));
  const GParaCurve* c = Curve("x1");
  ASSERT_GT(c->count, 20);
  double lo = 0, hi = 0;
  for (int i = 0; i < c->count; ++i) {
    EXPECT_NEAR(c->Y[i], 0.0, 1e-9);
    lo = std::min(lo, c->X[i]);
    hi = std::max(hi, c->X[i]);
  }
  EXPECT_LT(lo, doc->Viewport().XMin());
  EXPECT_GT(hi, doc->Viewport().XMax());
  EXPECT_NEAR(P("P")->xz().re, -0.5, 1e-12);  // the driver is back
}

// Through intersections with circles, which follow their branch during the
// sweep and pass through complex positions, the figure ends where it began.
TEST_F(CurveTest, LocusThroughIntersectionsRestoresEveryCoordinate) {
  ASSERT_TRUE(
      Read("point O=Pt(0.000,0.000);\npoint B=Pt(1.000,0.000);\ncircle C1=Circle(O,B);\n"
           "point P=PtOnCircle(C1,0.300);\npoint F=Pt(1.500,0.000);\npoint G=Pt(1.500,1.200);\n"
           "circle C2=Circle(F,G);\nline a=Join(O,P);\n"
           "point D=MeetCircleAndLine(C2,a,1.000,0.000,-0.300,0.000);\npoint E=Mid(D,G);\n"));
  doc->EvaluateConst(doc->FirstConst());
  const std::vector<unsigned char> before = Snapshot(*doc);
  const double dx = P("D")->xz().re, dy = P("D")->yz().re;
  ASSERT_TRUE(Read("curve x1=OrbitOnCircle(P,E);\n", false));
  const GParaCurve* c = Curve("x1");
  ASSERT_GT(c->count, 10);
  bool complexSeen = false;
  for (int i = 0; i < c->count; ++i) complexSeen |= !c->flag[i];
  EXPECT_TRUE(complexSeen);  // the line leaves the circle on the way round
  const std::vector<unsigned char> after = Snapshot(*doc);
  // The points and the steps before the locus are bit for bit as they were,
  // but for the intersection's memory of the branch it rejected.
  EXPECT_EQ(P("D")->xz().re, dx);
  EXPECT_EQ(P("D")->yz().re, dy);
  size_t points = 0;
  for (const GPoint& p : doc->Store().Points()) points += p.inUse ? 14 * sizeof(double) : 0;
  EXPECT_EQ(std::memcmp(after.data(), before.data(), points), 0);
}

// Sweeping only what the traced point depends on gives what the sweep of the
// whole list gives, on random figures at pool scale.
TEST_F(CurveTest, DependencySweepEqualsWholeListSweep) {
  std::mt19937 pick(7);
  int compared = 0;
  for (uint64_t seed = 1; seed <= 10; ++seed) {
    std::unique_ptr<GDocument> d = GenerateSheet(&user, 150, seed);
    std::vector<GConst*> drivers, points;
    for (GConst* k = d->FirstConst(); k; k = k->next) {
      if (k->type == CONST_PT_ON_CIRCLE || BoundToLine(k->type)) drivers.push_back(k);
      if (k->POutput && k->Output_Type() == OUTPUT_POINT) points.push_back(k);
    }
    for (int trial = 0; trial < 4 && !drivers.empty(); ++trial) {
      GConst* drv = drivers[pick() % drivers.size()];
      GConst* traced = points[pick() % points.size()];
      if (traced->POutput == drv->POutput) continue;
      d->ClearAllHilights();
      d->Sethilighted(drv->POutput);
      d->Sethilighted(traced->POutput);
      ASSERT_TRUE(GGesture(*d).ConstDefOrbit());
      GConst* locus = d->CurrentConst();
      ASSERT_TRUE(locus->type == CONST_ORBIT1 || locus->type == CONST_ORBIT2);
      const std::vector<unsigned char> state = Snapshot(*d);
      SetLocusWholeListSweep(true);
      locus->Evaluate();
      SetLocusWholeListSweep(false);
      const std::vector<double> whole = Samples(locus->CurveOutput);
      const std::vector<unsigned char> afterWhole = Snapshot(*d);
      locus->Evaluate();
      EXPECT_EQ(Samples(locus->CurveOutput), whole) << seed << " " << trial;
      EXPECT_EQ(Snapshot(*d), afterWhole);
      EXPECT_EQ(afterWhole, state);
      compared += whole.empty() ? 0 : 1;
    }
  }
  EXPECT_GT(compared, 10);
}

}  // namespace
