#include "tests/board/daily_player.hpp"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <optional>
#include <stdexcept>
#include <utility>
#include <vector>

#include "game/game.hpp"
#include "game/tick.hpp"
#include "session/daily.hpp"
#include "session/trail_file.hpp"
#include "session/trail_verify.hpp"
#include "tests/board/chick_route.hpp"
#include "tools/sim/scripted_platform.hpp"
#include "view/sprite_sheet.hpp"

namespace zaptrail::board_test {
namespace {

// After the levels are cleared the game goes on this long, so the trail ends in play.
constexpr int64_t kTicksAfterLastLevel = 4;

// A jug this near is worth the way there: each gives the power of sixty ticks.
constexpr int32_t kNearJug = 40;

// The ticks the chick's power still lasts: it drains one every second tick, and the last two
// are kept in hand.
int32_t TicksOfPower(const GameRecord& record) {
  return 2 * record.Power - 2;
}

// The keys of the next ticks, as a player plays: the jugs nearby first, then the goal, and far
// jugs when the goal is out of reach on the power left.
std::vector<uint8_t> PlanAhead(const Game& game, int64_t ticksLeft) {
  const int32_t reach =
      static_cast<int32_t>(std::min<int64_t>(TicksOfPower(game.record), ticksLeft));
  const std::pair<Aim, int32_t> aims[] = {
      {Aim::Item, std::min(reach, kNearJug)}, {Aim::Goal, reach}, {Aim::Item, reach}};
  for (const auto& [aim, within] : aims) {
    if (std::optional<std::vector<uint8_t>> route = RouteTo(game, aim, within)) return *route;
  }
  // Nothing within reach now: wait a tick, the hazards may open a way.
  return {0};
}

void Hold(ScriptedPlatform& platform, uint8_t keys) {
  platform.Hold(Key::Up, (keys & TrailUp) != 0);
  platform.Hold(Key::Right, (keys & TrailRight) != 0);
  platform.Hold(Key::Down, (keys & TrailDown) != 0);
  platform.Hold(Key::Left, (keys & TrailLeft) != 0);
  platform.Hold(Key::Space, (keys & TrailFire) != 0);
}

void Append(std::vector<KeyRun>& runs, uint8_t keys) {
  if (!runs.empty() && runs.back().keys == keys) {
    runs.back().ticks++;
  } else {
    runs.push_back({keys, 1});
  }
}

TrailDate DateOf(std::chrono::sys_days day) {
  const std::chrono::year_month_day date(day);
  return {static_cast<int32_t>(static_cast<int>(date.year())),
          static_cast<int32_t>(static_cast<unsigned>(date.month())),
          static_cast<int32_t>(static_cast<unsigned>(date.day()))};
}

}  // namespace

TrailDate Today() {
  return DateOf(std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now()));
}

TrailDate Yesterday() {
  return DateOf(std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now()) -
                std::chrono::days(1));
}

Trail PlayDaily(const DailyGame& plan) {
  ScriptedPlatform platform;
  Game game(platform, SpriteSheet());
  SetUpGame(game, DailySeed(plan.date), {});
  Trail trail;
  trail.formatVersion = kTrailFormatVersion;
  trail.gameVersion = kGameVersion;
  trail.startRandom = DailySeed(plan.date);
  trail.firstLevel = game.record.Level;
  trail.startGoalFrame = game.record.GoalFrame;
  trail.daily = plan.date;
  trail.periods = {{0, plan.period}};

  int64_t titleTicks = 0;
  int64_t afterLast = 0;
  int64_t idle = 0;
  std::vector<uint8_t> route;
  size_t routed = 0;
  for (int64_t tick = 0; tick < plan.mostTicks; ++tick) {
    const GameRecord& record = game.record;
    if (record.Phase == PhaseDead) break;
    if (record.Level >= plan.levels && ++afterLast > kTicksAfterLastLevel) break;
    uint8_t keys = 0;
    if (record.Phase == PhaseTitle) {
      keys = ++titleTicks > plan.titleTicks ? TrailFire : 0;
    } else if (record.Phase == PhasePlaying) {
      if (++idle > plan.idleTicks) {
        if (routed == route.size()) {
          route = PlanAhead(game, plan.mostTicks - tick);
          routed = 0;
        }
        keys = route[routed++];
      }
    } else {
      idle = 0;
      route.clear();
      routed = 0;
    }
    Hold(platform, keys);
    Append(trail.keys, keys);
    Timer1Timer(game);
  }
  // The claims are what the engine itself reaches on these keys.
  trail.claimed = VerifyTrail(trail).reached;
  return trail;
}

std::string PlayDailyTrail(const DailyGame& plan) {
  return WriteTrail(PlayDaily(plan));
}

}  // namespace zaptrail::board_test
