#include "bench/measured.hpp"

#include <algorithm>
#include <vector>

namespace zaptrail::bench {

void Measured(benchmark::internal::Benchmark* benchmark) {
  benchmark->Unit(benchmark::kMicrosecond)
      ->ComputeStatistics(kFastest, [](const std::vector<double>& times) {
        return *std::min_element(times.begin(), times.end());
      });
}

}  // namespace zaptrail::bench
