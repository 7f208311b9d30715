#pragma once

class QPoint;
class QWidget;

namespace zaptrail {

// Centres a dialog's client area on the usable part of the screen its main window is on.
void CentreOnScreen(QWidget& dialog);

// Moves a window's frame to the position, or as near it as keeps the whole frame inside the
// usable part of its screen.
void PlaceInsideScreen(QWidget& window, const QPoint& wanted);

}  // namespace zaptrail
