#include "win32/tform2.hpp"

#include "files/wide_text.hpp"
#include "session/window_descriptions.hpp"
#include "win32/dialog_window.hpp"
#include "win32/window_class.hpp"

namespace zaptrail {
namespace {

constexpr wchar_t kClassName[] = L"TForm2";
// A small caption bar and a thin frame: no system menu, so no buttons on it at all.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION;
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW;

}  // namespace

TForm2::TForm2(HINSTANCE instance, HWND mainWindow, const PixelSurface& compass) : Image1(compass) {
  RegisterWindowClass(instance, kClassName, &Procedure);
  window_ = CreateWindowExW(kExStyle, kClassName, Wide(kCompassCaption).c_str(), kStyle, 0, 0, 0, 0,
                            mainWindow, nullptr, instance, this);
  const SIZE frame = FrameSizeFor(window_, compass.Width(), compass.Height());
  SetWindowPos(window_, nullptr, 0, 0, frame.cx, frame.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  Image1.Refresh();
  PlaceBeside(mainWindow);
}

TForm2::~TForm2() {
  DestroyWindow(window_);
}

void TForm2::PlaceBeside(HWND mainWindow) {
  RECT main;
  GetWindowRect(mainWindow, &main);
  SetWindowPos(window_, nullptr, CompassStartLeft(main.left, main.right - main.left),
               CompassStartTop(main.top), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm2::RepaintCompass() {
  if (Image1.Refresh()) InvalidateRect(window_, nullptr, FALSE);
}

LRESULT CALLBACK TForm2::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = WindowOwner<TForm2>(window, message, lParam);
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      if (self != nullptr) self->Image1.Paint(dc);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;  // the picture covers the whole client area
    case WM_CLOSE:
      // The compass stays open until the program ends with the main window.
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace zaptrail
