#pragma once
// A console reporter that also keeps each benchmark's time per iteration, so
// that a benchmark program can print ratios between its cases at the end.

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

class RapporteurTemps : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) temps[run.benchmark_name()] = run.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> temps;
};
