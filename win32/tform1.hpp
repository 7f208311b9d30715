#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "game/game.hpp"
#include "game/tick_period.hpp"
#include "win32/dib_picture.hpp"
#include "win32/win32_platform.hpp"

namespace zaptrail {

class TForm2;
class TForm3;
class TForm9;

// The main window: play field, menu, the tick timer, and the game it owns.
class TForm1 : private PeriodicTimer {
 public:
  explicit TForm1(HINSTANCE instance);
  ~TForm1() override;
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;

  // False when the creation handler failed; the program then ends after the error dialog.
  bool Created() const { return created_; }
  void AttachWindows(TForm2* form2, TForm3* form3, TForm9* form9);
  HWND Window() const { return window_; }
  Game& GameState() { return game_; }
  // The tick timer's period in force, in milliseconds; 0 while it is stopped.
  int32_t TickPeriod() const { return period_; }

  // Runs the message loop until the program is told to quit.
  void RunMessageLoop();

  void RepaintPlayField();
  void PlayFieldResized();
  // Escape seen by a tick: saves the records (may throw), then ends the program once the
  // tick has returned, cancelling any open dialog.
  void CloseFromTick();

  // The menu's handlers.
  void Reset1Click();
  void Property1Click();
  void Quit1Click();
  void SearchforHelpOn1Click();
  void K1Click();

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

  void FormCreate();
  // The close handler's save for a close the player asked for: false when it failed and the
  // player chose to keep the window open.
  bool FormClose();
  void FinishClosing();
  void Timer1Timer();
  void Paint();

  void Stop() override;
  bool Start(int32_t periodMs) override;

  Win32Platform platform_;
  Game game_;
  DibPicture Image1;
  HINSTANCE instance_;
  HWND window_ = nullptr;
  HACCEL accelerators_ = nullptr;
  int32_t period_ = kDesignPeriod;

  TForm2* form2_ = nullptr;
  TForm3* form3_ = nullptr;
  TForm9* form9_ = nullptr;
  bool created_ = false;
  bool closing_ = false;
};

}  // namespace zaptrail
