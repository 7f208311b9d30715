#pragma once

#include <cstdint>

#include "view/surface.hpp"

namespace zaptrail {

inline constexpr int32_t kGlyphSize = 8;
inline constexpr int32_t kFontTop = 128;

// The sprite sheet the game carries in its binary, expanded once to pixels.
const PixelSurface& SpriteSheet();

// Top-left corner of a tile (codes 0..255 all lie inside the sheet).
constexpr int32_t TileSourceX(uint8_t code, int32_t tileSize) {
  return code % 16 * tileSize;
}
constexpr int32_t TileSourceY(uint8_t code, int32_t tileSize) {
  return code / 16 * tileSize;
}
// Top-left corner of the 8 x 8 glyph of a text byte.
constexpr int32_t GlyphSourceX(uint8_t byte) {
  return byte % 16 * kGlyphSize;
}
constexpr int32_t GlyphSourceY(uint8_t byte) {
  return kFontTop + byte / 16 * kGlyphSize;
}

}  // namespace zaptrail
