#include "game/hazards.hpp"

#include "game/game.hpp"
#include "game/variants.hpp"

namespace zaptrail {
namespace {

// Steps of a heading: 0 up, 1 right, 2 down, 3 left.
int32_t HeadingDx(int32_t heading) {
  return heading == 1 ? 1 : heading == 3 ? -1 : 0;
}
int32_t HeadingDy(int32_t heading) {
  return heading == 2 ? 1 : heading == 0 ? -1 : 0;
}
int32_t HeadingOffset(int32_t heading, int32_t width) {
  return HeadingDx(heading) + HeadingDy(heading) * width;
}

void ShiftWindow(Game& game, int32_t range) {
  Platform& platform = game.platform;
  const int32_t reach = range / 2;
  const int32_t left = platform.WindowLeft() + game.random.Draw() % range - reach;
  platform.SetWindowLeft(left);
  const int32_t top = platform.WindowTop() + game.random.Draw() % range - reach;
  platform.SetWindowTop(top);
}

}  // namespace

void RiseClouds(Game& game) {
  GameRecord& record = game.record;
  uint8_t* cells = record.Cells.data();
  const int32_t width = record.MazeWidth;
  // Each cloud sees the grid as the clouds before it left it; clouds that meet wipe each
  // other's cells and so wear the walls away over a long level. That is how the level plays.
  for (size_t i = 0; i < kMoverSlots; ++i) {
    if (record.MoverActive[i] == 0) continue;
    int32_t x = record.MoverX[i];
    int32_t y = record.MoverY[i];
    uint8_t& left = cells[record.CellIndex(x, y)];
    left = (left == CellCloudWall || left == CellWall) ? CellWall : CellFloor;
    if (y == 1) {
      x = game.random.Draw() % (width - 2) + 1;
      y = record.MazeHeight - 1;
      cells[record.CellIndex(x, y)] = CellCloudWall;
    } else {
      y -= 1;
      uint8_t& entered = cells[record.CellIndex(x, y)];
      entered = entered == CellWall ? CellCloudWall : CellCloud;
    }
    record.MoverX[i] = x;
    record.MoverY[i] = y;
  }
}

void WanderBlocks(Game& game) {
  GameRecord& record = game.record;
  uint8_t* cells = record.Cells.data();
  for (size_t i = 0; i < kMoverSlots; ++i) {
    if (record.MoverActive[i] == 0) continue;
    int32_t index = record.CellIndex(record.MoverX[i], record.MoverY[i]);
    cells[index] = CellFloor;
    const int32_t heading = game.random.Draw() & 3;
    const int32_t next = index + HeadingOffset(heading, record.MazeWidth);
    // A block may step onto the chick's cell: the chick is not part of the grid.
    if (!IsSolid(cells[next])) {
      index = next;
      record.MoverX[i] += HeadingDx(heading);
      record.MoverY[i] += HeadingDy(heading);
    }
    cells[index] = CellWall;
  }
}

void WanderGoal(Game& game) {
  GameRecord& record = game.record;
  uint8_t* cells = record.Cells.data();
  const int32_t index = record.CellIndex(record.GoalX, record.GoalY);
  cells[index] = CellFloor;
  const int32_t turnDraw = game.random.Draw();
  const int32_t ahead = index + HeadingOffset(record.GoalHeading, record.MazeWidth);
  if (turnDraw % 10 != 0 && !IsSolid(cells[ahead])) {
    record.GoalX += HeadingDx(record.GoalHeading);
    record.GoalY += HeadingDy(record.GoalHeading);
  } else {
    record.GoalHeading = game.random.Draw() & 3;
  }
}

void ShakeWindow(Game& game) {
  const GameRecord& record = game.record;
  // Nothing pulls the window back: the offsets add up for as long as the level lasts.
  if (ShakesWindow(record.Variant)) ShiftWindow(game, 5);
  if (record.Level == 10 || record.Level == 20) ShiftWindow(game, 11);
}

void StampGoal(Game& game) {
  GameRecord& record = game.record;
  record.Cells[static_cast<size_t>(record.CellIndex(record.GoalX, record.GoalY))] = CellGoal;
}

void RunHazards(Game& game) {
  const int8_t variant = game.record.Variant;
  if (HasClouds(variant)) RiseClouds(game);
  if (HasWallBlocks(variant)) WanderBlocks(game);
  if (HasWanderingGoal(variant)) WanderGoal(game);
  ShakeWindow(game);
  StampGoal(game);
}

}  // namespace zaptrail
