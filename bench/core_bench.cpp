// Benchmarks of the construction core on a generated sheet at pool scale.
// Evaluating the whole list is what every drag step and every check costs.
#include <benchmark/benchmark.h>

#include <ctime>

#include "bench/SheetGenerator.h"

namespace {

GSilentUser gQuiet;

// CPU time of this thread in nanoseconds: the machine may be shared, and
// waiting for a core is not time spent evaluating.
double ThreadNs() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return ts.tv_sec * 1e9 + ts.tv_nsec;
}

// CPU nanoseconds per evaluated step (a plain number, not a rate).
double NsPerStep(double ns, benchmark::IterationCount iterations, int steps) {
  return iterations > 0 && steps > 0 ? ns / (static_cast<double>(iterations) * steps) : 0.0;
}

// One full evaluation of a 1000-step sheet, as one drag step does it.
void BM_EvaluateSheet(benchmark::State& state) {
  auto doc = GenerateSheet(&gQuiet);
  const SheetStats st = CountSheet(*doc);
  if (st.steps < kPoolSize || st.freePoints < 150 || st.lines < 300 || st.circles < 150) {
    state.SkipWithError("the generated sheet is smaller than intended");
    return;
  }
  const double start = ThreadNs();
  for (auto _ : state) {
    doc->EvaluateConst(doc->FirstConst());
    benchmark::ClobberMemory();
  }
  const double elapsed = ThreadNs() - start;
  state.SetItemsProcessed(state.iterations() * st.steps);
  state.counters["ns_per_step"] = NsPerStep(elapsed, state.iterations(), st.steps);
  state.counters["steps"] = st.steps;
  state.counters["real_points"] = st.realPoints;
  state.counters["points"] = st.points;
  state.counters["lines"] = st.lines;
  state.counters["real_lines"] = st.realLines;
  state.counters["circles"] = st.circles;
  state.counters["real_circles"] = st.realCircles;
  state.counters["free_points"] = st.freePoints;
  state.counters["kinds"] = st.kinds;
}
BENCHMARK(BM_EvaluateSheet);

// The same while a free point is dragged: the point moves back and forth,
// so the circle intersections track their branch by the motion record.
void BM_DragFreePoint(benchmark::State& state) {
  auto doc = GenerateSheet(&gQuiet);
  const SheetStats st = CountSheet(*doc);
  GPoint* p = doc->FirstConst()->POutput;
  doc->m_MovingPoint = p;
  const double x0 = p->x.re;
  long i = 0;
  const double start = ThreadNs();
  for (auto _ : state) {
    p->x = CComplex(x0 + 0.01 * ((i++ & 15) - 8), 0);
    doc->EvaluateConst(doc->FirstConst());
    benchmark::ClobberMemory();
  }
  const double elapsed = ThreadNs() - start;
  state.SetItemsProcessed(state.iterations() * st.steps);
  state.counters["ns_per_step"] = NsPerStep(elapsed, state.iterations(), st.steps);
}
BENCHMARK(BM_DragFreePoint);

}  // namespace

BENCHMARK_MAIN();
