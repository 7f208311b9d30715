#include "view/glyphs.hpp"

#include "view/sprite_sheet.hpp"

namespace zaptrail {

void PutGlyphs(PixelSurface& target, const PixelSurface& sheet, int32_t column, int32_t row,
               std::string_view text) {
  size_t at = 0;
  while (at < text.size() && text[at] != '\0') {
    const auto byte = static_cast<uint8_t>(text[at]);
    const int32_t x = column * kGlyphSize;
    const int32_t y = row * kGlyphSize;
    target.OrCopy(x, y, kGlyphSize, kGlyphSize, sheet, GlyphSourceX(byte), GlyphSourceY(byte));
    target.OrCopy(x + 1, y, kGlyphSize, kGlyphSize, sheet, GlyphSourceX(byte), GlyphSourceY(byte));
    if (++column == kTextColumns) {
      column = 0;
      ++row;
    }
    // Only a line feed that follows a character breaks the line; a leading one is a glyph.
    if (++at < text.size() && text[at] == '\n') {
      ++at;
      column = 0;
      ++row;
    }
  }
}

}  // namespace zaptrail
