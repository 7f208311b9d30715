#include "game/game.hpp"

#include "game/input.hpp"
#include "game/level.hpp"
#include "game/records.hpp"
#include "game/tick.hpp"

namespace zaptrail {
namespace {

// The list stays empty when loading throws.
template <typename LoadBestTimes>
void SetUp(Game& game, uint32_t seed, LoadBestTimes&& load, JoystickProbeTime probe) {
  GameRecord& record = game.record;
  SetStartSizes(record);
  record.BestTimes.clear();
  record.BestTimes = load();
  game.random.Seed(seed);
  record.Cells.assign(static_cast<size_t>(record.MazeWidth * record.MazeHeight), CellFloor);
  game.joystickProbePending = true;
  if (probe == JoystickProbeTime::DuringSetUp) ProbePendingJoystick(game);
  NewGame(game);
}

}  // namespace

void SetUpGame(Game& game, uint32_t seed, const std::string& recordsPath, JoystickProbeTime probe) {
  SetUp(
      game, seed,
      [&] {
        return RecordsFileExists(recordsPath) ? LoadRecords(recordsPath)
                                              : std::vector<std::string>{};
      },
      probe);
}

void SetUpGame(Game& game, uint32_t seed, const RecordsPlace& place, JoystickProbeTime probe) {
  SetUp(
      game, seed, [&] { return LoadBestTimes(place); }, probe);
}

}  // namespace zaptrail
