#pragma once

#include <initializer_list>
#include <string_view>
#include <vector>

#include "game/platform.hpp"

namespace zaptrail {

// The keys one replay line holds: U up, R right, D down, L left, F fire (Space), E Escape.
// Every other character is ignored, so "-" or an empty line holds nothing.
std::vector<Key> HeldKeysFromLine(std::string_view line);

}  // namespace zaptrail
