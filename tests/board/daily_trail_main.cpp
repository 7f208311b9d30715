// daily-trail [LEVELS [PERIOD [TITLE-TICKS [MOST-TICKS [IDLE-TICKS]]]]]: prints today's daily trail
// as the scripted player plays it, for the board's measurements and page tests.
#include <cstdio>
#include <string>

#include "tests/board/daily_player.hpp"

int main(int argc, char** argv) {
  using namespace zaptrail::board_test;
  DailyGame plan{Today()};
  if (argc > 1) plan.levels = std::stoi(argv[1]);
  if (argc > 2) plan.period = std::stoi(argv[2]);
  if (argc > 3) plan.titleTicks = std::stoi(argv[3]);
  if (argc > 4) plan.mostTicks = std::stoll(argv[4]);
  if (argc > 5) plan.idleTicks = std::stoi(argv[5]);
  std::fputs(PlayDailyTrail(plan).c_str(), stdout);
  return 0;
}
