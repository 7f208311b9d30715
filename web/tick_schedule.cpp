#include "web/tick_schedule.hpp"

namespace zaptrail {

void TickSchedule::Start(double now, int32_t periodMs) {
  period_ = periodMs;
  next_ = now + periodMs;
}

int32_t TickSchedule::TakeDue(double now) {
  if (now < next_) return 0;
  const auto late = static_cast<int64_t>((now - next_) / period_);
  if (late >= kMaxCatchUp) {
    next_ = now + period_;
    return 1;
  }
  next_ += static_cast<double>(late + 1) * period_;
  return static_cast<int32_t>(late + 1);
}

double TickSchedule::DelayUntilNext(double now) const {
  return now < next_ ? next_ - now : 0;
}

}  // namespace zaptrail
