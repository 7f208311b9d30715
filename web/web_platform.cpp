#include "web/web_platform.hpp"

#include <emscripten/emscripten.h>

#include "web/gamepad.hpp"
#include "web/main_menu.hpp"
#include "web/page.hpp"
#include "web/tform1.hpp"

// The first gamepad's left stick and pressed buttons: 1 with the standard mapping, 0 without,
// -1 when there is none.
EM_JS(int, zt_read_gamepad, (double* axes, uint32_t* pressed),
      { return zaptrailPage.readGamepad(axes, pressed); });
EM_JS(void, zt_play_cue, (const char* path), { zaptrailPage.playCue(UTF8ToString(path)); });

namespace zaptrail {

void WebPlatform::Hold(Source source, Key key, bool held, double at) {
  Holding& holding = holding_[static_cast<size_t>(source)][static_cast<size_t>(key)];
  // A key's repeats keep the time of its first press.
  if (held && !holding.held) holding.since = at;
  holding.held = held;
}

void WebPlatform::ReleaseAll() {
  for (auto& keys : holding_) keys.fill(Holding{});
}

bool WebPlatform::KeyHeld(Key key) {
  for (const auto& keys : holding_) {
    const Holding& holding = keys[static_cast<size_t>(key)];
    if (holding.held && (settle_ <= 0 || tickTime_ - holding.since >= settle_)) return true;
  }
  return false;
}

void WebPlatform::ShowChangedPictures() {
  if (playFieldChanged_) page::ShowPicture("play-field", form1_.GameState().playField);
  if (compassChanged_) page::ShowPicture("compass", form1_.GameState().compass);
  playFieldChanged_ = false;
  compassChanged_ = false;
}

void WebPlatform::PlaceMainPanelAtStart() {
  left_ = kMainWindowStartLeft;
  top_ = kMainWindowStartTop;
  page::ShiftMainPanel(0, 0);
}

bool WebPlatform::InputFocused() {
  return !form1_.ErrorShown() && !MainMenuActive();
}

bool WebPlatform::JoystickCapabilities(JoystickCaps& caps) {
  caps = JoystickCaps{0, kGamepadAxisMax, 0, kGamepadAxisMax};
  return true;
}

bool WebPlatform::ReadJoystick(JoystickState& state) {
  double axes[2] = {0, 0};
  uint32_t pressed = 0;
  const int mapping = zt_read_gamepad(axes, &pressed);
  if (mapping < 0) return false;
  state = JoystickFromGamepad(GamepadReading{mapping == 1, axes[0], axes[1], pressed});
  return true;
}

bool WebPlatform::SoundSwitchOn() {
  return form1_.Form3().SoundOutputOn();
}

void WebPlatform::PlaySound(const std::string& path) {
  zt_play_cue(path.c_str());
}

void WebPlatform::SetWindowLeft(int32_t left) {
  left_ = left;
  page::ShiftMainPanel(left_ - kMainWindowStartLeft, top_ - kMainWindowStartTop);
}

void WebPlatform::SetWindowTop(int32_t top) {
  top_ = top;
  page::ShiftMainPanel(left_ - kMainWindowStartLeft, top_ - kMainWindowStartTop);
}

}  // namespace zaptrail
