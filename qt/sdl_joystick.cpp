#include "qt/sdl_joystick.hpp"

#include <algorithm>

#include "qt/sdl_library.hpp"
#include "qt/sdl_subsystem.hpp"

namespace zaptrail {
namespace {

constexpr uint32_t kSubsystems = SDL_INIT_JOYSTICK | SDL_INIT_GAMECONTROLLER;
constexpr uint32_t kAxisMax = 65535;
constexpr int32_t kMaxButtons = 32;

uint32_t RawAxis(Sint16 value) {
  return static_cast<uint32_t>(int32_t{value} + 32768);
}

struct Pad {
  bool up = false;
  bool right = false;
  bool down = false;
  bool left = false;
};

Pad HatDirections(SDL_Joystick* joystick) {
  Pad pad;
  if (Sdl().JoystickNumHats(joystick) < 1) return pad;
  const Uint8 hat = Sdl().JoystickGetHat(joystick, 0);
  pad.up = (hat & SDL_HAT_UP) != 0;
  pad.right = (hat & SDL_HAT_RIGHT) != 0;
  pad.down = (hat & SDL_HAT_DOWN) != 0;
  pad.left = (hat & SDL_HAT_LEFT) != 0;
  return pad;
}

void AddDpad(SDL_GameController* controller, Pad& pad) {
  pad.up = pad.up || Sdl().GameControllerGetButton(controller, SDL_CONTROLLER_BUTTON_DPAD_UP);
  pad.right =
      pad.right || Sdl().GameControllerGetButton(controller, SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
  pad.down = pad.down || Sdl().GameControllerGetButton(controller, SDL_CONTROLLER_BUTTON_DPAD_DOWN);
  pad.left = pad.left || Sdl().GameControllerGetButton(controller, SDL_CONTROLLER_BUTTON_DPAD_LEFT);
}

bool IsDpad(int32_t button) {
  return button >= SDL_CONTROLLER_BUTTON_DPAD_UP && button <= SDL_CONTROLLER_BUTTON_DPAD_RIGHT;
}

// In the controller's button order, A (south) first, leaving out the d-pad.
uint32_t ControllerButtons(SDL_GameController* controller) {
  uint32_t buttons = 0;
  int32_t bit = 0;
  for (int32_t button = 0; button < SDL_CONTROLLER_BUTTON_MAX; ++button) {
    if (IsDpad(button)) continue;
    const auto which = static_cast<SDL_GameControllerButton>(button);
    if (Sdl().GameControllerGetButton(controller, which)) buttons |= 1u << bit;
    ++bit;
  }
  return buttons;
}

uint32_t JoystickButtons(SDL_Joystick* joystick) {
  uint32_t buttons = 0;
  const int32_t count = std::min(Sdl().JoystickNumButtons(joystick), kMaxButtons);
  for (int32_t button = 0; button < count; ++button) {
    if (Sdl().JoystickGetButton(joystick, button)) buttons |= 1u << button;
  }
  return buttons;
}

// Opposite directions held together cancel and leave the stick where it is.
void PushAxis(bool low, bool high, uint32_t& axis) {
  if (low && !high) axis = 0;
  if (high && !low) axis = kAxisMax;
}

bool StartJoystickSubsystem() {
  return StartSdlSubsystem(kSubsystems, [](const SdlLibrary& sdl) {
    // The game's windows are Qt's, so SDL never sees the focus: without this it would read
    // nothing at all.
    sdl.SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    // Nobody drains SDL's event queue; the state is polled once per tick instead.
    sdl.JoystickEventState(SDL_IGNORE);
    sdl.GameControllerEventState(SDL_IGNORE);
  });
}

}  // namespace

SdlJoystick::~SdlJoystick() {
  Close();
  if (started_) StopSdlSubsystem(kSubsystems);
}

bool SdlJoystick::Started() {
  if (!startTried_) {
    startTried_ = true;
    started_ = StartJoystickSubsystem();
  }
  return started_;
}

bool SdlJoystick::Capabilities(JoystickCaps& caps) {
  if (!Open()) return false;
  caps = JoystickCaps{0, kAxisMax, 0, kAxisMax};
  return true;
}

bool SdlJoystick::Read(JoystickState& state) {
  if (!Started()) return false;
  Sdl().JoystickUpdate();
  // A device plugged back in after being pulled answers again, as device 0 always did.
  const bool attached = joystick_ != nullptr && Sdl().JoystickGetAttached(joystick_);
  if (!attached && !Open()) return false;
  Pad pad = HatDirections(joystick_);
  if (controller_ != nullptr) {
    state.x = RawAxis(Sdl().GameControllerGetAxis(controller_, SDL_CONTROLLER_AXIS_LEFTX));
    state.y = RawAxis(Sdl().GameControllerGetAxis(controller_, SDL_CONTROLLER_AXIS_LEFTY));
    state.buttons = ControllerButtons(controller_);
    AddDpad(controller_, pad);
  } else {
    state.x = RawAxis(Sdl().JoystickGetAxis(joystick_, 0));
    state.y = RawAxis(Sdl().JoystickGetAxis(joystick_, 1));
    state.buttons = JoystickButtons(joystick_);
  }
  PushAxis(pad.left, pad.right, state.x);
  PushAxis(pad.up, pad.down, state.y);
  return true;
}

bool SdlJoystick::Open() {
  Close();
  if (!Started() || Sdl().NumJoysticks() < 1) return false;
  if (Sdl().IsGameController(0)) {
    controller_ = Sdl().GameControllerOpen(0);
    if (controller_ != nullptr) joystick_ = Sdl().GameControllerGetJoystick(controller_);
  } else {
    joystick_ = Sdl().JoystickOpen(0);
  }
  if (joystick_ == nullptr) Close();
  return joystick_ != nullptr;
}

void SdlJoystick::Close() {
  if (controller_ != nullptr) {
    Sdl().GameControllerClose(controller_);
  } else if (joystick_ != nullptr) {
    Sdl().JoystickClose(joystick_);
  }
  controller_ = nullptr;
  joystick_ = nullptr;
}

}  // namespace zaptrail
