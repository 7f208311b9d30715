#pragma once

#include <cstdint>

namespace zaptrail {

struct Game;

inline constexpr int32_t kCompassSize = 64;

// Redraws the compass picture: a cyan needle through the centre with a white square at the end
// that points from the chick towards the goal.
void DrawCompass(Game& game);

}  // namespace zaptrail
