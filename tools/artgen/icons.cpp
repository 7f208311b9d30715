#include "tools/artgen/icons.hpp"

#include <set>

#include "tools/png/png_writer.hpp"

namespace zaptrail::art {

void RequireIconsDrawn(const ArtSet& art, const std::string& art_dir) {
  if (!art.icon32 || !art.icon16 || !art.cursor) {
    throw ArtError(art_dir + "/icons: the icon or the cursor is not drawn");
  }
}

int32_t CountColours(const Picture& picture) {
  std::set<int16_t> colours;
  for (const int16_t index : picture.pixels) {
    if (index != kTransparent) colours.insert(index);
  }
  return static_cast<int32_t>(colours.size());
}

Picture ScaledUp(const Picture& picture, int32_t factor) {
  Picture scaled;
  scaled.size = picture.size * factor;
  scaled.pixels.reserve(static_cast<size_t>(scaled.size) * static_cast<size_t>(scaled.size));
  for (int32_t y = 0; y < scaled.size; ++y) {
    for (int32_t x = 0; x < scaled.size; ++x)
      scaled.pixels.push_back(picture.At(x / factor, y / factor));
  }
  return scaled;
}

std::vector<uint8_t> ToRgba(const Picture& picture, const Palette& palette) {
  std::vector<uint8_t> rgba;
  rgba.reserve(picture.pixels.size() * 4);
  for (const int16_t index : picture.pixels) {
    if (index == kTransparent) {
      rgba.insert(rgba.end(), {0, 0, 0, 0});
      continue;
    }
    const uint32_t rgb = palette.entries[static_cast<size_t>(index)].rgb;
    rgba.insert(rgba.end(), {static_cast<uint8_t>(rgb >> 16), static_cast<uint8_t>(rgb >> 8),
                             static_cast<uint8_t>(rgb), 255});
  }
  return rgba;
}

std::vector<uint8_t> EncodeIcon(const Picture& picture, const Palette& palette, int32_t max_colours,
                                const std::string& what) {
  const int32_t colours = CountColours(picture);
  if (colours > max_colours) {
    throw ArtError(what + ": uses " + std::to_string(colours) + " colours, at most " +
                   std::to_string(max_colours) + " allowed");
  }
  return png::EncodeRgba(picture.size, picture.size, ToRgba(picture, palette));
}

}  // namespace zaptrail::art
