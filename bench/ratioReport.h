#pragma once
// Runs the registered Google benchmarks and then prints, for each pair, one line
// "RATIO <name> <ours/baseline>" from the two benchmarks' real time per iteration.
#include <string>
#include <vector>

namespace bench {

struct RatioPair {
  std::string name;      // e.g. "format_vs_to_chars"
  std::string ours;      // benchmark name of our code
  std::string baseline;  // benchmark name of the baseline
};

int runWithRatios(int argc, char** argv, const std::vector<RatioPair>& pairs);

}  // namespace bench
