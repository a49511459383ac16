// Reading a document: a generated 1000-statement sheet of mixed kinds, read
// and evaluated as opening a file does, the checks after every statement
// included.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "bench/SheetGenerator.h"
#include "model/Lookup.h"

namespace {

// Remembers the line number of the last reader message.
class LineCatcher : public GSilentUser {
 public:
  int line = 0;
  void ShowMessage(const wxString& text, const wxString&, Icon) override {
    line = 0;
    std::sscanf(text.utf8_string().c_str(), "line %d", &line);
  }
};

GSilentUser gQuietReader;

// The generator makes a few steps the language cannot state (a point on a
// line through two points that were never joined, for one). Such a point is
// written as a free point where it stands, so what depends on it still
// reads; any other refused statement is dropped. Repeated until the whole
// text reads.
std::string ReadableText(GDocument& source, int* statements) {
  source.scriptText.clear();
  source.SetConstSrc(source.FirstConst());
  std::string text = "//Sheet 0;\r\n" + source.scriptText;
  LineCatcher catcher;
  auto doc = std::make_unique<GDocument>(&catcher);
  for (;;) {
    doc->scriptText = text;
    catcher.line = 0;
    if (doc->const_src2cns(true, true) || catcher.line <= 0) break;
    std::string kept, line;
    size_t pos = 0;
    for (int n = 1; !doc->GetALine(line, text, pos); ++n) {
      if (n != catcher.line) {
        kept += line;
        continue;
      }
      const size_t eq = line.find('=');
      GConst* step = nullptr;
      if (line.compare(0, 7, "\npoint ") == 0 && eq != std::string::npos)
        FindNameFromCns(source.FirstConst(), wxString(line.substr(7, eq - 7)), &step);
      if (step && step->POutput) {
        char free[160];
        std::snprintf(free, sizeof free, "\npoint %s=Pt(%.3f,%.3f);",
                      line.substr(7, eq - 7).c_str(), step->POutput->xz().re,
                      step->POutput->yz().re);
        kept += free;
      }
    }
    text = kept;
  }
  *statements = 0;
  for (char c : text) *statements += c == ';' ? 1 : 0;
  return text;
}

void BM_ReadDocument(benchmark::State& state) {
  auto source = GenerateSheet(&gQuietReader);
  int statements = 0;
  const std::string text = ReadableText(*source, &statements);
  auto doc = std::make_unique<GDocument>(&gQuietReader);
  for (auto _ : state) {
    doc->scriptText = text;
    if (!doc->const_src2cns(true, true)) {
      state.SkipWithError("the generated document did not read back");
      return;
    }
  }
  state.counters["statements"] = statements;
  state.counters["steps_read"] = CountSheet(*doc).steps;
  state.SetItemsProcessed(state.iterations() * statements);
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_ReadDocument)->Unit(benchmark::kMillisecond);

}  // namespace
