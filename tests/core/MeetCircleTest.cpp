// Intersections with circles keep their branch: sweeps of a line across a
// circle and of two circles apart and together, tangency, the other-root rule
// and concentric circles, driven on bare step records.
#include <gtest/gtest.h>

#include <cmath>

#include "model/GConst.h"

namespace {

struct Vec {
  double x, y;
};

double Dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y; }

// The line through p with direction d.
void SetLineThrough(GLine* l, Vec p, Vec d) {
  l->a = CComplex(-d.y, 0);
  l->b = CComplex(d.x, 0);
  l->c = CComplex(d.y * p.x - d.x * p.y, 0);
  // A direction along an axis should give an exactly zero coefficient.
  if (std::fabs(l->b.re) < 1e-15) l->b = CComplex(0, 0);
  if (std::fabs(l->a.re) < 1e-15) l->a = CComplex(0, 0);
}

bool IsReal(const GPoint& p) { return p.x.realp() && p.y.realp(); }

// A line-and-circle step on its own records, placed at the clicked position.
struct LineCircleMeet {
  GLine line;
  GCircle circle{0.0, 0.0, 1.0};
  GPoint out;
  GConst step;
  LineCircleMeet() {
    step.type = CONST_MEET_CL;
    step.LInput1 = &line;
    step.CInput1 = &circle;
    step.POutput = &out;
  }
  void Place(double x, double y) {
    step.param1 = CComplex(x, 0);
    step.param2 = CComplex(y, 0);
    step.param3 = step.param4 = kNoRejectedMeet;
  }
};

struct CircleCircleMeet {
  GCircle c1{0.0, 0.0, 1.0}, c2{1.0, 0.0, 1.0};
  GPoint out;
  GConst step;
  CircleCircleMeet() {
    step.type = CONST_MEET_CC;
    step.CInput1 = &c1;
    step.CInput2 = &c2;
    step.POutput = &out;
  }
  void Place(double x, double y) {
    step.param1 = CComplex(x, 0);
    step.param2 = CComplex(y, 0);
    step.param3 = step.param4 = kNoRejectedMeet;
  }
};

// Tests that touch the dragged point's motion matrix start and end without one.
class MeetCircleCircle : public ::testing::Test {
 protected:
  void SetUp() override {
    moved_point_a11 = moved_point_a12 = moved_point_a21 = moved_point_a22 = 0;
  }
  void TearDown() override { SetUp(); }
};

}  // namespace

TEST(MeetCircleLine, ChosenPointStaysOnItsSideWhenLineCrossesCentre) {
  // A slanted line slides across the circle at (0.3, -0.2) from one edge
  // through the centre to the other; each side is tried.
  const Vec centre{0.3, -0.2}, d{std::cos(0.4), std::sin(0.4)}, n{-d.y, d.x};
  for (double side : {1.0, -1.0}) {
    LineCircleMeet m;
    m.circle.SetCircle(centre.x, centre.y, 1.0);
    const double start = -0.95;
    SetLineThrough(&m.line, {centre.x + start * n.x, centre.y + start * n.y}, d);
    const double half = std::sqrt(1 - start * start);
    m.Place(centre.x + start * n.x + side * half * d.x, centre.y + start * n.y + side * half * d.y);
    Vec last{m.step.param1.re, m.step.param2.re};
    for (int i = 0; i <= 190; ++i) {
      const double t = start + i * 0.01;
      SetLineThrough(&m.line, {centre.x + t * n.x, centre.y + t * n.y}, d);
      ASSERT_EQ(m.step.Evaluate_MeetCL(), 0);
      ASSERT_TRUE(IsReal(m.out)) << "t=" << t;
      const Vec p{m.out.xz().re, m.out.yz().re};
      const double along = Dot({p.x - centre.x, p.y - centre.y}, d);
      EXPECT_GT(side * along, 0.3) << "t=" << t;
      EXPECT_LT(std::hypot(p.x - last.x, p.y - last.y), 0.1) << "jump at t=" << t;
      last = p;
    }
  }
}

TEST(MeetCircleLine, PointFollowsLineTurningAboutCentreThroughVertical) {
  // A line through the centre turns a full circle; the chosen point turns with
  // it, also through the vertical positions where x and y swap roles.
  LineCircleMeet m;
  m.Place(1.0, 0.0);
  for (int i = 0; i <= 200; ++i) {
    const double th = i * M_PI / 100;
    SetLineThrough(&m.line, {0, 0}, {std::cos(th), std::sin(th)});
    ASSERT_EQ(m.step.Evaluate_MeetCL(), 0);
    EXPECT_NEAR(m.out.xz().re, std::cos(th), 1e-9) << "i=" << i;
    EXPECT_NEAR(m.out.yz().re, std::sin(th), 1e-9) << "i=" << i;
  }
}

