// An SVG written by "fgf render" against the cairo surface's drawing of the
// same figure, each under the same fontconfig setup (the system's own, or a
// private file that makes "Sans" another family): the texts name the family
// "Sans" resolves to, and sit where the cairo surface puts them, so that
// centred lines of several widths show the widths agree. fontconfig is read
// once per process: each setup draws in processes of its own, this program
// run again as the cairo side.
#include <gtest/gtest.h>

#include <cairo.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "FileText.h"
#include "model/User.h"
#include "render/CairoSurface.h"
#include "render/CairoText.h"
#include "render/DrawRender.h"
#include "render/Sheet.h"

namespace fs = std::filesystem;

namespace {

// A text as a surface is asked to draw it: the corner of its box, its base
// line below that corner and its width.
struct DrawnText {
  std::string text;
  int x = 0, y = 0, ascent = 0, width = 0, size = 0;
};

class RecordingSurface : public GCairoSurface {
 public:
  RecordingSurface(cairo_t* cr, std::vector<DrawnText>& texts)
      : GCairoSurface(cr, true), m_Texts(texts) {}
  void Text(const std::string& text, int size, bool bold, const GRgb& c, int x, int y) override {
    const GLetterBox box = CairoTextBox(text, size, bold);
    m_Texts.push_back({text, x, y, box.ascent, box.width, size});
    GCairoSurface::Text(text, size, bold, c, x, y);
  }

 private:
  std::vector<DrawnText>& m_Texts;
};

// The cairo side, run as "--cairo-texts FILE": the family of the letters on
// the first line, then one line per text drawn.
int PrintCairoTexts(const char* file) {
  GRenderRequest r;
  r.file = file;
  r.out = "unused.png";
  GSilentUser user;
  auto doc = std::make_unique<GDocument>(&user);
  FigurePainter p(*doc);
  std::string error;
  if (!LoadForRender(r, *doc, p, error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  std::vector<DrawnText> texts;
  cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, p.m_Width, p.m_Height);
  cairo_t* cr = cairo_create(image);
  {
    RecordingSurface s(cr, texts);
    DrawBackground(s, p);
    DrawSheet(s, p.Paint(GOverlay()), GOverlay());
  }
  cairo_destroy(cr);
  cairo_surface_destroy(image);
  std::printf("%s\n", CairoSansFamily().c_str());
  for (const DrawnText& t : texts)
    std::printf("%d %d %d %d %d %s\n", t.x, t.y, t.ascent, t.width, t.size, t.text.c_str());
  return 0;
}

// Standard output of a shell command line.
std::string OutputOf(const std::string& command) {
  std::string out;
  FILE* f = popen(command.c_str(), "r");
  if (!f) return out;
  char buf[4096];
  for (size_t n; (n = fread(buf, 1, sizeof buf, f)) > 0;) out.append(buf, n);
  pclose(f);
  return out;
}

std::string Quoted(const std::string& s) { return "'" + s + "'"; }

std::string SelfPath() { return fs::read_symlink("/proc/self/exe").string(); }

// A fontconfig file that keeps the system's setup and puts `family` first
// wherever "Sans" or "sans-serif" is asked for.
std::string AliasConfig(const std::string& family) {
  std::string c =
      "<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n<fontconfig>\n"
      "  <include ignore_missing=\"yes\">/etc/fonts/fonts.conf</include>\n";
  for (const char* generic : {"Sans", "sans-serif"})
    c.append("  <match target=\"pattern\"><test qual=\"any\" name=\"family\"><string>")
        .append(generic)
        .append(
            "</string></test><edit name=\"family\" mode=\"prepend_first\" "
            "binding=\"strong\"><string>")
        .append(family)
        .append("</string></edit></match>\n");
  return c + "</fontconfig>\n";
}

struct SvgText {
  int x, y;
  std::string family, text;
};

std::vector<SvgText> TextsOf(const std::string& svg) {
  static const std::regex text(
      "<text x=\"(-?[0-9]+)\" y=\"(-?[0-9]+)\" font-family=\"([^\"]*)\"[^>]*>([^<]*)</text>");
  std::vector<SvgText> out;
  for (std::sregex_iterator it(svg.begin(), svg.end(), text), end; it != end; ++it)
    out.push_back({std::stoi((*it)[1]), std::stoi((*it)[2]), (*it)[3], (*it)[4]});
  return out;
}

std::vector<DrawnText> ParseCairoTexts(const std::string& out, std::string* family) {
  std::istringstream in(out);
  std::getline(in, *family);
  std::vector<DrawnText> texts;
  for (std::string line; std::getline(in, line);) {
    DrawnText t;
    std::istringstream l(line);
    l >> t.x >> t.y >> t.ascent >> t.width >> t.size;
    l.get();
    std::getline(l, t.text);
    texts.push_back(t);
  }
  return texts;
}

// Centred lines of different widths (each placed by the widths of all),
// letters that kern (AV, Wa, We), and the points' names.
const char kFigure[] =
    "//Sheet 0;\n"
    "void WindowSize(950,550);\n"
    "point A=Pt(0.000,0.000);\n"
    "point B=Pt(3.000,1.000);\n"
    "text T1=Text(The widest line of all\\nAVATAR Wolf\\nfly,60.000,60.000,18.000,0,0,0,center);\n"
    "text T2=Text(Tower WAVE 1/2,300.000,320.000,30.000,0,0,0,center);\n";

struct FontSetup {
  const char* name;
  const char* family;  // put first for "Sans"; empty for the system's own setup
};

class SvgFont : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/svgfont-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    m_Dir = pattern;
    std::ofstream(m_Dir / "figure.fgf") << kFigure;
  }
  void TearDown() override { fs::remove_all(m_Dir); }
  fs::path m_Dir;
};

}  // namespace

