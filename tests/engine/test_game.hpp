#pragma once

#include <string>

#include "game/game.hpp"
#include "tools/sim/scripted_platform.hpp"

namespace zaptrail::testing {

// A game on a scripted platform, drawing from a sheet whose every tile and glyph is a solid
// colour derived from its code, so that tests can tell on pixels what was drawn where.
struct TestGame {
  TestGame();

  // As the main window's creation does it, with a fixed seed and no records file.
  void SetUp(uint32_t seed = 1);
  // Sets the Level and its maze size, as a replay started at that level does.
  void SetLevel(int32_t level);
  // Builds a level from a seed, as a replay's level command does.
  void Build(int32_t level, uint32_t seed);

  // A size x size grid of floor inside a wall frame, in the middle of a playing level of the
  // given variant: chick at (1, 1), goal at (size - 2, size - 2), no movers.
  void OpenField(int32_t size, int8_t variant = 0);
  // Runs one tick with exactly these keys held.
  void Tick(const std::vector<Key>& keys = {});

  uint8_t& Cell(int32_t x, int32_t y) {
    return game.record.Cells[static_cast<size_t>(game.record.CellIndex(x, y))];
  }

  ScriptedPlatform platform;
  PixelSurface sheet;
  Game game;
  GameRecord& record;
};

// The colour the test sheet uses for tile code v, and for the set pixels of glyph c.
uint32_t TileColour(uint8_t code);
uint32_t GlyphColour(uint8_t byte);

}  // namespace zaptrail::testing
