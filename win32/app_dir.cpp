#include "win32/app_dir.hpp"

#include <windows.h>

namespace zaptrail {

std::wstring ExecutablePath() {
  // Long paths need more than MAX_PATH: grow until the whole name fits.
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

std::wstring ExecutableFileName() {
  const std::wstring path = ExecutablePath();
  return path.substr(path.find_last_of(L"\\/") + 1);
}

std::wstring ExecutableFolder() {
  const std::wstring path = ExecutablePath();
  return path.substr(0, path.find_last_of(L"\\/") + 1);
}

}  // namespace zaptrail
