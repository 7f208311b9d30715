#include "game/game.hpp"

#include <utility>

#include "game/input.hpp"
#include "game/level.hpp"
#include "game/tick.hpp"

namespace zaptrail {

void SetUpGame(Game& game, uint32_t seed, BestTimes bestTimes, JoystickProbeTime probe) {
  GameRecord& record = game.record;
  SetStartSizes(record);
  record.BestTimes = std::move(bestTimes);
  game.random.Seed(seed);
  record.Cells.assign(static_cast<size_t>(record.MazeWidth * record.MazeHeight), CellFloor);
  game.joystickProbePending = true;
  if (probe == JoystickProbeTime::DuringSetUp) ProbePendingJoystick(game);
  NewGame(game);
}

}  // namespace zaptrail
