#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace zaptrail {
struct Game;
}

namespace zaptrail::board_test {

// What the chick makes for: the nearest jug, or the goal.
enum class Aim : uint8_t { Item, Goal };

// The keys (TrailKeyBit values), one per tick from the next one on, after which the chick
// stands on a cell of the aim at the start of a tick; none when no way gets there within
// `mostTicks`. The level is played forward in a game of its own: its hazards never depend on
// the chick, so the route holds tick for tick, and every step is the engine's own MovePlayer.
std::optional<std::vector<uint8_t>> RouteTo(const Game& game, Aim aim, int32_t mostTicks);

}  // namespace zaptrail::board_test
