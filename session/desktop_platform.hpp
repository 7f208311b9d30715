#pragma once

#include "game/platform.hpp"

namespace zaptrail {

// The part of a desktop shell's platform that is the same on every desktop: it knows the main
// window, the compass window and the settings dialog, reads the sound switch from the dialog,
// and passes the repaints on to the windows that show the pictures. The shell's own platform
// adds the keys, the joystick, the sound and the window's place.
template <typename MainWindow, typename CompassWindow, typename SettingsDialog>
class DesktopPlatform : public Platform {
 public:
  explicit DesktopPlatform(MainWindow& form1) : form1_(form1) {}
  void AttachCompass(CompassWindow* form2) { form2_ = form2; }
  void AttachSettings(SettingsDialog* form3) { form3_ = form3; }

  bool SoundSwitchOn() override { return form3_ != nullptr && form3_->SoundOutputOn(); }
  void PlayFieldResized() override { form1_.PlayFieldResized(); }
  void RepaintPlayField() override { form1_.RepaintPlayField(); }
  void RepaintCompass() override {
    if (form2_ != nullptr) form2_->RepaintCompass();
  }

 protected:
  MainWindow& form1_;

 private:
  CompassWindow* form2_ = nullptr;
  SettingsDialog* form3_ = nullptr;
};

}  // namespace zaptrail
