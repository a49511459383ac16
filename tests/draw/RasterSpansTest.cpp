// Shapes set straight into pixels: against cairo's own unsmoothed drawing of
// the same paths they differ only along edges; the non-zero rule fills a
// star's middle; nothing outside the writable rectangle is touched; shapes
// too far out are refused and set nothing.
#include <cairo.h>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "render/RasterSpans.h"

namespace {

constexpr int kW = 120, kH = 90;

struct Picture {
  std::vector<uint32_t> px = std::vector<uint32_t>(kW * kH, 0);
  GSpanTarget Whole() { return GSpanTarget{px.data(), kW, 0, 0, kW, kH}; }
  int Set() const {
    int n = 0;
    for (uint32_t p : px) n += p != 0;
    return n;
  }
};

// The same shape drawn by cairo into a picture of its own.
template <class Path>
Picture ByCairo(Path path, bool stroke, double width) {
  Picture out;
  cairo_surface_t* s = cairo_image_surface_create_for_data(
      reinterpret_cast<unsigned char*>(out.px.data()), CAIRO_FORMAT_RGB24, kW, kH, kW * 4);
  cairo_t* cr = cairo_create(s);
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  cairo_set_source_rgb(cr, 1, 1, 1);
  path(cr);
  if (stroke) {
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
  } else {
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    cairo_fill(cr);
  }
  cairo_destroy(cr);
  cairo_surface_destroy(s);
  for (uint32_t& p : out.px) p = p ? 1 : 0;
  return out;
}

int Differing(const Picture& a, const Picture& b) {
  int n = 0;
  for (size_t i = 0; i < a.px.size(); ++i) n += (a.px[i] != 0) != (b.px[i] != 0);
  return n;
}

struct Stroke {
  const char* what;
  double width;
  std::vector<GPixF> pts;
};

TEST(RasterSpans, StrokesDifferFromCairosOnlyAlongTheirEdges) {
  std::vector<GPixF> arc;
  for (int i = 0; i <= 24; ++i)
    arc.push_back({60 + 35 * std::cos(i * 0.2), 45 + 35 * std::sin(i * 0.2)});
  const Stroke cases[] = {
      {"horizontal, 2 px", 2, {{10, 20}, {110, 20}}},
      {"vertical, odd pen on centres", 1, {{30.5, 5.5}, {30.5, 80.5}}},
      {"steep, 3 px", 3, {{20.5, 5.5}, {50.5, 85.5}}},
      {"shallow, 2 px", 2, {{5, 70}, {115, 55}}},
      {"diagonal, 5 px", 5, {{10, 10}, {100, 80}}},
      {"a dot", 4, {{60, 45}, {60, 45}}},
      {"an arc of short segments", 2, arc},
  };
  for (const Stroke& c : cases) {
    Picture spans;
    ASSERT_TRUE(SpanChain(spans.Whole(), 1u, c.width, c.pts.data(), (int)c.pts.size())) << c.what;
    const Picture cairo = ByCairo(
        [&](cairo_t* cr) {
          cairo_move_to(cr, c.pts[0].x, c.pts[0].y);
          for (const GPixF& p : c.pts) cairo_line_to(cr, p.x, p.y);
        },
        true, c.width);
    // A pixel whose centre lies on the very edge may go either way, a
    // couple of them along a whole stroke.
    EXPECT_GT(spans.Set(), 0) << c.what;
    EXPECT_LE(Differing(spans, cairo), cairo.Set() / 50 + 2) << c.what;
  }
}

TEST(RasterSpans, PolygonsFillByTheNonZeroRuleAsCairoDoes) {
  struct Fill {
    const char* what;
    std::vector<GPix> pts;
    std::vector<int> counts;
  } cases[] = {
      {"a bead", {{10, 10}, {16, 8}, {18, 14}, {11, 15}}, {4}},
      {"a row of tilted beads",
       {{20, 40}, {28, 36}, {31, 42}, {23, 46}, {40, 30}, {48, 26}, {51, 32}, {43, 36}},
       {4, 4}},
      {"a star crossing itself", {{60, 5}, {75, 60}, {30, 25}, {90, 25}, {45, 60}}, {5}},
      {"two overlapping squares",
       {{5, 50}, {35, 50}, {35, 80}, {5, 80}, {20, 60}, {50, 60}, {50, 88}, {20, 88}},
       {4, 4}},
      {"a sliver and a point", {{100, 10}, {101, 80}, {100, 80}, {90, 5}, {90, 5}}, {3, 2}},
  };
  for (const Fill& c : cases) {
    Picture spans;
    ASSERT_TRUE(
        SpanPolygons(spans.Whole(), 1u, c.pts.data(), c.counts.data(), (int)c.counts.size()))
        << c.what;
    const Picture cairo = ByCairo(
        [&](cairo_t* cr) {
          const GPix* p = c.pts.data();
          for (int n : c.counts) {
            cairo_move_to(cr, p[0].x, p[0].y);
            for (int j = 1; j < n; ++j) cairo_line_to(cr, p[j].x, p[j].y);
            cairo_close_path(cr);
            p += n;
          }
        },
        false, 0);
    // Centres on a slanted edge: a few, in a small bead.
    EXPECT_LE(Differing(spans, cairo), cairo.Set() / 10 + 2) << c.what;
  }
  // The star's middle is wound twice: filled.
  Picture star;
  const GPix s[] = {{60, 5}, {75, 60}, {30, 25}, {90, 25}, {45, 60}};
  const int five = 5;
  SpanPolygons(star.Whole(), 1u, s, &five, 1);
  EXPECT_EQ(star.px[35 * kW + 60], 1u);
}

TEST(RasterSpans, KeepWithinTheirRectangleAndRefuseFarShapes) {
  Picture p;
  GSpanTarget t = p.Whole();
  t.x0 = 20, t.y0 = 10, t.x1 = 70, t.y1 = 50;
  const GPixF line[] = {{-500, -300}, {600, 400}};
  const GPixF across[] = {{0, 30}, {kW, 30}};
  const GPix big[] = {{-1000, -1000}, {1000, -1000}, {1000, 1000}, {-1000, 1000}};
  const int four = 4;
  EXPECT_TRUE(SpanChain(t, 7u, 9, line, 2));
  EXPECT_TRUE(SpanChain(t, 7u, 2, across, 2));
  EXPECT_TRUE(SpanPolygons(t, 7u, big, &four, 1));
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) {
      const bool inside = x >= 20 && x < 70 && y >= 10 && y < 50;
      ASSERT_EQ(p.px[y * kW + x], inside ? 7u : 0u) << x << "," << y;
    }

  Picture far;
  const GPixF beyond[] = {{0, 0}, {3e7, 10}};
  const GPixF nan[] = {{0, 0}, {NAN, 10}};
  const GPix huge[] = {{0, 0}, {2000000000, 5}, {0, 10}};
  const int three = 3;
  EXPECT_FALSE(SpanChain(far.Whole(), 7u, 2, beyond, 2));
  EXPECT_FALSE(SpanChain(far.Whole(), 7u, 2, nan, 2));
  EXPECT_FALSE(SpanPolygons(far.Whole(), 7u, huge, &three, 1));
  EXPECT_EQ(far.Set(), 0);
}

}  // namespace
