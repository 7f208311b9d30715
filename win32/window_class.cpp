#include "win32/window_class.hpp"

namespace zaptrail {

void RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hIcon = LoadIconW(instance, L"MAINICON");
  windowClass.hIconSm =
      static_cast<HICON>(LoadImageW(instance, L"MAINICON", IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
  windowClass.lpszClassName = name;
  RegisterClassExW(&windowClass);
}

}  // namespace zaptrail
