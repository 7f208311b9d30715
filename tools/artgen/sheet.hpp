#pragma once
// Assembles the 256 x 256 sprite sheet the game loads: tiles on top, the font bottom left.
#include <cstdint>
#include <string>
#include <vector>

#include "tools/artgen/art_source.hpp"

namespace zaptrail::art {

inline constexpr int32_t kSheetPixels = 256;
inline constexpr int32_t kTileSize = 16;
inline constexpr int32_t kTilesPerRow = 16;
inline constexpr int32_t kTileCount = 128;
inline constexpr int32_t kGlyphSize = 8;
inline constexpr int32_t kGlyphsPerRow = 16;
inline constexpr int32_t kGlyphCount = 256;
inline constexpr int32_t kFontTop = 128;

struct Sheet {
  std::vector<uint32_t> palette;  // 0x00RRGGBB, white first, black last
  std::vector<uint8_t> indices;   // kSheetPixels * kSheetPixels, row-major
};

int32_t TileX(int32_t code);
int32_t TileY(int32_t code);
int32_t GlyphX(int32_t code);
int32_t GlyphY(int32_t code);

// Tiles and glyphs the game draws; the sheet cannot be made without them.
std::vector<int32_t> RequiredTiles();
std::vector<int32_t> RequiredGlyphs();

// Throws ArtError naming `art_dir` if a required tile or glyph is missing. Slots nobody drew stay
// black.
Sheet ComposeSheet(const ArtSet& art, const std::string& art_dir);

}  // namespace zaptrail::art
