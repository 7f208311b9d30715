// daily-trail [LEVELS [PERIOD [TITLE-TICKS [MOST-TICKS [IDLE-TICKS]]]]]: prints today's daily trail
// as the scripted player plays it, for the board's measurements and page tests.
// daily-trail --submissions FOLDER COUNT: writes COUNT different submissions of five minutes'
// play on today's and yesterday's courses, FOLDER/submission-1.json and on, for the measurements.
#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "session/daily.hpp"
#include "session/trail_file.hpp"
#include "session/trail_verify.hpp"
#include "tests/board/daily_player.hpp"

namespace {

using namespace zaptrail;
using namespace zaptrail::board_test;

// Five minutes of play at 32 ms a tick.
constexpr int64_t kFiveMinutes = 9375;
// Players who share the submissions, each with a key of its own.
constexpr int kPlayers = 50;

// The same game begun after more ticks at the title: the title draws nothing, so the rest plays
// tick for tick alike and reaches the same results, yet it is another trail.
Trail LaterStart(Trail trail, int64_t titleTicks) {
  trail.keys.front().ticks = titleTicks;
  return trail;
}

int WriteSubmissions(const std::string& folder, int count) {
  std::vector<Trail> games;
  for (const TrailDate date : {Today(), Yesterday()}) {
    for (const int32_t idleTicks : {0, 1}) {
      DailyGame plan{date, 1000};
      plan.mostTicks = kFiveMinutes;
      plan.idleTicks = idleTicks;
      games.push_back(PlayDaily(plan));
      std::fprintf(stderr, "daily-trail: %s, %zu levels in %lld ticks\n", FormatDate(date).c_str(),
                   games.back().claimed.cleared.size(),
                   static_cast<long long>(TrailTicks(games.back())));
    }
  }
  for (int n = 0; n < count; ++n) {
    const Trail& game = games[static_cast<size_t>(n) % games.size()];
    const Trail trail =
        LaterStart(game, game.keys.front().ticks + n / static_cast<int>(games.size()));
    // The first of each game checks that a later start keeps the results.
    if (n < static_cast<int>(games.size()) && !VerifyTrail(trail).matches) {
      std::fputs("daily-trail: a later start changed the game\n", stderr);
      return 1;
    }
    const int player = n % kPlayers;
    const nlohmann::json body = {{"name", "measure-" + std::to_string(player)},
                                 {"key", "measure-key-" + std::to_string(player) + "-0123456789"},
                                 {"trail", WriteTrail(trail)}};
    std::ofstream(folder + "/submission-" + std::to_string(n + 1) + ".json") << body.dump();
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "--submissions") {
    return WriteSubmissions(argv[2], std::stoi(argv[3]));
  }
  DailyGame plan{Today()};
  if (argc > 1) plan.levels = std::stoi(argv[1]);
  if (argc > 2) plan.period = std::stoi(argv[2]);
  if (argc > 3) plan.titleTicks = std::stoi(argv[3]);
  if (argc > 4) plan.mostTicks = std::stoll(argv[4]);
  if (argc > 5) plan.idleTicks = std::stoi(argv[5]);
  std::fputs(PlayDailyTrail(plan).c_str(), stdout);
  return 0;
}
