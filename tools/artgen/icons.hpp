#pragma once
// The program icon and the hand cursor, drawn like tiles but with see-through pixels.
#include <cstdint>
#include <vector>

#include "tools/artgen/art_source.hpp"

namespace zaptrail::art {

inline constexpr int32_t kMaxIconColours = 16;
inline constexpr int32_t kMaxCursorColours = 2;

// Throws ArtError naming `art_dir` unless the art draws both icons and the cursor.
void RequireIconsDrawn(const ArtSet& art, const std::string& art_dir);

// Number of distinct opaque colours in `picture`.
int32_t CountColours(const Picture& picture);

// The picture with every pixel made a square of `factor` pixels: the same chick, larger.
Picture ScaledUp(const Picture& picture, int32_t factor);

// RGBA bytes, alpha 0 where the picture is see-through.
std::vector<uint8_t> ToRgba(const Picture& picture, const Palette& palette);

// Encoded RGBA PNG; throws ArtError naming `what` if the picture has more than `max_colours`.
std::vector<uint8_t> EncodeIcon(const Picture& picture, const Palette& palette, int32_t max_colours,
                                const std::string& what);

}  // namespace zaptrail::art
