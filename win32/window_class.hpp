#pragma once

#include <windows.h>

namespace zaptrail {

// Registers a top-level window class of the game: arrow pointer, the chick icon.
void RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure);

// The object a window procedure belongs to: the creation parameter, kept from WM_NCCREATE on.
// Null for the few messages before it.
template <typename Owner>
Owner* WindowOwner(HWND window, UINT message, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    SetWindowLongPtrW(
        window, GWLP_USERDATA,
        reinterpret_cast<LONG_PTR>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams));
  }
  return reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// The same for a dialog procedure, whose parameter arrives with WM_INITDIALOG.
template <typename Owner>
Owner* DialogOwner(HWND dialog, UINT message, LPARAM lParam) {
  if (message == WM_INITDIALOG) SetWindowLongPtrW(dialog, DWLP_USER, lParam);
  return reinterpret_cast<Owner*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

}  // namespace zaptrail
