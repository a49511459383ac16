// Circle intersections inside a document: dragging a free point re-evaluates
// the sheet and the intersection points keep their sides; finding the other
// meet through the incidence lists, and finding a point at a given position.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "Recorder.h"
#include "model/Document.h"

namespace {

class MeetDocument : public ::testing::Test {
 protected:
  RecordingUser user;
  std::unique_ptr<GDocument> doc = std::make_unique<GDocument>(&user);

  GPoint* Point(double x, double y) {
    GPoint* p = doc->NewPoint(CComplex(x, 0), CComplex(y, 0));
    doc->AssignPoint(p);
    return p;
  }
  GPoint* Free(double x, double y) {
    GConst* k = doc->NewConst(CONST_FREE);
    k->PInput1 = k->POutput = Point(x, y);
    return k->POutput;
  }
  // A step of the given kind with point inputs p1..p3 and a fresh output.
  GConst* Step(int type, GPoint* p1, GPoint* p2, GPoint* p3) {
    GConst* k = doc->NewConst(type);
    k->PInput1 = p1;
    k->PInput2 = p2;
    k->PInput3 = p3;
    return k;
  }
  // A meet placed at the clicked position (x, y), as the placing tool does.
  GPoint* PlaceMeet(int type, GLine* l, GCircle* c1, GCircle* c2, GPoint* other, double x,
                    double y) {
    GConst* k = Step(type, other, nullptr, nullptr);
    k->LInput1 = l;
    k->CInput1 = c1;
    k->CInput2 = c2;
    k->POutput = Point(x, y);
    k->param1 = CComplex(x, 0);
    k->param2 = CComplex(y, 0);
    k->param3 = k->param4 = kNoRejectedMeet;
    return k->POutput;
  }
  // One motion event of a drag: the point goes to (x, y) and the sheet follows.
  void DragTo(GPoint* p, double x, double y) {
    p->x = CComplex(x, 0);
    p->y = CComplex(y, 0);
    doc->SetMovingPoint(p);
    doc->EvaluateConst(doc->FirstConst());
  }
};

}  // namespace

TEST_F(MeetDocument, DraggedLineSweepsAcrossAndOffCircleAndPointsKeepTheirSides) {
  // The line A B turns about B = (3, 0) as A is dragged up and down: through
  // the centre of the unit circle and off it on both sides. The second point
  // knows the first and always takes the other solution.
  GPoint* a = Free(-3, 0);
  GConst* join = Step(CONST_JOIN, a, Free(3, 0), nullptr);
  GLine* ab = join->LOutput = doc->NewLine(CComplex(0, 0), CComplex(1, 0), CComplex(0, 0));
  GConst* circle = Step(CONST_MULTI_CIRCLE, Free(0, 0), Free(1, 0), nullptr);
  GCircle* c = circle->COutput = doc->NewCircle(0, 0, 1);
  GPoint* near = PlaceMeet(CONST_MEET_CL, ab, c, nullptr, nullptr, 1, 0);
  GPoint* far = PlaceMeet(CONST_MEET_CL, ab, c, nullptr, near, -1, 0);
  int complexSteps = 0;
  for (int i = 0; i <= 1200; ++i) {
    // s runs 0 -> 3 -> -3 -> 0.
    const double s = i <= 300 ? i * 0.01 : i <= 900 ? 3 - (i - 300) * 0.01 : -3 + (i - 900) * 0.01;
    DragTo(a, -3, s);
    if (!near->x.realp()) {
      ++complexSteps;
      continue;
    }
    const double len = std::hypot(6.0, s), dx = 6.0 / len, dy = s / len;  // from A to B
    const double alongNear = near->xz().re * dx - near->yz().re * dy;
    const double alongFar = far->xz().re * dx - far->yz().re * dy;
    EXPECT_GT(alongNear, alongFar) << "s=" << s;
    EXPECT_GT(alongNear, -0.1) << "s=" << s;
  }
  EXPECT_GT(complexSteps, 100);
}

