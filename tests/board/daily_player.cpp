#include "tests/board/daily_player.hpp"

#include <chrono>
#include <ctime>
#include <deque>
#include <stdexcept>
#include <vector>

#include "game/game.hpp"
#include "game/tick.hpp"
#include "session/daily.hpp"
#include "session/trail_file.hpp"
#include "session/trail_verify.hpp"
#include "tools/sim/scripted_platform.hpp"
#include "view/sprite_sheet.hpp"

namespace zaptrail::board_test {
namespace {

// After the levels are cleared the game goes on this long, so the trail ends in play.
constexpr int64_t kTicksAfterLastLevel = 4;

// The key that steps the chick one cell nearer the goal, walking only on what is not solid.
uint8_t StepTowardsGoal(const GameRecord& record) {
  const int32_t width = record.MazeWidth;
  const int32_t height = record.MazeHeight;
  std::vector<int32_t> distance(static_cast<size_t>(width * height), -1);
  std::deque<int32_t> open{record.CellIndex(record.GoalX, record.GoalY)};
  distance[static_cast<size_t>(open.front())] = 0;
  constexpr int32_t dx[] = {0, 1, 0, -1};
  constexpr int32_t dy[] = {-1, 0, 1, 0};
  while (!open.empty()) {
    const int32_t cell = open.front();
    open.pop_front();
    for (int d = 0; d < 4; ++d) {
      const int32_t x = cell % width + dx[d];
      const int32_t y = cell / width + dy[d];
      if (x < 0 || y < 0 || x >= width || y >= height) continue;
      const int32_t next = record.CellIndex(x, y);
      if (distance[static_cast<size_t>(next)] >= 0 ||
          IsSolid(record.Cells[static_cast<size_t>(next)])) {
        continue;
      }
      distance[static_cast<size_t>(next)] = distance[static_cast<size_t>(cell)] + 1;
      open.push_back(next);
    }
  }
  constexpr uint8_t kKeys[] = {TrailUp, TrailRight, TrailDown, TrailLeft};
  uint8_t best = 0;
  int32_t nearest = -1;
  for (int d = 0; d < 4; ++d) {
    const int32_t x = record.PlayerX + dx[d];
    const int32_t y = record.PlayerY + dy[d];
    if (x < 0 || y < 0 || x >= width || y >= height) continue;
    const int32_t away = distance[static_cast<size_t>(record.CellIndex(x, y))];
    if (away >= 0 && (nearest < 0 || away < nearest)) {
      nearest = away;
      best = kKeys[d];
    }
  }
  return best;
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

std::string PlayDailyTrail(const DailyGame& plan) {
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
  for (int64_t tick = 0; tick < plan.mostTicks; ++tick) {
    const GameRecord& record = game.record;
    if (record.Phase == PhaseDead) break;
    if (record.Level >= plan.levels && ++afterLast > kTicksAfterLastLevel) break;
    uint8_t keys = 0;
    if (record.Phase == PhaseTitle) {
      keys = ++titleTicks > plan.titleTicks ? TrailFire : 0;
    } else if (record.Phase == PhasePlaying) {
      keys = ++idle > plan.idleTicks ? StepTowardsGoal(record) : 0;
    } else {
      idle = 0;
    }
    Hold(platform, keys);
    Append(trail.keys, keys);
    Timer1Timer(game);
  }
  // The claims are what the engine itself reaches on these keys.
  trail.claimed = VerifyTrail(trail).reached;
  return WriteTrail(trail);
}

}  // namespace zaptrail::board_test
