#include "qt/qt_platform.hpp"

#include <QApplication>

#include "qt/tform1.hpp"
#include "qt/tform2.hpp"
#include "qt/tform3.hpp"

namespace zaptrail {

QtPlatform::QtPlatform(TForm1& form1)
    : DesktopPlatform(form1), cues_([] { QApplication::beep(); }) {}

bool QtPlatform::JoystickCapabilities(JoystickCaps& caps) {
  return joystick_.Capabilities(caps);
}

bool QtPlatform::ReadJoystick(JoystickState& state) {
  return joystick_.Read(state);
}

void QtPlatform::PlaySound(const std::string& path) {
  cues_.Play(path);
}

int32_t QtPlatform::WindowLeft() {
  return form1_.x();
}

int32_t QtPlatform::WindowTop() {
  return form1_.y();
}

void QtPlatform::SetWindowLeft(int32_t left) {
  form1_.move(left, form1_.y());
}

void QtPlatform::SetWindowTop(int32_t top) {
  form1_.move(form1_.x(), top);
}

}  // namespace zaptrail
