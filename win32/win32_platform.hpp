#pragma once

#include "session/desktop_platform.hpp"

namespace zaptrail {

class TForm1;
class TForm2;
class TForm3;

// The engine's platform on Windows: the calls the game was made for, one for one.
class Win32Platform : public DesktopPlatform<TForm1, TForm2, TForm3> {
 public:
  // Out of line, where the windows it passes repaints to are known.
  explicit Win32Platform(TForm1& form1);
  // The main window's menu bar or system menu opened or closed: keys are the menu's meanwhile.
  void SetMenuOpen(bool open) { menuOpen_ = open; }

  bool InputFocused() override;
  bool KeyHeld(Key key) override;
  bool JoystickCapabilities(JoystickCaps& caps) override;
  bool ReadJoystick(JoystickState& state) override;
  void PlaySound(const std::string& path) override;
  int32_t WindowLeft() override;
  int32_t WindowTop() override;
  void SetWindowLeft(int32_t left) override;
  void SetWindowTop(int32_t top) override;

 private:
  bool menuOpen_ = false;
};

}  // namespace zaptrail
