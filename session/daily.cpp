#include "session/daily.hpp"

#include <cstdio>

namespace zaptrail {
namespace {

bool IsLeapYear(int32_t year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int32_t DaysInMonth(int32_t year, int32_t month) {
  constexpr int32_t kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

constexpr int64_t kSecondsPerDay = 86'400;

}  // namespace

// The days-from-civil count of the proleptic Gregorian calendar, in 400-year eras.
int64_t DaysSinceEpoch(const TrailDate& date) {
  const int64_t year = date.month <= 2 ? date.year - 1 : date.year;
  const int64_t era = (year >= 0 ? year : year - 399) / 400;
  const int64_t yearOfEra = year - era * 400;
  const int64_t dayOfYear = (153 * (date.month + (date.month > 2 ? -3 : 9)) + 2) / 5 + date.day - 1;
  const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146'097 + dayOfEra - 719'468;
}

uint32_t DailySeed(const TrailDate& date) {
  auto x = static_cast<uint32_t>(DaysSinceEpoch(date));
  x ^= x >> 16;
  x *= 0x85EBCA6Bu;
  x ^= x >> 13;
  x *= 0xC2B2AE35u;
  x ^= x >> 16;
  return x;
}

TrailDate UtcDate(std::time_t moment) {
  int64_t days = static_cast<int64_t>(moment) / kSecondsPerDay;
  if (static_cast<int64_t>(moment) % kSecondsPerDay < 0) --days;
  // The inverse of DaysSinceEpoch.
  days += 719'468;
  const int64_t era = (days >= 0 ? days : days - 146'096) / 146'097;
  const int64_t dayOfEra = days - era * 146'097;
  const int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36'524 - dayOfEra / 146'096) / 365;
  const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
  TrailDate date;
  date.day = static_cast<int32_t>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
  date.month = static_cast<int32_t>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
  date.year = static_cast<int32_t>(yearOfEra + era * 400 + (date.month <= 2 ? 1 : 0));
  return date;
}

std::string FormatDate(const TrailDate& date) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", static_cast<int>(date.year),
                static_cast<int>(date.month), static_cast<int>(date.day));
  return text;
}

std::optional<TrailDate> ParseDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  auto number = [&](size_t from, size_t count, int32_t& value) {
    value = 0;
    for (size_t i = from; i < from + count; ++i) {
      if (text[i] < '0' || text[i] > '9') return false;
      value = value * 10 + (text[i] - '0');
    }
    return true;
  };
  TrailDate date;
  if (!number(0, 4, date.year) || !number(5, 2, date.month) || !number(8, 2, date.day)) {
    return std::nullopt;
  }
  if (date.year < 1970 || date.month < 1 || date.month > 12 || date.day < 1 ||
      date.day > DaysInMonth(date.year, date.month)) {
    return std::nullopt;
  }
  return date;
}

DailyScore ScoreOf(const Trail& trail) {
  DailyScore score;
  score.levels = static_cast<int32_t>(trail.claimed.cleared.size());
  for (const ClearedLevel& cleared : trail.claimed.cleared) score.timeSum += cleared.time;
  score.marked = PlayedAtOtherPeriod(trail) || TookLabelDraws(trail);
  return score;
}

bool IsBetter(const DailyScore& candidate, const DailyScore& than) {
  if (candidate.marked != than.marked) return !candidate.marked;
  if (candidate.levels != than.levels) return candidate.levels > than.levels;
  return candidate.timeSum < than.timeSum;
}

}  // namespace zaptrail
