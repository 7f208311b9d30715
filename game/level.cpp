#include "game/level.hpp"

#include <algorithm>
#include <cstring>
#include <new>

#include "game/draw_modulo.hpp"
#include "game/errors.hpp"
#include "game/game.hpp"
#include "game/play_field.hpp"
#include "game/variants.hpp"

namespace zaptrail {
namespace {

void AllocateGrid(GameRecord& record) {
  const size_t cellCount = static_cast<size_t>(record.MazeWidth * record.MazeHeight);
  record.Cells.clear();
  record.Cells.shrink_to_fit();
  try {
    record.Cells.assign(cellCount, CellFloor);
  } catch (const std::bad_alloc&) {
    // Nothing can be played without a grid: stay halted until a new game is started.
    record.Phase = PhaseHalted;
    throw GameError("Out of memory");
  } catch (const std::length_error&) {
    record.Phase = PhaseHalted;
    throw GameError("Out of memory");
  }
}

// The grid starts as floor: only the frame and the pillars are written.
void LayLattice(GameRecord& record) {
  const int32_t width = record.MazeWidth;
  const int32_t height = record.MazeHeight;
  uint8_t* cells = record.Cells.data();
  std::memset(cells, CellWall, static_cast<size_t>(width));
  for (int32_t y = 1; y <= height - 2; ++y) {
    uint8_t* row = cells + static_cast<ptrdiff_t>(y) * width;
    row[0] = CellWall;
    row[width - 1] = CellWall;
    if (y % 2 == 0) {
      for (int32_t x = 2; x <= width - 3; x += 2) row[x] = CellWall;
    }
  }
  std::memset(cells + static_cast<ptrdiff_t>(height - 1) * width, CellWall,
              static_cast<size_t>(width));
}

void KnockPillars(Game& game) {
  GameRecord& record = game.record;
  const int32_t width = record.MazeWidth;
  // The segment a pillar knocks down, by draw & 3: up, left, right, down. Left is only taken in
  // the first pillar column, so the walls never close a loop; elsewhere a left draw is discarded
  // and the same pillar draws again. Writing the pillar's own wall for the discarded draw keeps
  // the loop free of branches no processor can predict.
  const ptrdiff_t segment[4] = {-width, -1, 1, width};
  const ptrdiff_t segmentOrPillar[4] = {-width, 0, 1, width};
  // A local copy of the generator stays in a register; the cell writes could alias the Game's.
  RandomSource random = game.random;
  for (int32_t y = 2; y < record.MazeHeight - 1; y += 2) {
    uint8_t* row = record.Cells.data() + static_cast<ptrdiff_t>(y) * width;
    row[2 + segment[random.Draw() & 3]] = CellWall;
    for (int32_t x = 4; x < width - 1;) {
      const int32_t direction = random.Draw() & 3;
      row[x + segmentOrPillar[direction]] = CellWall;
      x += direction == 1 ? 0 : 2;
    }
  }
  game.random = random;
}

void RemoveWalls(Game& game) {
  GameRecord& record = game.record;
  const int32_t tries = WallRemovalTries(record.Variant, record.MazeWidth * record.MazeHeight);
  const int32_t width = record.MazeWidth;
  const DrawModulo rowModulo(record.MazeHeight - 2);
  const DrawModulo columnModulo(width - 2);
  uint8_t* cells = record.Cells.data();
  RandomSource random = game.random;
  for (int32_t i = 0; i < tries; ++i) {
    const int32_t y = rowModulo(random.Draw()) + 1;
    const int32_t x = columnModulo(random.Draw()) + 1;
    cells[x + y * width] = CellFloor;
  }
  game.random = random;
}

void PlaceMoversAndChick(Game& game) {
  GameRecord& record = game.record;
  const int32_t movers = MoverCount(record.Variant, record.Level, record.MazeWidth,
                                    record.MazeWidth * record.MazeHeight);
  for (int32_t i = 0; i < movers; ++i) {
    record.MoverActive[static_cast<size_t>(i)] = 1;
    PickRandomEmptyCell(game, record.MoverX[static_cast<size_t>(i)],
                        record.MoverY[static_cast<size_t>(i)]);
  }
  if (HasClouds(record.Variant)) {
    // The gravity variants drop the chick onto the lowest row, whatever lies there.
    record.PlayerX = game.random.Draw() % (record.MazeWidth - 2) + 1;
    record.PlayerY = record.MazeHeight - 2;
  } else {
    PickRandomEmptyCell(game, record.PlayerX, record.PlayerY);
  }
}

}  // namespace

int32_t WallRemovalTries(int8_t variant, int32_t cellCount) {
  // Integer divisions in this order: variant 6 divides before it multiplies.
  switch (variant) {
    case 1:
    case 4:
      return (cellCount / 3) * 2;
    case 2:
      return cellCount / 4;
    case 3:
      return 0;
    case 5:
      return cellCount / 7;
    case 6:
      return (cellCount / 6) * 5;
    default:
      return cellCount / 6;
  }
}

int32_t MoverCount(int8_t variant, int32_t level, int32_t width, int32_t cellCount) {
  if (HasClouds(variant)) return std::min(13 * level + width, kMoverSlots);
  if (HasWallBlocks(variant)) return std::min(cellCount / 8, kMoverSlots);
  return 0;
}

void SetLevel(GameRecord& record, int32_t level) {
  record.Level = level;
  record.MazeWidth = kFirstMazeSize + kMazeGrowth * level;
  record.MazeHeight = record.MazeWidth;
}

void SetStartSizes(GameRecord& record) {
  record.TileSize = kTileSize;
  SetLevel(record, 0);
}

void PickRandomEmptyCell(Game& game, int32_t& column, int32_t& row) {
  const GameRecord& record = game.record;
  do {
    column = game.random.Draw() % record.MazeWidth;
    row = game.random.Draw() % record.MazeHeight;
  } while (record.Cells[static_cast<size_t>(record.CellIndex(column, row))] != CellFloor);
}

void PlaceAtRandomEmptyCell(Game& game, uint8_t code) {
  GameRecord& record = game.record;
  // One draw covers at most 32768 cells, so items never reach the far end of a large maze.
  const int32_t cellCount = record.MazeWidth * record.MazeHeight;
  int32_t index = 0;
  do {
    index = game.random.Draw() % cellCount;
  } while (record.Cells[static_cast<size_t>(index)] != CellFloor);
  record.Cells[static_cast<size_t>(index)] = code;
}

void BuildLevel(Game& game) {
  GameRecord& record = game.record;
  record.MoverActive.fill(0);
  DiscardPlayField(game);
  AllocateGrid(record);
  record.Variant = static_cast<int8_t>(record.Level % 8);
  LayLattice(record);
  KnockPillars(game);
  RemoveWalls(game);
  PlaceMoversAndChick(game);
  for (int32_t i = 0; i < 2 * record.Level + 2; ++i) PlaceAtRandomEmptyCell(game, CellItem);
  PickRandomEmptyCell(game, record.GoalX, record.GoalY);
  record.Cells[static_cast<size_t>(record.CellIndex(record.GoalX, record.GoalY))] = CellGoal;
  record.GoalHeading = game.random.Draw() & 3;
}

}  // namespace zaptrail
