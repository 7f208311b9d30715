#include "tools/sim/snapshot.hpp"

#include <vector>

#include "tools/png/png_writer.hpp"

namespace zaptrail {

bool WriteSnapshot(const PixelSurface& picture, const std::string& path) {
  std::vector<uint8_t> rgb;
  rgb.reserve(static_cast<size_t>(picture.Width() * picture.Height() * 3));
  for (int32_t y = 0; y < picture.Height(); ++y) {
    for (int32_t x = 0; x < picture.Width(); ++x) {
      const uint32_t pixel = picture.Pixel(x, y);
      rgb.push_back(static_cast<uint8_t>(pixel >> 16));
      rgb.push_back(static_cast<uint8_t>(pixel >> 8));
      rgb.push_back(static_cast<uint8_t>(pixel));
    }
  }
  return png::WriteFile(path, png::EncodeRgb(picture.Width(), picture.Height(), rgb));
}

}  // namespace zaptrail
