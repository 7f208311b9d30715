#pragma once

#include <windows.h>

#include <string>

#include "session/window_descriptions.hpp"
#include "win32/modal_showing.hpp"

namespace zaptrail {

// The settings dialog: the tick period and the sound switch. Created once, only shown and
// hidden, so its controls keep their state for the whole run.
class TForm3 {
 public:
  TForm3(HINSTANCE instance, HWND owner);
  ~TForm3();
  TForm3(const TForm3&) = delete;
  TForm3& operator=(const TForm3&) = delete;

  HWND Window() const { return window_; }
  // Shows the dialog modally: OK or Cancel (the close box and a quit included).
  DialogResult ShowModal(HWND owner);
  std::string PeriodText() const;
  bool SoundOutputOn() const;

 private:
  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  bool Command(WORD id);
  // One step of the spin arrows, Up (+1) or Down (-1), from the text shown.
  void Step(int32_t direction);

  HFONT font_ = nullptr;
  HWND window_ = nullptr;
  HWND Edit1 = nullptr;
  HWND UpDown1 = nullptr;
  HWND CheckBox1 = nullptr;
  ModalShowing showing_{nullptr};
  UpDownRange range_ = kPeriodRange;
};

}  // namespace zaptrail
