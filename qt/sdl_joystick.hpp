#pragma once

#include <SDL_gamecontroller.h>
#include <SDL_joystick.h>

#include "game/platform.hpp"

namespace zaptrail {

// The first joystick through SDL's joystick subsystem, translated into the engine's raw terms:
// axes as 0..65535, buttons as a bit set with the first button as 1. A recognised game
// controller reads through its mapping instead, so its south face button is button 1; its d-pad
// (and any joystick's first hat) pushes the axes to their ends and never counts as a button.
class SdlJoystick {
 public:
  SdlJoystick() = default;
  ~SdlJoystick();
  SdlJoystick(const SdlJoystick&) = delete;
  SdlJoystick& operator=(const SdlJoystick&) = delete;

  // Opens device 0; false when there is none.
  bool Capabilities(JoystickCaps& caps);
  // Updates SDL's view of the device and reads it; false while it is unplugged.
  bool Read(JoystickState& state);

 private:
  // Starts SDL's joystick support on first use: creating the object costs nothing.
  bool Started();
  bool Open();
  void Close();

  bool startTried_ = false;
  bool started_ = false;
  SDL_GameController* controller_ = nullptr;
  SDL_Joystick* joystick_ = nullptr;
};

}  // namespace zaptrail
