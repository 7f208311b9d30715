#pragma once

#include <cstdint>

namespace zaptrail::soundgen {

// Synthesis runs in fixed point so the committed cues come out bit-identical on every
// machine, whatever its libm or floating-point contraction rules.
inline constexpr int kQ30Shift = 30;
inline constexpr int64_t kQ30One = int64_t{1} << kQ30Shift;

inline constexpr int64_t MulQ30(int64_t a, int64_t b) {
  return (a * b) >> kQ30Shift;
}

// Sine of `phase`, where 2^32 is one full turn; result in Q30.
int32_t SineQ30(uint32_t phase);

}  // namespace zaptrail::soundgen
