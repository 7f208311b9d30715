#pragma once
// The page's home-screen icons, made from the program icon's chick.
#include <filesystem>
#include <string>

#include "tools/artgen/art_source.hpp"

namespace zaptrail::art {

// `picture` with each pixel a `factor` × `factor` block, as the game shows its pixels.
Picture Enlarged(const Picture& picture, int32_t factor);

// Writes icon-192.png and icon-512.png into `out_dir`: the 32-pixel icon enlarged 6 and 16
// times. Throws ArtError naming `art_dir` unless the icon is drawn.
void WriteWebIcons(const ArtSet& art, const std::string& art_dir,
                   const std::filesystem::path& out_dir);

}  // namespace zaptrail::art
