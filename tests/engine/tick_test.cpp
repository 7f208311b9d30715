#include <gtest/gtest.h>

#include "game/tick.hpp"
#include "tests/engine/test_game.hpp"

namespace zaptrail::testing {
namespace {

TEST(TitlePhase, FireStartsLevelZeroOnTheNinthTickAfterNewGame) {
  TestGame test;
  test.SetUp();
  for (int tick = 1; tick <= 8; ++tick) {
    test.Tick({Key::Space});
    ASSERT_EQ(test.record.Phase, PhaseTitle) << tick;
    ASSERT_EQ(test.record.TitleDelay, tick);
  }
  test.Tick({Key::Space});
  EXPECT_EQ(test.record.Phase, PhasePlaying);
  EXPECT_EQ(test.record.Level, 0);
  EXPECT_EQ(test.record.MazeWidth, 21);
}

TEST(TitlePhase, AfterAClearedLevelFireStartsTheNextAtOnce) {
  TestGame test;
  test.SetUp();
  test.OpenField(21);
  test.record.TitleDelay = 8;
  test.record.PlayerX = test.record.GoalX;
  test.record.PlayerY = test.record.GoalY;
  test.Tick();
  ASSERT_EQ(test.record.Phase, PhaseTitle);
  EXPECT_EQ(test.record.Level, 1);
  EXPECT_EQ(test.record.MazeWidth, 27);
  test.Tick({Key::Space});
  EXPECT_EQ(test.record.Phase, PhasePlaying);
  EXPECT_EQ(test.record.Variant, 1);
  EXPECT_EQ(test.record.Cells.size(), 27u * 27u);
}

TEST(HaltedPhase, TicksChangeNothingButEscapeStillCloses) {
  TestGame test;
  test.SetUp();
  test.OpenField(21);
  test.record.Phase = PhaseHalted;
  const GameRecord before = test.record;
  const uint32_t random = test.game.random.State();
  test.Tick({Key::Right, Key::Space});
  EXPECT_EQ(test.record.PlayerX, before.PlayerX);
  EXPECT_EQ(test.record.SubTick, before.SubTick);
  EXPECT_EQ(test.record.Cells, before.Cells);
  EXPECT_EQ(test.game.random.State(), random);
  EXPECT_FALSE(test.platform.closed);
  test.Tick({Key::Escape});
  EXPECT_TRUE(test.platform.closed);
}

TEST(DeadPhase, FireOnTheVeryNextTickStartsANewGame) {
  TestGame test;
  test.SetUp();
  test.OpenField(21);
  test.record.Power = 1;
  test.record.SubTick = 1;  // the next tick drains
  test.Tick();
  ASSERT_EQ(test.record.Phase, PhaseDead);
  test.Tick({Key::Space});
  EXPECT_EQ(test.record.Phase, PhaseTitle);
  EXPECT_EQ(test.record.Power, 500);
  EXPECT_EQ(test.record.TitleDelay, 0);
}

TEST(NewGame, ResetDuringPlayKeepsBestTimesAndTheLevelClock) {
  TestGame test;
  test.SetUp();
  test.OpenField(33, 2);
  test.record.BestTimes = {"12", "40"};
  test.record.ElapsedTime = 17;
  test.record.Power = 90;
  NewGame(test.game);
  EXPECT_EQ(test.record.Phase, PhaseTitle);
  EXPECT_EQ(test.record.Level, 0);
  EXPECT_EQ(test.record.Power, 500);
  EXPECT_EQ(test.record.MazeWidth, 21);
  EXPECT_EQ(test.record.ElapsedTime, 17);  // reset only when the next level starts
  EXPECT_EQ(test.record.BestTimes.Lines(), (std::vector<std::string>{"12", "40"}));
  EXPECT_EQ(test.record.Cells.size(), 33u * 33u);  // the grid is replaced by the next build
}

TEST(StartLevel, PowerAndGoalFrameCarryOverTheRestStartsAgain) {
  TestGame test;
  test.SetUp();
  test.record.Power = 321;
  test.record.GoalFrame = 2;
  test.record.ElapsedTime = 50;
  test.record.SubTick = 3;
  test.record.PlayerPose = 10;
  StartLevel(test.game);
  EXPECT_EQ(test.record.Power, 321);
  EXPECT_EQ(test.record.GoalFrame, 2);
  EXPECT_EQ(test.record.ElapsedTime, 0);
  EXPECT_EQ(test.record.SubTick, 0);
  EXPECT_EQ(test.record.PlayerPose, 6);
  EXPECT_EQ(test.record.ClearTile, 64);
  EXPECT_EQ(test.record.Phase, PhasePlaying);
}

TEST(PlayingTick, TheGoalTickMovesNothingAndRedrawsNoCompass) {
  TestGame test;
  test.SetUp();
  test.OpenField(21, 7);  // a shaking level draws in every other tick
  test.record.BestTimes = std::vector<std::string>(7, "100");
  test.record.PlayerX = test.record.GoalX;
  test.record.PlayerY = test.record.GoalY;
  const uint32_t random = test.game.random.State();
  const int32_t compassRepaints = test.platform.compassRepaints;
  test.Tick({Key::Up});
  EXPECT_EQ(test.record.PlayerY, 19);  // unmoved, although Up was held
  EXPECT_EQ(test.record.SubTick, 0);
  EXPECT_EQ(test.record.GoalFrame, 0);
  EXPECT_EQ(test.game.random.State(), random);
  EXPECT_EQ(test.platform.compassRepaints, compassRepaints);
  EXPECT_EQ(test.platform.left, kMainWindowStartLeft);
}

TEST(PlayingTick, AnOrdinaryTickRunsEveryStepOnce) {
  TestGame test;
  test.SetUp();
  test.OpenField(21);
  const int32_t repaints = test.platform.repaints;
  test.Tick({Key::Right});
  EXPECT_EQ(test.record.PlayerX, 2);
  EXPECT_EQ(test.record.SubTick, 1);
  EXPECT_EQ(test.record.GoalFrame, 1);
  EXPECT_EQ(test.platform.compassRepaints, 1);
  EXPECT_EQ(test.platform.repaints, repaints + 2);  // the view's own, then the tick's
}

TEST(Escape, ClosesInEveryPhaseAndTheTickGoesOn) {
  TestGame test;
  test.SetUp();
  test.OpenField(21);
  test.Tick({Key::Escape, Key::Right});
  EXPECT_TRUE(test.platform.closed);
  EXPECT_EQ(test.record.PlayerX, 2);
}

TEST(Escape, AFailedCloseEndsTheWholeTick) {
  TestGame test;
  test.SetUp();
  test.OpenField(21);
  test.platform.onClose = [] { throw std::runtime_error("cannot save"); };
  EXPECT_THROW(test.Tick({Key::Escape, Key::Right}), std::runtime_error);
  EXPECT_FALSE(test.platform.closed);
  EXPECT_EQ(test.record.PlayerX, 1);
  EXPECT_EQ(test.record.SubTick, 0);
}

}  // namespace
}  // namespace zaptrail::testing
