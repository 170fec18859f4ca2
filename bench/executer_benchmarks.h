#pragma once
// The end of the benchmarks' own main functions, once their set-up is done.

#include <benchmark/benchmark.h>

// Runs the benchmarks the arguments select; 1, and none run, when an
// argument is unknown.
inline int executer_benchmarks(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
