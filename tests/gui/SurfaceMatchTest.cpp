// The shapes a frame's moving items hand to another thread for their places
// (strokes, chains, polylines, fills, pictures) set the same pixels on a
// picture of pixels through the toolkit's context and through cairo alone.
#include <cairo.h>
#include <functional>
#include <gtest/gtest.h>
#include <wx/graphics.h>

#include "render/CairoSurface.h"
#include "render/PixelPicture.h"
#include "render/WxSurface.h"

namespace {

constexpr int kW = 400, kH = 300;
const GRgb kInk{200, 30, 40};

std::vector<uint32_t> ThroughWx(const std::function<void(GSurface&)>& draw) {
  GPixelPicture p;
  EXPECT_TRUE(p.Ensure(kW, kH));
  p.Set(0xFFFFFF, kH);
  {
    GPixelDc dc(p);
    dc.Dc().GetGraphicsContext()->SetAntialiasMode(wxANTIALIAS_NONE);
    GWxSurface s(dc.Dc());
    draw(s);
  }
  std::vector<uint32_t> px;
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) px.push_back(p.Row(y)[x] & 0xFFFFFF);
  return px;
}

std::vector<uint32_t> ThroughCairo(const std::function<void(GSurface&)>& draw) {
  GPixelPicture p;
  EXPECT_TRUE(p.Ensure(kW, kH));
  p.Set(0xFFFFFF, kH);
  cairo_t* cr = cairo_create(p.Surface());
  {
    GCairoSurface s(cr, true);
    draw(s);
  }
  cairo_destroy(cr);
  p.Flush();
  std::vector<uint32_t> px;
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) px.push_back(p.Row(y)[x] & 0xFFFFFF);
  return px;
}

GRaster Square() {
  GRaster r;
  r.width = r.height = 12;
  r.rgba.assign(12 * 12 * 4, 90);
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 12; ++x) r.rgba[(y * 12 + x) * 4 + 3] = (x > 3 && x < 8) ? 0 : 255;
  return r;
}

}  // namespace

TEST(SurfaceMatch, PlainShapesSetTheSamePixelsEitherWay) {
  static const GRaster pic = Square();
  const std::pair<const char*, std::function<void(GSurface&)>> cases[] = {
      {"stroke 1",
       [](GSurface& s) {
         s.Stroke(kInk, 1, {-20, 310}, {395, 7});
       }},
      {"stroke 2",
       [](GSurface& s) {
         s.Stroke(kInk, 2, {-20, 310}, {395, 7});
       }},
      {"stroke 3",
       [](GSurface& s) {
         s.Stroke(kInk, 3, {10, 10}, {390, 290});
       }},
      {"far stroke",
       [](GSurface& s) {
         s.Stroke(kInk, 3, {-1000000, -749850}, {1000000, 750150});
       }},
      {"chain 1",
       [](GSurface& s) {
         const GPixF p[] = {{10.5, 20.2}, {200.7, 250.1}, {390.2, 30.6}};
         s.StrokeChain(kInk, 1, p, 3);
       }},
      {"chain 4",
       [](GSurface& s) {
         const GPixF p[] = {{10.5, 20.2}, {200.7, 250.1}, {390.2, 30.6}};
         s.StrokeChain(kInk, 4, p, 3);
       }},
      {"polyline",
       [](GSurface& s) {
         const GPix p[] = {{5, 5}, {5, 290}, {300, 150}};
         s.Polyline(kInk, 2, p, 3);
       }},
      {"beads",
       [](GSurface& s) {
         const GPix p[] = {{40, 40}, {48, 44}, {40, 48}, {100, 200}, {109, 203}, {101, 209}};
         const int counts[] = {3, 3};
         s.Fill(kInk, p, counts, 2);
       }},
      {"picture", [](GSurface& s) { s.Picture(pic, 77, 91); }},
  };
  for (const auto& [name, draw] : cases) {
    const std::vector<uint32_t> a = ThroughWx(draw), b = ThroughCairo(draw);
    EXPECT_TRUE(a == b) << name;
  }
}
