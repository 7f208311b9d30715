#pragma once

#include "game/platform.hpp"

namespace zaptrail {

class TForm1;
class TForm2;
class TForm3;

// The engine's platform on Windows: the calls the game was made for, one for one.
class Win32Platform : public Platform {
 public:
  explicit Win32Platform(TForm1& form1) : form1_(form1) {}
  void AttachCompass(TForm2* form2) { form2_ = form2; }
  void AttachSettings(TForm3* form3) { form3_ = form3; }
  // The main window's menu bar or system menu opened or closed: keys are the menu's meanwhile.
  void SetMenuOpen(bool open) { menuOpen_ = open; }

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
  TForm1& form1_;
  TForm2* form2_ = nullptr;
  TForm3* form3_ = nullptr;
  bool menuOpen_ = false;
};

}  // namespace zaptrail