TEST_F(SvgFont, TextsTakeTheFamilyAndTheRoomOfTheCairoSurface) {
  const FontSetup setups[] = {
      {"the system's setup", ""},
      {"Sans made a serif family", "DejaVu Serif"},
      {"Sans made a Japanese family", "IPAGothic"},
  };
  for (const FontSetup& setup : setups) {
    SCOPED_TRACE(setup.name);
    std::string env;
    if (*setup.family) {
      if (OutputOf("fc-list " + Quoted(setup.family) + " family").empty()) {
        std::printf("%s is not installed: setup skipped\n", setup.family);
        continue;
      }
      const fs::path conf = m_Dir / (std::string(setup.family) + ".conf");
      std::ofstream(conf) << AliasConfig(setup.family);
      env = "FONTCONFIG_FILE=" + Quoted(conf.string()) + " ";
    }
    const fs::path figure = m_Dir / "figure.fgf", svg = m_Dir / "figure.svg";
    fs::remove(svg);
    OutputOf(env + Quoted(FGF_PROGRAM) + " render " + Quoted(figure.string()) + " " +
             Quoted(svg.string()));
    std::string family;
    const std::vector<DrawnText> want = ParseCairoTexts(
        OutputOf(env + Quoted(SelfPath()) + " --cairo-texts " + Quoted(figure.string())), &family);
    if (*setup.family) {
      EXPECT_EQ(family, setup.family);
    } else {
      // What fontconfig itself gives for "Sans".
      EXPECT_EQ(family, OutputOf("fc-match -f '%{family[0]}' Sans"));
    }
    const std::vector<SvgText> got = TextsOf(FileText(svg));
    ASSERT_EQ(got.size(), want.size());
    ASSERT_GE(got.size(), 6u);  // four lines of text and two names
    bool differs = false;
    for (size_t i = 0; i < got.size(); ++i) {
      SCOPED_TRACE(want[i].text);
      EXPECT_EQ(got[i].text, want[i].text);
      EXPECT_EQ(got[i].family, SvgFamilyList(family));
      EXPECT_NEAR(got[i].x, want[i].x, 1);
      EXPECT_NEAR(got[i].y, want[i].y + want[i].ascent, 1);
      differs = differs || std::abs(MeasureLetters(want[i].text, want[i].size, false).width -
                                    want[i].width) > 1;
    }
    // The built-in widths would have placed the texts elsewhere: the figure
    // tells the measures apart.
    if (*setup.family) {
      EXPECT_TRUE(differs);
    }
  }
}

// fgf without fgf-render beside it still draws the SVG, with the built-in
// widths and their family.
TEST_F(SvgFont, FgfAloneDrawsWithTheBuiltInWidths) {
  const fs::path alone = m_Dir / "fgf";
  fs::copy_file(FGF_PROGRAM, alone);
  fs::permissions(alone, fs::perms::owner_exec, fs::perm_options::add);
  const fs::path figure = m_Dir / "figure.fgf", svg = m_Dir / "figure.svg";
  OutputOf(Quoted(alone.string()) + " render " + Quoted(figure.string()) + " " +
           Quoted(svg.string()));
  const std::vector<SvgText> got = TextsOf(FileText(svg));
  ASSERT_GE(got.size(), 6u);
  for (const SvgText& t : got) EXPECT_EQ(t.family, "DejaVu Sans, sans-serif") << t.text;
}

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--cairo-texts") return PrintCairoTexts(argv[2]);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
