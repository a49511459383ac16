// The tiles the marker notes hold every pixel a shape really sets, and the
// item-colour surface sets exactly those pixels, in its one colour: what the
// still picture's choice of the item on top at each pixel stands on.
#include <cairo.h>
#include <functional>
#include <gtest/gtest.h>
#include <set>

#include "render/CairoSurface.h"
#include "render/DrawIds.h"
#include "render/DrawTiles.h"
#include "ShapeCases.h"

namespace {

constexpr int kW = 400, kH = 300;

// The pixels (as y * kW + x) a drawing sets on white, drawn through `wrap`.
std::set<int> Drawn(const std::function<void(GSurface&)>& draw, bool ids,
                    std::set<uint32_t>* colours = nullptr) {
  cairo_surface_t* img = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kW, kH);
  cairo_t* cr = cairo_create(img);
  std::set<int> set;
  {
    GCairoSurface s(cr, true);
    s.Clear(GRgb{255, 255, 255});
    GIdSurface id(s);
    id.SetId(0x123456);
    if (ids)
      draw(id);
    else
      draw(s);
  }
  cairo_surface_flush(img);
  const unsigned char* d = cairo_image_surface_get_data(img);
  const int stride = cairo_image_surface_get_stride(img);
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) {
      const uint32_t px = reinterpret_cast<const uint32_t*>(d + y * stride)[x] & 0xFFFFFF;
      if (px == 0xFFFFFF) continue;
      set.insert(y * kW + x);
      if (colours) colours->insert(px);
    }
  cairo_destroy(cr);
  cairo_surface_destroy(img);
  return set;
}

// The plain shapes and the others: outlines, discs, rings, arcs, letters.
std::vector<ShapeCase> Shapes() {
  const GRgb kInk = kShapeInk;
  std::vector<ShapeCase> all = PlainShapes();
  const std::vector<ShapeCase> more = {
      {"large outline",
       [kInk](GSurface& s) {
         const GPix p[] = {{20, 20}, {380, 40}, {200, 280}};
         s.Polygon(GInk::Outline(kInk, 2), p, 3);
       }},
      {"disc",
       [kInk](GSurface& s) {
         s.Circle(GInk::Filled(kInk), {150, 150}, 9);
       }},
      {"ring",
       [kInk](GSurface& s) {
         s.Circle(GInk::Outline(kInk, 3), {200, 150}, 140);
       }},
      {"ring of a far centre",
       [kInk](GSurface& s) {
         s.Circle(GInk::Outline(kInk, 2), {200, -4850}, 5000);
       }},
      {"arc",
       [kInk](GSurface& s) { s.EllipticArc(GInk::Outline(kInk, 2), 50, 30, 240, 240, 10, 130); }},
      {"rectangle", [kInk](GSurface& s) { s.Rectangle(GInk::Outline(kInk, 1), 30, 60, 300, 200); }},
      {"letters", [kInk](GSurface& s) { s.Text("Hgjy ÅQ", 18, false, kInk, 120, 130); }},
  };
  all.insert(all.end(), more.begin(), more.end());
  return all;
}

}  // namespace

TEST(TileMarker, TilesHoldEveryPixelAndTheItemColourSetsTheSamePixels) {
  for (const ShapeCase& c : Shapes()) {
    SCOPED_TRACE(c.name);
    const std::set<int> drawn = Drawn(c.draw, false);
    ASSERT_FALSE(drawn.empty());
    std::set<uint32_t> colours;
    EXPECT_EQ(Drawn(c.draw, true, &colours), drawn);
    EXPECT_EQ(colours, std::set<uint32_t>{0x123456});

    cairo_surface_t* img = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1, 1);
    cairo_t* cr = cairo_create(img);
    GCairoSurface measure(cr, true);
    GTileMarker marker(kW, kH, &measure);
    c.draw(marker);
    const std::vector<int> tiles = marker.Take();
    const std::set<int> noted(tiles.begin(), tiles.end());
    int missed = 0;
    for (int p : drawn) {
      const int tile = p / kW / GTileMarker::kTile * marker.Columns() + p % kW / GTileMarker::kTile;
      missed += !noted.count(tile);
    }
    EXPECT_EQ(missed, 0);
    cairo_destroy(cr);
    cairo_surface_destroy(img);
  }
}

TEST(TileMarker, APictureBlendsOnlyWithPixelsNeitherOpaqueNorSeeThrough) {
  EXPECT_FALSE(Blends(ShapeSquare(0)));
  EXPECT_FALSE(Blends(ShapeSquare(255)));
  EXPECT_TRUE(Blends(ShapeSquare(128)));
}
