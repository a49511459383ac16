// Writing a document: the script text of a generated 1000-step sheet, as
// saving, the script editor and copying a sheet produce it.
#include <benchmark/benchmark.h>

#include "bench/SheetGenerator.h"
#include "script/Script.h"

namespace {

GSilentUser gQuietWriter;

void BM_WriteDocument(benchmark::State& state) {
  auto doc = GenerateSheet(&gQuietWriter);
  const SheetStats st = CountSheet(*doc);
  if (st.steps < kPoolSize) {
    state.SkipWithError("the generated sheet is smaller than intended");
    return;
  }
  size_t bytes = 0;
  for (auto _ : state) {
    const std::string text = WriteScript(*doc);
    bytes = text.size();
    benchmark::DoNotOptimize(text.data());
  }
  state.SetItemsProcessed(state.iterations() * st.steps);
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes));
}
BENCHMARK(BM_WriteDocument)->Unit(benchmark::kMillisecond);

}  // namespace
