#include "win32/error_dialog.hpp"

// After windows.h, which it builds on.
#include <commctrl.h>

#include "win32/app_dir.hpp"
#include "win32/wide_text.hpp"

namespace zaptrail {

namespace {

constexpr int kQuitWithoutSaving = 100;

std::wstring Title() {
  return Wide(ApplicationTitle(Utf8(ExecutableFileName())));
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
  const std::wstring text = Wide(message + ".");
  const std::wstring quit = Wide("ｾｰﾌﾞせずに終了(&Q)");
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
    ShowErrorDialog(owner, message + ".");
    return false;
  }
  GiveFocusBack(owner);
  return pressed == kQuitWithoutSaving;
}

}  // namespace zaptrail
