#include "ratioReport.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>

namespace bench {

namespace {
// Prints as the console reporter does and keeps each benchmark's real time per iteration.
class RecordingReporter : public benchmark::ConsoleReporter {
 public:
  // Plain text: the RATIO lines are read back from the same output.
  RecordingReporter() : ConsoleReporter(OO_Tabular) {}
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration && run.iterations > 0)
        seconds[run.benchmark_name()] = run.GetAdjustedRealTime();
    }
  }
  std::map<std::string, double> seconds;
};
}  // namespace

int runWithRatios(int argc, char** argv, const std::vector<RatioPair>& pairs) {
  benchmark::Initialize(&argc, argv);
  RecordingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  int missing = 0;
  for (const RatioPair& pair : pairs) {
    const auto ours = reporter.seconds.find(pair.ours);
    const auto base = reporter.seconds.find(pair.baseline);
    if (ours == reporter.seconds.end() || base == reporter.seconds.end() || base->second <= 0) {
      std::fprintf(stderr, "RATIO %s: no measurement\n", pair.name.c_str());
      ++missing;
      continue;
    }
    std::printf("RATIO %s %.2f\n", pair.name.c_str(), ours->second / base->second);
  }
  std::fflush(stdout);
  return missing == 0 ? 0 : 1;
}

}  // namespace bench
