#include "win32/error_dialog.hpp"

#include <windows.h>

#include "win32/app_dir.hpp"
#include "win32/wide_text.hpp"

namespace zaptrail {

void ShowErrorDialog(const std::string& text) {
  const std::wstring title = Wide(ApplicationTitle(Utf8(ExecutableFileName())));
  // Task-modal: every window of the game waits, while the timer's ticks still arrive.
  MessageBoxW(nullptr, Wide(text).c_str(), title.c_str(), MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

}  // namespace zaptrail
