#pragma once
// The main function of the benchmarks that run in a Qt application.

#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdlib>

// Off screen unless QT_QPA_PLATFORM names a platform: the application, then
// `preparer()`, then the benchmarks the arguments select. Returns 1, and
// runs none, when an argument is unknown.
template <class Preparation>
int executer_benchmarks_qt(int argc, char** argv, Preparation preparer) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication application(argc, argv);
  preparer();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
