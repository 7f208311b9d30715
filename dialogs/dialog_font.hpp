#pragma once

#include <QFont>

namespace zaptrail {

// The dialogs' face, "ＭＳ Ｐゴシック" at 12 pixels. Linux desktops rarely have it, so the
// proportional IPA P Gothic of the same build stands in for it.
QFont DialogFont();

}  // namespace zaptrail
