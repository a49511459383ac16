// Pictures, printouts and documents named at start: "Save image" in its
// three formats, the printout on a PostScript context with the screen's
// theme put back, "figuretta FILE" at start, and "fgf render"'s drawing.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <wx/cmndata.h>
#include <wx/dcps.h>
#include <wx/image.h>

#include "WindowFixture.h"
#include "app/MyPrintout.h"
#include "app/WxUser.h"
#include "interaction/MyCanvas.h"
#include "render/PrintLook.h"
#include "render/CairoRender.h"
#include "render/CairoText.h"
#include "FileText.h"

namespace fs = std::filesystem;

namespace {

const char kTriangle[] =
    "//Sheet 0;\n"
    "void WindowSize(950,550);\n"
    "point A=Pt(-2.000,-1.000);\n"
    "point B=Pt(2.000,-1.000);\n"
    "point C=Pt(0.500,2.000);\n"
    "line a=Join(B,C,clipping);\n"
    "circle k=Circle(A,B);\n"
    "text T=Text(hello,100.000,50.000,18.000,0,0,0);\n";

class ExportTest : public WindowTest {
 protected:
  size_t FilesInDir() {
    return (size_t)std::distance(fs::directory_iterator(dir), fs::directory_iterator());
  }
};

// The name decides the format; any other name becomes a BMP with ".bmp".
TEST_F(ExportTest, SaveImageWritesTheFormatTheNameAsksFor) {
  frame->OpenAtStart(wxString::FromUTF8(Write("t.fgf", kTriangle).string()));
  const struct {
    const char* chosen;
    const char* written;
    const char* magic;
  } cases[] = {{"a.bmp", "a.bmp", "BM"},
               {"b", "b.bmp", "BM"},
               {"c.png", "c.png", "\x89PNG"},
               {"d.svg", "d.svg", "<?xml"},
               {"e.jpg", "e.jpg.bmp", "BM"}};
  for (const auto& c : cases) {
    user->files.push_back((dir / c.chosen).string());
    canvas->OnSaveBmp();
    EXPECT_EQ(FileText(dir / c.written).rfind(c.magic, 0), 0u) << c.chosen;
  }
  EXPECT_TRUE(user->messages.empty());
  wxImage png((dir / "c.png").string(), wxBITMAP_TYPE_PNG);
  ASSERT_TRUE(png.IsOk());
  EXPECT_EQ(png.GetWidth(), canvas->m_Painter.m_Width);
  EXPECT_EQ(png.GetHeight(), canvas->m_Painter.m_Height);
  // The picture is the window's: the text's letters are there in black.
  const std::string svg = FileText(dir / "d.svg");
  EXPECT_NE(svg.find(">hello<"), std::string::npos);
  EXPECT_NE(svg.find("<circle"), std::string::npos);
  // Its letters name the font the window lays them out in.
  EXPECT_NE(svg.find("font-family=\"" + SvgFamilyList(CairoSansFamily()) + "\""),
            std::string::npos);
}

TEST_F(ExportTest, UnwritableImageIsReportedAndLeavesNothing) {
  fs::create_directory(dir / "taken.png");
  EXPECT_FALSE(canvas->SaveImage(wxString::FromUTF8((dir / "taken.png").string())));
  ASSERT_EQ(user->messages.size(), 1u);
  EXPECT_EQ(user->messages[0].caption, "Save image");
  EXPECT_EQ(FilesInDir(), 1u) << "a temporary file is left";
}

// The kind chosen in the image chooser decides the extension, also of the
// name it proposed.
TEST(ChooserFilter, TheChosenKindDecidesTheExtension) {
  const wxString images = "BMP files (*.bmp)|*.bmp|PNG files (*.png)|*.png|SVG files (*.svg)|*.svg";
  const struct {
    const char* path;
    int index;
    const char* result;
  } cases[] = {
      {"/tmp/x", 1, "/tmp/x.png"},
      {"/tmp/x", 2, "/tmp/x.svg"},
      {"/tmp/x.bmp", 1, "/tmp/x.png"},
      {"/tmp/x.BMP", 2, "/tmp/x.svg"},
      {"/tmp/x.png", 1, "/tmp/x.png"},
      {"/tmp/v1.2", 0, "/tmp/v1.2.bmp"},
      {"/tmp/a.b/x.svg", 0, "/tmp/a.b/x.bmp"},
  };
  for (const auto& k : cases) EXPECT_EQ(WithChosenFilter(k.path, images, k.index), k.result);
  // One kind only: the command's own rule decides ("datacsv" stays).
  EXPECT_EQ(WithChosenFilter("/tmp/datacsv", "CSV files(*.csv)|*.csv", 0), "/tmp/datacsv");
}

// The printout draws on a PostScript page in the like-Tovik look and puts
// the Cat theme back, with the sheet's styles and the colours it changed.
TEST_F(ExportTest, PrintoutDrawsThePageAndPutsTheThemeBack) {
  frame->OpenAtStart(wxString::FromUTF8(Write("t.fgf", kTriangle).string()));
  canvas->m_Painter.SetTheme(THM_CAT, 0);
  GDocument& doc = *canvas->m_Doc;
  doc.Defaults().SetNameColour(
      GColour{12, doc.Defaults().NameColour().g,
              doc.Defaults().NameColour().b});  // a colour of the person's own
  const GSheet before = doc.Sheet();

  wxPrintData data;
  data.SetPrintMode(wxPRINT_MODE_FILE);
  data.SetFilename(wxString::FromUTF8((dir / "page.ps").string()));
  wxPostScriptDC dc(data);
  ASSERT_TRUE(dc.IsOk());
  dc.SetFont(*wxNORMAL_FONT);
  dc.StartDoc("test");
  dc.StartPage();
  MyPrintout printout(canvas);
  printout.SetDC(&dc);
  EXPECT_TRUE(printout.OnPrintPage(1));
  dc.EndPage();
  dc.EndDoc();

  EXPECT_EQ(canvas->m_Painter.m_Look.theme, THM_CAT);
  EXPECT_EQ(doc.Defaults().NameColour().r, 12);
  for (int i = 0; i < kSlots; ++i) EXPECT_EQ(doc.Sheet().pointStyles[i], before.pointStyles[i]);
  EXPECT_EQ(doc.Sheet().background, before.background);
  EXPECT_NE(FileText(dir / "page.ps").find("PAGE 1"), std::string::npos);
  EXPECT_TRUE(printout.HasPage(1));
  EXPECT_FALSE(printout.HasPage(2));
}

// The look of a printout: like Tovik for the screen themes, as it is for
// the others.
TEST_F(ExportTest, PrintLookIsLikeTovikOnlyForTheScreenThemes) {
  const struct {
    GTheme screen, printed;
  } cases[] = {{THM_STANDARD, THM_TOVIK}, {THM_CAT, THM_TOVIK},     {THM_STAR, THM_TOVIK},
               {THM_SKELETON, THM_TOVIK}, {THM_PASTEL, THM_PASTEL}, {THM_QUIL, THM_QUIL}};
  for (const auto& c : cases) {
    canvas->m_Painter.SetTheme(c.screen, 0);
    {
      GPrintLook look(canvas->m_Painter);
      EXPECT_EQ(canvas->m_Painter.m_Look.theme, c.printed) << ThemeNumber(c.screen);
    }
    EXPECT_EQ(canvas->m_Painter.m_Look.theme, c.screen);
  }
}

// A file that does not open leaves the empty document the window began
// with, untitled as New leaves one; a file that opens names the window.
TEST_F(ExportTest, DocumentNamedAtStartIsOpenedOrLeavesAnEmptyOne) {
  frame->OpenAtStart(wxString::FromUTF8((dir / "missing.fgf").string()));
  ASSERT_FALSE(user->messages.empty());
  EXPECT_EQ(user->messages.back().caption, "Open");
  EXPECT_EQ(canvas->m_Doc->Sheet().points.head, nullptr);
  EXPECT_EQ(canvas->m_Doc->Sheets().Count(), 1);
  EXPECT_EQ(frame->GetTitle(), "Figuretta - untitled");

  user->messages.clear();
  frame->OpenAtStart(wxString::FromUTF8(Write("t.fgf", kTriangle).string()));
  EXPECT_EQ(frame->GetTitle(), "Figuretta - t.fgf");
  EXPECT_NE(canvas->m_Doc->Sheet().points.head, nullptr);
  EXPECT_TRUE(user->messages.empty());
}

// fgf render's drawing: the picture's size and a few of its pixels. The
// circle about O = (0, 0) through P = (1, 0) is 100 pixels round the centre
// pixel (200, 150) at 0.01 units a pixel.
TEST_F(ExportTest, RenderedPngHasTheSizeAndTheFigure) {
  GRenderRequest r;
  r.file = Write("o.fgf", "point O=Pt(0,0);\npoint P=Pt(1,0);\ncircle k=Circle(O,P);\n").string();
  r.out = (dir / "o.png").string();
  r.width = 400;
  r.height = 300;
  r.theme = "tovik";
  std::string error;
  ASSERT_TRUE(RenderFigureFile(r, error)) << error;
  wxImage img(wxString::FromUTF8(r.out), wxBITMAP_TYPE_PNG);
  ASSERT_TRUE(img.IsOk());
  EXPECT_EQ(img.GetWidth(), 400);
  EXPECT_EQ(img.GetHeight(), 300);
  const wxColour bg(img.GetRed(2, 2), img.GetGreen(2, 2), img.GetBlue(2, 2));
  auto inkNear = [&](int x, int y) {
    for (int dx = -3; dx <= 3; ++dx)
      for (int dy = -3; dy <= 3; ++dy)
        if (wxColour(img.GetRed(x + dx, y + dy), img.GetGreen(x + dx, y + dy),
                     img.GetBlue(x + dx, y + dy)) != bg)
          return true;
    return false;
  };
  EXPECT_TRUE(inkNear(200, 50)) << "top of the circle";
  EXPECT_TRUE(inkNear(100, 150)) << "left of the circle";
  EXPECT_TRUE(inkNear(200, 150)) << "the point O";
  EXPECT_FALSE(inkNear(150, 100)) << "inside the circle, away from it";
  EXPECT_FALSE(inkNear(380, 280)) << "outside the circle";
  r.sheet = 2;
  r.out = (dir / "none.png").string();
  EXPECT_FALSE(RenderFigureFile(r, error));
  EXPECT_NE(error.find("no sheet 2"), std::string::npos);
  EXPECT_FALSE(fs::exists(r.out));
}

// Export PDF: every sheet on a page of its own, read back by a real reader,
// while the window stays on its sheet; a folder that does not exist is said
// and leaves nothing.
TEST_F(ExportTest, ExportPdfHasAPagePerSheetAndLeavesTheWindowAsItWas) {
  const std::string second =
      "//Sheet 1;\npoint Q=Pt(1.000,1.000);\npoint R=Pt(2.000,1.000);\nline q=Join(Q,R);\n";
  frame->OpenAtStart(wxString::FromUTF8(Write("t.fgf", kTriangle + second).string()));
  canvas->m_Doc->NextSheet();
  const std::string pdf = (dir / "pages").string();
  ASSERT_TRUE(frame->ExportPdf(pdf));
  EXPECT_EQ(canvas->m_Doc->CurrentSheetIndex(), 1);
  auto run = [](const std::string& command) {
    std::string out;
    if (FILE* p = popen(command.c_str(), "r")) {
      char buf[512];
      while (size_t n = fread(buf, 1, sizeof buf, p)) out.append(buf, n);
      pclose(p);
    }
    return out;
  };
  EXPECT_NE(run("pdfinfo " + pdf + ".pdf").find("Pages:           2"), std::string::npos);
  const std::string text = run("pdftotext " + pdf + ".pdf -");
  for (const char* name : {"A", "B", "C", "hello", "Q", "R"})
    EXPECT_NE(text.find(name), std::string::npos) << name;

  user->messages.clear();
  EXPECT_FALSE(frame->ExportPdf((dir / "no-such-folder" / "x.pdf").string()));
  ASSERT_EQ(user->messages.size(), 1u);
  EXPECT_EQ(user->messages[0].caption, "Export PDF");
  EXPECT_FALSE(fs::exists(dir / "no-such-folder"));
}

}  // namespace
