#pragma once

#include <windows.h>

#include <string>

namespace zaptrail {

// Hands the help page to the program the desktop opens such files with, beside the game.
// Raises "ﾌｧｲﾙ %s は開けません" when the page is not a usable file or nothing opens it.
void OpenHelpPage(HWND owner, const std::string& path);

// Hands a web address to the desktop's browser. Raises "ｱﾄﾞﾚｽ %s は開けません" when no program
// opens it.
void OpenWebAddress(HWND owner, const std::string& address);

}  // namespace zaptrail
