#pragma once

#include <QFont>

namespace zaptrail {

// The dialogs' face. Linux desktops rarely have it, so the proportional IPA P Gothic of the same
// build stands in for it.
QFont DialogFont();

}  // namespace zaptrail
