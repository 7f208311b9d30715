// Logs the running game off as Windows does: asks its main window whether the session may end,
// then tells it that it ends, each message given a few seconds at most. Exit status 0 when the
// window agreed and answered both in time; 1 when there is no such window; 2 when it refused;
// 3 when it kept Windows waiting (a dialog, for instance).
#include <windows.h>

namespace {

constexpr UINT kPatienceMs = 5000;

bool Send(HWND window, UINT message, WPARAM wParam, DWORD_PTR& answer) {
  return SendMessageTimeoutW(window, message, wParam, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG,
                             kPatienceMs, &answer) != 0;
}

}  // namespace

int wmain() {
  const HWND window = FindWindowW(L"TForm1", L"zap trail");
  if (window == nullptr) return 1;
  DWORD_PTR answer = 0;
  if (!Send(window, WM_QUERYENDSESSION, 0, answer)) return 3;
  if (answer == FALSE) return 2;
  if (!Send(window, WM_ENDSESSION, TRUE, answer)) return 3;
  return 0;
}
