// While a script is read, the checks look only at the elements the copies of
// positions choose; the document read must be the same as when every element
// is looked at (the literal reference), whatever the script holds.
#include <random>

#include "ReaderFixture.h"

namespace {

// A script of points on a small lattice (so that many triples are collinear
// or concyclic by accident), the lines joining them (repeats of an existing
// line are removed again, and their slots handed out anew), midpoints,
// meets, circles, points on circles, and meets of lines with circles they
// may miss (points with imaginary coordinates), parallels meeting at
// infinity; over two sheets.
std::string RandomScript(unsigned seed) {
  std::mt19937 rng(seed);
  auto pick = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
  std::string s;
  char buf[160];
  for (int sheet = 0; sheet < 2; ++sheet) {
    int points = 0, lines = 0, circles = 0;
    s += "//Sheet " + std::to_string(sheet) + ";\n";
    for (int n = 0; n < 120; ++n) {
      const int op = pick(10);
      const int p = points ? pick(points) : 0, q = points ? pick(points) : 0;
      if (points < 4 || op == 0) {
        std::snprintf(buf, sizeof buf, "point P%d=Pt(%d.000,%d.000);\n", points++, pick(7) - 3,
                      pick(5) - 2);
      } else if (op <= 2 && p != q) {
        std::snprintf(buf, sizeof buf, "line l%d=Join(P%d,P%d);\n", lines++, p, q);
      } else if (op == 3 && p != q) {
        std::snprintf(buf, sizeof buf, "point P%d=Mid(P%d,P%d);\n", points++, p, q);
      } else if (op == 4 && lines >= 2) {
        const int a = pick(lines), b = pick(lines);
        if (a == b) continue;
        std::snprintf(buf, sizeof buf, "point P%d=Meet(l%d,l%d);\n", points++, a, b);
      } else if (op == 5 && p != q) {
        std::snprintf(buf, sizeof buf, "circle k%d=Circle(P%d,P%d);\n", circles++, p, q);
      } else if (op == 6 && circles) {
        std::snprintf(buf, sizeof buf, "point P%d=PtOnCircle(k%d,%.3f);\n", points++, pick(circles),
                      pick(628) / 100.0);
      } else if (op == 7 && circles && lines) {
        std::snprintf(buf, sizeof buf,
                      "point P%d=MeetCircleAndLine(k%d,l%d,%d.000,0.000,0.000,0.000);\n", points++,
                      pick(circles), pick(lines), pick(7) - 3);
      } else if (op == 8 && lines) {
        const int base = pick(lines);
        std::snprintf(buf, sizeof buf, "line l%d=Parallel(l%d,P%d);\n", lines++, base, p);
      } else if (op == 9 && lines) {
        // A parallel and its meet with the base: a point at infinity, which
        // every later parallel to the base passes through.
        const int base = pick(lines);
        std::snprintf(buf, sizeof buf, "line l%d=Parallel(l%d,P%d);\npoint P%d=Meet(l%d,l%d);\n",
                      lines, base, p, points, base, lines);
        ++lines;
        ++points;
      } else {
        continue;
      }
      s += buf;
    }
  }
  return s;
}

// Every line and circle of both sheets with the names of the points
// recorded on it, in order; and the messages.
std::string Relations(GDocument& doc, RecordingUser& user) {
  std::string out;
  for (int sheet = 0; sheet < 2; ++sheet) {
    for (GLine* l = doc.Sheets().Slot(sheet).lines.head; l; l = l->next) {
      out += "\n" + l->name + ":";
      for (GIncident* r = l->ics.head; r; r = r->next) out += " " + r->point->name;
    }
    for (GCircle* c = doc.Sheets().Slot(sheet).circles.head; c; c = c->next) {
      out += "\n" + c->name + ":";
      for (GIncident* r = c->ics.head; r; r = r->next) out += " " + r->point->name;
    }
  }
  for (auto& m : user.messages) out += "\n" + m.text;
  return out;
}

class ShadowTest : public ReaderTest {
 protected:
  // The script without the statements the reader refuses (those naming an
  // element an earlier statement did not make, being a repeat of another).
  std::string Readable(std::string script) {
    for (int tries = 0; tries < 200; ++tries) {
      doc = std::make_unique<GDocument>(&user);
      if (Read(script)) return script;
      int line = 0;
      if (std::sscanf(LastMessage().c_str(), "line %d", &line) != 1 || line < 1) break;
      size_t at = 0;
      for (int i = 1; i < line && at != std::string::npos; ++i) at = script.find('\n', at) + 1;
      script.erase(at, script.find('\n', at) - at + 1);
    }
    ADD_FAILURE() << LastMessage() << "\n" << script;
    return std::string();
  }
};

TEST_F(ShadowTest, ChosenCandidatesFindWhatLookingAtEveryElementFinds) {
  int recorded = 0;
  for (unsigned seed = 1; seed <= 12; ++seed) {
    const std::string script = Readable(RandomScript(seed));
    std::string found[2];
    for (int literal = 0; literal < 2; ++literal) {
      doc = std::make_unique<GDocument>(&user);
      user.messages.clear();
      doc->Relations().SetLiteralWalk(literal);
      ASSERT_TRUE(Read(script)) << LastMessage();
      found[literal] = Relations(*doc, user);
    }
    EXPECT_EQ(found[0], found[1]) << "seed " << seed << "\n" << script;
    for (char ch : found[0]) recorded += ch == ' ';
  }
  // The scripts hold enough relations for the comparison to mean something.
  EXPECT_GT(recorded, 1000);
}

}  // namespace
