#include "web/tick_schedule.hpp"

#include <gtest/gtest.h>

#include <cstdint>

namespace zaptrail {
namespace {

// Runs the page's timer loop for `span` milliseconds against a clock whose timers fire late by
// a varying amount up to `maxLate`, and counts the ticks that ran.
int64_t TicksIn(double span, int32_t period, uint32_t maxLate) {
  TickSchedule schedule;
  double now = 1000.0;
  const double end = now + span;
  schedule.Start(now, period);
  uint32_t jitter = 1;
  int64_t ticks = 0;
  while (true) {
    jitter = jitter * 1103515245u + 12345u;
    now += schedule.DelayUntilNext(now) + (jitter >> 16) % (maxLate + 1);
    if (now > end) return ticks;
    ticks += schedule.TakeDue(now);
  }
}

TEST(TickSchedule, LateTimersKeepTheMeanPeriod) {
  // Ten seconds at 32 ms are 312 ticks, however late each timer fires within a period or two.
  EXPECT_EQ(TicksIn(10000, 32, 0), 312);
  EXPECT_NEAR(TicksIn(10000, 32, 20), 312, 1);
  EXPECT_NEAR(TicksIn(10000, 32, 60), 312, 2);
  EXPECT_NEAR(TicksIn(10000, 5, 7), 2000, 2);
}

TEST(TickSchedule, ALongStallIsForgivenNotPlayedAtOnce) {
  TickSchedule schedule;
  schedule.Start(0, 32);
  EXPECT_EQ(schedule.TakeDue(31), 0);
  EXPECT_DOUBLE_EQ(schedule.DelayUntilNext(31), 1);
  // Three periods late: the missed ticks run now.
  EXPECT_EQ(schedule.TakeDue(32 + 3 * 32), 4);
  EXPECT_DOUBLE_EQ(schedule.DelayUntilNext(32 + 3 * 32), 32);
  // A stall of seconds (a throttled page): one tick, and the next a whole period later.
  EXPECT_EQ(schedule.TakeDue(5000), 1);
  EXPECT_DOUBLE_EQ(schedule.DelayUntilNext(5000), 32);
  EXPECT_EQ(schedule.TakeDue(5031), 0);
}

}  // namespace
}  // namespace zaptrail
