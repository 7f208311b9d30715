#pragma once

#include <cstdint>

namespace zaptrail {

// Where the game's windows first appear on the screen, the same under every shell.

// The main window's outer top-left corner.
inline constexpr int32_t kMainWindowStartLeft = 185;
inline constexpr int32_t kMainWindowStartTop = 164;

// The compass sits against the right edge of the main window's frame, tops aligned.
constexpr int32_t CompassStartLeft(int32_t mainFrameLeft, int32_t mainFrameWidth) {
  return mainFrameLeft + mainFrameWidth;
}
constexpr int32_t CompassStartTop(int32_t mainFrameTop) {
  return mainFrameTop;
}

}  // namespace zaptrail
