// The recording surface: calls made again give the very pixels the direct
// drawing gives, and in their items' colours the pixels of the item-colour
// surface; the calls whose pixels may be set directly are told apart.
#include <cairo.h>
#include <functional>
#include <gtest/gtest.h>

#include "render/CairoSurface.h"
#include "render/DrawIds.h"
#include "render/DrawRecord.h"

namespace {

constexpr int kW = 200, kH = 150;

// The pixels a drawing leaves on white.
std::vector<uint32_t> Pixels(const std::function<void(GSurface&)>& draw) {
  cairo_surface_t* img = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kW, kH);
  cairo_t* cr = cairo_create(img);
  {
    GCairoSurface s(cr, true);
    s.Clear(GRgb{255, 255, 255});
    draw(s);
  }
  cairo_destroy(cr);
  cairo_surface_flush(img);
  std::vector<uint32_t> px;
  const unsigned char* d = cairo_image_surface_get_data(img);
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x)
      px.push_back(
          reinterpret_cast<const uint32_t*>(d + y * cairo_image_surface_get_stride(img))[x]);
  cairo_surface_destroy(img);
  return px;
}

GRaster Square() {
  GRaster r;
  r.width = r.height = 8;
  r.rgba.assign(8 * 8 * 4, 200);
  for (int i = 3; i < 8 * 8 * 4; i += 8) r.rgba[i] = 0;  // every other pixel see-through
  return r;
}

// Two items: a line with beads, then a point's picture and its name; the
// name is the first call the toolkit's context must draw.
void Items(GSurface& s, GIdSurface* ids, GRecordSurface* rec) {
  static const GRaster pic = Square();
  auto item = [&](uint32_t place) {
    if (ids) ids->SetId(place);
    if (rec) rec->SetItem(place);
  };
  item(3);
  s.Stroke(GRgb{10, 20, 200}, 2, {5, 140}, {190, 10});
  const GPix beads[] = {{40, 40}, {48, 44}, {40, 48}, {100, 100}, {109, 103}, {101, 109}};
  const int counts[] = {3, 3};
  s.Fill(GRgb{200, 20, 10}, beads, counts, 2);
  const GPixF chain[] = {{10.5, 20.2}, {100.7, 120.1}, {190.2, 30.6}};
  s.StrokeChain(GRgb{0, 120, 0}, 3, chain, 3);
  item(9);
  s.Picture(pic, 60, 60);
  s.Text("Ag", 14, false, GRgb{0, 0, 0}, 70, 50);
  s.Circle(GInk::Outline(GRgb{90, 90, 0}, 1), {100, 75}, 30);
}

}  // namespace

TEST(RecordSurface, ReplayDrawsWhatTheItemsDrewAndTheirPlaces) {
  const std::vector<uint32_t> direct = Pixels([](GSurface& s) { Items(s, nullptr, nullptr); });
  const std::vector<uint32_t> places = Pixels([](GSurface& s) {
    GIdSurface ids(s);
    Items(ids, &ids, nullptr);
  });
  size_t count = 0;
  std::vector<bool> directly;
  const std::vector<uint32_t> replayed = Pixels([&](GSurface& s) {
    GRecordSurface rec(s);
    Items(rec, nullptr, &rec);
    count = rec.Count();
    for (size_t i = 0; i < count; ++i) directly.push_back(rec.Direct(i));
    rec.ReplayEach(s, [](size_t, uint32_t) { return true; });
  });
  const std::vector<uint32_t> replayedPlaces = Pixels([&](GSurface& s) {
    GRecordSurface rec(s);
    Items(rec, nullptr, &rec);
    GIdSurface ids(s);
    rec.ReplayEach(ids, [&](size_t, uint32_t item) {
      ids.SetId(item);
      return true;
    });
  });
  EXPECT_EQ(count, 6u);
  // Strokes, chains, fills and pictures; not the name nor the ring.
  EXPECT_EQ(directly, (std::vector<bool>{true, true, true, true, false, false}));
  EXPECT_TRUE(replayed == direct);
  EXPECT_TRUE(replayedPlaces == places);
  EXPECT_FALSE(places == direct);
}
