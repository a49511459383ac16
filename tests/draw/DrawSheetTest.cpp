// The drawing of a sheet onto a surface that records the calls: what a vector
// surface gets as whole shapes, the layers' order, and the letters of names.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/Recorder.h"
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
  void Fill(const GRgb&, const GPix*, const int*, int) override { calls.push_back("fill"); }
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

TEST_F(DrawSheetTest, PointsLieOverLinesAndTextsOverPointsWithTheirNames) {
  GPoint* p = doc->NewPoint(CComplex(0, 0), CComplex(0, 0));
  doc->AssignPoint(p);
  p->name = "P1";
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

}  // namespace
