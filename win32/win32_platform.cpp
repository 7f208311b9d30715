#include "win32/win32_platform.hpp"

#include <windows.h>
// After windows.h, which it builds on.
#include <mmsystem.h>
// The engine's own PlaySound, not the wide-or-narrow macro of that name.
#undef PlaySound

#include "files/wide_text.hpp"
#include "session/own_files.hpp"
#include "win32/tform1.hpp"
#include "win32/tform2.hpp"
#include "win32/tform3.hpp"

namespace zaptrail {

namespace {

constexpr UINT kFirstJoystick = 0;  // JOYSTICKID1

int VirtualKey(Key key) {
  switch (key) {
    case Key::Up:
      return VK_UP;
    case Key::Right:
      return VK_RIGHT;
    case Key::Down:
      return VK_DOWN;
    case Key::Left:
      return VK_LEFT;
    case Key::Escape:
      return VK_ESCAPE;
    case Key::Space:
      return VK_SPACE;
  }
  return 0;
}

RECT FrameOf(HWND window) {
  RECT frame;
  GetWindowRect(window, &frame);
  return frame;
}

void MoveTo(HWND window, int32_t left, int32_t top) {
  SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

Win32Platform::Win32Platform(TForm1& form1) : DesktopPlatform(form1) {}

bool Win32Platform::InputFocused() {
  // GetFocus() names a window only while one of this thread's windows has the keyboard.
  return GetFocus() != nullptr && !menuOpen_;
}

bool Win32Platform::KeyHeld(Key key) {
  // The key as it is now, not as this thread's queue last saw it: a key released while another
  // program had the focus is up when the game gets it back.
  return (GetAsyncKeyState(VirtualKey(key)) & 0x8000) != 0;
}

bool Win32Platform::JoystickCapabilities(JoystickCaps& caps) {
  JOYCAPSA joystick{};
  if (joyGetDevCapsA(kFirstJoystick, &joystick, sizeof(joystick)) != JOYERR_NOERROR) return false;
  caps = {joystick.wXmin, joystick.wXmax, joystick.wYmin, joystick.wYmax};
  return true;
}

bool Win32Platform::ReadJoystick(JoystickState& state) {
  JOYINFO info{};
  if (joyGetPos(kFirstJoystick, &info) != JOYERR_NOERROR) return false;
  state = {info.wXpos, info.wYpos, info.wButtons};
  return true;
}

void Win32Platform::PlaySound(const std::string& path) {
  // Asynchronous and nothing else: a new cue cuts the one playing, and a file that cannot be
  // played gives the desktop's alert sound.
  if (OwnFileUsable(path, OwnFile::Cue)) {
    sndPlaySoundW(Wide(path).c_str(), SND_ASYNC);
  } else {
    sndPlaySoundW(nullptr, 0);
    MessageBeep(MB_OK);
  }
}

int32_t Win32Platform::WindowLeft() {
  return FrameOf(form1_.Window()).left;
}

int32_t Win32Platform::WindowTop() {
  return FrameOf(form1_.Window()).top;
}

void Win32Platform::SetWindowLeft(int32_t left) {
  MoveTo(form1_.Window(), left, WindowTop());
}

void Win32Platform::SetWindowTop(int32_t top) {
  MoveTo(form1_.Window(), WindowLeft(), top);
}

}  // namespace zaptrail
