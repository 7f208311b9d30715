#pragma once

#include <cstdint>

namespace zaptrail::bench {

// The replay the sim throughput is measured on: random keys from a cloud level.
inline constexpr int32_t kReplayTicks = 100000;
inline constexpr int32_t kReplayLevel = 54;

}  // namespace zaptrail::bench
