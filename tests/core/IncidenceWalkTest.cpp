// The quick walk (moving only the free points two elements depend on) decides
// every relation exactly as the full walk does (moving every free point and
// evaluating the whole list), on many randomly built figures, and both leave
// the figure untouched.
#include <random>

#include "FigureFixture.h"

namespace {

class IncidenceWalk : public FigureTest {
 protected:
  std::vector<GPoint*> points;
  std::vector<GLine*> lines;
  std::vector<GCircle*> circles;

  // A figure of free points and the constructions built on them, with many
  // relations that hold by construction (midpoints on joins, meets, points on
  // circles, circles through midpoints, tangents) and some repeated steps.
  void Build(unsigned seed) {
    points.clear();
    lines.clear();
    circles.clear();
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> coord(-4, 4), angle(-3, 3);
    auto pick = [&rng](auto& v) {
      return v[std::uniform_int_distribution<size_t>(0, v.size() - 1)(rng)];
    };
    for (int i = 0; i < 5; ++i) points.push_back(Free(coord(rng), coord(rng), "F"));
    for (int n = 0; n < 45; ++n) {
      const int op = std::uniform_int_distribution<int>(0, 13)(rng);
      GPoint* p = pick(points);
      GPoint* q = pick(points);
      if (op == 0) {
        points.push_back(Free(coord(rng), coord(rng), "F"));
      } else if (op <= 2 && p != q) {
        lines.push_back(Join(p, q));
      } else if (op == 3 && p != q) {
        points.push_back(Mid(p, q, "M"));
      } else if (op == 4 && lines.size() >= 2) {
        GLine* l = pick(lines);
        GLine* m = pick(lines);
        if (l != m) points.push_back(Meet(l, m, "X"));
      } else if (op == 5 && p != q) {
        circles.push_back(Circle(p, q, "C"));
      } else if (op == 6 && p != q) {
        // The circle on pq as diameter passes through both ends.
        points.push_back(Mid(p, q, "M"));
        circles.push_back(Circle(points.back(), p, "D"));
      } else if ((op == 7 || op == 8) && !lines.empty()) {
        lines.push_back(LineStep(op == 7 ? CONST_PARALLEL : CONST_PERP, pick(lines), p));
      } else if (op == 9 && !circles.empty()) {
        points.push_back(OnCircle(pick(circles), angle(rng), "O"));
      } else if (op == 10 && !circles.empty() && !lines.empty()) {
        points.push_back(MeetNear(CONST_MEET_CL, pick(lines), pick(circles), nullptr, coord(rng),
                                  coord(rng), "K"));
      } else if (op == 11 && circles.size() >= 2) {
        GCircle* c = pick(circles);
        GCircle* d = pick(circles);
        if (c != d)
          points.push_back(MeetNear(CONST_MEET_CC, nullptr, c, d, coord(rng), coord(rng), "K"));
      } else if (op == 12 && !circles.empty()) {
        GCircle* c = pick(circles);
        GConst* k = doc->NewConst(CONST_TANGENT);
        k->CInput1 = c;
        k->PInput1 = c->ics.head ? c->ics.head->point : p;
        k->LOutput = doc->NewLine(CComplex(1, 0), CComplex(0, 0), CComplex(0, 0));
        doc->AssignLine(k->LOutput);
        lines.push_back(k->LOutput);
      } else if (op == 13 && p != q) {
        points.push_back(Mid(q, p, "N"));  // often a repeat of an earlier midpoint
      }
      Evaluate();
    }
  }

  // Every relation the checks ask about, between all elements of the figure.
  std::vector<bool> Outcomes() {
    std::vector<bool> r;
    GConst* head = doc->FirstConst();
    for (GPoint* p : points) {
      for (GLine* l : lines) r.push_back(doc->Relations().incident_LP_global(head, l, p));
      for (GCircle* c : circles) r.push_back(doc->Relations().incident_CP_global(head, c, p));
      for (GPoint* q : points) r.push_back(doc->Relations().point_coincide_global(head, q, p));
    }
    for (GLine* l : lines) {
      for (GCircle* c : circles) r.push_back(doc->Relations().tangent_CL_global(head, c, l));
      for (GLine* m : lines) r.push_back(doc->Relations().line_coincide_global(head, m, l));
    }
    for (GCircle* c : circles)
      for (GCircle* d : circles) {
        r.push_back(doc->Relations().tangent_CC_global(head, c, d));
        r.push_back(doc->Relations().circle_coincide_global(head, c, d));
      }
    return r;
  }
};

}  // namespace

TEST_F(IncidenceWalk, QuickWalkDecidesEveryRelationAsTheFullWalkOnRandomFigures) {
  int holding = 0, total = 0;
  for (unsigned seed = 1; seed <= 40; ++seed) {
    doc = std::make_unique<GDocument>(&user);
    Build(seed);
    const std::vector<unsigned char> before = State();
    doc->Relations().SetLiteralWalk(true);
    const std::vector<bool> full = Outcomes();
    EXPECT_TRUE(State() == before) << "seed " << seed;
    doc->Relations().SetLiteralWalk(false);
    const std::vector<bool> quick = Outcomes();
    EXPECT_TRUE(State() == before) << "seed " << seed;
    ASSERT_EQ(full.size(), quick.size());
    for (size_t i = 0; i < full.size(); ++i) {
      EXPECT_EQ(full[i], quick[i]) << "seed " << seed << " relation " << i;
      holding += full[i];
    }
    total += static_cast<int>(full.size());
  }
  // The figures hold enough relations for the comparison to mean something.
  EXPECT_GT(holding, 200);
  EXPECT_GT(total, 20000);
}

