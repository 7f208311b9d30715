#pragma once

#include <string>

namespace zaptrail {

// The running executable's bare file name, for the error dialog's caption.
std::wstring ExecutableFileName();

}  // namespace zaptrail
