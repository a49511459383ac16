// The program's entry point: --help and --version are answered before the
// toolkit starts (they need no display); otherwise the toolkit creates MyApp
// and runs its event loop.
#include <cstdio>
#include <cstring>

#include "app/MyApp.h"

wxIMPLEMENT_APP_NO_MAIN(MyApp);

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-h")) {
      std::printf(
          "usage: figuretta [FILE.fgf]\n"
          "       figuretta --help | --version\n"
          "\n"
          "Opens the Figuretta window, with FILE.fgf if one is named.\n"
          "Pictures, pages and data without a window: fgf --help.\n");
      return 0;
    }
    if (!std::strcmp(argv[i], "--version")) {
      std::printf("figuretta %s\n", FIGURETTA_VERSION);
      return 0;
    }
  }
  return wxEntry(argc, argv);
}
