#pragma once

namespace zaptrail {

struct Game;

// Redraws the compass picture, its needle pointing from the chick towards the goal, and shows it.
void DrawCompass(Game& game);

}  // namespace zaptrail
