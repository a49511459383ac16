// fgf-render: "fgf render" in every format, a program of its own because it
// links cairo and Pango, which lay letters out as the window does (an SVG's
// texts take their font and room from them too); fgf hands it the command
// line. Neither needs a display.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "render/CairoRender.h"

namespace {

int Fail(const std::string& text) {
  std::fprintf(stderr, "fgf: %s\n", text.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (!args.empty() && args[0] == "render") args.erase(args.begin());
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    std::fputs(kRenderUsage, stdout);
    return 0;
  }
  if (args.size() == 1 && args[0] == "--version") {
    std::printf("fgf-render %s\n", FIGURETTA_VERSION);
    return 0;
  }
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
  if (!RenderFigureFile(r, error)) return Fail(error);
  return 0;
}
