#include "game/input.hpp"

#include "game/game.hpp"

namespace zaptrail {

void ProbeJoystick(Game& game) {
  GameRecord& record = game.record;
  record.JoystickPresent = 0;
  JoystickCaps caps;
  if (!game.platform.JoystickCapabilities(caps)) return;
  record.JoystickPresent = 1;
  // Unsigned arithmetic: the middle third of each axis is the dead zone.
  record.JoyLowX = caps.xMin + (caps.xMax - caps.xMin) / 3;
  record.JoyHighX = caps.xMax - (caps.xMax - caps.xMin) / 3;
  record.JoyLowY = caps.yMin + (caps.yMax - caps.yMin) / 3;
  record.JoyHighY = caps.yMax - (caps.yMax - caps.yMin) / 3;
}

void ProbePendingJoystick(Game& game) {
  if (!game.joystickProbePending) return;
  game.joystickProbePending = false;
  ProbeJoystick(game);
}

InputFlags SampleInput(Game& game) {
  InputFlags flags;
  const GameRecord& record = game.record;
  Platform& platform = game.platform;
  if (!platform.InputFocused()) return flags;
  JoystickState stick;
  if (record.JoystickPresent == 1 && platform.ReadJoystick(stick)) {
    if (stick.x < record.JoyLowX) flags.heldLeft = true;
    if (stick.x > record.JoyHighX) flags.heldRight = true;
    if (stick.y < record.JoyLowY) flags.heldUp = true;
    if (stick.y > record.JoyHighY) flags.heldDown = true;
    // Button 1 alone fires; together with any other button it does not.
    if (stick.buttons == 1) flags.fire = true;
  }
  if (platform.KeyHeld(Key::Up)) flags.heldUp = true;
  if (platform.KeyHeld(Key::Right)) flags.heldRight = true;
  if (platform.KeyHeld(Key::Down)) flags.heldDown = true;
  if (platform.KeyHeld(Key::Left)) flags.heldLeft = true;
  if (platform.KeyHeld(Key::Escape) && game.escape) game.escape();
  if (platform.KeyHeld(Key::Space)) flags.fire = true;
  return flags;
}

}  // namespace zaptrail
