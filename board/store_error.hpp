#pragma once

#include <stdexcept>
#include <string>

namespace zaptrail::board {

// The database refused or failed: the request ends with 503 and the message goes to the log.
class StoreError : public std::runtime_error {
 public:
  explicit StoreError(const std::string& what) : std::runtime_error(what) {}
};

}  // namespace zaptrail::board
