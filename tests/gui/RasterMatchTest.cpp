// The picture drawn without the toolkit (cairo, as fgf render and Save image
// draw it) against the window's own picture of the same canvas: the test
// documents and the pool-scale sheet, in every theme with its background.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "bench/SheetGenerator.h"
#include "gui/CanvasFixture.h"
#include "render/CairoRender.h"
#include "script/Script.h"

namespace {

std::string DataFile(const std::string& name) {
  const char* dir = std::getenv("FIGURETTA_TEST_DATA");
  std::ifstream in(std::string(dir ? dir : "tests/data") + "/" + name, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class RasterMatchTest : public CanvasTest {
 protected:
  // The share of pixels whose colours differ by at most `tolerance` in each
  // channel.
  double Matching(int tolerance) {
    Render();
    const GRaster drawn = RasterOfFigure(canvas->m_Painter, GOverlay());
    EXPECT_EQ(drawn.width, picture.GetWidth());
    EXPECT_EQ(drawn.height, picture.GetHeight());
    if (drawn.width != picture.GetWidth() || drawn.height != picture.GetHeight()) return 0;
    const unsigned char* rgb = picture.GetData();
    long same = 0;
    const long n = (long)drawn.width * drawn.height;
    for (long i = 0; i < n; ++i) {
      const uint8_t* a = &drawn.rgba[i * 4];
      const unsigned char* b = rgb + i * 3;
      same += std::abs(a[0] - b[0]) <= tolerance && std::abs(a[1] - b[1]) <= tolerance &&
              std::abs(a[2] - b[2]) <= tolerance;
    }
    return (double)same / n;
  }
};

TEST_F(RasterMatchTest, EveryDocumentInEveryThemeMatchesTheWindow) {
  RecordingUser quiet;
  const std::string pool = WriteScript(*GenerateSheet(&quiet));
  const struct {
    const char* name;
    std::string text;
  } docs[] = {{"triangle-circumcircle", DataFile("triangle-circumcircle.fgf")},
              {"midpoint-parallel", DataFile("midpoint-parallel.fgf")},
              {"circle-meets", DataFile("circle-meets.fgf")},
              {"two-sheets", DataFile("two-sheets.fgf")},
              {"curves", DataFile("curves.fgf")},
              {"pool-scale sheet", pool}};
  const GTheme themes[] = {THM_STANDARD, THM_CAT,   THM_STAR,  THM_SKELETON,
                           THM_QUIL,     THM_TOVIK, THM_PASTEL};
  for (const auto& d : docs) {
    ASSERT_FALSE(d.text.empty()) << d.name;
    ASSERT_TRUE(ReadScript(*doc, d.text)) << d.name;
    for (GTheme theme : themes) {
      canvas->m_Painter.SetTheme(theme, 0);
      EXPECT_GE(Matching(8), 0.999) << d.name << " in theme " << ThemeNumber(theme);
    }
  }
}

}  // namespace
