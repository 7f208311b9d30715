#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

#include "game/draw_modulo.hpp"

namespace zaptrail::testing {
namespace {

// The level builder's divisors are W - 2 and H - 2, with W = H = 21 + 6 x Level; the game may
// reach any level whose grid still counts its cells in 32 bits (W up to 46340). Every one of
// them, every small divisor and the edges of the draw range are checked against every draw.
std::vector<int32_t> Divisors() {
  std::vector<int32_t> divisors;
  for (int32_t divisor = 1; divisor <= 4096; ++divisor) divisors.push_back(divisor);
  for (int32_t width = 21; width <= 46340; width += 6) divisors.push_back(width - 2);
  for (const int32_t edge : {32767, 32768, 32769, 65535, 65536, 131071, 131072, 131073,
                             std::numeric_limits<int32_t>::max()}) {
    divisors.push_back(edge);
  }
  return divisors;
}

TEST(DrawModulo, AgreesWithTheRemainderForEveryDrawAndEveryDivisor) {
  for (const int32_t divisor : Divisors()) {
    const DrawModulo modulo(divisor);
    int32_t wrong = 0;
    int32_t firstWrong = -1;
    for (int32_t draw = 0; draw <= 32767; ++draw) {
      if (modulo(draw) == draw % divisor) continue;
      if (wrong++ == 0) firstWrong = draw;
    }
    ASSERT_EQ(wrong, 0) << "divisor " << divisor << ", first at draw " << firstWrong;
  }
}

}  // namespace
}  // namespace zaptrail::testing
