#pragma once

#include <windows.h>

namespace zaptrail {

// Centres a dialog window on the usable part of the screen (the work area).
void CentreOnScreen(HWND dialog);

}  // namespace zaptrail
