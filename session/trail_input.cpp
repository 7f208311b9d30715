#include "session/trail_input.hpp"

#include "session/trail.hpp"

namespace zaptrail {

uint8_t TrailBitOf(Key key) {
  switch (key) {
    case Key::Up:
      return TrailUp;
    case Key::Right:
      return TrailRight;
    case Key::Down:
      return TrailDown;
    case Key::Left:
      return TrailLeft;
    case Key::Space:
      return TrailFire;
    case Key::Escape:
      break;
  }
  return 0;
}

bool TrailInput::InputFocused() {
  // A trail's keys count whoever has the keyboard; its ticks already went through the focus rules.
  if (playing_) return true;
  const bool focused = shell_ != nullptr && shell_->InputFocused();
  if (!focused && shell_ != nullptr) {
    for (size_t key = 0; key < kKeyCount; ++key) {
      if (shell_->KeyHeld(static_cast<Key>(key))) heldElsewhere_[key] = true;
    }
  }
  return focused;
}

bool TrailInput::CountsForTheGame(Key key, bool held) {
  bool& elsewhere = heldElsewhere_[static_cast<size_t>(key)];
  if (!held) elsewhere = false;
  return held && !elsewhere;
}

bool TrailInput::KeyHeld(Key key) {
  if (!playing_) return CountsForTheGame(key, shell_ != nullptr && shell_->KeyHeld(key));
  if (key == Key::Escape) {
    return shell_ != nullptr && shell_->InputFocused() && shell_->KeyHeld(key);
  }
  return (keys_ & TrailBitOf(key)) != 0;
}

bool TrailInput::JoystickCapabilities(JoystickCaps& caps) {
  return !playing_ && shell_ != nullptr && shell_->JoystickCapabilities(caps);
}

bool TrailInput::ReadJoystick(JoystickState& state) {
  return !playing_ && shell_ != nullptr && shell_->ReadJoystick(state);
}

bool TrailInput::SoundSwitchOn() {
  return shell_ != nullptr && shell_->SoundSwitchOn();
}

void TrailInput::PlaySound(const std::string& path) {
  if (shell_ != nullptr) shell_->PlaySound(programFolder_ + path);
}

int32_t TrailInput::WindowLeft() {
  return shell_ != nullptr ? shell_->WindowLeft() : left_;
}

int32_t TrailInput::WindowTop() {
  return shell_ != nullptr ? shell_->WindowTop() : top_;
}

void TrailInput::SetWindowLeft(int32_t left) {
  if (shell_ != nullptr) shell_->SetWindowLeft(left);
  left_ = left;
}

void TrailInput::SetWindowTop(int32_t top) {
  if (shell_ != nullptr) shell_->SetWindowTop(top);
  top_ = top;
}

void TrailInput::PlayFieldResized() {
  if (shell_ != nullptr) shell_->PlayFieldResized();
}

void TrailInput::RepaintPlayField() {
  if (shell_ != nullptr) shell_->RepaintPlayField();
}

void TrailInput::RepaintCompass() {
  if (shell_ != nullptr) shell_->RepaintCompass();
}

}  // namespace zaptrail
