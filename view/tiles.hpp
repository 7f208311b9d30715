#pragma once

#include <cstdint>

#include "view/sprite_sheet.hpp"
#include "view/surface.hpp"

namespace zaptrail {

// Copies tile `code` of the sheet opaquely to (x, y) of the target. Inline: a view draws up to
// 195 of them every tick.
inline void DrawTile(PixelSurface& target, int32_t x, int32_t y, const PixelSurface& sheet,
                     uint8_t code, int32_t tileSize) {
  target.Copy(x, y, tileSize, tileSize, sheet, TileSourceX(code, tileSize),
              TileSourceY(code, tileSize));
}

}  // namespace zaptrail
