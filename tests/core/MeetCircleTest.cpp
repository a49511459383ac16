// Intersections with circles keep their branch, driven on bare step records:
// turning and pulled-off lines, separating circles, jumps, tangency,
// concentric circles and the prediction from the drag.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "Recorder.h"
#include "model/Document.h"

namespace {

// The line through (px, py) with direction (dx, dy); axis directions give an
// exactly zero coefficient.
void SetLine(GLine* l, double px, double py, double dx, double dy) {
  if (std::fabs(dx) < 1e-15) dx = 0;
  if (std::fabs(dy) < 1e-15) dy = 0;
  *l = GLine(CComplex(-dy, 0), CComplex(dx, 0), CComplex(dy * px - dx * py, 0));
}

bool IsReal(const GPoint& p) { return p.x.realp() && p.y.realp(); }

// One step on its own records, placed at the clicked position (x, y).
struct Meet {
  GLine line;
  GCircle c1{0.0, 0.0, 1.0}, c2{1.0, 0.0, 1.0};
  GPoint out;
  GConst step;
  Meet(int type, double x, double y) {
    step.type = type;
    step.LInput1 = &line;
    step.CInput1 = &c1;
    if (type == CONST_MEET_CC) step.CInput2 = &c2;
    step.POutput = &out;
    step.param1 = CComplex(x, 0);
    step.param2 = CComplex(y, 0);
    step.param3 = step.param4 = kNoRejectedMeet;
  }
  int Eval() {
    return step.type == CONST_MEET_CL ? step.Evaluate_MeetCL() : step.Evaluate_MeetCC();
  }
  double Along(double dx, double dy) const { return out.xz().re * dx + out.yz().re * dy; }
};

class MeetCircle : public ::testing::Test {};

}  // namespace

TEST_F(MeetCircle, PointFollowsLineTurningAboutCentreThroughVertical) {
  Meet m(CONST_MEET_CL, 1.0, 0.0);
  for (int i = 0; i <= 200; ++i) {
    const double th = i * M_PI / 100;
    SetLine(&m.line, 0, 0, std::cos(th), std::sin(th));
    ASSERT_EQ(m.Eval(), 0);
    EXPECT_NEAR(m.out.xz().re, std::cos(th), 1e-9) << "i=" << i;
    EXPECT_NEAR(m.out.yz().re, std::sin(th), 1e-9) << "i=" << i;
  }
}

TEST_F(MeetCircle, LinePulledOffReappearsOnSideItLeft) {
  // Horizontal, slanted and vertical lines; the chosen point ahead or behind.
  for (double phi : {0.0, 0.7, M_PI / 2}) {
    const double dx = std::cos(phi), dy = std::sin(phi);
    for (double side : {1.0, -1.0}) {
      Meet m(CONST_MEET_CL, side * dx, side * dy);
      for (int i = -150; i <= 150; ++i) {
        const double t = (150 - std::abs(i)) * 0.01;  // 0 -> 1.5 -> 0
        SetLine(&m.line, -t * dy, t * dx, dx, dy);
        ASSERT_EQ(m.Eval(), 0);
        EXPECT_TRUE(t <= 1.01 || !IsReal(m.out)) << "phi=" << phi << " t=" << t;
        EXPECT_TRUE(t >= 0.99 || side * m.Along(dx, dy) > 0) << "phi=" << phi << " i=" << i;
      }
    }
  }
}

TEST_F(MeetCircle, CirclesSeparatingAndRejoiningKeepChoice) {
  // The second circle moves away horizontally, slantwise and vertically.
  for (double psi : {0.0, 0.6, M_PI / 2}) {
    const double ux = std::cos(psi), uy = std::sin(psi);
    for (double side : {1.0, -1.0}) {
      Meet m(CONST_MEET_CC, 0.5 * ux - side * 0.866 * uy, 0.5 * uy + side * 0.866 * ux);
      for (int i = -150; i <= 150; ++i) {
        const double dist = 1.0 + (150 - std::abs(i)) * 0.01;  // 1 -> 2.5 -> 1
        m.c2.SetCircle(dist * ux, dist * uy, 1.0);
        ASSERT_EQ(m.Eval(), 0);
        EXPECT_TRUE(dist <= 2.01 || !IsReal(m.out));
        EXPECT_TRUE(dist >= 1.99 || side * m.Along(-uy, ux) > 0) << "psi=" << psi << " i=" << i;
      }
    }
  }
}