TEST(MeetCircleLine, LinePulledOffReappearsOnSideItLeft) {
  // Horizontal, slanted and vertical lines; the chosen point ahead or behind.
  for (double phi : {0.0, 0.7, M_PI / 2}) {
    const Vec d{std::cos(phi), std::sin(phi)}, n{-d.y, d.x};
    for (double side : {1.0, -1.0}) {
      LineCircleMeet m;
      SetLineThrough(&m.line, {0, 0}, d);
      m.Place(side * d.x, side * d.y);
      bool wentComplex = false;
      for (int i = -150; i <= 150; ++i) {
        const double t = (150 - std::abs(i)) * 0.01;  // 0 -> 1.5 -> 0
        SetLineThrough(&m.line, {t * n.x, t * n.y}, d);
        ASSERT_EQ(m.step.Evaluate_MeetCL(), 0);
        if (t > 1.01) {
          EXPECT_FALSE(IsReal(m.out)) << "phi=" << phi << " t=" << t;
          wentComplex = true;
        } else if (t < 0.99) {
          ASSERT_TRUE(IsReal(m.out)) << "phi=" << phi << " t=" << t;
          const double along = Dot({m.out.xz().re, m.out.yz().re}, d);
          EXPECT_GT(side * along, 0) << "phi=" << phi << " side=" << side << " i=" << i;
        }
      }
      EXPECT_TRUE(wentComplex);
    }
  }
}

TEST(MeetCircleLine, JumpLargerThanChordKeepsOrientationOfPair) {
  // The line y = 0.99 cuts the unit circle at x = +-0.141. The circle jumps
  // 0.5 to the right in one step, so both old points lie nearest the new left
  // point; the pair's orientation decides and each point keeps its side.
  for (double side : {1.0, -1.0}) {
    LineCircleMeet m;
    SetLineThrough(&m.line, {0, 0.99}, {1, 0});
    const double half = std::sqrt(1 - 0.99 * 0.99);
    m.Place(side * half, 0.99);
    ASSERT_EQ(m.step.Evaluate_MeetCL(), 0);
    m.circle.SetCircle(0.5, 0.0, 1.0);
    ASSERT_EQ(m.step.Evaluate_MeetCL(), 0);
    EXPECT_NEAR(m.out.xz().re, 0.5 + side * half, 1e-9) << "side=" << side;
  }
}

TEST(MeetCircleLine, TangentLineGivesTwoSolutionsPushedApart) {
  LineCircleMeet m;
  SetLineThrough(&m.line, {0, 1}, {1, 0});  // touches the unit circle at (0, 1)
  m.Place(0.5, 1.0);
  ASSERT_EQ(m.step.Evaluate_MeetCL(), 0);
  // Chosen (0.001, 1.001), the other (-0.001, 0.999).
  EXPECT_NEAR(m.out.xz().re, 0.001, 1e-9);
  EXPECT_NEAR(m.out.yz().re, 1.001, 1e-9);
  EXPECT_NEAR(m.step.param3.re, -0.001, 1e-9);
  EXPECT_NEAR(m.step.param4.re, 0.999, 1e-9);
}

TEST(MeetCircleLine, WithOtherPointAlwaysTakesTheOtherSolution) {
  // Two steps on the same line and circle; the second knows the first's point.
  // The line sweeps across, off the circle and back: the two never coincide.
  LineCircleMeet first;
  GPoint second;
  GConst other = first.step;
  other.POutput = &second;
  other.PInput1 = &first.out;
  const Vec d{std::cos(1.1), std::sin(1.1)}, n{-d.y, d.x};
  SetLineThrough(&first.line, {-0.9 * n.x, -0.9 * n.y}, d);
  first.Place(-0.9 * n.x + 0.4 * d.x, -0.9 * n.y + 0.4 * d.y);
  for (int i = -90; i <= 130; ++i) {
    const double t = i * 0.01;
    SetLineThrough(&first.line, {t * n.x, t * n.y}, d);
    ASSERT_EQ(first.step.Evaluate_MeetCL(), 0);
    ASSERT_EQ(other.Evaluate_MeetCL(), 0);
    const double gap = norm1(first.out.x - second.x) + norm1(first.out.y - second.y);
    EXPECT_GT(gap, 0.001) << "t=" << t;
    EXPECT_TRUE(zerop(second.z - CComplex(1, 0)));
  }
  // Dragging the first point over to the other side (re-placing it there)
  // moves the second one to where the first was.
  const CComplex was = first.out.x;
  first.Place(-first.out.xz().re, -first.out.yz().re);
  SetLineThrough(&first.line, {0, 0}, d);
  ASSERT_EQ(first.step.Evaluate_MeetCL(), 0);
  ASSERT_EQ(other.Evaluate_MeetCL(), 0);
  EXPECT_FALSE(first.out.x == second.x);
  EXPECT_NEAR(Dot({second.xz().re, second.yz().re}, d),
              -Dot({first.out.xz().re, first.out.yz().re}, d), 1e-9);
  (void)was;
}

