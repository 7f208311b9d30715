#include "win32/desktop_open.hpp"

#include <shellapi.h>

#include "files/wide_text.hpp"
#include "game/errors.hpp"
#include "session/own_files.hpp"

namespace zaptrail {
namespace {

// ShellExecute reports success as a value above 32.
bool Opened(HWND owner, const std::string& target) {
  const HINSTANCE result =
      ShellExecuteW(owner, L"open", Wide(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace

void OpenHelpPage(HWND owner, const std::string& path) {
  if (!OwnFileUsable(path, OwnFile::Help) || !Opened(owner, path)) {
    throw GameError(CannotOpenFileMessage(path));
  }
}

void OpenWebAddress(HWND owner, const std::string& address) {
  if (!Opened(owner, address)) throw GameError(CannotOpenAddressMessage(address));
}

}  // namespace zaptrail
