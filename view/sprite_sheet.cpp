#include "view/sprite_sheet.hpp"

#include "view/sprite_sheet_data.hpp"

namespace zaptrail {

const PixelSurface& SpriteSheet() {
  static const PixelSurface sheet = [] {
    PixelSurface pixels(kSheetSize, kSheetSize);
    for (int32_t y = 0; y < kSheetSize; ++y) {
      for (int32_t x = 0; x < kSheetSize; ++x) {
        const uint32_t rgb = kSheetPalette[kSheetIndices[y * kSheetSize + x]];
        pixels.SetPixel(x, y, 0xFF000000u | rgb);
      }
    }
    return pixels;
  }();
  return sheet;
}

}  // namespace zaptrail