TEST(MeetCircleLine, MissingInputFailsAndChangesNothing) {
  LineCircleMeet m;
  m.Place(0.25, 0.5);
  m.out.x = CComplex(7, 0);
  m.step.LInput1 = nullptr;
  EXPECT_EQ(m.step.Evaluate_MeetCL(), 1);
  EXPECT_EQ(m.out.x.re, 7.0);
  EXPECT_EQ(m.step.param1.re, 0.25);
  EXPECT_TRUE(m.step.param3 == kNoRejectedMeet);
}

TEST_F(MeetCircleCircle, SeparatingAndRejoiningKeepsChoice) {
  // The second circle moves away along a horizontal, slanted and vertical
  // direction until the circles part, then comes back.
  for (double psi : {0.0, 0.6, M_PI / 2}) {
    const Vec u{std::cos(psi), std::sin(psi)}, v{-u.y, u.x};
    for (double side : {1.0, -1.0}) {
      CircleCircleMeet m;
      m.c2.SetCircle(u.x, u.y, 1.0);
      m.Place(0.5 * u.x + side * 0.866 * v.x, 0.5 * u.y + side * 0.866 * v.y);
      bool wentComplex = false;
      for (int i = -150; i <= 150; ++i) {
        const double dist = 1.0 + (150 - std::abs(i)) * 0.01;  // 1 -> 2.5 -> 1
        m.c2.SetCircle(dist * u.x, dist * u.y, 1.0);
        ASSERT_EQ(m.step.Evaluate_MeetCC(), 0);
        if (dist > 2.01) {
          EXPECT_FALSE(IsReal(m.out));
          wentComplex = true;
        } else if (dist < 1.99) {
          ASSERT_TRUE(IsReal(m.out));
          const double across = Dot({m.out.xz().re, m.out.yz().re}, v);
          EXPECT_GT(side * across, 0) << "psi=" << psi << " side=" << side << " i=" << i;
        }
      }
      EXPECT_TRUE(wentComplex);
    }
  }
}

TEST_F(MeetCircleCircle, ConcentricCirclesFailAndPointReturnsWhenTheyPart) {
  for (bool withOther : {false, true}) {
    CircleCircleMeet m;
    GPoint other(CComplex(0.5, 0), CComplex(-0.866, 0));
    if (withOther) m.step.PInput1 = &other;
    m.Place(0.5, 0.866);
    ASSERT_EQ(m.step.Evaluate_MeetCC(), 0);
    m.c2.SetCircle(0.0, 0.0, 4.0);
    EXPECT_EQ(m.step.Evaluate_MeetCC(), 1);
    EXPECT_TRUE(m.out.x == CComplex(1, 0) && m.out.y == CComplex(1, 0));
    EXPECT_TRUE(zerop(m.out.z));
    m.c2.SetCircle(1.0, 0.0, 1.0);
    ASSERT_EQ(m.step.Evaluate_MeetCC(), 0);
    EXPECT_TRUE(m.out.z == CComplex(1, 0)) << "withOther=" << withOther;
    EXPECT_NEAR(m.out.xz().re, 0.5, 1e-9);
    EXPECT_NEAR(m.out.yz().re, 0.866, 1e-3);
  }
}

TEST_F(MeetCircleCircle, TouchingCirclesGiveTwoSolutionsPushedApart) {
  CircleCircleMeet m;
  m.c2.SetCircle(0.0, 2.0, 1.0);  // touches the first circle at (0, 1)
  m.Place(0.3, 1.0);
  ASSERT_EQ(m.step.Evaluate_MeetCC(), 0);
  EXPECT_NEAR(m.out.xz().re, 0.001, 1e-6);
  EXPECT_NEAR(m.out.yz().re, 1.001, 1e-6);
  EXPECT_NEAR(m.step.param3.re, -0.001, 1e-6);
  EXPECT_NEAR(m.step.param4.re, 0.999, 1e-6);
}

TEST_F(MeetCircleCircle, ClearPredictionFromDragOverridesNearestChoice) {
  // The point sat at the upper meet and, by its own last step and the dragged
  // point's motion, is heading for the lower one: the prediction wins. A
  // line-and-circle step ignores the prediction.
  CircleCircleMeet m;
  m.Place(0.5, 0.866);
  ASSERT_EQ(m.step.Evaluate_MeetCC(), 0);
  m.out.prevX = 0.5;
  m.out.prevY = 0.866;
  m.out.dX = 0.0;
  m.out.dY = -1.7;
  moved_point_a11 = moved_point_a22 = 1.0;  // the drag goes on as before
  ASSERT_EQ(m.step.Evaluate_MeetCC(), 0);
  EXPECT_LT(m.out.yz().re, 0);

  LineCircleMeet l;
  SetLineThrough(&l.line, {0.5, 0}, {0, 1});
  l.Place(0.5, 0.866);
  l.out.dY = -1.7;
  l.out.prevX = 0.5;
  l.out.prevY = 0.866;
  ASSERT_EQ(l.step.Evaluate_MeetCL(), 0);
  EXPECT_GT(l.out.yz().re, 0);
}