// A drag evaluates only the steps the dragged point drives; every element
// lands where evaluating the whole list after each motion puts it (which the
// literal walk's switch asks for), on the same random figures.
TEST_F(IncidenceWalk, DragsMoveTheFigureAsEvaluatingTheWholeListDoes) {
  auto positions = [this] {
    std::vector<double> v;
    for (GPoint* p = doc->Sheet().points.head; p; p = p->next)
      for (const CComplex& z : {p->x, p->y, p->z}) v.insert(v.end(), {z.re, z.im});
    for (GLine* l = doc->Sheet().lines.head; l; l = l->next)
      for (const CComplex& z : {l->a, l->b, l->c}) v.insert(v.end(), {z.re, z.im});
    for (GCircle* c = doc->Sheet().circles.head; c; c = c->next)
      for (const CComplex& z : {c->cx, c->cy, c->r2}) v.insert(v.end(), {z.re, z.im});
    return v;
  };
  int moved = 0;
  for (unsigned seed = 1; seed <= 40; ++seed) {
    std::vector<std::vector<double>> seen[2];
    for (int literal : {1, 0}) {
      doc = std::make_unique<GDocument>(&user);
      Build(seed);
      doc->Relations().SetLiteralWalk(literal != 0);
      GGesture drag(*doc);
      std::mt19937 rng(seed);
      std::uniform_real_distribution<double> step(-0.7, 0.7);
      for (GPoint* p : points) {
        if (!doc->CanMovePoint(p) || !drag.BeginDrag(p, false)) continue;
        const double x = p->xz().re, y = p->yz().re;
        for (int i = 1; i <= 4; ++i) {
          drag.DragTo(x + i * step(rng), y + i * step(rng));
          seen[literal].push_back(positions());
        }
        drag.EndDrag(false);
      }
    }
    ASSERT_EQ(seen[0].size(), seen[1].size()) << "seed " << seed;
    for (size_t i = 0; i < seen[0].size(); ++i) {
      // Exactly the same numbers (NaN for both where a meet went away).
      const bool same = seen[0][i].size() == seen[1][i].size() &&
                        std::memcmp(seen[0][i].data(), seen[1][i].data(),
                                    seen[0][i].size() * sizeof(double)) == 0;
      EXPECT_TRUE(same) << "seed " << seed << " motion " << i;
      moved += i > 0 && seen[0][i] != seen[0][i - 1];
    }
  }
  EXPECT_GT(moved, 300);
}

TEST_F(IncidenceWalk, ChecksRecordAndAnnounceTheSameWithEitherWalk) {
  for (unsigned seed = 100; seed < 110; ++seed) {
    std::vector<std::string> texts[2];
    std::vector<int> counts[2];
    std::vector<unsigned char> states[2];
    for (int literal = 0; literal < 2; ++literal) {
      doc = std::make_unique<GDocument>(&user);
      user.messages.clear();
      Build(seed);
      doc->Relations().SetLiteralWalk(literal);
      for (GPoint* p : points) doc->Relations().CheckIncidency(p, true);
      for (GLine* l : lines) doc->Relations().CheckIncidency(l, true);
      for (GCircle* c : circles) doc->Relations().CheckIncidency(c, true);
      for (auto& m : user.messages) texts[literal].push_back(m.text);
      for (GLine* l : lines) counts[literal].push_back(l->icCount);
      for (GCircle* c : circles) counts[literal].push_back(c->icCount);
      states[literal] = State();
    }
    EXPECT_EQ(texts[0], texts[1]) << "seed " << seed;
    EXPECT_EQ(counts[0], counts[1]) << "seed " << seed;
    EXPECT_TRUE(states[0] == states[1]) << "seed " << seed;
  }
}

TEST_F(IncidenceWalk, QuickWalkKeepsUpWithStepsUndoneAndSlotsReused) {
  // The quick walk keeps its record of the steps from one check to the next.
  // Steps are added, undone, and their slots taken by other steps; after
  // every change it must still decide every relation as the full walk does.
  for (unsigned seed = 1; seed <= 6; ++seed) {
    doc = std::make_unique<GDocument>(&user);
    points.clear();
    lines.clear();
    circles.clear();
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> coord(-4, 4);
    for (int i = 0; i < 4; ++i) points.push_back(Free(coord(rng), coord(rng), "F"));
    std::vector<int> made;  // which list each step added to: 0 points, 1 lines, 2 circles
    for (int n = 0; n < 30; ++n) {
      const int op = std::uniform_int_distribution<int>(0, 3)(rng);
      GPoint* p = points[rng() % points.size()];
      GPoint* q = points[rng() % points.size()];
      if (op == 0 && !made.empty()) {
        ASSERT_TRUE(doc->OnUndo());
        const int list = made.back();
        made.pop_back();
        if (list == 0) points.pop_back();
        if (list == 1) lines.pop_back();
        if (list == 2) circles.pop_back();
      } else if (op == 1 && p != q) {
        lines.push_back(Join(p, q));
        made.push_back(1);
      } else if (op == 2 && p != q) {
        points.push_back(Mid(p, q, "M"));
        made.push_back(0);
      } else if (op == 3 && p != q) {
        circles.push_back(Circle(p, q, "C"));
        made.push_back(2);
      }
      Evaluate();
      doc->Relations().SetLiteralWalk(true);
      const std::vector<bool> full = Outcomes();
      doc->Relations().SetLiteralWalk(false);
      EXPECT_EQ(Outcomes(), full) << "seed " << seed << " step " << n;
    }
  }
}
