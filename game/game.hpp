#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "game/game_record.hpp"
#include "game/input.hpp"
#include "game/platform.hpp"
#include "game/random.hpp"
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
  bool joystickProbePending = false;   // set-up left the probe for after the first frame
  Trace* trace = nullptr;
  // What Escape does, given by the game's owner: the main window's close, which may throw to
  // keep the window open and the rest of the tick unrun. Escape does nothing without one.
  std::function<void()> escape;
  // False while a trail is proved: the rules never read a pixel back, so nothing is drawn.
  bool drawsPixels = true;
  // What the last tick acted on, after the focus rules: kept for the game's trail.
  InputFlags sampled;
};

// When set-up probes the joystick: at once, or once the shell has shown its first frame
// (ProbePendingJoystick), which keeps starting the joystick library off the way to it.
enum class JoystickProbeTime : uint8_t { DuringSetUp, AfterFirstFrame };

// The game's share of the main window's creation: sizes, the best times already read, seed,
// grid, joystick and the title screen.
void SetUpGame(Game& game, uint32_t seed, BestTimes bestTimes,
               JoystickProbeTime probe = JoystickProbeTime::DuringSetUp);

}  // namespace zaptrail
