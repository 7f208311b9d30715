#include "bench/floors.hpp"

#include <cstring>

#include "game/game_record.hpp"
#include "game/random.hpp"

namespace zaptrail::bench {
namespace {

constexpr int32_t kTile = 16;
constexpr int32_t kViewColumns = 15;
constexpr int32_t kViewRows = 13;

}  // namespace

int32_t BuildFloor(uint32_t seed, int64_t draws, std::vector<uint8_t>& cells) {
  RandomSource random;
  random.Seed(seed);
  int32_t sum = 0;
  for (int64_t i = 0; i < draws; ++i) sum += random.Draw();
  std::memset(cells.data(), CellWall, cells.size());
  return sum;
}

void ViewFloor(PixelSurface& field, const PixelSurface& sheet) {
  uint32_t* to = field.Pixels();
  const int32_t width = field.Width();
  // A byte fill writes as many bytes as the black fill, at the C library's best speed.
  std::memset(to, 0, static_cast<size_t>(width) * static_cast<size_t>(field.Height()) * 4);
  // Tile 1, a wall, at the sheet's first row of tiles.
  const uint32_t* tile = sheet.Pixels() + kTile;
  for (int32_t i = 0; i < kViewRows; ++i) {
    for (int32_t j = 0; j < kViewColumns; ++j) {
      for (int32_t row = 0; row < kTile; ++row) {
        std::memcpy(to + (i * kTile + row) * width + j * kTile, tile + row * sheet.Width(),
                    kTile * sizeof(uint32_t));
      }
    }
  }
}

}  // namespace zaptrail::bench
