#pragma once

#include <windows.h>

#include "view/surface.hpp"
#include "win32/dib_picture.hpp"

namespace zaptrail {

// The compass: a small tool window beside the main window showing the engine's compass picture.
// It has no frame buttons and refuses to close; it goes when the program ends.
class TForm2 {
 public:
  TForm2(HINSTANCE instance, HWND mainWindow, const PixelSurface& compass);
  ~TForm2();
  TForm2(const TForm2&) = delete;
  TForm2& operator=(const TForm2&) = delete;

  HWND Window() const { return window_; }
  // Against the main window's right side, tops aligned, in outer coordinates.
  void PlaceBeside(HWND mainWindow);
  void RepaintCompass();

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  DibPicture Image1;
  HWND window_ = nullptr;
};

}  // namespace zaptrail
