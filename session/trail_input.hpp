#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>

#include "game/platform.hpp"

namespace zaptrail {

// The trail's key bit (TrailKeyBit) of a key; Escape, never in a trail, has none.
uint8_t TrailBitOf(Key key);

// The platform a session's game reaches the machine through. It passes everything on to the
// shell's platform (or, with none, to nothing at all, for proving a trail), finding the cues in
// the program's folder and keeping keys held elsewhere from counting, except while a trail
// plays: then the arrows and Space are the trail's, the joystick is silent, and only Escape is
// read from the real keyboard, so that the watcher can stop.
class TrailInput : public Platform {
 public:
  explicit TrailInput(Platform* shell) : shell_(shell) {}

  // The program's folder, ending in a separator, where the cues' wave files lie.
  void SetProgramFolder(std::string folder) { programFolder_ = std::move(folder); }

  // From now on the keys are the trail's, these ones (TrailKeyBit values) for the next tick.
  void PlayKeys(uint8_t keys) {
    playing_ = true;
    keys_ = keys;
  }

  bool InputFocused() override;
  bool KeyHeld(Key key) override;
  bool JoystickCapabilities(JoystickCaps& caps) override;
  bool ReadJoystick(JoystickState& state) override;
  bool SoundSwitchOn() override;
  void PlaySound(const std::string& path) override;
  int32_t WindowLeft() override;
  int32_t WindowTop() override;
  void SetWindowLeft(int32_t left) override;
  void SetWindowTop(int32_t top) override;
  void PlayFieldResized() override;
  void RepaintPlayField() override;
  void RepaintCompass() override;

 private:
  // A key held down while a menu or another program had the keyboard was meant for it: it
  // counts only once it has been let go and pressed again.
  bool CountsForTheGame(Key key, bool held);

  Platform* shell_;
  std::string programFolder_;
  // Keys that went down while the game did not have the keyboard.
  std::array<bool, kKeyCount> heldElsewhere_{};
  bool playing_ = false;
  uint8_t keys_ = 0;
  // Where the window would be, for a game shown nowhere.
  int32_t left_ = 0;
  int32_t top_ = 0;
};

}  // namespace zaptrail
