#pragma once

#include <cstdint>
#include <string_view>

#include "view/surface.hpp"

namespace zaptrail {

inline constexpr int32_t kTextColumns = 30;

// Draws text at a text cell (8 x 8 pixels) of the target, ORing each glyph of the sheet twice
// one pixel apart for a bold stroke. Wraps after column 29; a line feed starts the next row.
void PutGlyphs(PixelSurface& target, const PixelSurface& sheet, int32_t column, int32_t row,
               std::string_view text);

}  // namespace zaptrail
