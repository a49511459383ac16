// Benchmarks of the construction core on a generated sheet at pool scale.
#include <benchmark/benchmark.h>

BENCHMARK_MAIN();
