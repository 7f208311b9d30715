#pragma once

class QWidget;

namespace zaptrail {

// Centres a dialog's client area on the usable part of the screen its main window is on.
void CentreOnScreen(QWidget& dialog);

}  // namespace zaptrail
