#include "tests/engine/test_game.hpp"

#include "game/level.hpp"
#include "game/tick.hpp"
#include "view/sprite_sheet.hpp"

namespace zaptrail::testing {
namespace {

PixelSurface MakeSheet() {
  PixelSurface sheet(256, 256);
  for (int code = 0; code < 128; ++code) {
    const auto tile = static_cast<uint8_t>(code);
    sheet.Fill(TileSourceX(tile, 16), TileSourceY(tile, 16), 16, 16, TileColour(tile));
  }
  // Glyphs: a one-pixel frame in the glyph's colour, black inside, column 7 left blank.
  for (int byte = 1; byte < 256; ++byte) {
    const auto glyph = static_cast<uint8_t>(byte);
    const int32_t x = GlyphSourceX(glyph);
    const int32_t y = GlyphSourceY(glyph);
    sheet.Fill(x, y, 7, 8, GlyphColour(glyph));
    sheet.FillBlack(x + 1, y + 1, 5, 6);
  }
  return sheet;
}

}  // namespace

uint32_t TileColour(uint8_t code) {
  return code == 0 ? kBlack : RgbColour(code, 1, 2);
}

uint32_t GlyphColour(uint8_t byte) {
  return RgbColour(0, byte, 0x80);
}

TestGame::TestGame() : sheet(MakeSheet()), game(platform, sheet), record(game.record) {
  platform.CloseOnEscape(game);
}

void TestGame::SetUp(uint32_t seed) {
  SetUpGame(game, seed, {});
}

void TestGame::SetLevel(int32_t level) {
  zaptrail::SetLevel(record, level);
}

void TestGame::Build(int32_t level, uint32_t seed) {
  record.TileSize = kTileSize;
  SetLevel(level);
  game.random.Seed(seed);
  ResetLevelStart(record);
  BuildLevel(game);
}

void TestGame::OpenField(int32_t size, int8_t variant) {
  record.TileSize = kTileSize;
  record.MazeWidth = size;
  record.MazeHeight = size;
  record.Level = variant;
  record.Variant = variant;
  record.Cells.assign(static_cast<size_t>(size * size), CellFloor);
  for (int32_t i = 0; i < size; ++i) {
    Cell(i, 0) = CellWall;
    Cell(i, size - 1) = CellWall;
    Cell(0, i) = CellWall;
    Cell(size - 1, i) = CellWall;
  }
  record.MoverActive.fill(0);
  ResetLevelStart(record);
  record.GoalX = size - 2;
  record.GoalY = size - 2;
  Cell(record.GoalX, record.GoalY) = CellGoal;
  record.Power = 500;
  record.Phase = PhasePlaying;
  game.playField.Reset(240, 224);
}

void TestGame::Tick(const std::vector<Key>& keys) {
  platform.HoldOnly(keys);
  Timer1Timer(game);
}

}  // namespace zaptrail::testing
