#pragma once

#include <cstdint>

#include "game/platform.hpp"

namespace zaptrail {

// The raw range the page gives the engine for each stick axis, as the desktop's joystick does.
inline constexpr uint32_t kGamepadAxisMax = 65535;

// The first gamepad as the page's Gamepad API shows it in one poll.
struct GamepadReading {
  bool standard = false;  // the API's standard mapping: d-pad on buttons 12 to 15
  double axisX = 0;       // the left stick, -1 to 1
  double axisY = 0;
  uint32_t pressed = 0;  // bit i: button i is pressed
};

// The reading as the engine's joystick: the stick on the raw range, the d-pad pushing it to an
// end (opposite directions cancel), and the buttons in the standard order, south first, with
// the d-pad left out, so the south button is button 1.
JoystickState JoystickFromGamepad(const GamepadReading& reading);

}  // namespace zaptrail
