// The drawing of a sheet onto a surface that records the calls: what a vector
// surface gets as whole shapes, the layers' order, and the letters of names.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "core/Recorder.h"
#include "render/Draw.h"
#include "render/Sheet.h"

namespace {

// Records each call as a word: the kind of shape (and the letters of texts).
class RecordingSurface : public GSurface {
 public:
  explicit RecordingSurface(bool raster) : m_Raster(raster) {}
  std::vector<std::string> calls;
  bool Raster() const override { return m_Raster; }
  void Clear(const GRgb&) override { calls.push_back("clear"); }
  void Stroke(const GRgb&, int, GPix, GPix) override { calls.push_back("stroke"); }
  void StrokeChain(const GRgb&, int, const GPixF*, int) override { calls.push_back("chain"); }
  void Polyline(const GRgb&, int, const GPix*, int) override { calls.push_back("polyline"); }
  void Fill(const GRgb&, const GPix* pts, const int* counts, int n) override {
    calls.push_back("fill");
    // The middle of each polygon's box, one list per call.
    fills.emplace_back();
    for (int i = 0; i < n; pts += counts[i++]) {
      GPix lo = pts[0], hi = pts[0];
      for (int j = 1; j < counts[i]; ++j) {
        lo = {std::min(lo.x, pts[j].x), std::min(lo.y, pts[j].y)};
        hi = {std::max(hi.x, pts[j].x), std::max(hi.y, pts[j].y)};
      }
      fills.back().push_back({(lo.x + hi.x) / 2.0, (lo.y + hi.y) / 2.0});
    }
  }
  // With takesPatterns, the middles of the copies a pattern call asks for.
  bool takesPatterns = false;
  std::vector<std::vector<GPixF>> fills, patterns;
  bool PatternAlong(const GPatternLayer& l, GPixF from, double co, double si,
                    double length) override {
    if (!takesPatterns) return false;
    double u, v;
    Middle(l, &u, &v);
    patterns.emplace_back();
    for (int i = 0; i * l.period + u < length; ++i) {
      const double along = i * l.period + u;
      patterns.back().push_back({from.x + co * along - si * v, from.y + si * along + co * v});
    }
    return true;
  }
  bool PatternAround(const GPatternLayer& l, GPixF centre, double r, double start, double step,
                     int count) override {
    if (!takesPatterns) return false;
    double u, v;
    Middle(l, &u, &v);
    patterns.emplace_back();
    for (int i = 0; i < count; ++i) {
      const double a = start + i * step + u / r;
      patterns.back().push_back(
          {centre.x + (r + v) * std::cos(a), centre.y + (r + v) * std::sin(a)});
    }
    return true;
  }
  void Polygon(const GInk&, const GPix*, int) override { calls.push_back("polygon"); }
  void Circle(const GInk&, GPix, int) override { calls.push_back("circle"); }
  void Rectangle(const GInk&, int, int, int, int) override { calls.push_back("rectangle"); }
  void EllipticArc(const GInk&, int, int, int, int, double, double) override {
    calls.push_back("arc");
  }
  void Picture(const GRaster&, int, int) override { calls.push_back("picture"); }
  void TextExtent(const std::string& text, int size, bool, int* w, int* h, int* d) override {
    *w = size * (int)text.size() / 2;
    *h = size;
    *d = size / 4;
  }
  void Text(const std::string& text, int, bool, const GRgb&, int, int) override {
    calls.push_back("text:" + text);
  }

 private:
  static void Middle(const GPatternLayer& l, double* u, double* v) {
    double lu = l.shape[0].x, hu = lu, lv = l.shape[0].y, hv = lv;
    for (int j = 1; j < l.n; ++j) {
      lu = std::min(lu, l.shape[j].x), hu = std::max(hu, l.shape[j].x);
      lv = std::min(lv, l.shape[j].y), hv = std::max(hv, l.shape[j].y);
    }
    *u = (lu + hu) / 2;
    *v = (lv + hv) / 2;
  }
  bool m_Raster;
};

class DrawSheetTest : public ::testing::Test {
 protected:
  RecordingUser user;
  std::unique_ptr<GDocument> doc = std::make_unique<GDocument>(&user);
  GAppearance look;
  GPaint g;

