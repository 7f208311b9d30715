#include "session/trail.hpp"

#include <algorithm>

#include "session/tick_period.hpp"

namespace zaptrail {

int64_t TrailTicks(const Trail& trail) {
  int64_t ticks = 0;
  for (const KeyRun& run : trail.keys) ticks += run.ticks;
  return ticks;
}

bool PlayedAtOtherPeriod(const Trail& trail) {
  return std::any_of(trail.periods.begin(), trail.periods.end(),
                     [](const PeriodChange& change) { return change.period != kDesignPeriod; });
}

bool TookLabelDraws(const Trail& trail) {
  return !trail.labelDraws.empty();
}

}  // namespace zaptrail
