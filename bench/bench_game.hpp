#pragma once

#include <cstdint>

#include "game/game.hpp"
#include "tools/sim/scripted_platform.hpp"

namespace zaptrail::bench {

// A game on the replay driver's scripted platform, drawing from the real sprite sheet.
struct BenchGame {
  // Starts the game as the main window does, on the title screen.
  explicit BenchGame(uint32_t seed = 1);

  // Sets the Level and its maze size, as a replay started at that level does.
  void SetLevel(int32_t level);
  // Seeds the random source and builds the level the way StartLevel does, without playing it.
  void Build(int32_t level, uint32_t seed);
  // Builds the level and puts it in play with full power, as if Fire had started it, with the
  // chick in the middle of the maze so that the view shows all of its 15 x 13 tiles.
  void StartPlaying(int32_t level, uint32_t seed);

  ScriptedPlatform platform;
  Game game;
};

// How many draws took the random source from one state to another (counted by stepping it).
int64_t DrawsBetween(uint32_t from, uint32_t to);

}  // namespace zaptrail::bench
