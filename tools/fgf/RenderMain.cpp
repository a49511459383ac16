// fgf-render: the "fgf render" command, a program of its own because it
// links the toolkit's drawing; fgf hands it the command line, so the other
// commands start without loading the toolkit. SVG needs no display.
#include <cstdio>
#include <string>
#include <vector>
#include <wx/app.h>
#include <wx/init.h>
#include <wx/log.h>

#include "render/RenderDocument.h"

namespace {

const char kUsage[] =
    "usage: fgf render FILE OUT.{png,svg,bmp} [--sheet N] [--size WxH] [--theme NAME]\n";

int Fail(const std::string& text) {
  std::fprintf(stderr, "fgf: %s\n", text.c_str());
  return 1;
}

class RenderApp : public wxApp {
 public:
  bool OnInit() override { return true; }
};

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (!args.empty() && args[0] == "render") args.erase(args.begin());
  if (args.size() < 2) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  GRenderRequest r;
  r.file = args[0];
  r.out = args[1];
  for (size_t i = 2; i < args.size(); ++i) {
    const bool hasValue = i + 1 < args.size();
    if (args[i] == "--sheet" && hasValue) {
      const std::string& v = args[++i];
      if (v.empty() || v.size() > 6 || v.find_first_not_of("0123456789") != std::string::npos)
        return Fail("unknown sheet " + v + " (sheets are counted from 1)");
      r.sheet = std::stoi(v);
    } else if (args[i] == "--size" && hasValue) {
      if (!ParseRenderSize(args[++i], &r.width, &r.height))
        return Fail("unknown size " + args[i] + " (WxH, each 16 to 10000 pixels)");
    } else if (args[i] == "--theme" && hasValue) {
      r.theme = args[++i];
    } else {
      std::fprintf(stderr, "fgf: unexpected argument: %s\n%s", args[i].c_str(), kUsage);
      return 2;
    }
  }

  // An SVG is written by our own context and needs no display; pictures
  // of pixels are drawn by the toolkit, which needs one.
  const bool vector = r.out.size() >= 4 && r.out.compare(r.out.size() - 4, 4, ".svg") == 0;
  std::string error;
  bool ok;
  if (vector) {
    wxInitializer base;
    if (!base.IsOk()) return Fail("the toolkit could not start");
    delete wxLog::SetActiveTarget(new wxLogStderr);
    ok = RenderDocument(r, error);
  } else {
    wxApp::SetInstance(new RenderApp);
    int wxArgc = 1;
    char* wxArgv[] = {argv[0], nullptr};
    if (!wxEntryStart(wxArgc, wxArgv))
      return Fail("a PNG or BMP picture needs a display (none was found); an SVG does not");
    // Messages go to the report below, never into a box.
    delete wxLog::SetActiveTarget(new wxLogStderr);
    ok = RenderDocument(r, error);
    wxEntryCleanup();
  }
  if (!ok) return Fail(error);
  return 0;
}
