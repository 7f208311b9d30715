#include "win32/app_dir.hpp"

#include <windows.h>

namespace zaptrail {

std::wstring ExecutableFileName() {
  // Long paths need more than MAX_PATH: grow until the whole name fits.
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return path.substr(path.find_last_of(L"\\/") + 1);
}

}  // namespace zaptrail
