#pragma once

#include <cstdint>
#include <string_view>

namespace zaptrail {

struct Game;

// Draws text into the play field at a text cell, in the game's bold glyphs (see PutGlyphs).
void PutText(Game& game, int32_t column, int32_t row, std::string_view text);

}  // namespace zaptrail
