#pragma once

#include <string>

#include "view/surface.hpp"

namespace zaptrail {

// Writes the picture as an RGB PNG; false when the file cannot be written.
bool WriteSnapshot(const PixelSurface& picture, const std::string& path);

}  // namespace zaptrail
