#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace zaptrail {

enum class Key : uint8_t { Up, Right, Down, Left, Escape, Space };
inline constexpr size_t kKeyCount = 6;

// Raw range of the first joystick's axes.
struct JoystickCaps {
  uint32_t xMin = 0;
  uint32_t xMax = 0;
  uint32_t yMin = 0;
  uint32_t yMax = 0;
};

// Raw axis values and the bit set of held buttons (button 1 is the value 1).
struct JoystickState {
  uint32_t x = 0;
  uint32_t y = 0;
  uint32_t buttons = 0;
};

// Everything the engine needs from the machine it runs on. The game's shell implements it with
// real windows, keys, joystick and sound; tests and the replay driver implement it with fakes.
class Platform {
 public:
  virtual ~Platform() = default;

  // True while one of the game's windows has the keyboard focus and no menu is open: only then
  // do the keys and the joystick count, so keys meant for another program or for a menu never
  // move the chick, start a level or close the game.
  virtual bool InputFocused() = 0;
  // True while the key is held at the moment of the call and counts for the game: a key that went
  // down while the game did not have the keyboard counts only once let go and pressed again.
  virtual bool KeyHeld(Key key) = 0;
  // False when there is no first joystick.
  virtual bool JoystickCapabilities(JoystickCaps& caps) = 0;
  // False when the first joystick cannot be read now.
  virtual bool ReadJoystick(JoystickState& state) = 0;

  // The settings dialog's sound switch, read at every cue.
  virtual bool SoundSwitchOn() = 0;
  // Starts playing a wave file without waiting; cuts off the cue still playing. The game names
  // a cue's file as it lies in the program's folder; the session's layer puts the folder before
  // it, so a shell's platform is given the whole path.
  virtual void PlaySound(const std::string& path) = 0;

  // The main window's outer left and top edges on the screen.
  virtual int32_t WindowLeft() = 0;
  virtual int32_t WindowTop() = 0;
  virtual void SetWindowLeft(int32_t left) = 0;
  virtual void SetWindowTop(int32_t top) = 0;

  // The play field's size changed (client area and picture); it must show the new picture.
  virtual void PlayFieldResized() = 0;
  // Shows the play field on screen before returning.
  virtual void RepaintPlayField() = 0;
  // Marks the compass changed; its window shows the new picture at its next ordinary repaint,
  // which may come after this returns.
  virtual void RepaintCompass() = 0;
};

}  // namespace zaptrail
