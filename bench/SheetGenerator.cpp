// STUB: generates a sheet at pool scale for the benchmarks.
