#pragma once

#include <windows.h>

#include "session/halted_dialog.hpp"

namespace zaptrail {

// Shows a dialog window that was created hidden as a modal one: its owner takes no input while
// a nested message loop runs, so timer ticks keep arriving, until `result` is set or the program
// is told to quit (then Cancel). The dialog is hidden again afterwards, keeping its controls.
class ModalShowing {
 public:
  explicit ModalShowing(HWND dialog) : dialog_(dialog) {}

  int Show(HWND owner);
  void End(DialogResult result) { result_ = static_cast<int>(result); }

 private:
  HWND dialog_;
  int result_ = 0;
};

// Puts a window in the middle of the screen's work area.
void CentreOnScreen(HWND window);

}  // namespace zaptrail
