#include "game/play_field.hpp"

#include <string>

#include "game/game.hpp"
#include "game/text.hpp"
#include "view/tiles.hpp"

namespace zaptrail {
namespace {

constexpr int32_t kViewColumns = 15;
constexpr int32_t kViewRows = 13;
constexpr int32_t kStatusHeight = 16;
constexpr int32_t kCentreColumn = 7;
constexpr int32_t kCentreRow = 6;
constexpr uint8_t kGoalFrameOffset[3] = {0, 1, 2};

int32_t FieldWidth(const GameRecord& record) {
  return kViewColumns * record.TileSize;
}
int32_t FieldHeight(const GameRecord& record) {
  return kViewRows * record.TileSize + kStatusHeight;
}

}  // namespace

void SizePlayField(Game& game) {
  game.playField.Resize(FieldWidth(game.record), FieldHeight(game.record));
  game.platform.PlayFieldResized();
}

void DiscardPlayField(Game& game) {
  game.playField.Reset(FieldWidth(game.record), FieldHeight(game.record));
  game.platform.PlayFieldResized();
}

void DrawView(Game& game, uint8_t centreTile) {
  if (!game.drawsPixels) return;
  const GameRecord& record = game.record;
  PixelSurface& field = game.playField;
  const int32_t tile = record.TileSize;
  const int32_t width = record.MazeWidth;
  const int32_t height = record.MazeHeight;
  const auto wallLook = static_cast<uint8_t>(record.Level % 63 + 1);
  const auto goalLook = static_cast<uint8_t>(CellGoal + kGoalFrameOffset[record.GoalFrame]);
  const int32_t originX = record.PlayerX - kCentreColumn;
  const int32_t originY = record.PlayerY - kCentreRow;
  field.FillBlack(0, 0, FieldWidth(record), FieldHeight(record));
  for (int32_t i = 0; i < kViewRows; ++i) {
    const int32_t y = originY + i;
    if (y < 0 || y >= height) continue;
    const uint8_t* mazeRow = record.Cells.data() + static_cast<ptrdiff_t>(y) * width;
    for (int32_t j = 0; j < kViewColumns; ++j) {
      const int32_t x = originX + j;
      if (x < 0 || x >= width) continue;
      uint8_t code = (j == kCentreColumn && i == kCentreRow) ? centreTile : mazeRow[x];
      if (code == CellWall) code = wallLook;
      if (code == CellGoal) code = goalLook;
      DrawTile(field, j * tile, i * tile, game.sheet, code, tile);
    }
  }
  const int32_t statusRow = field.Height() / 8 - 2;
  PutText(game, 0, statusRow,
          "lv=" + std::to_string(record.Level) + " ti=" + std::to_string(record.ElapsedTime));
  PutText(game, 0, statusRow + 1, "pw=" + std::to_string(record.Power));
  game.platform.RepaintPlayField();
}

}  // namespace zaptrail
