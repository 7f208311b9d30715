#include "view/sprite_sheet.hpp"

#include <algorithm>

#include "view/sprite_sheet_data.hpp"

namespace zaptrail {

const PixelSurface& SpriteSheet() {
  static const PixelSurface sheet = [] {
    PixelSurface pixels(kSheetSize, kSheetSize);
    // Row-major on both sides, so one pass; it runs on the way to the first frame.
    uint32_t* out = pixels.Pixels();
    for (int32_t at = 0; at + 1 < kSheetRunsSize; at += 2) {
      out = std::fill_n(out, kSheetRuns[at], 0xFF000000u | kSheetPalette[kSheetRuns[at + 1]]);
    }
    return pixels;
  }();
  return sheet;
}

}  // namespace zaptrail
