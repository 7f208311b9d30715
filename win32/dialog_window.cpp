#include "win32/dialog_window.hpp"

#include <vector>

#include "files/wide_text.hpp"

namespace zaptrail {
namespace {

constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;

}  // namespace

HFONT CreateDialogFont(bool bold, bool underline) {
  // A negative height asks for the characters' height in pixels, as the dialogs were laid out.
  return CreateFontW(-kDialogFace.pixels, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE,
                     underline ? TRUE : FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS,
                     Wide(kDialogFace.family).c_str());
}

SIZE FrameSizeFor(HWND window, int32_t clientWidth, int32_t clientHeight) {
  RECT frame{0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)),
                     GetMenu(window) != nullptr,
                     static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)));
  return {frame.right - frame.left, frame.bottom - frame.top};
}

HWND CreateEmptyDialog(HINSTANCE instance, HWND owner, std::string_view caption, ClientSize size,
                       DLGPROC procedure, LPARAM parameter) {
  // The template: header, no menu, the default class, the caption; sizes come afterwards in
  // pixels, since a template measures in dialog units.
  std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
  auto* header = reinterpret_cast<DLGTEMPLATE*>(words.data());
  header->style = kDialogStyle;
  header->dwExtendedStyle = WS_EX_DLGMODALFRAME;
  words.push_back(0);
  words.push_back(0);
  const std::wstring title = Wide(caption);
  words.insert(words.end(), title.begin(), title.end());
  words.push_back(0);
  HWND dialog = CreateDialogIndirectParamW(
      instance, reinterpret_cast<const DLGTEMPLATE*>(words.data()), owner, procedure, parameter);
  if (dialog == nullptr) return nullptr;
  // The chick on every window of the game, dialogs included.
  SendMessageW(dialog, WM_SETICON, ICON_BIG,
               reinterpret_cast<LPARAM>(LoadIconW(instance, L"MAINICON")));
  SendMessageW(dialog, WM_SETICON, ICON_SMALL,
               reinterpret_cast<LPARAM>(
                   LoadImageW(instance, L"MAINICON", IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR)));
  const SIZE frame = FrameSizeFor(dialog, size.width, size.height);
  SetWindowPos(dialog, nullptr, 0, 0, frame.cx, frame.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  return dialog;
}

HWND AddControl(HWND dialog, const wchar_t* windowClass, const ControlDescription& description,
                DWORD style, int32_t id, HFONT font) {
  const ControlPlace& place = description.place;
  HWND control = CreateWindowExW(
      0, windowClass, Wide(description.text).c_str(), WS_CHILD | WS_VISIBLE | style, place.left,
      place.top, place.width, place.height, dialog,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
      reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(dialog, GWLP_HINSTANCE)), nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return control;
}

SIZE TextSize(HWND window, HFONT font, std::string_view text) {
  HDC dc = GetDC(window);
  HGDIOBJ previous = SelectObject(dc, font);
  const std::wstring wide = Wide(text);
  SIZE size{};
  GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
  SelectObject(dc, previous);
  ReleaseDC(window, dc);
  return size;
}

HWND AddLabel(HWND dialog, const ControlDescription& description, HFONT font) {
  HWND label = AddControl(dialog, L"STATIC", description, SS_LEFT | SS_NOPREFIX, -1, font);
  const SIZE size = TextSize(label, font, description.text);
  SetWindowPos(label, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  return label;
}

}  // namespace zaptrail
