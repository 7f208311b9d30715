#include "tools/artgen/sheet.hpp"

namespace zaptrail::art {
namespace {

void Blit(const Picture& picture, int32_t left, int32_t top, std::vector<uint8_t>& indices) {
  for (int32_t y = 0; y < picture.size; ++y) {
    for (int32_t x = 0; x < picture.size; ++x) {
      indices[static_cast<size_t>((top + y) * kSheetPixels + left + x)] =
          static_cast<uint8_t>(picture.At(x, y));
    }
  }
}

void RequireAll(const std::map<int32_t, Picture>& drawn, const std::vector<int32_t>& codes,
                const std::string& where, const char* what) {
  for (const int32_t code : codes) {
    if (!drawn.contains(code)) {
      throw ArtError(where + ": " + what + " " + std::to_string(code) +
                     " is not drawn in any file, but the game needs it");
    }
  }
}

}  // namespace

int32_t TileX(int32_t code) {
  return (code % kTilesPerRow) * kTileSize;
}
int32_t TileY(int32_t code) {
  return (code / kTilesPerRow) * kTileSize;
}
int32_t GlyphX(int32_t code) {
  return (code % kGlyphsPerRow) * kGlyphSize;
}
int32_t GlyphY(int32_t code) {
  return kFontTop + (code / kGlyphsPerRow) * kGlyphSize;
}

std::vector<int32_t> RequiredTiles() {
  std::vector<int32_t> codes;
  for (int32_t code = 0; code <= 76; ++code) codes.push_back(code);  // floor, walls, chick
  for (const int32_t code : {80, 112, 113, 114, 120, 121}) codes.push_back(code);
  return codes;
}

std::vector<int32_t> RequiredGlyphs() {
  std::vector<int32_t> codes{0x00};
  for (int32_t code = 0x20; code <= 0x7F; ++code) codes.push_back(code);
  return codes;
}

Sheet ComposeSheet(const ArtSet& art, const std::string& art_dir) {
  RequireAll(art.tiles, RequiredTiles(), art_dir + "/tiles", "tile");
  RequireAll(art.glyphs, RequiredGlyphs(), art_dir + "/font", "glyph");
  Sheet sheet;
  for (const PaletteEntry& entry : art.palette.entries) sheet.palette.push_back(entry.rgb);
  sheet.indices.assign(static_cast<size_t>(kSheetPixels * kSheetPixels),
                       static_cast<uint8_t>(art.palette.BlackIndex()));
  for (const auto& [code, picture] : art.tiles)
    Blit(picture, TileX(code), TileY(code), sheet.indices);
  for (const auto& [code, picture] : art.glyphs) {
    Blit(picture, GlyphX(code), GlyphY(code), sheet.indices);
  }
  return sheet;
}

}  // namespace zaptrail::art
