#include "win32/modal_showing.hpp"

namespace zaptrail {

DialogResult ModalShowing::Show(HWND owner) {
  result_ = 0;
  EnableWindow(owner, FALSE);
  ShowWindow(dialog_, SW_SHOW);
  SetForegroundWindow(dialog_);
  MSG message;
  while (result_ == 0) {
    if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
      // The quit is the outer loop's to see too: the program ends once the dialog is gone.
      PostQuitMessage(static_cast<int>(message.wParam));
      result_ = ResultCodeOf(DialogResult::Cancel);
      break;
    }
    if (IsDialogMessageW(dialog_, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  // The owner first, so that it gets the activation back when the dialog goes.
  EnableWindow(owner, TRUE);
  ShowWindow(dialog_, SW_HIDE);
  return DialogResultOf(result_);
}

}  // namespace zaptrail
