#pragma once

#include <benchmark/benchmark.h>

namespace zaptrail::bench {

// The name of the statistic every table figure comes from.
inline constexpr const char* kFastest = "fastest";

// Adds the fastest repetition of a workload or floor as a statistic: on a shared machine other
// work only ever adds time, so the fastest run is the steadiest figure.
void Measured(benchmark::internal::Benchmark* benchmark);

}  // namespace zaptrail::bench
