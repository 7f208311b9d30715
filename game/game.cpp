#include "game/game.hpp"

#include "game/input.hpp"
#include "game/level.hpp"
#include "game/records.hpp"
#include "game/tick.hpp"

namespace zaptrail {

void SetUpGame(Game& game, uint32_t seed, const std::string& recordsPath) {
  GameRecord& record = game.record;
  SetStartSizes(record);
  record.BestTimes.clear();
  if (RecordsFileExists(recordsPath)) record.BestTimes = LoadRecords(recordsPath);
  game.random.Seed(seed);
  record.Cells.assign(static_cast<size_t>(record.MazeWidth * record.MazeHeight), CellFloor);
  ProbeJoystick(game);
  NewGame(game);
}

}  // namespace zaptrail
