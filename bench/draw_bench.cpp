// Drawing speed: one full OnDraw of a figure at pool scale (points with
// names, lines, segments, circles, arcs, texts) into the canvas's off-screen
// picture, in the Standard theme. Runs under a display (xvfb-run -a).
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/filefn.h>
#include <wx/frame.h>
#include <wx/image.h>

#include "bench/SheetGenerator.h"
#include "interaction/MyCanvas.h"
#include "render/RenderDocument.h"

namespace {

class BenchApp : public wxApp {
 public:
  bool OnInit() override { return true; }
};

MyCanvas* g_canvas = nullptr;

// Prints the Benchmark command's report instead of showing it in a box.
class PrintingUser : public GSilentUser {
 public:
  void ShowMessage(const wxString& text, const wxString&, Icon) override {
    std::fputs(text.utf8_str(), stdout);
  }
};

// Fills the canvas's sheet: 320 named points, 300 lines (a fifth of them
// segments between two of the points), 150 circles (some clipped to arcs),
// 50 texts of two lines, all inside the 950x668 view.
void BuildFigure(MyCanvas* canvas) {
  GDocument& doc = *canvas->m_Doc;
  std::mt19937 rng(20240611);
  std::uniform_real_distribution<double> ux(-4.5, 4.5), uy(-3.2, 3.2), ur(0.3, 2.5);
  std::vector<GPoint*> pts;
  for (int i = 0; i < 320; ++i) {
    GPoint* p = doc.NewPoint(CComplex(ux(rng), 0), CComplex(uy(rng), 0));
    doc.AssignPoint(p);
    p->name = wxString::Format("P%d", i);
    p->pointStyle = i % 5;
    p->nameAngle = 0.7;
    pts.push_back(p);
  }
  for (int i = 0; i < 300; ++i) {
    GPoint* a = pts[(size_t)i];
    GPoint* b = pts[(size_t)(i * 7 + 3) % pts.size()];
    GLine* l = doc.NewLine(a->x.re, a->y.re, b->x.re, b->y.re);
    doc.AssignLine(l);
    l->lineStyle = i % 5;
    if (i % 5 == 0) {
      l->toolMark = 1;
      doc.AssignIncident(l, a, 0);
      doc.AssignIncident(l, b, 1);
    }
  }
  for (int i = 0; i < 150; ++i) {
    GPoint* c = pts[(size_t)(i * 2 + 1)];
    const double r = ur(rng);
    GCircle* k = doc.NewCircle(c->x.re, c->y.re, r * r);
    doc.AssignCircle(k);
    k->lineStyle = i % 5;
    if (i % 6 == 0) {
      k->toolMark = 1;
      for (double a : {0.3, 1.7, 4.0}) {
        GPoint* p = doc.NewPoint(CComplex(c->x.re + r * std::cos(a), 0),
                                 CComplex(c->y.re - r * std::sin(a), 0));
        doc.AssignPoint(p);
        doc.AssignIncident(k, p, a);
      }
    }
  }
  for (int i = 0; i < 50; ++i) {
    GText* t = doc.NewText("Text " + std::to_string(i) + "\nsecond line");
    doc.AssignText(t);
    t->x = 20 + (i % 10) * 90;
    t->y = 20 + (i / 10) * 120;
    t->fontSize = 14;
  }
  for (int i = 0; i < 8; ++i) pts[(size_t)i * 13]->hilighted = 1;
}

void BM_DrawFigure(benchmark::State& state) {
  g_canvas->RenderToScreenPicture();  // background and pictures ready
  for (auto _ : state) {
    wxMemoryDC screen(g_canvas->ScreenPicture());
    g_canvas->OnDraw(screen);
  }
  state.counters["points"] = 320 + 75;
  state.counters["lines"] = 300;
  state.counters["circles"] = 150;
  state.counters["texts"] = 50;
}
BENCHMARK(BM_DrawFigure)->Unit(benchmark::kMillisecond);

// One motion event of a Move-tool drag on the pool-scale sheet (every kind of
// point, line and circle step): the drag handler moves a free point and
// evaluates the whole list, then one OnDraw shows it. Goal: 16 ms or less.
MyCanvas* DragCanvas() {
  static GSilentUser quiet;
  static std::unique_ptr<GDocument> sheet = GenerateSheet(&quiet);
  static MyCanvas* c = [] {
    auto* canvas = new MyCanvas(dynamic_cast<wxFrame*>(g_canvas->GetParent()), &quiet);
    canvas->m_Painter.m_Width = 950;
    canvas->m_Painter.m_Height = 700;
    canvas->m_Painter.m_OldWidth = 950;
    canvas->m_Painter.m_OldHeight = 700;
    canvas->OnSize();
    // The canvas's document borrows the generated sheet's lists (the
    // elements stay in the generator's pools, which live as long as it).
    canvas->m_Doc->Sheet() = sheet->Sheet();
    canvas->m_Doc->PushViewToConsts();
    return canvas;
  }();
  return c;
}

void BM_DragStep(benchmark::State& state) {
  MyCanvas* c = DragCanvas();
  GDocument& doc = *c->m_Doc;
  c->RenderToScreenPicture();
  c->m_Tool.SetStyle(kGModeTovik);
  c->m_Tool.SetMode(kModeMove);
  // The first free point in view that a press on it picks (and not a
  // constructed point lying on it).
  GPoint* p = nullptr;
  wxPoint at;
  for (GConst* k = doc.FirstConst(); k && !p; k = k->next) {
    GPoint* q = k->POutput;
    if (k->type != CONST_FREE || !q || !q->xz().realp() || !q->yz().realp()) continue;
    at = wxPoint(c->View().PixelX(q->xz().re), c->View().PixelY(q->yz().re));
    if (at.x < 40 || at.y < 40 || at.x > 900 || at.y > 600) continue;
    c->LButtonDown(at);
    if (c->m_Tool.m_PickedPoint == q)
      p = q;
    else
      c->LButtonUp(at);
  }
  if (!p) {
    state.SkipWithError("no free point to drag");
    return;
  }
  int i = 0;
  for (auto _ : state) {
    // To and fro around the grab, 30 pixels each way.
    wxPoint to(at.x + ((i++ & 1) ? 30 : -30), at.y + 10);
    c->LButtonDrag(to);
    wxMemoryDC screen(c->ScreenPicture());
    c->OnDraw(screen);
  }
  c->LButtonUp(at);
  int steps = 0;
  for (GConst* k = doc.FirstConst(); k; k = k->next) ++steps;
  state.counters["steps"] = steps;
}
BENCHMARK(BM_DragStep)->Unit(benchmark::kMillisecond);

// Opening a document of 1000 sheets in the window: every sheet takes the
// theme and then its own looks (point pictures and background tile), so the
// cost of loading a style shows here once per sheet.
void BM_OpenThousandSheets(benchmark::State& state) {
  std::string text;
  for (int i = 0; i < kSheetPoolSize; ++i)
    text += "//Sheet " + std::to_string(i) + ";\r\nvoid SetPtMode(" + std::to_string(i % 30) +
            ",1,2,3,4);\nvoid SetLnMode(0,1,2,3,4);\nvoid SetBgMode(" + std::to_string(i % 9) +
            ");\npoint A=Pt(" + std::to_string(i % 7) + ",1);\n";
  GDocument& doc = *g_canvas->m_Doc;
  for (auto _ : state) {
    doc.scriptText = text;
    if (!doc.const_src2cns(true, true)) state.SkipWithError("the document was refused");
  }
  state.counters["sheets"] = doc.m_SheetCount;
  doc.ClearConst();
}
BENCHMARK(BM_OpenThousandSheets)->Unit(benchmark::kMillisecond);

// The picture of the 1000-statement generated sheet (as "Save image" and
// "fgf render" draw it) written through a temporary file, at 950x700.
// Goals: SVG 50 ms, PNG 100 ms.
void SaveGenerated(benchmark::State& state, const char* extension) {
  MyCanvas* c = DragCanvas();
  const wxString out = wxString("/tmp/figuretta-bench-picture") + extension;
  for (auto _ : state) {
    if (!c->SaveImage(out)) {
      state.SkipWithError("the picture could not be written");
      break;
    }
  }
  wxRemoveFile(out);
}
void BM_RenderSvg(benchmark::State& state) { SaveGenerated(state, ".svg"); }
void BM_RenderPng(benchmark::State& state) { SaveGenerated(state, ".png"); }
BENCHMARK(BM_RenderSvg)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderPng)->Unit(benchmark::kMillisecond);

