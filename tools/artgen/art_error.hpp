#pragma once
#include <stdexcept>
#include <string>

namespace zaptrail::art {

// A fault in the art sources; the message names the file and, where it helps, the line.
class ArtError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace zaptrail::art
