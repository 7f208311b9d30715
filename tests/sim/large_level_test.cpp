#include <gtest/gtest.h>

#include "tests/engine/test_game.hpp"
#include "tools/sim/sim_report.hpp"

namespace zaptrail::testing {
namespace {

// Levels beyond the golden files, as the first builder made them: every variant at the next
// size, the first level whose items reach only part of the grid (27), the cloud cap (54) and
// two large mazes. A faster build must reproduce every cell and the random state after it.
struct BuiltLevel {
  uint32_t seed;
  int32_t level;
  uint32_t cellsHash;
  uint32_t randomState;
};

constexpr BuiltLevel kBuiltLevels[] = {
    {1, 8, 0xf4438a40u, 1768101517u},      {1, 9, 0x39869c14u, 411670004u},
    {1, 10, 0x1cc2e58bu, 14864324u},       {1, 11, 0x8af1a012u, 2879593458u},
    {1, 12, 0x9dbdec30u, 2756728817u},     {1, 13, 0xa15f6579u, 446086136u},
    {1, 14, 0x7909263eu, 383453327u},      {1, 15, 0x5a008ab2u, 3790168442u},
    {1, 27, 0xcf2a6f1bu, 2198385899u},     {1, 54, 0x022100f2u, 3465910153u},
    {1, 100, 0xf1f06da3u, 2902249802u},    {1, 183, 0x65a44a1eu, 3556417915u},
    {2024, 8, 0xe6ae8c51u, 1522495747u},   {2024, 9, 0x7026c2dcu, 4199528161u},
    {2024, 10, 0x9bca50e8u, 2004323228u},  {2024, 11, 0x4b2b86e3u, 3699571826u},
    {2024, 12, 0xd50016f9u, 1011943888u},  {2024, 13, 0x11920935u, 3275702994u},
    {2024, 14, 0xd9181b5bu, 1492173733u},  {2024, 15, 0xbd70e486u, 2538272945u},
    {2024, 27, 0xad7ac47au, 3203551350u},  {2024, 54, 0xaa393afcu, 4237410980u},
    {2024, 100, 0xaafcf66cu, 1827592329u}, {2024, 183, 0xd18507a9u, 1471299791u},
};

TEST(LargeLevels, AreBuiltCellForCellAndDrawForDrawAsBefore) {
  for (const BuiltLevel& expected : kBuiltLevels) {
    TestGame test;
    test.Build(expected.level, expected.seed);
    EXPECT_EQ(CellsHash(test.record), expected.cellsHash)
        << "seed " << expected.seed << " level " << expected.level;
    EXPECT_EQ(test.game.random.State(), expected.randomState)
        << "seed " << expected.seed << " level " << expected.level;
  }
}

}  // namespace
}  // namespace zaptrail::testing
