#include <gtest/gtest.h>

#include "game/hazards.hpp"
#include "tests/engine/test_game.hpp"

namespace zaptrail::testing {
namespace {

// Counts the draws between two generator states.
int32_t DrawsBetween(uint32_t from, uint32_t to) {
  RandomSource random;
  random.Seed(from);
  int32_t draws = 0;
  while (random.State() != to && draws < 1000) {
    random.Draw();
    ++draws;
  }
  return draws;
}

class Clouds : public ::testing::Test {
 protected:
  void SetUp() override { test.OpenField(9, 1); }
  void AddCloud(size_t slot, int32_t x, int32_t y) {
    test.record.MoverActive[slot] = 1;
    test.record.MoverX[slot] = x;
    test.record.MoverY[slot] = y;
  }
  TestGame test;
};

TEST_F(Clouds, ACloudPassingOverAnItemRemovesIt) {
  AddCloud(0, 3, 6);
  test.Cell(3, 5) = CellItem;
  RiseClouds(test.game);
  EXPECT_EQ(test.Cell(3, 5), CellCloud);
  EXPECT_EQ(test.Cell(3, 6), CellFloor);
  RiseClouds(test.game);
  EXPECT_EQ(test.Cell(3, 5), CellFloor);
  EXPECT_EQ(test.Cell(3, 4), CellCloud);
}

TEST_F(Clouds, TheGoalIsHiddenOnlyUntilTheStampOfTheSameTick) {
  AddCloud(0, 7, 8);  // just below the goal at (7, 7)
  RunHazards(test.game);
  EXPECT_EQ(test.Cell(7, 8), CellWall);
  EXPECT_EQ(test.Cell(7, 7), CellGoal);
  RunHazards(test.game);
  EXPECT_EQ(test.Cell(7, 7), CellGoal);
  EXPECT_EQ(test.Cell(7, 6), CellCloud);
}

TEST_F(Clouds, ACloudInAWallLeavesTheWallBehindAndReentersInTheFrame) {
  test.Cell(2, 3) = CellWall;
  AddCloud(0, 2, 4);
  RiseClouds(test.game);
  EXPECT_EQ(test.Cell(2, 3), CellCloudWall);
  RiseClouds(test.game);
  EXPECT_EQ(test.Cell(2, 3), CellWall);
  RiseClouds(test.game);
  ASSERT_EQ(test.record.MoverY[0], 1);
  const uint32_t before = test.game.random.State();
  RiseClouds(test.game);
  EXPECT_EQ(DrawsBetween(before, test.game.random.State()), 1);
  EXPECT_EQ(test.record.MoverY[0], 8);
  const int32_t column = test.record.MoverX[0];
  EXPECT_GE(column, 1);
  EXPECT_LE(column, 7);
  EXPECT_EQ(test.Cell(column, 8), CellCloudWall);
  EXPECT_EQ(test.Cell(2, 1), CellFloor);
  RiseClouds(test.game);
  EXPECT_EQ(test.Cell(column, 8), CellWall);  // the frame is whole again
}

TEST_F(Clouds, APairInOneColumnWearsTheWallsAway) {
  // The lower-index cloud rises into the other's cell before that one has moved.
  test.Cell(4, 4) = CellWall;
  test.Cell(4, 3) = CellWall;
  AddCloud(0, 4, 6);
  AddCloud(1, 4, 5);
  RiseClouds(test.game);
  EXPECT_EQ(test.Cell(4, 5), CellFloor);  // wiped by cloud 1 leaving it
  EXPECT_EQ(test.Cell(4, 4), CellCloudWall);
  RiseClouds(test.game);
  EXPECT_EQ(test.Cell(4, 4), CellFloor);  // the wall under the pair is forgotten
  EXPECT_EQ(test.Cell(4, 3), CellCloudWall);
}

class Blocks : public ::testing::Test {
 protected:
  void SetUp() override {
    test.OpenField(9, 4);
    test.record.MoverActive[0] = 1;
    test.record.MoverX[0] = 4;
    test.record.MoverY[0] = 4;
    test.Cell(4, 4) = CellWall;
  }
  // Seeds the generator so that the next draw's low two bits are the heading.
  void NextHeading(int32_t heading) {
    for (uint32_t seed = 0;; ++seed) {
      RandomSource probe;
      probe.Seed(seed);
      if ((probe.Draw() & 3) == heading) {
        test.game.random.Seed(seed);
        return;
      }
    }
  }
  TestGame test;
};

TEST_F(Blocks, ABlockStepsOntoTheChickAndOntoTheGoal) {
  test.record.PlayerX = 5;
  test.record.PlayerY = 4;
  NextHeading(1);
  WanderBlocks(test.game);
  EXPECT_EQ(test.Cell(5, 4), CellWall);
  EXPECT_EQ(test.Cell(4, 4), CellFloor);

  test.record.GoalX = 5;
  test.record.GoalY = 5;
  test.Cell(5, 5) = CellGoal;
  NextHeading(2);
  RunHazards(test.game);
  EXPECT_EQ(test.record.MoverY[0], 5);
  EXPECT_EQ(test.Cell(5, 5), CellGoal);  // stamped back, passable while the block stays
}

TEST_F(Blocks, ABlockedBlockStaysAndWritesItsWallAgain) {
  test.Cell(4, 3) = CellCloud;
  NextHeading(0);
  WanderBlocks(test.game);
  EXPECT_EQ(test.record.MoverX[0], 4);
  EXPECT_EQ(test.record.MoverY[0], 4);
  EXPECT_EQ(test.Cell(4, 4), CellWall);
}

TEST_F(Blocks, EveryLiveBlockTakesOneDrawPerTick) {
  test.record.MoverActive[700] = 1;
  test.record.MoverX[700] = 2;
  test.record.MoverY[700] = 2;
  const uint32_t before = test.game.random.State();
  WanderBlocks(test.game);
  EXPECT_EQ(DrawsBetween(before, test.game.random.State()), 2);
}

TEST(WanderingGoal, MovesAfterTheChickAndWalksOverItems) {
  TestGame test;
  test.OpenField(9, 2);
  test.record.GoalX = 4;
  test.record.GoalY = 4;
  test.Cell(7, 7) = CellFloor;
  test.Cell(4, 4) = CellGoal;
  test.Cell(5, 4) = CellItem;
  test.record.GoalHeading = 1;
  // Find a state whose first draw does not turn the goal.
  for (uint32_t seed = 0;; ++seed) {
    RandomSource probe;
    probe.Seed(seed);
    if (probe.Draw() % 10 != 0) {
      test.game.random.Seed(seed);
      break;
    }
  }
  test.record.PlayerX = 4;
  test.record.PlayerY = 3;
  test.Tick({Key::Down});  // the chick steps onto the goal's cell, then the goal moves on
  EXPECT_EQ(test.record.PlayerY, 4);
  EXPECT_EQ(test.record.GoalX, 5);
  EXPECT_EQ(test.Cell(5, 4), CellGoal);
  EXPECT_EQ(test.Cell(4, 4), CellFloor);
  EXPECT_EQ(test.record.Phase, PhasePlaying);
  test.Tick();
  EXPECT_EQ(test.record.Phase, PhasePlaying);  // the goal was not under the chick any more
}

TEST(WanderingGoal, TurnsWhenBlockedWithASecondDraw) {
  TestGame test;
  test.OpenField(9, 5);
  test.record.GoalX = 7;
  test.record.GoalY = 4;
  test.Cell(7, 7) = CellFloor;
  test.Cell(7, 4) = CellGoal;
  test.record.GoalHeading = 1;  // the frame is to the right
  const uint32_t before = test.game.random.State();
  RunHazards(test.game);
  EXPECT_EQ(DrawsBetween(before, test.game.random.State()), 2);
  EXPECT_EQ(test.record.GoalX, 7);
  EXPECT_EQ(test.Cell(7, 4), CellGoal);
}

TEST(ShakingWindow, TwoDrawsOfPlusMinusTwoOrFourOfPlusMinusFive) {
  TestGame seven;
  seven.OpenField(9, 7);
  uint32_t before = seven.game.random.State();
  for (int tick = 0; tick < 200; ++tick) {
    const int32_t left = seven.platform.left;
    const int32_t top = seven.platform.top;
    ShakeWindow(seven.game);
    ASSERT_LE(std::abs(seven.platform.left - left), 2);
    ASSERT_LE(std::abs(seven.platform.top - top), 2);
  }
  EXPECT_EQ(DrawsBetween(before, seven.game.random.State()), 400);

  TestGame ten;
  ten.OpenField(9, 2);
  ten.record.Level = 10;
  int32_t widest = 0;
  for (int tick = 0; tick < 200; ++tick) {
    const int32_t left = ten.platform.left;
    before = ten.game.random.State();
    ShakeWindow(ten.game);
    ASSERT_EQ(DrawsBetween(before, ten.game.random.State()), 2);
    widest = std::max(widest, std::abs(ten.platform.left - left));
  }
  EXPECT_EQ(widest, 5);

  TestGame calm;
  calm.OpenField(9, 3);
  before = calm.game.random.State();
  ShakeWindow(calm.game);
  EXPECT_EQ(calm.game.random.State(), before);
  EXPECT_EQ(calm.platform.left, kMainWindowStartLeft);
}

}  // namespace
}  // namespace zaptrail::testing
