#include "board/proof.hpp"

#include <string>

#include "board/refusal.hpp"
#include "session/daily.hpp"
#include "session/tick_period.hpp"
#include "session/trail.hpp"
#include "session/trail_file.hpp"
#include "session/trail_verify.hpp"

namespace zaptrail::board {
namespace {

TrailDate ToTrailDate(std::chrono::sys_days day) {
  const std::chrono::year_month_day date(day);
  return {static_cast<int32_t>(static_cast<int>(date.year())),
          static_cast<int32_t>(static_cast<unsigned>(date.month())),
          static_cast<int32_t>(static_cast<unsigned>(date.day()))};
}

Trail Read(std::string_view text) {
  if (text.size() > kMaxTrailBytes) throw Refusal(Reason::TooBig, "the trail is larger than 4 MiB");
  try {
    return ReadTrail(text);
  } catch (const TrailError& error) {
    const std::string why = error.what();
    // The reader's own limits come back as the board's own reasons.
    if (why.find("ticks") != std::string::npos && why.find("2000000") != std::string::npos) {
      throw Refusal(Reason::TooLong, "the trail is longer than 2,000,000 ticks (" + why + ")");
    }
    throw Refusal(Reason::NotATrail, "not a trail: " + why);
  }
}

// The day's course: the daily seed of today or yesterday, from the game's first level, with no
// label game draws to shift its mazes.
TrailDate CheckDaily(const Trail& trail, std::chrono::sys_days today) {
  const bool recent = trail.daily && (*trail.daily == ToTrailDate(today) ||
                                      *trail.daily == ToTrailDate(today - std::chrono::days(1)));
  if (!recent || trail.startRandom != DailySeed(*trail.daily) || trail.firstLevel != 0) {
    throw Refusal(Reason::NotDaily, "not the daily trail of today or yesterday (UTC)");
  }
  if (TookLabelDraws(trail)) {
    throw Refusal(Reason::NotDaily,
                  "the about box's label game changed this game's mazes, so it left the day's "
                  "course");
  }
  return *trail.daily;
}

// The period a game is ranked under: the usual one, or the first other one it was played at.
int RankedPeriod(const Trail& trail) {
  for (const PeriodChange& change : trail.periods) {
    if (change.period != kDesignPeriod) return change.period;
  }
  return kDesignPeriod;
}

}  // namespace

std::string DateText(std::chrono::sys_days day) {
  return FormatDate(ToTrailDate(day));
}

ProvenGame ProveDailyTrail(std::string_view text, std::chrono::sys_days today) {
  const Trail trail = Read(text);
  if (trail.gameVersion != kGameVersion) {
    throw Refusal(Reason::OtherVersion, "the trail was made by game version " + trail.gameVersion +
                                            "; this board verifies version " + kGameVersion);
  }
  if (TrailTicks(trail) > kMaxTrailTicks) {
    throw Refusal(Reason::TooLong, "the trail is longer than 2,000,000 ticks");
  }
  const TrailDate date = CheckDaily(trail, today);
  Verification verification;
  try {
    verification = VerifyTrail(trail);
  } catch (const TrailError& error) {
    throw Refusal(Reason::OtherVersion, std::string("the trail cannot be played: ") + error.what());
  }
  if (!verification.matches) {
    throw Refusal(Reason::NoMatch,
                  "the results do not match the trail: " + verification.difference);
  }
  ProvenGame proven{FormatDate(date), 0, 0, RankedPeriod(trail), {}};
  for (const ClearedLevel& cleared : verification.reached.cleared) {
    proven.levels++;
    proven.total += cleared.time;
    proven.times.push_back({cleared.level, cleared.time});
  }
  return proven;
}

}  // namespace zaptrail::board
