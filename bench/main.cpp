#include <benchmark/benchmark.h>

#include <iostream>
#include <vector>

#include "bench/sim_play_bench.hpp"
#include "bench/table.hpp"

int main(int argc, char** argv) {
  using zaptrail::bench::kReplayTicks;
  // Ten short repetitions of every workload and floor, taking turns in random order, so that a
  // busy spell of the machine falls on workloads and floors alike. Flags given by hand come
  // later and win.
  std::vector<char*> arguments(argv, argv + argc);
  char minTime[] = "--benchmark_min_time=0.1";
  char repetitions[] = "--benchmark_repetitions=10";
  char interleave[] = "--benchmark_enable_random_interleaving=true";
  arguments.insert(arguments.begin() + 1, {minTime, repetitions, interleave});
  int count = static_cast<int>(arguments.size());
  benchmark::Initialize(&count, arguments.data());
  if (benchmark::ReportUnrecognizedArguments(count, arguments.data())) return 1;
  zaptrail::bench::TableReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  // CPU time of each figure's fastest repetition; every floor is measured in the same run.
  const std::vector<zaptrail::bench::TableRow> rows = {
      {"BuildLevel L0", "BuildLevel/0", "BuildLevelFloor/0"},
      {"BuildLevel L12", "BuildLevel/12", "BuildLevelFloor/12"},
      {"BuildLevel L54", "BuildLevel/54", "BuildLevelFloor/54", 1.3},
      {"BuildLevel L100", "BuildLevel/100", "BuildLevelFloor/100", 1.3},
      {"DrawView L0", "DrawView/0", "ViewFloor", 1.5},
      {"DrawView L54", "DrawView/54", "ViewFloor", 1.5},
      {"playing tick L0", "PlayingTick/0", "ViewFloor", 2.0, 25.0},
      {"playing tick L54, clouds", "PlayingTick/54", "ViewFloor", 2.0, 25.0},
      // Recording a game may not change a tick's timing: the same tick recorded is within the
      // run's noise of it, and the recorder's own work, even with new keys every tick, is within
      // that allowance of the lightest tick.
      {"recorded tick L0 vs playing", "RecordedTick/0", "PlayingTick/0", 1.05},
      {"recorded tick L54 vs playing", "RecordedTick/54", "PlayingTick/54", 1.05},
      {"trail recorder vs playing tick", "TrailRecorder", "PlayingTick/0", 0.05},
      {"sim play vs engine alone", "SimPlay", "SimPlayEngine", 0, 0, kReplayTicks},
      // A trail's proof draws nothing: never slower than the engine's own tick, and at least a
      // million ticks a second (an hour of play in a tenth of a second).
      {"verify trail vs engine tick", "VerifyTrail", "SimPlayEngine", 1.0, kReplayTicks,
       kReplayTicks},
      // Start-up and quit with a 48 MB records file: under a second each.
      {"records load, 8M lines", "RecordsLoad", "RecordsReadFloor", 0, 1e6},
      {"records save, 8M lines", "RecordsSave", "RecordsWriteFloor", 0, 1e6},
  };
  const int32_t missed = reporter.PrintTable(std::cout, rows);
  if (missed == 0) {
    std::cout << "every target met\n";
  } else {
    std::cout << missed << " target(s) missed\n";
  }
  // A missed target is a figure to look at; a workload that failed is a fault.
  if (reporter.Failed() == 0) return 0;
  std::cout << reporter.Failed() << " benchmark(s) failed\n";
  return 1;
}
