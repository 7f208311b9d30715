#pragma once

#include <QFont>

namespace zaptrail {

// The dialogs' font: the proportional Japanese UI face at 12 pixels. On Linux that face is
// drawn by the proportional IPA P Gothic.
QFont DialogFont();

}  // namespace zaptrail
