#pragma once

#include <string>

namespace zaptrail {

// The executable's full path, its bare file name and its folder ending in a backslash.
std::wstring ExecutablePath();
std::wstring ExecutableFileName();
std::wstring ExecutableFolder();

}  // namespace zaptrail
