#include "tools/artgen/web_icons.hpp"

#include "tools/artgen/art_error.hpp"
#include "tools/artgen/icons.hpp"
#include "tools/png/png_writer.hpp"

namespace zaptrail::art {

Picture Enlarged(const Picture& picture, int32_t factor) {
  Picture large;
  large.size = picture.size * factor;
  large.pixels.resize(static_cast<size_t>(large.size) * static_cast<size_t>(large.size));
  for (int32_t y = 0; y < large.size; ++y) {
    for (int32_t x = 0; x < large.size; ++x) {
      large.pixels[static_cast<size_t>(y * large.size + x)] = picture.At(x / factor, y / factor);
    }
  }
  return large;
}

void WriteWebIcons(const ArtSet& art, const std::string& art_dir,
                   const std::filesystem::path& out_dir) {
  if (!art.icon32) throw ArtError(art_dir + "/icons: icon-32 is not drawn");
  // The sizes a web app manifest names for a home screen and a splash screen.
  for (const int32_t pixels : {192, 512}) {
    const std::string name = "icon-" + std::to_string(pixels);
    const std::string path = (out_dir / (name + ".png")).string();
    const std::vector<uint8_t> png = EncodeIcon(Enlarged(*art.icon32, pixels / art.icon32->size),
                                                art.palette, kMaxIconColours, name);
    if (!png::WriteFile(path, png)) throw ArtError(path + ": cannot be written");
  }
}

}  // namespace zaptrail::art
