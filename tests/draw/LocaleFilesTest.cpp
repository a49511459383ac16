// Files do not change with the person's language: the same figure saved,
// exported as CSV and drawn as SVG under a German locale (which writes
// "1,5") gives the very bytes it gives under "C", and reads back the same.
#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

#include "model/Document.h"
#include "render/DrawRender.h"
#include "render/Sheet.h"
#include "script/Script.h"

namespace {

const char kFigure[] =
    "//Sheet 0;\r\n"
    "void SetPtMode(0,0,0,0,0);\nvoid SetLnMode(0,0,0,0,0);\nvoid SetBgMode(0);\n"
    "void SetPointTextColor(0,0,0);\nvoid WindowSize(950,550);\n"
    "point O=Pt(0.000,0.000);\npoint P=Pt(2.500,0.000);\ncircle k=Circle(O,P);\n"
    "point Q=Pt(2.000,1.250);\ncircle m=Circle(Q,O);\n"
    "point X=Meet2Circles(k,m,0.000,0.000,2.000,0.000);\n"
    "point D=PtOnCircle(k,0.500);\nline l=Join(O,D);\n"
    "point E=MeetCircleAndLine(k,l,-1.755,0.000,0.959,0.000);\n"
    "point M=Mid(P,Q);\n";

struct Files {
  std::string script, csv, svg;
};

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream all;
  all << in.rdbuf();
  return all.str();
}

// Every kind of file the program writes from one figure.
Files Write(const std::string& text) {
  GSilentUser quiet;
  GDocument doc(&quiet);
  FigurePainter painter(doc);
  EXPECT_TRUE(LoadTextForRender(text, 400, 300, GTheme::kNone, doc, painter));
  Files f;
  f.script = WriteScript(doc);
  GSheet& sh = doc.Sheet();
  for (GPoint* p = sh.points.head; p; p = p->next) p->hilighted = true;
  for (GLine* l = sh.lines.head; l; l = l->next) l->hilighted = true;
  for (GCircle* c = sh.circles.head; c; c = c->next) c->hilighted = true;
  f.csv = CsvText(doc);
  char name[] = "/tmp/figuretta-locale-XXXXXX";
  const int fd = mkstemp(name);
  EXPECT_GE(fd, 0);
  close(fd);
  std::string why;
  EXPECT_TRUE(WriteSvgOfFigure(painter, GOverlay{}, name, why, false)) << why;
  f.svg = Slurp(name);
  std::filesystem::remove(name);
  return f;
}

class GermanLocale : public ::testing::Test {
 protected:
  std::string saved;
  void SetUp() override {
    saved = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "no de_DE.UTF-8 locale";
    std::setlocale(LC_ALL, "C");
  }
  void TearDown() override { std::setlocale(LC_ALL, saved.c_str()); }
};

}  // namespace

TEST_F(GermanLocale, SavedExportedAndDrawnFilesAreTheSameBytes) {
  const Files c = Write(kFigure);
  ASSERT_NE(c.csv.find("2.500000"), std::string::npos) << c.csv;
  std::setlocale(LC_ALL, "de_DE.UTF-8");
  // The locale really writes a comma: otherwise this test would prove nothing.
  char probe[8];
  std::snprintf(probe, sizeof probe, "%.1f", 1.5);
  ASSERT_STREQ(probe, "1,5");
  const Files de = Write(kFigure);
  EXPECT_EQ(de.script, c.script);
  EXPECT_EQ(de.csv, c.csv);
  EXPECT_EQ(de.svg, c.svg);
  // What the German run saved reads back into the same figure.
  EXPECT_EQ(Write(de.script).script, c.script);
}
