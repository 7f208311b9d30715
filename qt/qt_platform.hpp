#pragma once

#include "game/platform.hpp"
#include "qt/cue_player.hpp"
#include "qt/held_keys.hpp"
#include "qt/sdl_joystick.hpp"

namespace zaptrail {

class TForm1;
class TForm2;
class TForm3;

// The engine's platform on the real desktop: held keys from Qt, the joystick from SDL, sound
// cues, the main window's position, repaints of the two pictures, and the main window's close.
class QtPlatform : public Platform {
 public:
  explicit QtPlatform(TForm1& form1);
  void AttachCompass(TForm2* form2) { form2_ = form2; }
  void AttachSettings(TForm3* form3) { form3_ = form3; }
  HeldKeys& Keys() { return keys_; }
  CuePlayer& Cues() { return cues_; }

  bool InputFocused() override { return keys_.GameHasTheKeyboard(); }
  bool KeyHeld(Key key) override { return keys_.IsHeld(key); }
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
  TForm1& form1_;
  TForm2* form2_ = nullptr;
  TForm3* form3_ = nullptr;
  HeldKeys keys_;
  SdlJoystick joystick_;
  CuePlayer cues_;
};

}  // namespace zaptrail
