#pragma once

#include <cstdint>
#include <vector>

namespace soundgen {

// -3 dBFS: loud enough to cut through the music, with headroom for the mixer.
inline constexpr int32_t kCuePeak = 23197;

// Scales a mix so its loudest sample is exactly kCuePeak, rounding to nearest.
std::vector<int16_t> scale_to_peak(const std::vector<int64_t>& mix);

}  // namespace soundgen
