#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "game/game.hpp"
#include "session/window_descriptions.hpp"

namespace zaptrail {

// A platform without a machine behind it: keys and joystick are whatever the script holds, the
// main window is a position, sounds are silent, and closing runs a callback.
class ScriptedPlatform : public Platform {
 public:
  void HoldOnly(const std::vector<Key>& keys);
  void Hold(Key key, bool held) { held_[static_cast<size_t>(key)] = held; }

  bool InputFocused() override { return focused; }
  bool KeyHeld(Key key) override { return held_[static_cast<size_t>(key)]; }
  bool JoystickCapabilities(JoystickCaps& caps) override;
  bool ReadJoystick(JoystickState& state) override;
  bool SoundSwitchOn() override { return soundOn; }
  void PlaySound(const std::string&) override {}
  int32_t WindowLeft() override { return left; }
  int32_t WindowTop() override { return top; }
  void SetWindowLeft(int32_t value) override { left = value; }
  void SetWindowTop(int32_t value) override { top = value; }
  void PlayFieldResized() override {}
  void RepaintPlayField() override { ++repaints; }
  void RepaintCompass() override { ++compassRepaints; }
  // Runs onClose (which may throw and so keep the window open), then marks the window closed.
  void CloseMainWindow();
  // Escape in this game closes the scripted main window.
  void CloseOnEscape(Game& game) {
    game.escape = [this] { CloseMainWindow(); };
  }

  std::optional<JoystickCaps> joystickCaps;
  std::optional<JoystickState> joystick;
  bool focused = true;
  bool soundOn = true;
  int32_t left = kMainWindowStartLeft;
  int32_t top = kMainWindowStartTop;
  int32_t repaints = 0;
  int32_t compassRepaints = 0;
  std::function<void()> onClose;
  bool closed = false;

 private:
  std::array<bool, kKeyCount> held_{};
};

}  // namespace zaptrail
