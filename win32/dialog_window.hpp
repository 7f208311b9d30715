#pragma once

#include <windows.h>

#include <cstdint>
#include <string_view>

#include "session/window_descriptions.hpp"

namespace zaptrail {

// The dialogs' face, in the Japanese character set.
HFONT CreateDialogFont(bool bold = false, bool underline = false);

// A hidden dialog window with no controls yet, its client area exactly `size`.
// A real dialog, so Tab, Enter on a focused button and the focus rules work as users expect.
HWND CreateEmptyDialog(HINSTANCE instance, HWND owner, std::string_view caption, ClientSize size,
                       DLGPROC procedure, LPARAM parameter);

// A child control at its place in the dialog with its text, drawn in `font`.
HWND AddControl(HWND dialog, const wchar_t* windowClass, const ControlDescription& description,
                DWORD style, int32_t id, HFONT font);

// The size of a line of text in the font.
SIZE TextSize(HWND window, HFONT font, std::string_view text);

// A static text that sizes itself to its text at its place's left and top, as labels do: the
// face that stands in for the dialog font may be wider than the one the layout was made with.
HWND AddLabel(HWND dialog, const ControlDescription& description, HFONT font);

// The window's outer size that gives it this client size.
SIZE FrameSizeFor(HWND window, int32_t clientWidth, int32_t clientHeight);

}  // namespace zaptrail
