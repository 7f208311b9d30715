#pragma once

#include <benchmark/benchmark.h>

namespace zaptrail::bench {

// The name of the statistic every table figure comes from.
inline constexpr const char* kFastest = "fastest";

// Repeats a workload or floor and adds its fastest repetition as a statistic: on a shared
// machine other work only ever adds time, so the fastest run is the steadiest figure.
void Measured(benchmark::internal::Benchmark* benchmark);

}  // namespace zaptrail::bench
