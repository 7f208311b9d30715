#pragma once

#include "qt/cue_player.hpp"
#include "qt/held_keys.hpp"
#include "qt/sdl_joystick.hpp"
#include "session/desktop_platform.hpp"

namespace zaptrail {

class TForm1;
class TForm2;
class TForm3;

// The engine's platform on the real desktop: held keys from Qt, the joystick from SDL, sound
// cues and the main window's position.
class QtPlatform : public DesktopPlatform<TForm1, TForm2, TForm3> {
 public:
  explicit QtPlatform(TForm1& form1);
  HeldKeys& Keys() { return keys_; }
  CuePlayer& Cues() { return cues_; }

  bool InputFocused() override { return keys_.GameHasTheKeyboard(); }
  bool KeyHeld(Key key) override { return keys_.IsHeld(key); }
  bool JoystickCapabilities(JoystickCaps& caps) override;
  bool ReadJoystick(JoystickState& state) override;
  void PlaySound(const std::string& path) override;
  int32_t WindowLeft() override;
  int32_t WindowTop() override;
  void SetWindowLeft(int32_t left) override;
  void SetWindowTop(int32_t top) override;

 private:
  HeldKeys keys_;
  SdlJoystick joystick_;
  CuePlayer cues_;
};

}  // namespace zaptrail
