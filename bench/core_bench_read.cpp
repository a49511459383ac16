// Reading a document: a generated 1000-statement sheet of mixed kinds, read
// and evaluated as opening a file does, the checks after every statement
// included.
#include <benchmark/benchmark.h>

#include "bench/SheetGenerator.h"
#include "script/Script.h"

namespace {

// Counts the messages of the reader: a document it refuses in part would be
// measured only up to the refused statement.
class MessageCounter : public GSilentUser {
 public:
  int messages = 0;
  void ShowMessage(const std::string&, const std::string&, Icon) override { ++messages; }
};

GSilentUser gQuietSource;

void BM_ReadDocument(benchmark::State& state) {
  auto source = GenerateSheet(&gQuietSource);
  const SheetStats written = CountSheet(*source);
  const std::string text = WriteScript(*source);
  int statements = 0;
  for (char c : text) statements += c == ';' ? 1 : 0;

  MessageCounter reader;
  auto doc = std::make_unique<GDocument>(&reader);
  for (auto _ : state) {
    if (!ReadScript(*doc, text) || reader.messages > 0) {
      state.SkipWithError("the generated document did not read back whole");
      return;
    }
  }
  const SheetStats read = CountSheet(*doc);
  if (read.steps != written.steps || read.kinds != written.kinds) {
    state.SkipWithError("the document read back holds other steps than were written");
    return;
  }
  state.counters["statements"] = statements;
  state.counters["steps_read"] = read.steps;
  state.counters["kinds"] = read.kinds;
  state.SetItemsProcessed(state.iterations() * statements);
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_ReadDocument)->Unit(benchmark::kMillisecond);

}  // namespace
