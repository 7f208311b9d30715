#pragma once

#include <cstdint>

namespace zaptrail {

struct Game;

// Sizes the play field to 15 x 13 tiles plus the two status rows, keeping its picture.
void SizePlayField(Game& game);
// Sizes the play field likewise on a fresh, black picture.
void DiscardPlayField(Game& game);
// Redraws the 15 x 13 tiles around the chick, with centreTile in the chick's place, and the
// status lines; shows the result at once.
void DrawView(Game& game, uint8_t centreTile);

}  // namespace zaptrail
