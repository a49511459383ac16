// fgf-render: "fgf render" for pictures of pixels (PNG, BMP), a program of
// its own because it links the toolkit's drawing; fgf draws SVG itself and
// hands this one the command line for the others.
#include <cstdio>
#include <string>
#include <vector>
#include <wx/app.h>
#include <wx/log.h>

#include "render/RenderDocument.h"

namespace {

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
  GRenderRequest r;
  std::string error;
  int status = 0;
  if (!ParseRenderArgs(args, &r, error, &status)) {
    if (status == 2) {
      std::fputs(error.rfind("usage", 0) == 0 ? error.c_str() : ("fgf: " + error).c_str(), stderr);
      return 2;
    }
    return Fail(error);
  }
  // An SVG needs nothing of the toolkit (fgf itself draws it without coming
  // here); pictures of pixels are drawn by the toolkit, which needs a display.
  GImageFormat format;
  if (RenderFormatOf(r.out, &format) && format == kImageSvg) {
    if (!RenderSvg(r, error)) return Fail(error);
    return 0;
  }
  wxApp::SetInstance(new RenderApp);
  int wxArgc = 1;
  char* wxArgv[] = {argv[0], nullptr};
  if (!wxEntryStart(wxArgc, wxArgv))
    return Fail("a PNG or BMP picture needs a display (none was found); an SVG does not");
  // Messages go to the report below, never into a box.
  delete wxLog::SetActiveTarget(new wxLogStderr);
  const bool ok = RenderDocument(r, error);
  wxEntryCleanup();
  if (!ok) return Fail(error);
  return 0;
}
