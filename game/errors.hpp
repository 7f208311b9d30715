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

}  // namespace zaptrail
