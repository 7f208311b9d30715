// The game's command line: the seed in both spellings and at its bounds, and every mistake
// refused with one line and status 2 before any window opens.
#include <gtest/gtest.h>

#include <ctime>
#include <sstream>
#include <string>
#include <vector>

#include "session/command_line.hpp"
#include "session/daily.hpp"

namespace zaptrail {
namespace {

using Arguments = std::vector<std::string>;

TEST(CommandLineTest, SeedInBothSpellingsAndAtItsBounds) {
  EXPECT_EQ(ParseCommandLine({"--seed", "52"}).options.seed, 52u);
  EXPECT_EQ(ParseCommandLine({"--seed=0"}).options.seed, 0u);
  EXPECT_EQ(ParseCommandLine({"--seed", "4294967295"}).options.seed, 4294967295u);
  EXPECT_EQ(ParseCommandLine({"--seed", "000000000004294967295"}).options.seed, 4294967295u);
  // The last one given counts.
  EXPECT_EQ(ParseCommandLine({"--seed", "1", "--seed=2"}).options.seed, 2u);
}

TEST(CommandLineTest, RefusesWhatItCannotFollow) {
  for (const Arguments& wrong :
       {Arguments{"--seed", "4294967296"}, Arguments{"--seed", "99999999999999999999999"},
        Arguments{"--seed", "-1"}, Arguments{"--seed", "+5"}, Arguments{"--seed", "12a"},
        Arguments{"--seed="}, Arguments{"--seed"}, Arguments{"--sed", "5"}, Arguments{"5"},
        Arguments{"--help=yes"}, Arguments{"--daily", "--seed", "1"},
        Arguments{"--watch", "a.zaptrail", "--daily"}, Arguments{"--watch="},
        Arguments{"trail.txt"}, Arguments{"--daily=2024-01-01"}}) {
    EXPECT_THROW(ParseCommandLine(wrong), CommandLineError) << wrong.front();
  }
}

TEST(CommandLineTest, TodaysTrailAndAFileToWatchGivenEitherWay) {
  const std::time_t before = std::time(nullptr);
  const std::optional<TrailDate> daily = ParseCommandLine({"--daily"}).options.daily;
  const std::time_t after = std::time(nullptr);
  ASSERT_TRUE(daily.has_value());
  EXPECT_TRUE(*daily == UtcDate(before) || *daily == UtcDate(after));
  EXPECT_EQ(ParseCommandLine({"--watch", "x"}).options.watchFile, "x");
  // A file manager, or a file dropped on the program, passes the file alone.
  EXPECT_EQ(ParseCommandLine({"/home/p/best run.zaptrail"}).options.watchFile,
            "/home/p/best run.zaptrail");
}

TEST(CommandLineTest, OnlyAMistakeOrTheHelpEndsTheProgram) {
  std::ostringstream out;
  std::ostringstream errors;
  const CommandLineOutcome run = ReadCommandLine({"--seed", "9"}, out, errors);
  EXPECT_FALSE(run.exitStatus.has_value());
  EXPECT_EQ(run.options.seed, 9u);
  EXPECT_FALSE(ReadCommandLine({}, out, errors).options.seed.has_value());
  EXPECT_EQ(out.str() + errors.str(), "");

  const CommandLineOutcome mistake = ReadCommandLine({"--seed", "many"}, out, errors);
  EXPECT_EQ(mistake.exitStatus, 2);
  EXPECT_EQ(out.str(), "");
  EXPECT_EQ(errors.str(),
            "zaptrail: --seed takes a whole number from 0 to 4294967295, not 'many'\n");
}

TEST(CommandLineTest, HelpListsEveryOptionAndEndsWithStatusZero) {
  std::ostringstream out;
  std::ostringstream errors;
  const CommandLineOutcome outcome = ReadCommandLine({"--seed", "3", "--help"}, out, errors);
  EXPECT_EQ(outcome.exitStatus, 0);
  EXPECT_EQ(errors.str(), "");
  EXPECT_EQ(out.str(), CommandLineHelp());
  EXPECT_NE(out.str().find("usage: zaptrail"), std::string::npos);
  EXPECT_NE(out.str().find("--seed N"), std::string::npos);
  EXPECT_NE(out.str().find("--help"), std::string::npos);
}

}  // namespace
}  // namespace zaptrail
