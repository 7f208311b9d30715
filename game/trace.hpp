#pragma once

#include <cstdint>
#include <string_view>

namespace zaptrail {

// Observes what a tick does on screen and in the speakers, so that a replay can print it.
class Trace {
 public:
  virtual ~Trace() = default;
  virtual void Cue(uint8_t index) = 0;
  virtual void Text(int32_t column, int32_t row, std::string_view text) = 0;
};

}  // namespace zaptrail
