#pragma once

#include <cstdint>

#include "view/surface.hpp"

namespace zaptrail {

inline constexpr int32_t kCompassSize = 64;

// Redraws a kCompassSize square picture: a cyan needle through the centre with a white square
// at the end that points along (cellsRight, cellsDown), the target's offset in maze cells.
void DrawCompassNeedle(PixelSurface& picture, int32_t cellsRight, int32_t cellsDown);

}  // namespace zaptrail
