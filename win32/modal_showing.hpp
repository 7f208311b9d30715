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

  DialogResult Show(HWND owner);
  void End(DialogResult result) { result_ = ResultCodeOf(result); }

 private:
  HWND dialog_;
  int result_ = 0;
};

}  // namespace zaptrail
