#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <queue>
#include <sstream>

#include "tests/engine/scratch_directory.hpp"
#include "tests/engine/test_game.hpp"
#include "tools/sim/replay.hpp"
#include "tools/sim/replay_input.hpp"

namespace zaptrail::testing {
namespace {

// Key lines that walk the chick from its start to the goal of level 0 built from this seed,
// planned on the very level the replay will build (no draw happens before the first build).
std::vector<std::string> PathToGoal(uint32_t seed) {
  TestGame test;
  test.Build(0, seed);
  const GameRecord& record = test.record;
  const int32_t width = record.MazeWidth;
  const int32_t start = record.CellIndex(record.PlayerX, record.PlayerY);
  const int32_t goal = record.CellIndex(record.GoalX, record.GoalY);
  std::map<int32_t, std::pair<int32_t, char>> cameFrom{{start, {start, '-'}}};
  std::queue<int32_t> queue;
  queue.push(start);
  const std::pair<int32_t, char> steps[] = {{-width, 'U'}, {1, 'R'}, {width, 'D'}, {-1, 'L'}};
  while (!queue.empty() && !cameFrom.count(goal)) {
    const int32_t at = queue.front();
    queue.pop();
    for (const auto& [offset, key] : steps) {
      const int32_t next = at + offset;
      if (IsSolid(record.Cells[static_cast<size_t>(next)]) || cameFrom.count(next)) continue;
      cameFrom[next] = {at, key};
      queue.push(next);
    }
  }
  std::vector<std::string> path;
  for (int32_t at = goal; at != start; at = cameFrom.at(at).first) {
    path.insert(path.begin(), std::string(1, cameFrom.at(at).second));
  }
  return path;
}

std::string Replay(uint32_t seed, const std::vector<std::string>& lines, const std::string& records,
                   int* status = nullptr) {
  SimArguments arguments;
  arguments.command = SimArguments::Command::Play;
  arguments.seed = seed;
  arguments.recordsPath = records;
  std::string script;
  for (const std::string& line : lines) script += line + "\n";
  std::istringstream in(script);
  std::ostringstream out;
  std::ostringstream err;
  const int result = RunPlay(arguments, in, out, err);
  if (status != nullptr) *status = result;
  return out.str();
}

class SimReplay : public ::testing::Test {
 protected:
  std::string Saved() const { return ReadWholeFile(records); }
  ScratchDirectory directory;
  std::string records = directory.File("zaptrail.ini");
};

TEST_F(SimReplay, ClearingLevelZeroRecordsItAndCloseSavesIt) {
  const uint32_t seed = 31337;
  std::vector<std::string> lines(9, "F");  // eight title ticks count, the ninth starts
  for (const std::string& step : PathToGoal(seed)) lines.push_back(step);
  lines.push_back("-");  // the goal is noticed on the tick after arrival
  lines.push_back("E");
  lines.push_back("R");  // never read: the window has closed
  int status = -1;
  const std::string out = Replay(seed, lines, records, &status);
  EXPECT_EQ(status, 0);
  EXPECT_NE(out.find("cue 1\n"), std::string::npos);
  EXPECT_NE(out.find("text 0 0 1st challenge\n"), std::string::npos);
  EXPECT_NE(out.find(" recorded.\n"), std::string::npos);
  EXPECT_NE(out.find("phase 0 level 1 "), std::string::npos);
  EXPECT_NE(out.find("size 27 27"), std::string::npos);
  EXPECT_NE(out.find("close\n"), std::string::npos);
  const size_t best = out.rfind("best ");
  ASSERT_NE(best, std::string::npos);
  const std::string time = out.substr(best + 5, out.size() - best - 6);
  EXPECT_EQ(Saved(), time + "\r\n");
  EXPECT_EQ(out.find("tick " + std::to_string(lines.size()) + " "), std::string::npos);

  // The next run starts from the saved records: the same time ties.
  const std::string again =
      Replay(seed, std::vector<std::string>(lines.begin(), lines.end() - 2), records);
  EXPECT_NE(again.find("text 0 0 Top:" + time + "\n"), std::string::npos);
}

TEST_F(SimReplay, WithoutARecordsFileNothingIsWritten) {
  const std::string out = Replay(3, {"E"}, "");
  EXPECT_EQ(out.substr(0, 6), "close\n");
  EXPECT_NE(out.find("tick 1 phase 0 "), std::string::npos);
  EXPECT_EQ(out.substr(out.size() - 5), "best\n");
  EXPECT_FALSE(std::filesystem::exists(records));
}

TEST_F(SimReplay, AnUnwritableRecordsFileEndsTheRunWithStatusOne) {
  std::filesystem::create_directory(records);  // a directory cannot be replaced by the file
  int status = 0;
  const std::string out = Replay(3, {"E", "E", "-"}, records, &status);
  EXPECT_EQ(status, 1);
  EXPECT_EQ(out.find("tick 1 "), std::string::npos);
  EXPECT_EQ(out.find("close"), std::string::npos);
}

TEST(SimArguments, UsageRules) {
  using Args = std::vector<std::string>;
  EXPECT_TRUE(ParseSimArguments(Args{"level", "0", "0"}));
  EXPECT_TRUE(ParseSimArguments(Args{"level", "4294967295", "3000"}));
  EXPECT_TRUE(ParseSimArguments(Args{"play", "1", "2", "records.ini", "--snapshot", "a.png"}));
  const Args bad[] = {{},
                      {"level", "1"},
                      {"level", "4294967296", "0"},
                      {"level", "1", "3001"},
                      {"level", "-1", "0"},
                      {"level", "1", "x"},
                      {"level", "1", "2", "extra"},
                      {"walk", "1", "2"},
                      {"play", "1", "2", "a", "b"},
                      {"play", "1", "2", "--snapshot"},
                      {"level", "1", "2", "--snapshot", "a.png"}};
  for (const Args& arguments : bad) EXPECT_FALSE(ParseSimArguments(arguments)) << arguments.size();
}

TEST(SimInput, LettersHoldKeysEverythingElseIsIgnored) {
  EXPECT_EQ(HeldKeysFromLine("UF"), (std::vector<Key>{Key::Up, Key::Space}));
  EXPECT_EQ(HeldKeysFromLine("r-dl E\r"), std::vector<Key>{Key::Escape});
  EXPECT_TRUE(HeldKeysFromLine("").empty());
}

}  // namespace
}  // namespace zaptrail::testing
