#include "web/gamepad.hpp"

#include <cmath>

namespace zaptrail {
namespace {

// The standard mapping's d-pad buttons.
enum : uint32_t { kDpadUp = 12, kDpadDown = 13, kDpadLeft = 14, kDpadRight = 15 };

uint32_t RawAxis(double axis) {
  const double clamped = axis < -1 ? -1 : axis > 1 ? 1 : axis;
  return static_cast<uint32_t>(std::lround((clamped + 1) * (kGamepadAxisMax / 2.0)));
}

bool Pressed(const GamepadReading& reading, uint32_t button) {
  return (reading.pressed >> button & 1u) != 0;
}

void PushAxis(bool low, bool high, uint32_t& axis) {
  if (low && !high) axis = 0;
  if (high && !low) axis = kGamepadAxisMax;
}

}  // namespace

JoystickState JoystickFromGamepad(const GamepadReading& reading) {
  JoystickState state;
  state.x = RawAxis(reading.axisX);
  state.y = RawAxis(reading.axisY);
  if (!reading.standard) {
    state.buttons = reading.pressed;
    return state;
  }
  PushAxis(Pressed(reading, kDpadLeft), Pressed(reading, kDpadRight), state.x);
  PushAxis(Pressed(reading, kDpadUp), Pressed(reading, kDpadDown), state.y);
  const uint32_t belowDpad = reading.pressed & ((1u << kDpadUp) - 1);
  const uint32_t aboveDpad = reading.pressed >> (kDpadRight + 1);
  state.buttons = belowDpad | aboveDpad << kDpadUp;
  return state;
}

}  // namespace zaptrail
