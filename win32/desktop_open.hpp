#pragma once

#include <windows.h>

#include <string>

namespace zaptrail {

// Hands the help page to the program the desktop opens such files with, beside the game.
// Raises the cannot-open error for the file when the page is not a usable file or nothing
// opens it.
void OpenHelpPage(HWND owner, const std::string& path);

// Hands a web address to the desktop's browser. Raises the cannot-open error for the address
// when no program opens it.
void OpenWebAddress(HWND owner, const std::string& address);

}  // namespace zaptrail
