#pragma once

#include <cstdint>
#include <vector>

#include "view/surface.hpp"

namespace zaptrail::bench {

// The least work any correct build of a level does: its draws, and every cell written once.
// Returns the sum of the draws so that they cannot be left out.
int32_t BuildFloor(uint32_t seed, int64_t draws, std::vector<uint8_t>& cells);

// The least work any correct view does: one fill of the whole field and an opaque copy of every
// one of the 15 x 13 tiles, written straight into the pixels.
void ViewFloor(PixelSurface& field, const PixelSurface& sheet);

}  // namespace zaptrail::bench
