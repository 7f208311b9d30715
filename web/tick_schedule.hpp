#pragma once

#include <cstdint>

namespace zaptrail {

// When the page's ticks fall due. The browser's timers fire late by varying amounts, so each
// tick is due a whole period after the one before it, not after the timer that ran it: the
// mean period holds however late single timers fire.
class TickSchedule {
 public:
  // A lag of more than this many periods (a stalled machine, a page the browser throttled) is
  // forgiven, not played at once.
  static constexpr int32_t kMaxCatchUp = 4;

  // The first tick falls due one period after `now` (milliseconds).
  void Start(double now, int32_t periodMs);
  // How many ticks have fallen due by `now`; they count as run.
  int32_t TakeDue(double now);
  // Milliseconds from `now` until the next tick falls due; 0 when it already has.
  double DelayUntilNext(double now) const;

 private:
  double next_ = 0;
  int32_t period_ = 1;
};

}  // namespace zaptrail
