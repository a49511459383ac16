// fgf: reads Figuretta documents without a window. "check" reports whether
// files read cleanly, "format" prints a document as Save writes it, "dump"
// drags points as the Move tool does and prints the figure as JSON, "csv"
// prints a sheet's data and "render" draws a sheet into a picture.
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

#include "render/DrawRender.h"
#include "tools/fgf/Commands.h"

namespace {

const char kUsage[] =
    "usage: fgf check FILE...\n"
    "       fgf format FILE\n"
    "       fgf dump FILE [--move NAME=X,Y]... [--steps K]\n"
    "       fgf csv FILE [--sheet N]\n"
    "       fgf render FILE OUT.{png,bmp,svg,pdf} [--sheet N|all] [--size WxH] [--theme NAME]\n"
    "                  [--paper a4|letter]\n"
    "       fgf --help | --version\n"
    "\n"
    "  check   read each file as Open does; print \"FILE: ok\" or the reader's message\n"
    "  format  print the document as Save writes it\n"
    "  dump    read the file, drag each named point of the first sheet to world\n"
    "          position (X, Y) in K motion steps (default 10), print the figure as JSON\n"
    "  csv     print the CSV that Save data writes, for every element of sheet N\n"
    "          (default 1)\n"
    "  render  draw a sheet (default 1) as the window shows it, at WxH pixels\n"
    "          (default 950x550), optionally in another theme, into a picture; a PDF\n"
    "          gets one page per sheet with --sheet all, fitted to A4 (default) or\n"
    "          Letter paper\n"
    "\n"
    "Exit status: 0 success, 1 a document or a value failed, 2 a misused command.\n";

int Usage(const char* problem) {
  if (problem) std::fprintf(stderr, "fgf: %s\n", problem);
  std::fputs(kUsage, stderr);
  return 2;
}

// A whole argument that is a finite number.
bool ParseNumber(const std::string& s, double* v) {
  if (s.empty()) return false;
  char* end = nullptr;
  errno = 0;
  *v = std::strtod(s.c_str(), &end);
  return end == s.c_str() + s.size() && errno != ERANGE && std::isfinite(*v);
}

// NAME=X,Y
bool ParseMove(const std::string& s, FgfMove* m) {
  const size_t eq = s.find('=');
  if (eq == std::string::npos || eq == 0) return false;
  const size_t comma = s.find(',', eq + 1);
  if (comma == std::string::npos) return false;
  m->name = s.substr(0, eq);
  return ParseNumber(s.substr(eq + 1, comma - eq - 1), &m->x) &&
         ParseNumber(s.substr(comma + 1), &m->y);
}

// Pictures are drawn by fgf-render beside this program, which lays letters
// out with Pango as the window does (an SVG's texts then name the window's
// font and take its room), so that fgf itself stays small and static. When
// that cannot be run, an SVG is still drawn here, with nothing but zlib and
// the built-in widths of DejaVu Sans.
int Render(int argc, char** argv) {
  char self[4096];
  const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
  std::string dir = ".";
  if (n > 0) {
    self[n] = '\0';
    dir = self;
    dir = dir.substr(0, dir.rfind('/'));
  }
  const std::string helper = dir + "/fgf-render";
  char* const own = argv[0];
  argv[0] = const_cast<char*>(helper.c_str());
  execv(helper.c_str(), argv);
  argv[0] = own;
  std::vector<std::string> args(argv + 2, argv + argc);
  GRenderRequest r;
  std::string error;
  int status = 0;
  GImageFormat format;
  if (!ParseRenderArgs(args, &r, error, &status)) {
    if (status == 2 && error.rfind("usage", 0) == 0) {
      std::fputs(error.c_str(), stderr);
      return 2;
    }
    std::fprintf(stderr, "fgf: %s\n", error.c_str());
    return status;
  }
  if (RenderFormatOf(r.out, &format) && format == kImageSvg) {
    if (RenderSvg(r, error)) return 0;
    std::fprintf(stderr, "fgf: %s\n", error.c_str());
    return 1;
  }
  std::fprintf(stderr, "fgf: render is not available (%s cannot be run)\n", helper.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return Usage(nullptr);
  const std::string command = args[0];
  if (command == "check") {
    if (args.size() < 2) return Usage("check needs at least one file");
    return RunCheck(std::vector<std::string>(args.begin() + 1, args.end()));
  }
  if (command == "format") {
    if (args.size() != 2) return Usage("format needs exactly one file");
    return RunFormat(args[1]);
  }
  if (command == "dump") {
    if (args.size() < 2) return Usage("dump needs a file");
    std::vector<FgfMove> moves;
    int steps = 10;
    for (size_t i = 2; i < args.size(); ++i) {
      if (args[i] == "--move" && i + 1 < args.size()) {
        FgfMove m;
        if (!ParseMove(args[++i], &m)) return Usage("a move is written NAME=X,Y");
        moves.push_back(m);
      } else if (args[i] == "--steps" && i + 1 < args.size()) {
        double k;
        if (!ParseNumber(args[++i], &k) || k < 1 || k > 100000 || k != std::floor(k))
          return Usage("--steps needs a whole number from 1 to 100000");
        steps = static_cast<int>(k);
      } else {
        return Usage(("unexpected argument: " + args[i]).c_str());
      }
    }
    return RunDump(args[1], moves, steps);
  }
  if (command == "csv") {
    if (args.size() != 2 && !(args.size() == 4 && args[2] == "--sheet"))
      return Usage("csv needs a file and at most --sheet N");
    double sheet = 1;
    if (args.size() == 4 &&
        (!ParseNumber(args[3], &sheet) || sheet != std::floor(sheet) || sheet < 1 || sheet > 1e6)) {
      std::fprintf(stderr, "fgf: unknown sheet %s (sheets are counted from 1)\n", args[3].c_str());
      return 1;
    }
    return RunCsv(args[1], static_cast<int>(sheet));
  }
  if (command == "render") return Render(argc, argv);
  if (command == "--version" || command == "-V") {
    std::printf("fgf %s\n", FIGURETTA_VERSION);
    return 0;
  }
  if (command == "-h" || command == "--help" || command == "help") {
    std::fputs(kUsage, stdout);
    return 0;
  }
  return Usage(("unknown command: " + command).c_str());
}
