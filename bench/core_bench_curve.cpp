// Benchmarks of curve sampling: a function graph across the default view, and
// a locus whose traced point is four steps away from its driving point.
#include <benchmark/benchmark.h>

#include "model/Gesture.h"
#include "script/Script.h"

namespace {

GSilentUser gQuietCurves;

// Sampling sin x over the default view, as every evaluation of a graph does
// (the formula is parsed again each time, so that named values follow).
void BM_GraphSample(benchmark::State& state) {
  GDocument doc(&gQuietCurves);
  if (GGesture(doc).AddGraph("sin(x)", -5, 5) != 0) {
    state.SkipWithError("the graph was refused");
    return;
  }
  GConst* graph = doc.FirstConst();
  for (auto _ : state) {
    graph->Evaluate();
    benchmark::DoNotOptimize(graph->CurveOutput->count);
  }
  state.counters["samples"] = graph->CurveOutput->count;
}
BENCHMARK(BM_GraphSample)->Unit(benchmark::kMicrosecond);

// P runs round a circle; T = Meet(a, b) with a = Join(Mid(F, P), G) and
// b = Perp(a, P): four steps from P to T. The locus is swept and the figure
// put back once per iteration.
void BM_LocusOnCircle(benchmark::State& state) {
  GDocument doc(&gQuietCurves);
  const std::string text =
      "point O=Pt(0.000,0.000);\npoint B=Pt(1.500,0.000);\ncircle C1=Circle(O,B);\n"
      "point P=PtOnCircle(C1,0.300);\npoint F=Pt(2.000,1.000);\npoint G=Pt(-1.000,2.000);\n"
      "point M=Mid(F,P);\nline a=Join(M,G);\nline b=Perp(a,P);\npoint T=Meet(a,b);\n"
      "curve x1=OrbitOnCircle(P,T);\n";
  if (!ReadScript(doc, text)) {
    state.SkipWithError("the figure was refused");
    return;
  }
  GConst* locus = doc.FirstConst();
  while (locus->next) locus = locus->next;
  for (auto _ : state) {
    locus->Evaluate();
    benchmark::DoNotOptimize(locus->CurveOutput->count);
  }
  state.counters["samples"] = locus->CurveOutput->count;
}
BENCHMARK(BM_LocusOnCircle)->Unit(benchmark::kMillisecond);

}  // namespace
