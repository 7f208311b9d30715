#include <gtest/gtest.h>

#include <numeric>
#include <queue>
#include <set>

#include "game/level.hpp"
#include "game/tick.hpp"
#include "tests/engine/test_game.hpp"

namespace zaptrail::testing {
namespace {

int32_t CountCells(const GameRecord& record, uint8_t code) {
  return static_cast<int32_t>(std::count(record.Cells.begin(), record.Cells.end(), code));
}

int32_t ActiveMovers(const GameRecord& record) {
  return std::accumulate(record.MoverActive.begin(), record.MoverActive.end(), 0);
}

TEST(LevelTable, FirstLevelOfEachVariant) {
  struct Row {
    int32_t level, width, movers, items;
  };
  const Row rows[] = {{0, 21, 0, 2},    {1, 27, 40, 4}, {2, 33, 0, 6},    {3, 39, 0, 8},
                      {4, 45, 253, 10}, {5, 51, 0, 12}, {6, 57, 135, 14}, {7, 63, 0, 16}};
  for (const Row& row : rows) {
    TestGame test;
    test.Build(row.level, 12345);
    EXPECT_EQ(test.record.Variant, row.level) << row.level;
    EXPECT_EQ(test.record.MazeWidth, row.width);
    EXPECT_EQ(test.record.Cells.size(), static_cast<size_t>(row.width * row.width));
    EXPECT_EQ(ActiveMovers(test.record), row.movers) << row.level;
    EXPECT_EQ(CountCells(test.record, CellItem), row.items) << row.level;
    EXPECT_EQ(CountCells(test.record, CellGoal), 1);
  }
}

TEST(LevelTable, RemovalTriesDivideInTheWrittenOrder) {
  EXPECT_EQ(WallRemovalTries(0, 21 * 21), 73);
  EXPECT_EQ(WallRemovalTries(1, 27 * 27), 486);
  EXPECT_EQ(WallRemovalTries(3, 39 * 39), 0);
  // 3249 / 6 * 5 is two fewer than 3249 * 5 / 6.
  EXPECT_EQ(WallRemovalTries(6, 57 * 57), 2705);
}

TEST(LevelTable, MoverCapsAreFirstReachedAtLevels12And54) {
  EXPECT_EQ(MoverCount(4, 4, 45, 45 * 45), 253);
  EXPECT_EQ(MoverCount(4, 12, 93, 93 * 93), 1024);
  EXPECT_EQ(MoverCount(1, 49, 315, 315 * 315), 952);
  EXPECT_EQ(MoverCount(6, 54, 345, 345 * 345), 1024);
  EXPECT_EQ(MoverCount(0, 54, 345, 345 * 345), 0);

  TestGame blocks;
  blocks.Build(12, 7);
  EXPECT_EQ(ActiveMovers(blocks.record), 1024);
  TestGame clouds;
  clouds.Build(54, 7);
  EXPECT_EQ(ActiveMovers(clouds.record), 1024);
}

TEST(LevelBuild, InactiveMoverSlotsKeepTheirOldPositions) {
  TestGame test;
  test.Build(4, 99);
  const int32_t staleX = test.record.MoverX[500];
  const int32_t staleY = test.record.MoverY[500];
  test.Build(1, 99);
  EXPECT_EQ(ActiveMovers(test.record), 40);
  EXPECT_EQ(test.record.MoverX[500], staleX);
  EXPECT_EQ(test.record.MoverY[500], staleY);
}

TEST(LevelBuild, SameStateAndLevelGiveTheSameLevel) {
  for (int32_t level = 0; level < 8; ++level) {
    TestGame first;
    TestGame second;
    first.Build(level, 2024u + static_cast<uint32_t>(level));
    second.Build(level, 2024u + static_cast<uint32_t>(level));
    EXPECT_EQ(first.record.Cells, second.record.Cells);
    EXPECT_EQ(first.game.random.State(), second.game.random.State());
    EXPECT_EQ(first.record.PlayerX, second.record.PlayerX);
    EXPECT_EQ(first.record.GoalHeading, second.record.GoalHeading);
  }
}

// Properties every build keeps, over many seeds and all eight variants.
class LevelProperties : public ::testing::TestWithParam<int32_t> {};

TEST_P(LevelProperties, FrameRoomsAndCodes) {
  const int32_t level = GetParam();
  for (uint32_t seed = 0; seed < 40; ++seed) {
    TestGame test;
    test.Build(level, seed * 7919u + 1u);
    const GameRecord& record = test.record;
    const int32_t size = record.MazeWidth;
    for (int32_t y = 0; y < size; ++y) {
      for (int32_t x = 0; x < size; ++x) {
        const uint8_t code = test.Cell(x, y);
        const bool frame = x == 0 || y == 0 || x == size - 1 || y == size - 1;
        if (frame) {
          ASSERT_EQ(code, CellWall) << x << "," << y;
        }
        if (x % 2 == 1 && y % 2 == 1) {
          ASSERT_NE(code, CellWall) << "room " << x << "," << y;
        }
        ASSERT_TRUE(code == CellFloor || code == CellWall || code == CellItem || code == CellGoal);
      }
    }
    EXPECT_EQ(test.Cell(record.GoalX, record.GoalY), CellGoal);
    ASSERT_GE(record.GoalHeading, 0);
    ASSERT_LE(record.GoalHeading, 3);
    if (record.Variant == 1 || record.Variant == 6) {
      EXPECT_EQ(record.PlayerY, size - 2);
      EXPECT_GE(record.PlayerX, 1);
      EXPECT_LE(record.PlayerX, size - 2);
    } else {
      EXPECT_NE(test.Cell(record.PlayerX, record.PlayerY), CellWall);
    }
    for (int32_t i = 0; i < kMoverSlots; ++i) {
      if (record.MoverActive[static_cast<size_t>(i)] == 0) continue;
      EXPECT_NE(
          test.Cell(record.MoverX[static_cast<size_t>(i)], record.MoverY[static_cast<size_t>(i)]),
          CellWall);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(AllVariants, LevelProperties, ::testing::Range(0, 16));

// In the variant without removals the maze is a tree: one floor region, no wall loop.
TEST(LevelBuild, PillarMazeIsConnectedAndLoopFree) {
  for (uint32_t seed = 0; seed < 30; ++seed) {
    TestGame test;
    test.Build(3 + 8 * static_cast<int32_t>(seed % 3), seed);
    const GameRecord& record = test.record;
    const int32_t size = record.MazeWidth;
    auto open = [&](int32_t x, int32_t y) { return test.Cell(x, y) != CellWall; };

    std::vector<bool> seen(record.Cells.size());
    std::queue<std::pair<int32_t, int32_t>> queue;
    queue.emplace(1, 1);
    seen[static_cast<size_t>(record.CellIndex(1, 1))] = true;
    int32_t reached = 0;
    while (!queue.empty()) {
      const auto [x, y] = queue.front();
      queue.pop();
      ++reached;
      const std::pair<int32_t, int32_t> next[] = {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}};
      for (const auto& [nx, ny] : next) {
        const auto index = static_cast<size_t>(record.CellIndex(nx, ny));
        if (open(nx, ny) && !seen[index]) {
          seen[index] = true;
          queue.emplace(nx, ny);
        }
      }
    }
    int32_t openCells = 0;
    for (int32_t y = 0; y < size; ++y) {
      for (int32_t x = 0; x < size; ++x) openCells += open(x, y) ? 1 : 0;
    }
    EXPECT_EQ(reached, openCells) << "seed " << seed;
    EXPECT_TRUE(seen[static_cast<size_t>(record.CellIndex(record.GoalX, record.GoalY))]);
    EXPECT_TRUE(seen[static_cast<size_t>(record.CellIndex(record.PlayerX, record.PlayerY))]);

    // Walls as a graph, the whole frame counted as one node: a forest has no loop.
    std::vector<int32_t> parent(record.Cells.size());
    std::iota(parent.begin(), parent.end(), 0);
    auto node = [&](int32_t x, int32_t y) {
      const bool frame = x == 0 || y == 0 || x == size - 1 || y == size - 1;
      return frame ? 0 : record.CellIndex(x, y);
    };
    std::function<int32_t(int32_t)> find = [&](int32_t n) {
      return parent[static_cast<size_t>(n)] == n
                 ? n
                 : parent[static_cast<size_t>(n)] = find(parent[static_cast<size_t>(n)]);
    };
    std::set<std::pair<int32_t, int32_t>> edges;
    for (int32_t y = 0; y < size; ++y) {
      for (int32_t x = 0; x < size; ++x) {
        if (open(x, y)) continue;
        if (x + 1 < size && !open(x + 1, y)) edges.emplace(node(x, y), node(x + 1, y));
        if (y + 1 < size && !open(x, y + 1)) edges.emplace(node(x, y), node(x, y + 1));
      }
    }
    for (const auto& [a, b] : edges) {
      if (a == b) continue;
      const int32_t ra = find(a);
      const int32_t rb = find(b);
      ASSERT_NE(ra, rb) << "wall loop, seed " << seed;
      parent[static_cast<size_t>(ra)] = rb;
    }
  }
}

TEST(LevelBuild, ItemsStayInTheFirst32768CellsOfLargeMazes) {
  TestGame test;
  test.Build(27, 5);
  const GameRecord& record = test.record;
  ASSERT_GT(record.Cells.size(), 32768u);
  int32_t items = 0;
  for (size_t i = 0; i < record.Cells.size(); ++i) {
    if (record.Cells[i] != CellItem) continue;
    ++items;
    EXPECT_LT(i, 32768u);
  }
  EXPECT_EQ(items, 2 * 27 + 2);
}

}  // namespace
}  // namespace zaptrail::testing
