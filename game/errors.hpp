#pragma once

#include <stdexcept>
#include <string>

namespace zaptrail {

// An error raised by a framework-level call (file, conversion, timer). It ends the handler it
// arose in and is shown by the default error dialog with a full stop appended to its message.
class GameError : public std::runtime_error {
 public:
  explicit GameError(const std::string& message) : std::runtime_error(message) {}
};

// A file the game reads (the records, the help) cannot be opened.
inline std::string CannotOpenFileMessage(const std::string& path) {
  return "ﾌｧｲﾙ " + path + " は開けません";
}

// No program on the desktop opens the web address.
inline std::string CannotOpenAddressMessage(const std::string& address) {
  return "ｱﾄﾞﾚｽ " + address + " は開けません";
}

}  // namespace zaptrail
