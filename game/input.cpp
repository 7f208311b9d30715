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

namespace {

// A key held down while a menu or another program had the keyboard was meant for it: it counts
// only once it has been let go and pressed again.
bool KeyCounts(Game& game, Key key) {
  bool& heldElsewhere = game.keysHeldElsewhere[static_cast<size_t>(key)];
  const bool held = game.platform.KeyHeld(key);
  if (!held) heldElsewhere = false;
  return held && !heldElsewhere;
}

}  // namespace

InputFlags SampleInput(Game& game) {
  InputFlags flags;
  const GameRecord& record = game.record;
  Platform& platform = game.platform;
  if (!platform.InputFocused()) {
    for (size_t key = 0; key < kKeyCount; ++key) {
      if (platform.KeyHeld(static_cast<Key>(key))) game.keysHeldElsewhere[key] = true;
    }
    return flags;
  }
  JoystickState stick;
  if (record.JoystickPresent == 1 && platform.ReadJoystick(stick)) {
    if (stick.x < record.JoyLowX) flags.heldLeft = true;
    if (stick.x > record.JoyHighX) flags.heldRight = true;
    if (stick.y < record.JoyLowY) flags.heldUp = true;
    if (stick.y > record.JoyHighY) flags.heldDown = true;
    // Button 1 alone fires; together with any other button it does not.
    if (stick.buttons == 1) flags.fire = true;
  }
  if (KeyCounts(game, Key::Up)) flags.heldUp = true;
  if (KeyCounts(game, Key::Right)) flags.heldRight = true;
  if (KeyCounts(game, Key::Down)) flags.heldDown = true;
  if (KeyCounts(game, Key::Left)) flags.heldLeft = true;
  if (KeyCounts(game, Key::Escape) && game.escape) game.escape();
  if (KeyCounts(game, Key::Space)) flags.fire = true;
  return flags;
}

}  // namespace zaptrail
