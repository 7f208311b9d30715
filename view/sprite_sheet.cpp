#include "view/sprite_sheet.hpp"

#include <cstddef>

#include "view/sprite_sheet_data.hpp"

namespace zaptrail {

const PixelSurface& SpriteSheet() {
  static const PixelSurface sheet = [] {
    PixelSurface pixels(kSheetSize, kSheetSize);
    // Row-major on both sides, so one pass; it runs on the way to the first frame.
    uint32_t* out = pixels.Pixels();
    for (size_t at = 0; at < static_cast<size_t>(kSheetSize * kSheetSize); ++at) {
      out[at] = 0xFF000000u | kSheetPalette[kSheetIndices[at]];
    }
    return pixels;
  }();
  return sheet;
}

}  // namespace zaptrail
