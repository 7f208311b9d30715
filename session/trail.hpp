#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A trail is everything needed to play a game again tick for tick: where it started, what the
// keys did at every tick, the tick period in force, the label game's draws between ticks, and
// the results the game claims to have reached. This header is a stable interface: the names
// below are used by the score board as well as by the shells and zaptrail-sim.
namespace zaptrail {

// The input of one tick after the focus rules, as bits: what the tick acted on.
enum TrailKeyBit : uint8_t {
  TrailUp = 1,
  TrailRight = 2,
  TrailDown = 4,
  TrailLeft = 8,
  TrailFire = 16,
  // A settings dialog or the about box held the game halted: the tick did nothing.
  TrailHalted = 32,
};
inline constexpr uint8_t kTrailKeyMask = 63;

// `ticks` consecutive ticks that sampled the same keys.
struct KeyRun {
  uint8_t keys = 0;  // TrailKeyBit values or'ed together
  int64_t ticks = 0;
};

// From tick `tick` on (counted from 0, the game's first tick), the timer ran every `period` ms.
struct PeriodChange {
  int64_t tick = 0;
  int32_t period = 0;
};

// The about box's label game took `draws` random draws after tick `tick` - 1 and before tick
// `tick`; they shift every later maze and hazard.
struct LabelDraws {
  int64_t tick = 0;
  int32_t draws = 0;
};

// A calendar date in UTC.
struct TrailDate {
  int32_t year = 0;
  int32_t month = 0;
  int32_t day = 0;
  friend bool operator==(const TrailDate&, const TrailDate&) = default;
};

// A level the game cleared, and its time (ElapsedTime, units of four ticks).
struct ClearedLevel {
  int32_t level = 0;
  int32_t time = 0;
  friend bool operator==(const ClearedLevel&, const ClearedLevel&) = default;
};

// How the trail ends: the chick died, or the game stopped alive (the player quit, started a
// new game, or the trail was cut right after a clearing).
enum class TrailEnding : uint8_t { Died, Stopped };

// What the game says it did. A verification must reach exactly this.
struct TrailResults {
  std::vector<ClearedLevel> cleared;
  TrailEnding ending = TrailEnding::Stopped;
  int32_t endLevel = 0;    // Level at the last tick
  uint32_t stateHash = 0;  // StateHash (trail_verify.hpp) after the last tick
};

struct Trail {
  int32_t formatVersion = 0;   // kTrailFormatVersion when written by this game
  std::string gameVersion;     // kGameVersion of the game that played it
  uint32_t startRandom = 0;    // the random state right after the game's NewGame
  int32_t firstLevel = 0;      // Level at the game's start
  int32_t startGoalFrame = 0;  // the goal animation's phase, which carries over from the last game
  std::vector<std::string> startBestTimes;  // the best times in force at the start, as shown
  std::optional<TrailDate> daily;           // set for a game on a date's daily seed
  std::vector<KeyRun> keys;                 // every tick of the game, in order
  std::vector<PeriodChange> periods;        // the first one at tick 0
  std::vector<LabelDraws> labelDraws;       // in tick order, at most one entry per tick
  TrailResults claimed;
};

// The number of ticks the trail holds.
int64_t TrailTicks(const Trail& trail);
// A mark in the score: some tick ran at a period other than the design's 32 ms.
bool PlayedAtOtherPeriod(const Trail& trail);
// A mark in a daily game's score: the label game took draws during it.
bool TookLabelDraws(const Trail& trail);

}  // namespace zaptrail
