#pragma once

#include <cstdint>

namespace zaptrail::soundgen {

// The game's mixer opens the device at this rate, so cues never need resampling.
inline constexpr int32_t kSampleRate = 22050;

inline constexpr int32_t SamplesForMs(int32_t ms) {
  return ms * kSampleRate / 1000;
}

}  // namespace zaptrail::soundgen
