#pragma once

#include <cstdint>

namespace zaptrail {

// draw mod n for one fixed n, without a division: the level builder takes hundreds of
// thousands of these, and a division costs several times a draw. The quotient is the draw times
// the divisor's reciprocal, rounded up to 32 fractional bits; that rounding error is too small to
// move any draw (0..32767) past a multiple of any divisor (1..2^31 - 1), so the result is the
// same as the % operator's.
class DrawModulo {
 public:
  explicit DrawModulo(int32_t divisor)
      : divisor_(static_cast<uint32_t>(divisor)),
        reciprocal_((uint64_t{1} << 32) / static_cast<uint32_t>(divisor) + 1) {}

  int32_t operator()(int32_t draw) const {
    const auto quotient = static_cast<uint32_t>((static_cast<uint64_t>(draw) * reciprocal_) >> 32);
    return draw - static_cast<int32_t>(quotient * divisor_);
  }

 private:
  uint32_t divisor_;
  uint64_t reciprocal_;
};

}  // namespace zaptrail
