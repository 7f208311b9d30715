#pragma once

#include <string>
#include <string_view>

namespace zaptrail::board {

// The longest name, in characters after normalisation.
constexpr int kLongestName = 16;

// The name in Unicode's composed form (NFC), or a Refusal (BadName) saying what is wrong:
// 1 to 16 letters, digits, kana, kanji, spaces, '-' and '_', of scripts that belong together.
std::string CheckPlayerName(std::string_view name);

}  // namespace zaptrail::board
