#pragma once

#include <string>
#include <string_view>

namespace zaptrail::board {

// The SHA-256 of some bytes as 64 lower-case hex digits: what the board keeps of a player's key,
// and how it knows a trail it has stored already.
std::string Sha256Hex(std::string_view bytes);

}  // namespace zaptrail::board
