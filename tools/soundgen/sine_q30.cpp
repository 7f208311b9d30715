#include "tools/soundgen/sine_q30.hpp"

namespace zaptrail::soundgen {
namespace {

// Taylor terms of sin(pi/2 * x) in Q30. Stopping at x^9 keeps the error below 4e-6,
// an order of magnitude under one 16-bit step.
constexpr int64_t kC1 = 1686629713;
constexpr int64_t kC3 = -693598668;
constexpr int64_t kC5 = 85569306;
constexpr int64_t kC7 = -5026995;
constexpr int64_t kC9 = 172272;

constexpr uint32_t kQuarterMask = (uint32_t{1} << kQ30Shift) - 1;

}  // namespace

int32_t SineQ30(uint32_t phase) {
  const uint32_t quadrant = phase >> kQ30Shift;
  int64_t x = phase & kQuarterMask;
  // Quadrants 1 and 3 run the quarter wave backwards.
  if (quadrant & 1) x = kQ30One - x;

  const int64_t x2 = MulQ30(x, x);
  int64_t poly = kC9;
  poly = kC7 + MulQ30(poly, x2);
  poly = kC5 + MulQ30(poly, x2);
  poly = kC3 + MulQ30(poly, x2);
  poly = kC1 + MulQ30(poly, x2);
  const int64_t value = MulQ30(poly, x);
  return static_cast<int32_t>((quadrant & 2) ? -value : value);
}

}  // namespace zaptrail::soundgen
