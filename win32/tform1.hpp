#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "session/session.hpp"
#include "win32/dib_picture.hpp"
#include "win32/win32_platform.hpp"

namespace zaptrail {

class TForm2;
class TForm3;
class TForm9;

// The main window: play field, menu and the tick timer. What they do is the session's.
class TForm1 : private SessionShell {
 public:
  explicit TForm1(HINSTANCE instance, const SessionOptions& options = {});
  ~TForm1() override;
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;

  // False when the creation handler failed; the program then ends after the error dialog.
  bool Created() const { return created_; }
  void AttachWindows(TForm2* form2, TForm3* form3, TForm9* form9);
  HWND Window() const { return window_; }
  Session& GameSession() { return session_; }
  const Game& GameState() const { return session_.GameState(); }
  // The tick timer's period in force, in milliseconds; 0 while it is stopped.
  int32_t TickPeriod() const { return session_.TickPeriod(); }

  // Runs the message loop until the program is told to quit; returns the exit status.
  int RunMessageLoop();

  void RepaintPlayField();
  void PlayFieldResized();

  // The menu's handlers.
  void Reset1Click();
  void Property1Click();
  void Quit1Click();
  void SearchforHelpOn1Click();
  void K1Click();

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

  void Timer1Timer();
  void Paint();

  // What the session asks of the window.
  void Stop() override;
  bool Start(int32_t periodMs) override;
  void EndProgram(int status) override;
  void AskQuitWithoutSaving(const std::string& message,
                            std::function<void(bool quit)> answer) override;

  Win32Platform platform_;
  Session session_;
  DibPicture Image1;
  HINSTANCE instance_;
  HWND window_ = nullptr;
  HACCEL accelerators_ = nullptr;

  TForm3* form3_ = nullptr;
  TForm9* form9_ = nullptr;
  bool created_ = false;
};

}  // namespace zaptrail
