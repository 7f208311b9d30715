#include "tools/sim/sim_report.hpp"

#include <cstdio>
#include <string>

#include "game/game.hpp"

namespace zaptrail {
namespace {

char GridCharacter(uint8_t code) {
  switch (code) {
    case CellWall:
      return '#';
    case CellFloor:
      return '.';
    case CellItem:
      return '*';
    case CellGoal:
      return 'G';
    case CellCloud:
      return 'c';
    case CellCloudWall:
      return 'C';
    default:
      return '?';
  }
}

}  // namespace

uint32_t CellsHash(const GameRecord& record) {
  uint32_t hash = 2166136261u;
  for (const uint8_t byte : record.Cells) hash = (hash ^ byte) * 16777619u;
  return hash;
}

void PrintLevel(std::ostream& out, const Game& game) {
  const GameRecord& record = game.record;
  int32_t movers = 0;
  for (const uint8_t active : record.MoverActive) movers += active != 0 ? 1 : 0;
  out << "level " << record.Level << " variant " << int{record.Variant} << " size "
      << record.MazeWidth << ' ' << record.MazeHeight << '\n'
      << "player " << record.PlayerX << ' ' << record.PlayerY << '\n'
      << "goal " << record.GoalX << ' ' << record.GoalY << ' ' << record.GoalHeading << '\n'
      << "movers " << movers << '\n';
  for (size_t i = 0; i < record.MoverActive.size(); ++i) {
    if (record.MoverActive[i] == 0) continue;
    out << "mover " << i << ' ' << record.MoverX[i] << ' ' << record.MoverY[i] << '\n';
  }
  out << "rng " << game.random.State() << '\n';
  std::string row(static_cast<size_t>(record.MazeWidth), ' ');
  for (int32_t y = 0; y < record.MazeHeight; ++y) {
    for (int32_t x = 0; x < record.MazeWidth; ++x) {
      row[static_cast<size_t>(x)] =
          GridCharacter(record.Cells[static_cast<size_t>(record.CellIndex(x, y))]);
    }
    out << row << '\n';
  }
}

void PrintTickState(std::ostream& out, int64_t tick, const Game& game, int32_t windowLeft,
                    int32_t windowTop) {
  const GameRecord& record = game.record;
  char hash[9];
  std::snprintf(hash, sizeof hash, "%08x", CellsHash(record));
  out << "tick " << tick << " phase " << int{record.Phase} << " level " << record.Level << " power "
      << record.Power << " time " << record.ElapsedTime << " sub " << record.SubTick << " player "
      << record.PlayerX << ' ' << record.PlayerY << " pose " << int{record.PlayerPose} << " goal "
      << record.GoalX << ' ' << record.GoalY << ' ' << record.GoalHeading << " frame "
      << record.GoalFrame << " window " << windowLeft << ' ' << windowTop << " size "
      << record.MazeWidth << ' ' << record.MazeHeight << " cells " << hash << " rng "
      << game.random.State() << '\n';
}

}  // namespace zaptrail
