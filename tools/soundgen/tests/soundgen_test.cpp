#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "sine_q30.h"

namespace soundgen {
namespace {

TEST(SineQ30, TracksTrueSineAroundTheWholeTurn) {
  for (uint64_t phase = 0; phase < (uint64_t{1} << 32); phase += 1'000'003) {
    const double expected = std::sin(2 * std::numbers::pi * double(phase) / 4294967296.0);
    const double actual = double(sine_q30(static_cast<uint32_t>(phase))) / double(kQ30One);
    ASSERT_NEAR(actual, expected, 1e-5) << "phase " << phase;
  }
}

}  // namespace
}  // namespace soundgen
