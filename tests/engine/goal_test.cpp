#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "game/errors.hpp"
#include "game/records.hpp"
#include "session/records_file.hpp"
#include "tests/engine/records_file_fixture.hpp"
#include "tests/engine/test_game.hpp"

namespace zaptrail::testing {
namespace {

class RecordingTrace : public Trace {
 public:
  void Cue(uint8_t index) override { lines.push_back("cue " + std::to_string(index)); }
  void Text(int32_t column, int32_t row, std::string_view text) override {
    if (row >= 26) return;  // the status lines are the view's business
    lines.push_back(std::to_string(column) + "," + std::to_string(row) + " " + std::string(text));
  }
  std::vector<std::string> lines;
};

class GoalAndDeath : public ::testing::Test {
 protected:
  void SetUp() override {
    test.SetUp();
    test.OpenField(21);
    test.game.trace = &trace;
  }
  void StandOnGoal(int32_t time) {
    test.record.ElapsedTime = time;
    test.record.PlayerX = test.record.GoalX;
    test.record.PlayerY = test.record.GoalY;
  }
  TestGame test;
  RecordingTrace trace;
};

TEST_F(GoalAndDeath, FirstClearingRecordsTheTime) {
  StandOnGoal(57);
  test.Tick();
  EXPECT_EQ(trace.lines,
            (std::vector<std::string>{"cue 1", "0,0 1st challenge", "0,1 ti:57 recorded."}));
  EXPECT_EQ(test.record.BestTimes.Lines(), std::vector<std::string>{"57"});
  EXPECT_EQ(test.record.Level, 1);
  EXPECT_EQ(test.record.MazeWidth, 27);
  EXPECT_EQ(test.record.Phase, PhaseTitle);
}

TEST_F(GoalAndDeath, ATieKeepsTheStoredTimeOneLessReplacesIt) {
  test.record.BestTimes = {"57"};
  StandOnGoal(57);
  test.Tick();
  EXPECT_EQ(trace.lines.back(), "0,0 Top:57");
  EXPECT_EQ(test.record.BestTimes.Lines(), std::vector<std::string>{"57"});

  trace.lines.clear();
  test.OpenField(21);
  StandOnGoal(56);
  test.Tick();
  EXPECT_EQ(trace.lines,
            (std::vector<std::string>{"cue 1", "0,0 New record", "0,1 ti:56 recorded."}));
  EXPECT_EQ(test.record.BestTimes.Lines(), std::vector<std::string>{"56"});
}

TEST_F(GoalAndDeath, TopShowsTheLineAsStoredAndHexLinesCompareByValue) {
  test.record.BestTimes = {" $3A"};
  StandOnGoal(58);
  test.Tick();
  EXPECT_EQ(trace.lines.back(), "0,0 Top: $3A");
}

TEST_F(GoalAndDeath, ALineThatIsNoIntegerIsReportedOnceAndTheTimeTakesItsPlace) {
  test.record.BestTimes = {"fast", "9"};
  StandOnGoal(10);
  try {
    test.Tick();
    FAIL() << "no error";
  } catch (const GameError& error) {
    EXPECT_STREQ(error.what(), "'fast' は整数ではありません");
  }
  EXPECT_EQ(trace.lines,
            (std::vector<std::string>{"cue 1", "0,0 1st challenge", "0,1 ti:10 recorded."}));
  EXPECT_EQ(test.record.BestTimes.Lines(), (std::vector<std::string>{"10", "9"}));
  EXPECT_EQ(test.record.Level, 1);
  EXPECT_EQ(test.record.MazeWidth, 27);
  EXPECT_EQ(test.record.Phase, PhaseTitle);
  // The game goes on to the next level's title and plays it.
  test.record.TitleDelay = 8;
  test.Tick({Key::Space});
  EXPECT_EQ(test.record.Phase, PhasePlaying);
}

TEST_F(GoalAndDeath, ALevelBeyondTheRecordsFailsLikeAListIndex) {
  test.record.Level = 2;
  test.record.BestTimes = {"5"};
  StandOnGoal(10);
  EXPECT_THROW(
      {
        try {
          test.Tick();
        } catch (const GameError& error) {
          EXPECT_STREQ(error.what(), "List index out of bounds (2)");
          throw;
        }
      },
      GameError);
}

TEST_F(GoalAndDeath, ItemIsTakenOnTheTickAfterArrivalAndTheChickStillMoves) {
  test.Cell(2, 1) = CellItem;
  test.Tick({Key::Right});
  EXPECT_EQ(test.Cell(2, 1), CellItem);
  EXPECT_EQ(test.record.Power, 500);
  test.Tick({Key::Right});
  EXPECT_EQ(test.Cell(2, 1), CellFloor);
  EXPECT_EQ(test.record.PlayerX, 3);
  EXPECT_EQ(test.record.Power, 530 - 1);
  EXPECT_EQ(trace.lines, std::vector<std::string>{"cue 0"});
}

TEST_F(GoalAndDeath, PowerOneWithAnItemEndsAt31Or30) {
  test.Cell(1, 1) = CellItem;
  test.record.Power = 1;
  test.record.SubTick = 0;  // SubTick becomes 1: no drain
  test.Tick();
  EXPECT_EQ(test.record.Power, 31);
  test.Cell(test.record.PlayerX, test.record.PlayerY) = CellItem;
  test.record.Power = 1;
  test.Tick();  // SubTick becomes 2: drain
  EXPECT_EQ(test.record.Power, 30);
}

TEST_F(GoalAndDeath, ClockCountsUnitsOfFourTicksAndDrainsEverySecond) {
  for (int tick = 0; tick < 8; ++tick) test.Tick();
  EXPECT_EQ(test.record.ElapsedTime, 2);
  EXPECT_EQ(test.record.SubTick, 0);
  EXPECT_EQ(test.record.Power, 496);
}

TEST_F(GoalAndDeath, DeathShowsTheTextsAndTheDeathCue) {
  test.record.BestTimes = {"1", "2", "3"};
  test.record.Power = 1;
  test.record.SubTick = 1;
  test.Tick();
  EXPECT_EQ(test.record.Phase, PhaseDead);
  EXPECT_EQ(test.record.Power, 0);
  EXPECT_EQ(trace.lines, (std::vector<std::string>{"0,0 you died.", "0,1 Max Lv=3", "cue 2"}));
}

TEST_F(GoalAndDeath, PowerRunningOutOnTheGoalTickKillsTheChick) {
  test.record.Power = 1;
  test.record.SubTick = 1;
  test.record.PlayerX = test.record.GoalX - 1;
  test.record.PlayerY = test.record.GoalY;
  test.Tick({Key::Right});
  EXPECT_EQ(test.record.Phase, PhaseDead);
  EXPECT_TRUE(test.record.BestTimes.empty());
  test.Tick();  // dead: the goal under the chick no longer counts
  EXPECT_EQ(test.record.Phase, PhaseDead);
  EXPECT_TRUE(test.record.BestTimes.empty());
}

TEST_F(GoalAndDeath, EscapeInTheGoalTickSavesBeforeTheTimeEnters) {
  BestTimes saved;
  test.platform.onClose = [&] { saved = test.record.BestTimes; };
  StandOnGoal(40);
  test.Tick({Key::Escape});
  EXPECT_TRUE(test.platform.closed);
  EXPECT_TRUE(saved.empty());
  EXPECT_EQ(test.record.BestTimes.Lines(), std::vector<std::string>{"40"});
}

TEST(RecordsFormat, LinesSplitAtCrLfLoneCrOrLfUpToTheFirstNul) {
  using Lines = std::vector<std::string>;
  EXPECT_EQ(ParseRecords("").Lines(), Lines{});
  EXPECT_EQ(ParseRecords("57\r\n120\r\n").Lines(), (Lines{"57", "120"}));
  EXPECT_EQ(ParseRecords("57\r\n120").Lines(), (Lines{"57", "120"}));
  EXPECT_EQ(ParseRecords("1\r2\n3").Lines(), (Lines{"1", "2", "3"}));
  EXPECT_EQ(ParseRecords("1\r\n\r\n3\r\n").Lines(), (Lines{"1", "", "3"}));
  EXPECT_EQ(ParseRecords("1\n\r2").Lines(), (Lines{"1", "", "2"}));
  EXPECT_EQ(ParseRecords("\r\n").Lines(), Lines{""});
  EXPECT_EQ(ParseRecords(std::string_view("4\r\n5\0\r\n6\r\n", 10)).Lines(), (Lines{"4", "5"}));
  EXPECT_EQ(FormatRecords({}), "");
  EXPECT_EQ(FormatRecords({"57", "", "3"}), "57\r\n\r\n3\r\n");
}

TEST_F(RecordsFile, SaveThenLoadRoundTripsEveryLine) {
  EXPECT_FALSE(RecordsFileExists(path));
  SaveRecords({"57", "", "9"}, path);
  EXPECT_EQ(Content(), "57\r\n\r\n9\r\n");
  EXPECT_EQ(LoadRecords(path).Lines(), (std::vector<std::string>{"57", "", "9"}));
  SaveRecords({}, directory.File("empty.ini"));
  EXPECT_EQ(ReadWholeFile(directory.File("empty.ini")), "");
  EXPECT_EQ(directory.Entries(), 2);  // no temporary file left behind
}

TEST_F(RecordsFile, ADirectoryIsNoRecordsFileAndCannotBeReplaced) {
  std::filesystem::create_directory(path);
  EXPECT_FALSE(RecordsFileExists(path));
  try {
    SaveRecords({"1"}, path);
    FAIL() << "saved over a directory";
  } catch (const GameError& error) {
    EXPECT_EQ(std::string(error.what()), "ﾌｧｲﾙ " + path + " を作成できません");
  }
}

TEST_F(RecordsFile, TheSaveKeepsEveryLineAfterANulByte) {
  using namespace std::string_literals;
  const std::string damaged = "41\r\n5\0\0\r\n60\r\n\0\0\r\n70\r\n"s;
  std::ofstream(path, std::ios::binary) << damaged;
  EXPECT_EQ(LoadRecords(path).Lines(),
            (std::vector<std::string>{"41", "5"}));  // reading stops there
  SaveRecords({"40"}, path);
  EXPECT_EQ(Content(), "40\r\n5\0\0\r\n60\r\n\0\0\r\n70\r\n"s);
  // A line holding a NUL is no number: this run's time takes its place.
  SaveRecords({"40", "8", "61", "3"}, path);
  EXPECT_EQ(Content(), "40\r\n8\r\n60\r\n3\r\n70\r\n");
}

TEST_F(RecordsFile, AFileThatCannotBeReadRaisesTheOpenError) {
  SaveRecords({"57"}, path);
  const std::string missing = (directory.Path() / "nowhere" / "zaptrail.ini").string();
  try {
    LoadRecords(missing);
    FAIL() << "loaded a missing file";
  } catch (const GameError& error) {
    EXPECT_EQ(std::string(error.what()), "ﾌｧｲﾙ " + missing + " は開けません");
  }
}

TEST_F(RecordsFile, StartUpLoadsAThreeLineFileForTheLevelsItHolds) {
  SaveRecords({"30", "40", "50"}, path);
  TestGame test;
  SetUpGame(test.game, 1, LoadRecordsIfPresent(path));
  ASSERT_EQ(test.record.BestTimes.size(), 3u);
  RecordingTrace trace;
  test.game.trace = &trace;
  for (int32_t level = 0; level < 4; ++level) {
    test.OpenField(21);
    test.record.Level = level;
    test.record.ElapsedTime = 45;
    test.record.PlayerX = test.record.GoalX;
    test.record.PlayerY = test.record.GoalY;
    trace.lines.clear();
    test.Tick();
    ASSERT_GE(trace.lines.size(), 2u);
    EXPECT_EQ(trace.lines[1],
              level == 0 || level == 1
                  ? "0,0 Top:" + std::string(test.record.BestTimes[static_cast<size_t>(level)])
              : level == 2 ? "0,0 New record"
                           : "0,0 1st challenge");
  }
  EXPECT_EQ(test.record.BestTimes.Lines(), (std::vector<std::string>{"30", "40", "45", "45"}));
}

}  // namespace
}  // namespace zaptrail::testing
