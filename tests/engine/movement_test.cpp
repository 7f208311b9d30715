#include <gtest/gtest.h>

#include "game/game.hpp"
#include "game/input.hpp"
#include "game/movement.hpp"
#include "tests/engine/test_game.hpp"

namespace zaptrail::testing {
namespace {

InputFlags Held(bool up, bool right, bool down, bool left) {
  InputFlags flags;
  flags.heldUp = up;
  flags.heldRight = right;
  flags.heldDown = down;
  flags.heldLeft = left;
  return flags;
}

class OrdinaryMove : public ::testing::Test {
 protected:
  void SetUp() override {
    test.OpenField(9);
    test.record.PlayerX = 4;
    test.record.PlayerY = 4;
  }
  void Move(const InputFlags& flags) { MovePlayer(test.game, flags); }
  TestGame test;
};

TEST_F(OrdinaryMove, UpAndDownTogetherPreferUpThenRightThenDown) {
  Move(Held(true, false, true, false));
  EXPECT_EQ(test.record.PlayerY, 3);
  test.Cell(4, 2) = CellWall;
  test.Cell(5, 3) = CellWall;
  Move(Held(true, true, true, false));
  EXPECT_EQ(test.record.PlayerY, 4);
  EXPECT_EQ(test.record.PlayerPose, 7);
  test.Cell(5, 4) = CellFloor;
  test.record.PlayerY = 3;
  test.Cell(5, 3) = CellFloor;
  Move(Held(true, true, true, false));
  EXPECT_EQ(test.record.PlayerX, 5);
  EXPECT_EQ(test.record.PlayerY, 3);
}

TEST_F(OrdinaryMove, WalkingAlternatesAndBlockedStandsTheLastDirection) {
  const int8_t expected[] = {10, 11, 10};
  for (const int8_t pose : expected) {
    Move(Held(false, false, false, true));
    EXPECT_EQ(test.record.PlayerPose, pose);
  }
  EXPECT_EQ(test.record.PlayerX, 1);
  // Left is now blocked by the frame: the chick stands facing left.
  Move(Held(false, false, false, true));
  EXPECT_EQ(test.record.PlayerPose, 9);
  // Up into a wall after walking left still shows the left standing pose.
  test.Cell(1, 3) = CellWall;
  Move(Held(true, false, false, false));
  EXPECT_EQ(test.record.PlayerPose, 9);
  // The first step after standing or another direction takes the lower walking pose.
  Move(Held(false, true, false, false));
  EXPECT_EQ(test.record.PlayerPose, 4);
  Move(Held(false, false, true, false));
  EXPECT_EQ(test.record.PlayerPose, 7);
}

TEST_F(OrdinaryMove, CloudsAreSolidItemsAndTheGoalAreNot) {
  test.Cell(5, 4) = CellCloud;
  Move(Held(false, true, false, false));
  EXPECT_EQ(test.record.PlayerX, 4);
  test.Cell(3, 4) = CellItem;
  Move(Held(false, false, false, true));
  EXPECT_EQ(test.record.PlayerX, 3);
  test.Cell(3, 5) = CellGoal;
  Move(Held(false, false, true, false));
  EXPECT_EQ(test.record.PlayerY, 5);
}

class GravityMove : public ::testing::Test {
 protected:
  void SetUp() override {
    test.OpenField(11, 1);
    test.record.PlayerX = 5;
    test.record.PlayerY = 3;
  }
  void Move(const InputFlags& flags) { MovePlayer(test.game, flags); }
  TestGame test;
};

TEST_F(GravityMove, FallsOneRowPerTickAndStopsAboveTheBottomRow) {
  for (int32_t row = 4; row <= 9; ++row) {
    Move(Held(true, false, false, false));
    EXPECT_EQ(test.record.PlayerY, row);
  }
  Move(Held(false, false, true, false));
  EXPECT_EQ(test.record.PlayerY, 9);  // row H - 2 even over free cells
  EXPECT_EQ(test.record.PlayerPose, 6);
}

TEST_F(GravityMove, DoesNotFallOnSolidAndRidesACloudUp) {
  test.Cell(5, 4) = CellWall;
  Move(Held(false, false, false, false));
  EXPECT_EQ(test.record.PlayerY, 3);
  test.Cell(5, 4) = CellCloudWall;
  Move(Held(false, false, false, false));
  EXPECT_EQ(test.record.PlayerY, 2);
  test.record.PlayerY = 3;
  test.Cell(5, 4) = CellCloud;
  test.Cell(5, 2) = CellWall;
  Move(Held(false, false, false, false));
  EXPECT_EQ(test.record.PlayerY, 3);  // the cloud rises, the chick cannot
}

TEST_F(GravityMove, SideStepIsTestedOnTheStartingRowSoItCanLandInAWall) {
  test.Cell(6, 4) = CellWall;
  Move(Held(false, true, false, false));
  EXPECT_EQ(test.record.PlayerX, 6);
  EXPECT_EQ(test.record.PlayerY, 4);
  EXPECT_EQ(test.record.PlayerPose, 4);
  // Inside the wall now; the same rules move it on.
  Move(Held(false, true, false, false));
  EXPECT_EQ(test.record.PlayerX, 7);
  EXPECT_EQ(test.record.PlayerY, 5);
  EXPECT_EQ(test.record.PlayerPose, 5);
}

TEST(Joystick, ThirdsOfTheRangeAndButtonOneAlone) {
  TestGame test;
  test.platform.joystickCaps = JoystickCaps{0, 65535, 0, 65535};
  ProbeJoystick(test.game);
  ASSERT_EQ(test.record.JoystickPresent, 1);
  EXPECT_EQ(test.record.JoyLowX, 21845u);
  EXPECT_EQ(test.record.JoyHighX, 43690u);

  test.platform.joystick = JoystickState{21844, 43691, 1};
  InputFlags flags = SampleInput(test.game);
  EXPECT_TRUE(flags.heldLeft);
  EXPECT_TRUE(flags.heldDown);
  EXPECT_FALSE(flags.heldRight || flags.heldUp);
  EXPECT_TRUE(flags.fire);

  test.platform.joystick = JoystickState{21845, 43690, 3};
  flags = SampleInput(test.game);
  EXPECT_FALSE(flags.heldLeft || flags.heldRight || flags.heldUp || flags.heldDown);
  EXPECT_FALSE(flags.fire);  // button 1 with button 2 is no fire
  test.platform.HoldOnly({Key::Space, Key::Up});
  flags = SampleInput(test.game);
  EXPECT_TRUE(flags.fire);
  EXPECT_TRUE(flags.heldUp);

  test.platform.joystick.reset();  // a failed read adds nothing this tick
  test.platform.HoldOnly({});
  flags = SampleInput(test.game);
  EXPECT_FALSE(flags.fire || flags.heldLeft);
}

TEST(Joystick, NoneAnsweringMeansNoneForTheRun) {
  TestGame test;
  test.platform.joystick = JoystickState{0, 0, 1};
  ProbeJoystick(test.game);
  EXPECT_EQ(test.record.JoystickPresent, 0);
  EXPECT_EQ(test.record.JoyLowX, 0u);
  const InputFlags flags = SampleInput(test.game);
  EXPECT_FALSE(flags.fire || flags.heldLeft || flags.heldUp);
}

// The shell probes once its first frame is shown; until then the title screen's first eight
// ticks run without a joystick, and the first tick whose input counts probes at the latest.
TEST(Joystick, AProbeLeftForAfterTheFirstFrameIsDoneBeforeInputCounts) {
  TestGame test;
  test.platform.joystickCaps = JoystickCaps{0, 65535, 0, 65535};
  test.platform.joystick = JoystickState{0, 0, 1};  // Fire held on the stick
  SetUpGame(test.game, 1, {}, JoystickProbeTime::AfterFirstFrame);
  EXPECT_EQ(test.record.JoystickPresent, 0);
  for (int32_t tick = 0; tick < 8; ++tick) test.Tick();
  EXPECT_EQ(test.record.JoystickPresent, 0);
  test.Tick();
  EXPECT_EQ(test.record.JoystickPresent, 1);
  EXPECT_EQ(test.record.Phase, PhasePlaying);

  // Probed once only: a joystick gone afterwards is not asked for again.
  TestGame early;
  early.platform.joystickCaps = JoystickCaps{0, 65535, 0, 65535};
  SetUpGame(early.game, 1, {}, JoystickProbeTime::AfterFirstFrame);
  ProbePendingJoystick(early.game);
  EXPECT_EQ(early.record.JoystickPresent, 1);
  early.platform.joystickCaps.reset();
  ProbePendingJoystick(early.game);
  early.record.TitleDelay = 8;
  early.Tick();
  EXPECT_EQ(early.record.JoystickPresent, 1);
}

}  // namespace
}  // namespace zaptrail::testing
