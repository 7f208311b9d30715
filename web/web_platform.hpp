#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "game/platform.hpp"
#include "session/window_descriptions.hpp"

namespace zaptrail {

class TForm1;

// The engine's way to the page: held keys, the main panel's place, the canvases and the cues.
class WebPlatform : public Platform {
 public:
  explicit WebPlatform(TForm1& form1) : form1_(form1) {}

  // The keyboard and the touch controls hold keys each on their own, and either holding one
  // counts, as the keyboard and the joystick combine.
  enum class Source : uint8_t { Keyboard, Touch };
  // `at` is the event's time on the page's clock.
  void Hold(Source source, Key key, bool held, double at);
  // Keys let go while the page could not see them (focus elsewhere, a dialog) stay released.
  void ReleaseAll();
  // The coming ticks run at `now`. A press the browser delivered less than `settle` ms before
  // counts at no tick yet: a tap's release reaches the page some milliseconds after its press,
  // and a tick that runs between the two must not take the tap for a key held at that tick.
  // Ticks the tests step themselves (settle 0) see every key as it is.
  void SetTickClock(double now, double settle) {
    tickTime_ = now;
    settle_ = settle;
  }
  // Puts the pictures a handler changed into the page, once each: the browser shows nothing
  // before the handler returns anyway.
  void ShowChangedPictures();
  // Every run starts with the main panel where the page placed it.
  void PlaceMainPanelAtStart();

  // Key events reach only the page that has the focus, and losing it lets go of every key; what
  // is left is the error dialog, which holds them, or the menu bar.
  bool InputFocused() override;
  bool KeyHeld(Key key) override;
  // A page learns of a gamepad only once a button is pressed, so it always offers one; reading
  // it fails while there is none.
  bool JoystickCapabilities(JoystickCaps& caps) override;
  bool ReadJoystick(JoystickState& state) override;
  // The settings dialog's check box, as it is now.
  bool SoundSwitchOn() override;
  void PlaySound(const std::string& path) override;
  int32_t WindowLeft() override { return left_; }
  int32_t WindowTop() override { return top_; }
  void SetWindowLeft(int32_t left) override;
  void SetWindowTop(int32_t top) override;
  // The canvas takes the picture's size with every picture it is given.
  void PlayFieldResized() override {}
  void RepaintPlayField() override { playFieldChanged_ = true; }
  void RepaintCompass() override { compassChanged_ = true; }

 private:
  TForm1& form1_;
  struct Holding {
    bool held = false;
    double since = 0;
  };
  static constexpr size_t kSources = 2;
  std::array<std::array<Holding, kKeyCount>, kSources> holding_{};
  double tickTime_ = 0;
  double settle_ = 0;
  // The main window's place as the engine sees it; the page shows the shift from the start.
  int32_t left_ = kMainWindowStartLeft;
  int32_t top_ = kMainWindowStartTop;
  bool playFieldChanged_ = false;
  bool compassChanged_ = false;
};

}  // namespace zaptrail
