#pragma once

#include <string>

namespace zaptrail::files {

// Windows only: the running executable's full path, however long it is.
std::wstring ExecutablePath();

}  // namespace zaptrail::files
