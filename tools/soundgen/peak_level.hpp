#pragma once

#include <cstdint>
#include <vector>

namespace zaptrail::soundgen {

// -3 dBFS: loud enough to cut through the music, with headroom for the mixer.
inline constexpr int32_t kCuePeak = 23197;

// Scales a mix so its loudest sample is exactly kCuePeak, rounding to nearest.
std::vector<int16_t> ScaleToPeak(const std::vector<int64_t>& mix);

}  // namespace zaptrail::soundgen
