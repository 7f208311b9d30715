#include "tests/board/chick_route.hpp"

#include <algorithm>

#include "game/game.hpp"
#include "game/hazards.hpp"
#include "game/movement.hpp"
#include "session/trail.hpp"
#include "tools/sim/scripted_platform.hpp"

namespace zaptrail::board_test {
namespace {

// Waiting comes last, so a route sets off at once when setting off is as quick.
constexpr uint8_t kChoices[] = {TrailUp, TrailRight, TrailDown, TrailLeft, 0};

InputFlags FlagsOf(uint8_t keys) {
  return {(keys & TrailUp) != 0, (keys & TrailRight) != 0, (keys & TrailDown) != 0,
          (keys & TrailLeft) != 0, false};
}

bool IsAimed(uint8_t code, Aim aim) {
  return code == (aim == Aim::Item ? CellItem : CellGoal);
}

// Where the chick can stand at the start of one tick, and how it got there from the tick before.
struct Reached {
  int32_t cell = 0;
  int32_t from = -1;  // its place in the tick before's list
  uint8_t keys = 0;   // held in the tick before
};

std::vector<uint8_t> KeysTo(const std::vector<std::vector<Reached>>& ticks, int32_t at) {
  std::vector<uint8_t> keys;
  for (size_t tick = ticks.size() - 1; tick > 0; --tick) {
    const Reached& step = ticks[tick][static_cast<size_t>(at)];
    keys.push_back(step.keys);
    at = step.from;
  }
  std::reverse(keys.begin(), keys.end());
  return keys;
}

}  // namespace

std::optional<std::vector<uint8_t>> RouteTo(const Game& game, Aim aim, int32_t mostTicks) {
  ScriptedPlatform platform;
  Game ahead(platform, game.sheet);
  ahead.record = game.record;
  ahead.random = game.random;
  GameRecord& record = ahead.record;
  const int32_t width = record.MazeWidth;
  std::vector<std::vector<Reached>> ticks{{{record.CellIndex(record.PlayerX, record.PlayerY)}}};
  // The tick at whose start each cell was last reached, so each is listed once per tick.
  std::vector<int32_t> reachedAt(record.Cells.size(), -1);
  for (int32_t tick = 0;; ++tick) {
    const std::vector<Reached>& now = ticks.back();
    std::vector<Reached> next;
    for (size_t at = 0; at < now.size(); ++at) {
      const uint8_t code = record.Cells[static_cast<size_t>(now[at].cell)];
      // Whatever lies under the chick now is this tick's already.
      if (tick > 0 && IsAimed(code, aim)) return KeysTo(ticks, static_cast<int32_t>(at));
      // The goal ends the level: no way goes on from it.
      if (tick > 0 && code == CellGoal) continue;
      if (tick >= mostTicks) continue;
      for (const uint8_t keys : kChoices) {
        record.PlayerX = now[at].cell % width;
        record.PlayerY = now[at].cell / width;
        MovePlayer(ahead, FlagsOf(keys));
        const int32_t cell = record.CellIndex(record.PlayerX, record.PlayerY);
        int32_t& seen = reachedAt[static_cast<size_t>(cell)];
        if (seen == tick + 1) continue;
        seen = tick + 1;
        next.push_back({cell, static_cast<int32_t>(at), keys});
      }
    }
    if (next.empty()) return std::nullopt;
    RunHazards(ahead);
    ticks.push_back(std::move(next));
  }
}

}  // namespace zaptrail::board_test
