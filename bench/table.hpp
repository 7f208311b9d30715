#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace zaptrail::bench {

// One line of the summary: a workload beside the floor it is judged against.
struct TableRow {
  std::string label;
  std::string workload;  // benchmark names, with their argument: "BuildLevel/54"
  std::string floor;
  double maxRatio = 0;      // 0: no target
  double maxMicros = 0;     // 0: no target
  int32_t ticksPerRun = 0;  // shown as ticks per second when not 0
};

// Prints one line per benchmark, the CPU time of its fastest repetition, and keeps that time for
// the summary table.
class TableReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override;
  // Prints the table; returns the number of targets missed.
  int32_t PrintTable(std::ostream& out, const std::vector<TableRow>& rows) const;
  // Benchmarks that stopped with an error.
  int32_t Failed() const { return static_cast<int32_t>(failed_.size()); }

 private:
  std::map<std::string, double> micros_;
  std::set<std::string> failed_;
};

}  // namespace zaptrail::bench
