// Writing an SVG document on the plain SVG surface: the shapes of a figure of
// 300 patterned lines, 150 circles and 300 named points, as the painter
// sends them (each line's pattern one fill of 60 small quads, the points one
// picture used 300 times).
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <vector>

#include "render/SvgSurface.h"

namespace {

struct Figure {
  std::vector<GPix> quads;  // 300 lines x 60 quads x 4 corners
  std::vector<int> counts;  // 60 fours
  std::vector<std::string> names;
  GRaster dot;
  Figure() {
    for (int line = 0; line < 300; ++line) {
      const double a = line * 0.37, ux = std::cos(a), uy = std::sin(a);
      const double x0 = 600 + 13 * (line % 37) - 240, y0 = 450 + 11 * (line % 29) - 160;
      // Dashes 6 pixels long, 3 wide, 10 apart along the line.
      for (int q = 0; q < 60; ++q) {
        const double s = (q - 30) * 10.0;
        const double ax = x0 + ux * s, ay = y0 + uy * s;
        quads.push_back({(int)std::lround(ax - uy * 1.5), (int)std::lround(ay + ux * 1.5)});
        quads.push_back(
            {(int)std::lround(ax + ux * 6 - uy * 1.5), (int)std::lround(ay + uy * 6 + ux * 1.5)});
        quads.push_back(
            {(int)std::lround(ax + ux * 6 + uy * 1.5), (int)std::lround(ay + uy * 6 - ux * 1.5)});
        quads.push_back({(int)std::lround(ax + uy * 1.5), (int)std::lround(ay - ux * 1.5)});
      }
    }
    counts.assign(60, 4);
    for (int i = 0; i < 300; ++i) names.push_back(std::string(1, 'P').append(std::to_string(i)));
    dot.width = dot.height = 9;
    dot.rgba.resize(9 * 9 * 4);
    for (int y = 0; y < 9; ++y)
      for (int x = 0; x < 9; ++x) {
        uint8_t* px = &dot.rgba[(y * 9 + x) * 4];
        const bool in = (x - 4) * (x - 4) + (y - 4) * (y - 4) <= 16;
        px[0] = 200, px[1] = 30, px[2] = 30, px[3] = in ? 255 : 0;
      }
  }
};

void BM_SvgSurfaceFigure(benchmark::State& state) {
  const Figure f;
  size_t bytes = 0;
  for (auto _ : state) {
    GSvgSurface s(1200, 900);
    s.Clear({255, 255, 240});
    for (int line = 0; line < 300; ++line)
      s.Fill({20, 60, 160}, &f.quads[line * 240], f.counts.data(), 60);
    for (int c = 0; c < 150; ++c)
      s.Circle(GInk::Outline({0, 120, 0}, 1), {100 + 7 * c, 80 + 5 * c}, 20 + c);
    for (int i = 0; i < 300; ++i) {
      const int x = 50 + (i * 37) % 1100, y = 40 + (i * 53) % 820;
      s.Picture(f.dot, x - 4, y - 4);
      int w = 0, h = 0, d = 0;
      s.TextExtent(f.names[i], 12, false, &w, &h, &d);
      s.Text(f.names[i], 12, false, {0, 0, 0}, x + 6, y - h);
    }
    const std::string doc = s.TakeDocument();
    bytes = doc.size();
    benchmark::DoNotOptimize(doc.data());
  }
  state.counters["bytes"] = (double)bytes;
}
BENCHMARK(BM_SvgSurfaceFigure)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
