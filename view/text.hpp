#pragma once

#include <cstdint>
#include <string_view>

namespace zaptrail {

struct Game;

inline constexpr int32_t kTextColumns = 30;

// Draws text into the play field at a text cell (8 x 8 pixels), ORing each glyph twice one
// pixel apart for a bold stroke. Wraps after column 29; a line feed starts the next row.
void PutText(Game& game, int32_t column, int32_t row, std::string_view text);

}  // namespace zaptrail
