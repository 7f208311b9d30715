#pragma once
// The art sources under assets/art/: a palette of named colours and text pictures in which each
// character is one pixel. See assets/art/README.md for the format as an artist sees it.
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/artgen/art_error.hpp"

namespace zaptrail::art {

inline constexpr int32_t kMaxPaletteSize = 66;
inline constexpr char kCommentChar = ';';
inline constexpr char kTransparentKey = '-';  // only in icon and cursor pictures
inline constexpr char kGlyphInk = '#';        // glyphs are drawn white on black
inline constexpr char kGlyphPaper = '.';
inline constexpr int16_t kTransparent = -1;

struct PaletteEntry {
  char key;
  std::string name;
  uint32_t rgb;  // 0x00RRGGBB
};

struct Palette {
  std::vector<PaletteEntry> entries;

  // Index of the colour drawn with `key`, or -1 if no colour has that key.
  int32_t IndexOf(char key) const;
  int32_t WhiteIndex() const { return 0; }
  int32_t BlackIndex() const { return static_cast<int32_t>(entries.size()) - 1; }
};

// A square picture of palette indices (kTransparent where the picture allows it), row-major.
struct Picture {
  int32_t size = 0;
  std::vector<int16_t> pixels;

  int16_t At(int32_t x, int32_t y) const { return pixels[static_cast<size_t>(y * size + x)]; }
};

struct ArtSet {
  Palette palette;
  std::map<int32_t, Picture> tiles;   // by tile code 0..127
  std::map<int32_t, Picture> glyphs;  // by character code 0..255
  std::optional<Picture> icon32;
  std::optional<Picture> icon16;
  std::optional<Picture> cursor;
};

// Parses palette.txt text. `file` is only used in error messages.
Palette ParsePalette(std::string_view text, const std::string& file);

// Parses one picture file (a list of tile, glyph, icon or cursor blocks) into `art`.
void ParsePictures(std::string_view text, const std::string& file, ArtSet& art);

// Reads DIR/palette.txt and every *.txt below DIR/tiles, DIR/font and DIR/icons.
ArtSet LoadArt(const std::filesystem::path& dir);

}  // namespace zaptrail::art
