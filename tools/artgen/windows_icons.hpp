#pragma once
// The program icon and the hand cursor in the resource formats a Windows program carries:
// .ico and .cur files of palette bitmaps with a see-through mask.
#include <cstdint>
#include <vector>

#include "tools/artgen/art_source.hpp"

namespace zaptrail::art {

// One .ico file holding every picture given (largest first, as drawn), 16 colours each, then
// the true-colour ones (32 bits with an alpha channel) for large-icon views and dense screens.
std::vector<uint8_t> EncodeIco(const std::vector<const Picture*>& pictures, const Palette& palette,
                               const std::vector<const Picture*>& trueColour = {});

// A two-colour .cur file with the hot spot at (hot_x, hot_y).
std::vector<uint8_t> EncodeCur(const Picture& picture, const Palette& palette, int32_t hot_x,
                               int32_t hot_y);

}  // namespace zaptrail::art
