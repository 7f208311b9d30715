#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "board/store.hpp"

namespace zaptrail::board {

// What re-simulating a daily trail proved: its date, and what the rules made of its keys.
struct ProvenGame {
  std::string date;
  int levels = 0;
  int64_t total = 0;
  int period = 0;
  std::vector<LevelTime> times;
};

// Reads the trail, checks it is this game version's daily trail of `today` or the day before,
// re-simulates it and compares every claimed result; a Refusal says what failed.
ProvenGame ProveDailyTrail(std::string_view text, std::chrono::sys_days today);

// A date as YYYY-MM-DD.
std::string DateText(std::chrono::sys_days day);

}  // namespace zaptrail::board
