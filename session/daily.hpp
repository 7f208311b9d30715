#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

#include "session/trail.hpp"

// The daily trail: one seed per UTC date, the same in every copy of the game, offline too.
// A stable interface; docs/trail-format.md gives the function and examples.
namespace zaptrail {

// Days from 1970-01-01 to the date in the proleptic Gregorian calendar.
int64_t DaysSinceEpoch(const TrailDate& date);
// The seed of a date: the days since 1970-01-01 as an unsigned 32-bit number, mixed by
// x ^= x >> 16; x *= 0x85EBCA6B; x ^= x >> 13; x *= 0xC2B2AE35; x ^= x >> 16 (modulo 2^32).
uint32_t DailySeed(const TrailDate& date);
// The UTC date of a moment.
TrailDate UtcDate(std::time_t moment);
// "YYYY-MM-DD"; ParseDate reads the same, empty for anything else or a day that does not exist.
std::string FormatDate(const TrailDate& date);
std::optional<TrailDate> ParseDate(std::string_view text);

// A daily game's score: more levels cleared is better, then a lower sum of their times. A
// game played at another tick period or with label draws carries a mark and never beats an
// unmarked one.
struct DailyScore {
  int32_t levels = 0;
  int64_t timeSum = 0;
  bool marked = false;
};
DailyScore ScoreOf(const Trail& trail);
bool IsBetter(const DailyScore& candidate, const DailyScore& than);

}  // namespace zaptrail
