#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zaptrail {

// The integer conversion the records and the settings dialog share: leading blanks, an optional
// sign, then decimal digits, or hexadecimal after "$", "x" or "0x". Nothing may follow the
// digits. Decimal must fit a signed 32-bit value; hexadecimal may use all 32 bits.
std::optional<int32_t> ParseInteger(std::string_view text);

// As ParseInteger, but a text that is not an integer raises "'%s' は整数ではありません".
int32_t TextToInteger(std::string_view text);

std::string NotAnIntegerMessage(std::string_view text);

}  // namespace zaptrail
