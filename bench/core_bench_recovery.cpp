// Writing the recovery copy of a 1000-step document, as the repaint tick does
// once a change has settled: the script made, guarded and written whole (and
// waited for on the disk) beside the old copy. Goal: 5 ms or less.
// FIGURETTA_BENCH_DIR chooses the folder (by default one under /tmp).
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>

#include "bench/SheetGenerator.h"
#include "script/Recovery.h"
#include "script/Script.h"

namespace {

GSilentUser gQuietKeeper;

void BM_RecoveryWrite(benchmark::State& state) {
  auto doc = GenerateSheet(&gQuietKeeper);
  const SheetStats st = CountSheet(*doc);
  if (st.steps < kPoolSize) {
    state.SkipWithError("the generated sheet is smaller than intended");
    return;
  }
  const char* base = std::getenv("FIGURETTA_BENCH_DIR");
  std::string folder = std::string(base ? base : "/tmp") + "/figuretta-bench-XXXXXX";
  if (!mkdtemp(folder.data())) {
    state.SkipWithError("no folder for the copies");
    return;
  }
  {
    GRecoveryKeeper keeper(folder, [&] { return WriteScript(*doc); });
    keeper.Reset("/home/ann/pool.fgf");
    std::int64_t now = 0;
    int i = 0;
    for (auto _ : state) {
      // The colour of the names changed by a hair: a change the copy must take.
      doc->Defaults().SetNameColour(GColour{1 + (i++ & 1), 0, 0});
      keeper.Touched(now);
      now += GRecoveryKeeper::kLatestMs;
      if (keeper.Tick(now, false) != GRecoveryEvent::kWritten) {
        state.SkipWithError(("the copy was not written: " + keeper.Why()).c_str());
        break;
      }
    }
    std::error_code ec;
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(keeper.CopyPath(), ec));
  }
  state.SetItemsProcessed(state.iterations() * st.steps);
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_RecoveryWrite)->Unit(benchmark::kMillisecond);

}  // namespace
