#pragma once

#include <QCursor>
#include <QIcon>

namespace zaptrail {

// MAINICON: the chick at 32 x 32 and 16 x 16, the icon of every window of the game.
QIcon MainIcon();

// HAND1: the white pointing hand with its hot spot at the fingertip (6, 1).
QCursor HandCursor();

}  // namespace zaptrail