TEST_F(MeetCircle, JumpLargerThanChordKeepsOrderOfPair) {
  // y = 0.99 cuts the unit circle at x = +-0.141. The circle jumps 0.5 to the
  // right, so both old points lie nearest the new left point; the order of
  // the pair along the line decides and each point keeps its side.
  const double half = std::sqrt(1 - 0.99 * 0.99);
  for (double side : {1.0, -1.0}) {
    Meet m(CONST_MEET_CL, side * half, 0.99);
    SetLine(&m.line, 0, 0.99, 1, 0);
    ASSERT_EQ(m.Eval(), 0);
    m.c1.SetCircle(0.5, 0.0, 1.0);
    ASSERT_EQ(m.Eval(), 0);
    EXPECT_NEAR(m.out.xz().re, 0.5 + side * half, 1e-9) << "side=" << side;
  }
}

TEST_F(MeetCircle, TangencyGivesTwoSolutionsPushedApart) {
  // A line and a circle both touching the unit circle at (0, 1).
  Meet l(CONST_MEET_CL, 0.5, 1.0), c(CONST_MEET_CC, 0.5, 1.0);
  SetLine(&l.line, 0, 1, 1, 0);
  c.c2.SetCircle(0.0, 2.0, 1.0);
  for (Meet* m : {&l, &c}) {
    ASSERT_EQ(m->Eval(), 0);
    EXPECT_NEAR(m->out.xz().re, 0.001, 1e-6);
    EXPECT_NEAR(m->out.yz().re, 1.001, 1e-6);
    EXPECT_NEAR(m->step.param3.re, -0.001, 1e-6);
    EXPECT_NEAR(m->step.param4.re, 0.999, 1e-6);
  }
}

TEST_F(MeetCircle, ConcentricCirclesFailAndPointReturnsWhenTheyPart) {
  GPoint other(CComplex(0.5, 0), CComplex(-0.866, 0));
  for (GPoint* known : {static_cast<GPoint*>(nullptr), &other}) {
    Meet m(CONST_MEET_CC, 0.5, 0.866);
    m.step.PInput1 = known;
    m.c2.SetCircle(0.0, 0.0, 4.0);
    EXPECT_EQ(m.Eval(), 1);
    EXPECT_TRUE(m.out.x == CComplex(1, 0) && m.out.y == CComplex(1, 0) && zerop(m.out.z));
    m.c2.SetCircle(1.0, 0.0, 1.0);
    ASSERT_EQ(m.Eval(), 0);
    EXPECT_TRUE(m.out.z == CComplex(1, 0));
    EXPECT_NEAR(m.out.yz().re, 0.866, 1e-3);
  }
  // Without its inputs a step fails and leaves everything as it was.
  Meet m(CONST_MEET_CL, 0.25, 0.5);
  m.step.LInput1 = nullptr;
  EXPECT_EQ(m.Eval(), 1);
  EXPECT_TRUE(m.out.x == CComplex(0, 0) && m.step.param3 == kNoRejectedMeet);
}

TEST_F(MeetCircle, ClearPredictionFromDragOverridesNearestChoiceForTwoCircles) {
  // The point sat at the upper meet and, by its own last step and the dragged
  // point's unchanged motion, heads for the lower one. A line-and-circle step
  // ignores the prediction and keeps the nearest.
  Meet c(CONST_MEET_CC, 0.5, 0.866), l(CONST_MEET_CL, 0.5, 0.866);
  SetLine(&l.line, 0.5, 0, 0, 1);
  for (Meet* m : {&c, &l}) {
    ASSERT_EQ(m->Eval(), 0);
    m->out.prevX = 0.5;
    m->out.prevY = 0.866;
    m->out.dX = 0.0;
    m->out.dY = -1.7;
  }
  RecordingUser user;
  auto doc = std::make_unique<GDocument>(&user);
  doc->SetMotion({1.0, 0.0, 0.0, 1.0});
  c.step.owner = l.step.owner = doc.get();
  ASSERT_EQ(c.Eval(), 0);
  ASSERT_EQ(l.Eval(), 0);
  EXPECT_LT(c.out.yz().re, 0);
  EXPECT_GT(l.out.yz().re, 0);
}
