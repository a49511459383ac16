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
  doc->SetMovingPoint(p);
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

// ---- incidence checks after placing a point ----

// A sheet one step short of the pool, so a new point and its step still fit,
// and two of its lines whose meeting point is new (no existing point there).
struct CheckSetup {
  std::unique_ptr<GDocument> doc;
  GLine* l = nullptr;
  GLine* m = nullptr;
};

// Places the meeting point of l and m as the point tool does: the step, the
// point recorded on both lines with their parameters recomputed.
GPoint* PlaceRecordedMeet(GDocument& doc, GLine* l, GLine* m, GConst** step) {
  GPoint* p = PlaceMeetPoint(doc, l, m, step);
  if (!p) return nullptr;
  doc.AssignIncident(l, p, 0);
  doc.AssignIncident(m, p, 0);
  doc.Relations().ResetLineIcPara(l);
  doc.Relations().ResetLineIcPara(m);
  return p;
}

CheckSetup MakeCheckSetup() {
  CheckSetup s;
  s.doc = GenerateSheet(&gQuiet, kPoolSize - 1);
  for (unsigned pick = 0; pick < 100; ++pick) {
    if (!PickMeetingLines(*s.doc, pick, &s.l, &s.m)) break;
    GConst* step = nullptr;
    GPoint* p = PlaceRecordedMeet(*s.doc, s.l, s.m, &step);
    if (!p) break;
    if (s.doc->Relations().CheckCoincidency(p)) continue;  // removed again: an existing point
    s.doc->DeleteConst(step);
    return s;
  }
  s.l = s.m = nullptr;
  return s;
}

// CheckCoincidency and CheckIncidency of a new intersection point, as the
// point tool runs them; the point is removed again outside the timed region.
void CheckAfterNewPoint(benchmark::State& state, bool literal) {
  CheckSetup s = MakeCheckSetup();
  if (!s.l) {
    state.SkipWithError("no two lines meet at a new point");
    return;
  }
  s.doc->Relations().SetLiteralWalk(literal);
  for (auto _ : state) {
    state.PauseTiming();
    GConst* step = nullptr;
    GPoint* p = PlaceRecordedMeet(*s.doc, s.l, s.m, &step);
    state.ResumeTiming();
    if (!s.doc->Relations().CheckCoincidency(p)) s.doc->Relations().CheckIncidency(p, true);
    state.PauseTiming();
    s.doc->DeleteConst(step);
    state.ResumeTiming();
  }
}
void BM_CheckAfterNewPoint(benchmark::State& state) { CheckAfterNewPoint(state, false); }
void BM_CheckAfterNewPoint_Literal(benchmark::State& state) { CheckAfterNewPoint(state, true); }
BENCHMARK(BM_CheckAfterNewPoint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckAfterNewPoint_Literal)->Unit(benchmark::kMillisecond);

// One relation that holds, so the walk runs to its end: the new point on one
// of its own lines. Free points moved and steps evaluated are the whole cost.
void HoldingIncidence(benchmark::State& state, bool literal) {
  CheckSetup s = MakeCheckSetup();
  if (!s.l) {
    state.SkipWithError("no two lines meet at a new point");
    return;
  }
  GConst* step = nullptr;
  GPoint* p = PlaceRecordedMeet(*s.doc, s.l, s.m, &step);
  s.doc->Relations().SetLiteralWalk(literal);
  bool holds = true;
  for (auto _ : state)
    holds = holds && s.doc->Relations().incident_LP_global(s.doc->FirstConst(), s.l, p);
  if (!holds) state.SkipWithError("the point left its line");
}
void BM_HoldingIncidence(benchmark::State& state) { HoldingIncidence(state, false); }
void BM_HoldingIncidence_Literal(benchmark::State& state) { HoldingIncidence(state, true); }
BENCHMARK(BM_HoldingIncidence)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HoldingIncidence_Literal)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
