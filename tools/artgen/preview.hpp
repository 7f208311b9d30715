#pragma once
// A contact sheet for reviewing the art at a glance: every tile enlarged with its code, every wall
// repeated 3 x 3 as it appears in the maze, and the font doubled the way the game draws text.
#include <cstdint>
#include <vector>

#include "tools/artgen/sheet.hpp"

namespace zaptrail::art {

// Encoded RGB PNG of the contact sheet.
std::vector<uint8_t> RenderPreview(const Sheet& sheet);

}  // namespace zaptrail::art
