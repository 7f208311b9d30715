#include "web/gamepad.hpp"

#include <gtest/gtest.h>

namespace zaptrail {
namespace {

GamepadReading Standard(double x, double y, uint32_t pressed) {
  return GamepadReading{true, x, y, pressed};
}

TEST(Gamepad, StickCoversTheWholeRawRange) {
  EXPECT_EQ(JoystickFromGamepad(Standard(-1, 1, 0)).x, 0u);
  EXPECT_EQ(JoystickFromGamepad(Standard(-1, 1, 0)).y, kGamepadAxisMax);
  EXPECT_EQ(JoystickFromGamepad(Standard(0, 0, 0)).x, 32768u);
  // A browser may report a little beyond the ends.
  EXPECT_EQ(JoystickFromGamepad(Standard(1.02, -1.5, 0)).x, kGamepadAxisMax);
  EXPECT_EQ(JoystickFromGamepad(Standard(1.02, -1.5, 0)).y, 0u);
}

TEST(Gamepad, DpadPushesTheStickToAnEndAndOppositesCancel) {
  const JoystickState upLeft = JoystickFromGamepad(Standard(0.2, 0.2, 1u << 12 | 1u << 14));
  EXPECT_EQ(upLeft.x, 0u);
  EXPECT_EQ(upLeft.y, 0u);
  const JoystickState downRight = JoystickFromGamepad(Standard(0, 0, 1u << 13 | 1u << 15));
  EXPECT_EQ(downRight.x, kGamepadAxisMax);
  EXPECT_EQ(downRight.y, kGamepadAxisMax);
  const JoystickState both = JoystickFromGamepad(Standard(-1, 0, 0xFu << 12));
  EXPECT_EQ(both.x, 0u);
  EXPECT_EQ(both.y, 32768u);
  EXPECT_EQ(both.buttons, 0u);
}

TEST(Gamepad, SouthIsButtonOneAndTheDpadIsNoButton) {
  EXPECT_EQ(JoystickFromGamepad(Standard(0, 0, 1u)).buttons, 1u);
  EXPECT_EQ(JoystickFromGamepad(Standard(0, 0, 1u | 1u << 12)).buttons, 1u);
  // The guide button (16) follows the sticks' buttons (11) directly.
  EXPECT_EQ(JoystickFromGamepad(Standard(0, 0, 1u << 11 | 1u << 16)).buttons, 1u << 11 | 1u << 12);
  // Without the standard mapping the buttons come as they are and nothing is a d-pad.
  const JoystickState raw = JoystickFromGamepad(GamepadReading{false, 0, 0, 1u << 12 | 1u});
  EXPECT_EQ(raw.buttons, 1u << 12 | 1u);
  EXPECT_EQ(raw.y, 32768u);
}

}  // namespace
}  // namespace zaptrail
