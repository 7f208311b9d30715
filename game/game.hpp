#pragma once

#include <cstdint>
#include <string>

#include "game/game_record.hpp"
#include "game/platform.hpp"
#include "game/random.hpp"
#include "game/records_place.hpp"
#include "game/trace.hpp"
#include "view/compass_needle.hpp"
#include "view/surface.hpp"

namespace zaptrail {

// The one game: its record, its random source, the two pictures it draws into, and the
// platform it reaches the machine through. Owned by the main window (or by the replay driver).
struct Game {
  Game(Platform& platformToUse, const PixelSurface& spriteSheet)
      : platform(platformToUse), sheet(spriteSheet) {}

  GameRecord record;
  RandomSource random;
  Platform& platform;
  const PixelSurface& sheet;
  PixelSurface playField;  // the main window's Image1
  PixelSurface compass{kCompassSize,
                       kCompassSize};  // the compass window's Image1, black until the first needle
  std::string appDir;                  // the executable's directory, ending in a separator
  RecordsPlace recordsPlace;           // where the best times are read and written
  Trace* trace = nullptr;
};

// The game's share of the main window's creation: sizes, records, seed, grid, joystick and
// the title screen. Throws when an existing records file cannot be read.
void SetUpGame(Game& game, uint32_t seed, const std::string& recordsPath);

}  // namespace zaptrail
