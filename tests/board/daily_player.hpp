#pragma once

#include <cstdint>
#include <string>

#include "session/trail.hpp"

namespace zaptrail::board_test {

// How a scripted player plays a day's course: levels to clear before stopping (or dying
// trying), and the tick period the game runs at.
struct DailyGame {
  TrailDate date;
  int32_t levels = 1;
  int32_t period = 32;
  // Ticks spent idle at the title: two games that differ only here are two different trails
  // with the same result.
  int32_t titleTicks = 8;
  // Ticks the chick stands still at the start of each level before it sets off, as a player
  // who looks around first.
  int32_t idleTicks = 0;
  // The game stops here at the latest, whatever it cleared.
  int64_t mostTicks = 200000;
};

// Plays the day's course through the engine as a player would, fetching the jugs nearby and
// then making for the goal, and returns the trail of that game with the results the engine
// reached; PlayDailyTrail returns it as a trail file.
Trail PlayDaily(const DailyGame& plan);
std::string PlayDailyTrail(const DailyGame& plan);

// The UTC date today, and the day before it.
TrailDate Today();
TrailDate Yesterday();

}  // namespace zaptrail::board_test
