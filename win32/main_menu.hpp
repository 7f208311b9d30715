#pragma once

#include <windows.h>

namespace zaptrail {

// The main window's menu bar and its shortcuts, built from the window descriptions. Each item's
// command identifier is its MenuCommand.
HMENU CreateMainMenu();
HACCEL CreateMainShortcuts();

}  // namespace zaptrail