// All that "fgf render" does in process for the same sheet saved as a file:
// read it, draw it at 950x550 and write the picture. Reading dominates.
void RenderFile(benchmark::State& state, const char* extension) {
  static const std::string file = [] {
    GSilentUser quiet;
    std::unique_ptr<GDocument> doc = GenerateSheet(&quiet);
    const std::string path = "/tmp/figuretta-bench-render.fgf";
    const std::string text = doc->DocumentText();
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
      std::fwrite(text.data(), 1, text.size(), f);
      std::fclose(f);
    }
    return path;
  }();
  GRenderRequest r;
  r.file = file;
  r.out = std::string("/tmp/figuretta-bench-render") + extension;
  std::string error;
  for (auto _ : state) {
    if (!RenderDocument(r, error)) {
      state.SkipWithError(error.c_str());
      break;
    }
  }
  std::remove(r.out.c_str());
}
void BM_RenderFileSvg(benchmark::State& state) { RenderFile(state, ".svg"); }
void BM_RenderFilePng(benchmark::State& state) { RenderFile(state, ".png"); }
BENCHMARK(BM_RenderFileSvg)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderFilePng)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  wxApp::SetInstance(new BenchApp);
  wxEntryStart(argc, argv);
  wxTheApp->CallOnInit();
  wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "draw bench", wxPoint(0, 0), wxSize(950, 700));
  PrintingUser user;
  g_canvas = new MyCanvas(frame, &user);
  g_canvas->m_Painter.m_Width = 950;
  g_canvas->m_Painter.m_Height = 700;
  g_canvas->m_Painter.m_OldWidth = 950;
  g_canvas->m_Painter.m_OldHeight = 700;
  g_canvas->OnSize();
  g_canvas->m_Painter.SetTheme(THM_STANDARD, 0);
  BuildFigure(g_canvas);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  // FIGURETTA_DRAW_PNG=file saves the drawn figure, to compare by eye;
  // FIGURETTA_BENCH_MENU=1 also runs the menu's Benchmark command.
  if (const char* png = std::getenv("FIGURETTA_DRAW_PNG")) {
    g_canvas->RenderToScreenPicture();
    g_canvas->ScreenPicture().ConvertToImage().SaveFile(png, wxBITMAP_TYPE_PNG);
  }
  if (std::getenv("FIGURETTA_BENCH_MENU")) g_canvas->OnBenchMark();
  delete frame;
  wxEntryCleanup();
  return 0;
}
