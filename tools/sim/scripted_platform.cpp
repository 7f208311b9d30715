#include "tools/sim/scripted_platform.hpp"

namespace zaptrail {

void ScriptedPlatform::HoldOnly(const std::vector<Key>& keys) {
  held_.fill(false);
  for (Key key : keys) Hold(key, true);
}

bool ScriptedPlatform::JoystickCapabilities(JoystickCaps& caps) {
  if (!joystickCaps) return false;
  caps = *joystickCaps;
  return true;
}

bool ScriptedPlatform::ReadJoystick(JoystickState& state) {
  if (!joystick) return false;
  state = *joystick;
  return true;
}

void ScriptedPlatform::CloseMainWindow() {
  if (onClose) onClose();
  closed = true;
}

}  // namespace zaptrail
