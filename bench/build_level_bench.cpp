#include <benchmark/benchmark.h>

#include <vector>

#include "bench/bench_game.hpp"
#include "bench/floors.hpp"
#include "bench/measured.hpp"

namespace zaptrail::bench {
namespace {

constexpr uint32_t kSeed = 1;

void BuildLevelWorkload(benchmark::State& state) {
  const auto level = static_cast<int32_t>(state.range(0));
  BenchGame bench;
  for (auto _ : state) {
    bench.Build(level, kSeed);
    benchmark::DoNotOptimize(bench.game.record.Cells.data());
  }
}

void BuildLevelFloor(benchmark::State& state) {
  const auto level = static_cast<int32_t>(state.range(0));
  BenchGame bench;
  bench.Build(level, kSeed);
  const int64_t draws = DrawsBetween(kSeed, bench.game.random.State());
  std::vector<uint8_t> cells(bench.game.record.Cells.size());
  for (auto _ : state) {
    benchmark::DoNotOptimize(BuildFloor(kSeed, draws, cells));
    benchmark::ClobberMemory();
  }
  state.counters["draws"] = static_cast<double>(draws);
}

void AtLevels(benchmark::internal::Benchmark* benchmark) {
  benchmark->Arg(0)->Arg(12)->Arg(54)->Arg(100)->Apply(Measured);
}

BENCHMARK(BuildLevelWorkload)->Name("BuildLevel")->Apply(AtLevels);
BENCHMARK(BuildLevelFloor)->Name("BuildLevelFloor")->Apply(AtLevels);

}  // namespace
}  // namespace zaptrail::bench
