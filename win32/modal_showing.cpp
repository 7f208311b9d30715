#include "win32/modal_showing.hpp"

namespace zaptrail {

int ModalShowing::Show(HWND owner) {
  result_ = 0;
  EnableWindow(owner, FALSE);
  ShowWindow(dialog_, SW_SHOW);
  SetForegroundWindow(dialog_);
  MSG message;
  while (result_ == 0) {
    if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
      // The quit is the outer loop's to see too: the program ends once the dialog is gone.
      PostQuitMessage(static_cast<int>(message.wParam));
      result_ = static_cast<int>(DialogResult::Cancel);
      break;
    }
    if (IsDialogMessageW(dialog_, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  // The owner first, so that it gets the activation back when the dialog goes.
  EnableWindow(owner, TRUE);
  ShowWindow(dialog_, SW_HIDE);
  return result_;
}

void CentreOnScreen(HWND window) {
  RECT frame;
  GetWindowRect(window, &frame);
  RECT work;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  SetWindowPos(window, nullptr, work.left + (work.right - work.left - width) / 2,
               work.top + (work.bottom - work.top - height) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace zaptrail
