#include "bench/table.hpp"

#include <cstdio>

#include "bench/measured.hpp"

namespace zaptrail::bench {
namespace {

std::string Figure(double micros, int32_t ticksPerRun) {
  char text[32];
  if (ticksPerRun != 0) {
    std::snprintf(text, sizeof text, "%.0f ticks/s", ticksPerRun / micros * 1e6);
  } else {
    std::snprintf(text, sizeof text, "%.2f us", micros);
  }
  return text;
}

std::string Target(const TableRow& row) {
  std::string target;
  char text[32];
  if (row.maxRatio != 0) {
    // One decimal, two when the target needs them: "<= 2.0x", "<= 1.05x".
    std::snprintf(text, sizeof text, "%.2f", row.maxRatio);
    target = text;
    if (target.back() == '0') target.pop_back();
    target = "<= " + target + "x";
  }
  if (row.maxMicros != 0) {
    std::snprintf(text, sizeof text, "%s< %.0f us", target.empty() ? "" : ", ", row.maxMicros);
    target += text;
  }
  return target;
}

}  // namespace

void TableReporter::ReportRuns(const std::vector<Run>& runs) {
  for (const Run& run : runs) {
    std::string name = run.run_name.function_name;
    if (!run.run_name.args.empty()) name += "/" + run.run_name.args;
    char line[160];
    if (run.error_occurred) {
      if (!failed_.insert(name).second) continue;
      std::snprintf(line, sizeof line, "  %-22s %s\n", name.c_str(), run.error_message.c_str());
    } else if (run.run_type == Run::RT_Aggregate && run.aggregate_name == kFastest) {
      micros_[name] =
          run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e6;
      std::snprintf(line, sizeof line, "  %-22s %12.2f us\n", name.c_str(), micros_[name]);
    } else {
      continue;
    }
    GetOutputStream() << line << std::flush;
  }
}

int32_t TableReporter::PrintTable(std::ostream& out, const std::vector<TableRow>& rows) const {
  int32_t missed = 0;
  char line[160];
  std::snprintf(line, sizeof line, "%-26s %17s %17s %7s  %s\n", "workload", "time", "floor",
                "ratio", "target");
  out << '\n' << line;
  for (const TableRow& row : rows) {
    const auto workload = micros_.find(row.workload);
    const auto floor = micros_.find(row.floor);
    if (workload == micros_.end() || floor == micros_.end()) {
      std::snprintf(line, sizeof line, "%-26s (not run)\n", row.label.c_str());
      out << line;
      continue;
    }
    const double ratio = workload->second / floor->second;
    const bool met = (row.maxRatio == 0 || ratio <= row.maxRatio) &&
                     (row.maxMicros == 0 || workload->second < row.maxMicros);
    const std::string target = Target(row);
    if (!met) ++missed;
    std::snprintf(line, sizeof line, "%-26s %17s %17s %7.2f  %s%s\n", row.label.c_str(),
                  Figure(workload->second, row.ticksPerRun).c_str(),
                  Figure(floor->second, row.ticksPerRun).c_str(), ratio, target.c_str(),
                  target.empty() ? "" : (met ? " ok" : " MISSED"));
    out << line;
  }
  return missed;
}

}  // namespace zaptrail::bench