TEST_F(MeetDocument, DraggedCircleSeparatesAndRejoinsKeepingChoice) {
  // A compass circle of radius P Q = 1 around the dragged centre A moves
  // slantwise away from the unit circle around O and comes back.
  GConst* circle = Step(CONST_MULTI_CIRCLE, Free(0, 0), Free(1, 0), nullptr);
  GCircle* c1 = circle->COutput = doc->NewCircle(0, 0, 1);
  GPoint* a = Free(0.8, 0.6);
  GConst* compass = Step(CONST_COMPASS, Free(5, 5), Free(6, 5), a);
  GCircle* c2 = compass->COutput = doc->NewCircle(0.8, 0.6, 1);
  // The meets lie at (0.4, 0.3) +- (-0.6, 0.8) * sqrt(3) / 2.
  const double h = std::sqrt(0.75);
  GPoint* upper = PlaceMeet(CONST_MEET_CC, nullptr, c1, c2, nullptr, 0.4 - 0.6 * h, 0.3 + 0.8 * h);
  GPoint* lower = PlaceMeet(CONST_MEET_CC, nullptr, c1, c2, upper, 0.4 + 0.6 * h, 0.3 - 0.8 * h);
  bool wentComplex = false;
  for (int i = -160; i <= 160; ++i) {
    const double dist = 1.0 + (160 - std::abs(i)) * 0.01;  // 1 -> 2.6 -> 1
    DragTo(a, 0.8 * dist, 0.6 * dist);
    if (!upper->x.realp()) {
      wentComplex = true;
      continue;
    }
    // Across the centre line O A.
    EXPECT_GT(-0.6 * upper->xz().re + 0.8 * upper->yz().re, -1e-3) << "i=" << i;
    EXPECT_LT(-0.6 * lower->xz().re + 0.8 * lower->yz().re, 1e-3) << "i=" << i;
  }
  EXPECT_TRUE(wentComplex);
}

TEST_F(MeetDocument, FindAnotherMeetTakesFirstPointOnBothCarriers) {
  GCircle* c = doc->NewCircle(0, 0, 1);
  GCircle* d = doc->NewCircle(1, 0, 1);
  GLine* l = doc->NewLine(CComplex(0, 0), CComplex(1, 0), CComplex(0, 0));
  GPoint* cl = Point(1, 0);
  GPoint* cd = Point(0.5, 0.866);
  GPoint* found = cl;
  EXPECT_EQ(doc->FindAnotherMeet(c, l, &found), 0);
  EXPECT_EQ(found, nullptr);
  doc->AssignIncident(c, Point(0, -1), 0.0);  // on the first circle only
  doc->AssignIncident(c, cd, 1.0);
  doc->AssignIncident(c, cl, 2.0);
  doc->AssignIncident(l, cl, 0.0);
  doc->AssignIncident(d, cl, 0.0);
  doc->AssignIncident(d, cd, 0.5);
  EXPECT_EQ(doc->FindAnotherMeet(c, l, &found), 1);
  EXPECT_EQ(found, cl);
  EXPECT_EQ(doc->FindAnotherMeet(c, d, &found), 1);  // cd comes first on c
  EXPECT_EQ(found, cd);
}

TEST_F(MeetDocument, FindPtFromPtsMatchesHomogeneousPositionOnly) {
  GPoint* q = Point(2, 0);
  GPoint* elsewhereOnAxis = Point(5, 0);
  GPoint* scaled = doc->NewPoint(CComplex(4, 0), CComplex(0, 0), CComplex(2, 0));  // (2, 0)
  doc->AssignPoint(scaled);
  GPoint* head = doc->Sheet().points.head;
  EXPECT_EQ(doc->FindPtFromPts(head, q), scaled);
  EXPECT_EQ(doc->FindPtFromPts(head, scaled), q);
  // Points on the x-axis share y = 0 but are not the same point.
  EXPECT_EQ(doc->FindPtFromPts(head, elsewhereOnAxis), nullptr);
  EXPECT_EQ(doc->FindPtFromPts(nullptr, q), nullptr);
}
