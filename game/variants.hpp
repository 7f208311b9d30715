#pragma once

#include <cstdint>

namespace zaptrail {

// What the level variants (Level mod 8) bring into play.

// Rising clouds, and gravity for the chick.
constexpr bool HasClouds(int8_t variant) {
  return variant == 1 || variant == 6;
}
// Wall blocks that wander one cell a tick.
constexpr bool HasWallBlocks(int8_t variant) {
  return variant == 4;
}
// A goal that walks its heading and sometimes turns.
constexpr bool HasWanderingGoal(int8_t variant) {
  return variant == 2 || variant == 5;
}
// A main window that shakes a little every tick.
constexpr bool ShakesWindow(int8_t variant) {
  return variant == 7;
}

}  // namespace zaptrail