  void SetUp() override {
    for (int i = 0; i < kSlots; ++i) {
      look.point[i].LoadData(16 + i);  // disc points
      look.line[i].SetLnRgn(i);
    }
    look.bg.LoadData(0);
    g.view.scale = 0.01;
    g.view.Update(400, 300);
    g.look = &look;
    g.doc = doc.get();
  }
  std::vector<std::string> Draw(bool raster) {
    RecordingSurface s(raster);
    DrawSheet(s, g, GOverlay());
    return s.calls;
  }
  static int Count(const std::vector<std::string>& calls, const std::string& kind) {
    int n = 0;
    for (const std::string& c : calls) n += c == kind;
    return n;
  }
};

TEST_F(DrawSheetTest, AVectorSurfaceGetsACircleAsOneShapePerStrokeLayer) {
  GCircle* c = doc->NewCircle(0, 0, 1);
  doc->AssignCircle(c);
  const std::vector<std::string> raster = Draw(true), vector = Draw(false);
  int strokes = 0;
  for (int li = 1; li < look.line[0].layers; ++li) strokes += look.line[0].layer[li].n == 2;
  ASSERT_GT(strokes, 0);
  EXPECT_EQ(Count(raster, "circle"), 0);
  EXPECT_EQ(Count(raster, "chain"), strokes);
  EXPECT_EQ(Count(vector, "circle"), strokes);
  EXPECT_EQ(Count(vector, "chain"), 0);
  // The pattern's beads are the same small shapes on both.
  EXPECT_EQ(Count(raster, "fill"), Count(vector, "fill"));

  c->hidden = 1;
  EXPECT_TRUE(Draw(true).empty());
}

TEST_F(DrawSheetTest, ASurfaceTakingThePatternsPutsTheBeadsWhereThePolygonsLie) {
  // A slanting line and a circle of every line family: what a vector surface
  // draws by itself from a pattern call must match the window's beads.
  for (int style : {0, 5, 10, 15}) {
    doc = std::make_unique<GDocument>(&user);
    g.doc = doc.get();
    GLine* l = doc->NewLine(CComplex(0.6, 0), CComplex(1, 0), CComplex(0.2, 0));
    GCircle* c = doc->NewCircle(0.2, -0.1, 0.8);
    l->lineStyle = c->lineStyle = style % kSlots;
    look.line[style % kSlots].SetLnRgn(style);
    doc->AssignLine(l);
    doc->AssignCircle(c);
    RecordingSurface polygons(false), taker(false);
    taker.takesPatterns = true;
    DrawSheet(polygons, g, GOverlay());
    DrawSheet(taker, g, GOverlay());
    ASSERT_EQ(polygons.fills.size(), taker.patterns.size()) << style;
    // The circle's last bead, cut where it ends, is the only polygon left.
    EXPECT_EQ(taker.fills.size(), taker.patterns.size() / 2) << style;
    for (size_t k = 0; k < taker.patterns.size(); ++k) {
      const std::vector<GPixF>& want = polygons.fills[k];
      const std::vector<GPixF>& got = taker.patterns[k];
      // Every bead but a line's last, which the window squeezes into the
      // line's end where the surface cuts it off.
      ASSERT_GE(got.size() + 1, want.size()) << style;
      for (size_t i = 0; i + 1 < want.size(); ++i) {
        EXPECT_NEAR(got[i].x, want[i].x, 1.5) << style << " bead " << i;
        EXPECT_NEAR(got[i].y, want[i].y, 1.5) << style << " bead " << i;
      }
    }
  }
}

TEST_F(DrawSheetTest, PointsLieOverLinesAndTextsOverPointsWithTheirNames) {
  GPoint* p = doc->NewPoint(CComplex(0, 0), CComplex(0, 0));
  doc->AssignPoint(p);
  p->name = std::string("P1");
  GText* t = doc->NewText("two\nlines");
  doc->AssignText(t);
  t->x = 20;
  t->y = 20;
  GLine* l = doc->NewLine(CComplex(0, 0), CComplex(1, 0), CComplex(0, 0));  // x = 0
  doc->AssignLine(l);

  std::vector<std::string> calls = Draw(true);
  auto first = [&](const std::string& kind) {
    for (size_t i = 0; i < calls.size(); ++i)
      if (calls[i] == kind) return (int)i;
    return -1;
  };
  int lastOfLine = -1;
  for (size_t i = 0; i < calls.size(); ++i)
    if (calls[i] == "stroke" || calls[i] == "fill") lastOfLine = (int)i;
  const int disc = first("circle"), name = first("text:P1");
  const int text = first("text:two"), second = first("text:lines");
  ASSERT_EQ(first("stroke") == 0 || first("fill") == 0, true);
  EXPECT_LT(lastOfLine, disc);
  EXPECT_LT(disc, name);
  EXPECT_LT(name, text);
  EXPECT_EQ(second, text + 1);

  // The axes lie under everything.
  g.axis = true;
  calls = Draw(true);
  ASSERT_FALSE(calls.empty());
  EXPECT_EQ(calls[0], "stroke");
  EXPECT_EQ(calls[calls.size() - 1], "text:lines");
}

// The axes' numbers are 1, 2 or 5 times a power of ten apart, the smallest
// step that leaves room between them at the zoom, and written exactly.
TEST(AxisNumbers, TheStepFollowsTheZoom) {
  const struct {
    double pixelsPerUnit;
    long i;
    const char* label;
  } cases[] = {
      {100, 3, "3"},     {20, 2, "10"},     {35, -1, "-2"},       {1000, 3, "0.3"},
      {4000, 7, "0.14"}, {0.5, -2, "-400"}, {1e-4, 1, "1000000"},
  };
  for (const auto& k : cases)
    EXPECT_EQ(AxisLabel(k.pixelsPerUnit, k.i), k.label) << k.pixelsPerUnit << " " << k.i;
}

}  // namespace
