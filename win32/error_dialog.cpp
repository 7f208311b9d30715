#include "win32/error_dialog.hpp"

// After windows.h, which it builds on.
#include <commctrl.h>

#include "files/file_system_win32.hpp"
#include "files/wide_text.hpp"

namespace zaptrail {

namespace {

constexpr int kQuitWithoutSaving = 100;

std::wstring Title() {
  const std::wstring path = files::ExecutablePath();
  return Wide(ApplicationTitle(Utf8(path.substr(path.find_last_of(L"\\/") + 1))));
}

// A box without an owner leaves no window of the game active once it is gone, so F2 and
// Alt+Enter would wait for a click; the window that raised the error takes the keys back.
void GiveFocusBack(HWND owner) {
  if (owner != nullptr && IsWindowVisible(owner)) SetActiveWindow(owner);
}

}  // namespace

void ShowErrorDialog(HWND owner, const std::string& text) {
  const std::wstring title = Title();
  // Without an owner, task-modal: every window of the game waits, while the timer's ticks
  // still arrive.
  MessageBoxW(owner, Wide(text).c_str(), title.c_str(),
              MB_OK | MB_ICONERROR | (owner == nullptr ? MB_TASKMODAL : MB_APPLMODAL));
  GiveFocusBack(owner);
}

bool AskQuitWithoutSaving(HWND owner, const std::string& message) {
  const std::wstring title = Title();
  const std::wstring text = Wide(ErrorDialogText(message));
  const std::wstring quit = Wide(kQuitWithoutSavingCaption);
  const TASKDIALOG_BUTTON buttons[] = {{kQuitWithoutSaving, quit.c_str()}};
  TASKDIALOGCONFIG config{};
  config.cbSize = sizeof(config);
  config.hwndParent = owner;
  config.dwFlags = TDF_ALLOW_DIALOG_CANCELLATION;
  config.dwCommonButtons = TDCBF_OK_BUTTON;
  config.pszWindowTitle = title.c_str();
  config.pszMainIcon = TD_ERROR_ICON;
  config.pszContent = text.c_str();
  config.cButtons = 1;
  config.pButtons = buttons;
  config.nDefaultButton = IDOK;
  int pressed = IDOK;
  if (FAILED(TaskDialogIndirect(&config, &pressed, nullptr, nullptr))) {
    ShowErrorDialog(owner, ErrorDialogText(message));
    return false;
  }
  GiveFocusBack(owner);
  return pressed == kQuitWithoutSaving;
}

}  // namespace zaptrail
