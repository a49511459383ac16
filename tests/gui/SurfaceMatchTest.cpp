// The plain shapes (strokes, chains, polylines, fills, pictures) set the same
// pixels on a picture of pixels through the toolkit's context and through
// cairo alone, so that the window and an exported picture agree exactly.
#include <cairo.h>
#include <functional>
#include <gtest/gtest.h>
#include <wx/graphics.h>

#include "render/CairoSurface.h"
#include "render/PixelPicture.h"
#include "render/WxSurface.h"
#include "ShapeCases.h"

namespace {

constexpr int kW = 400, kH = 300;

std::vector<uint32_t> Read(const GPixelPicture& p) {
  std::vector<uint32_t> px;
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) px.push_back(p.Row(y)[x] & 0xFFFFFF);
  return px;
}

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
  return Read(p);
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
  return Read(p);
}

}  // namespace

TEST(SurfaceMatch, PlainShapesSetTheSamePixelsEitherWay) {
  for (const ShapeCase& c : PlainShapes())
    EXPECT_TRUE(ThroughWx(c.draw) == ThroughCairo(c.draw)) << c.name;
}
