// The trail file's rules: what reads back, what is refused and on which line, and what a
// change to a proved trail does to its proof. The daily seed's documented examples.
#include <gtest/gtest.h>

#include <string>

#include "session/daily.hpp"
#include "session/trail_file.hpp"
#include "session/trail_verify.hpp"

namespace zaptrail {
namespace {

// Level 0 of seed 7 played by walking right and down for a while, then stopped.
Trail SmallTrail() {
  Trail trail;
  trail.formatVersion = kTrailFormatVersion;
  trail.gameVersion = kGameVersion;
  trail.startRandom = 7;
  trail.startBestTimes = {"57", "not a number", ""};
  trail.keys = {{TrailFire, 9}, {TrailRight, 40}, {TrailHalted, 3}, {TrailDown | TrailFire, 1},
                {0, 2},         {TrailDown, 60}};
  trail.periods = {{0, 32}};
  trail.claimed.ending = TrailEnding::Stopped;
  trail.claimed.stateHash = VerifyTrail(trail).reached.stateHash;
  return trail;
}

std::string ReadError(const std::string& text) {
  try {
    ReadTrail(text);
  } catch (const TrailError& error) {
    return error.what();
  }
  return "read without error";
}

TEST(TrailFile, WhatIsWrittenReadsBackAsItWas) {
  Trail trail = SmallTrail();
  trail.daily = TrailDate{2024, 2, 29};
  trail.periods.push_back({50, 1000});
  trail.labelDraws = {{12, 3}, {100, 1}};
  const std::string text = WriteTrail(trail);
  EXPECT_EQ(text.substr(0, text.find('\n', text.find("daily"))),
            "zaptrail-trail 1\ngame " + std::string(kGameVersion) +
                "\nstart random 7 level 0 goalframe 0\ndaily 2024-02-29");
  EXPECT_NE(text.find("\nkeys 9F 40R 3H DF 2- 60D\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\nbest not a number\nbest \n"), std::string::npos);
  EXPECT_NE(text.find("\nmarks period labels\nend\n"), std::string::npos);
  const Trail back = ReadTrail(text);
  EXPECT_EQ(WriteTrail(back), text);
  EXPECT_EQ(back.startBestTimes, trail.startBestTimes);
  EXPECT_EQ(back.daily, trail.daily);
  EXPECT_EQ(TrailTicks(back), 115);
}

TEST(TrailFile, EveryBrokenRuleIsRefusedNamingItsLine) {
  const std::string good = WriteTrail(SmallTrail());
  const auto replaced = [&](const std::string& from, const std::string& to) {
    std::string text = good;
    text.replace(text.find(from), from.size(), to);
    return text;
  };
  const std::pair<std::string, std::string> cases[] = {
      {good.substr(0, good.size() - 3), "line 12: the file ends without a line feed"},
      {good.substr(0, good.rfind("end\n")), "line 12: expected a 'end' line"},
      {replaced("zaptrail-trail 1", "zaptrail-trail 2"), "line 1: format version 2"},
      {replaced("zaptrail-trail", "zaptrail-trial"), "line 1: expected a 'zaptrail-trail' line"},
      {replaced("goalframe 0", "goalframe 3"), "line 3: 3 is out of range 0..2"},
      {replaced("random 7", "random 07"), "line 3: '07' is not a plain decimal number"},
      {replaced("random 7", "random 4294967296"), "line 3: '4294967296' is not a plain"},
      {replaced("40R", "40RU"), "line 7: '40RU' is not a key run"},
      {replaced("40R", "0R"), "line 7: 0 is out of range"},
      {replaced("40R", "1999999R"), "line 7: more than 2000000 ticks"},
      {replaced("period 0 32", "period 1 32"), "line 8: the first period starts at tick 0"},
      {replaced("period 0 32", "period 0 0"), "line 8: 0 is out of range"},
      {replaced("ended stopped", "ended won"), "line 9: a game ends 'died' or 'stopped'"},
      {replaced("hash ", "hash x"), "line 10: the hash is eight"},
      {replaced("marks none", "marks period"), "line 11: the marks do not say"},
      {good + "end\n", "line 13: nothing may follow"},
      {replaced("best 57", "best 5\r7"), "line 4: a carriage return"},
      {replaced("best 57", "best 5\xE9"), "line 4: a byte that is not printable ASCII"},
      {replaced("best 57", "best 5\0327"), "line 4: a byte that is not printable ASCII"},
      {std::string(kMaxTrailBytes + 1, 'x'), "the file is larger than 4 MiB"},
      {"", "line 1: expected a 'zaptrail-trail' line"},
  };
  for (const auto& [text, reason] : cases) {
    EXPECT_EQ(ReadError(text).substr(0, reason.size()), reason) << text.substr(0, 200);
  }
}

TEST(TrailFile, TamperedTrailsFailTheirProof) {
  const Trail trail = SmallTrail();
  ASSERT_TRUE(VerifyTrail(trail).matches) << VerifyTrail(trail).difference;

  Trail oneKey = trail;
  oneKey.keys[1].keys = TrailLeft;
  EXPECT_EQ(VerifyTrail(oneKey).difference.rfind("claimed the state hash ", 0), 0U);

  Trail oneTime = trail;
  oneTime.claimed.cleared.push_back({0, 12});
  EXPECT_EQ(VerifyTrail(oneTime).difference, "claimed 1 cleared levels, the rules clear 0");

  Trail dead = trail;
  dead.claimed.ending = TrailEnding::Died;
  EXPECT_EQ(VerifyTrail(dead).difference,
            "claimed the game died on level 0, by the rules it stopped on level 0");

  Trail foreign = trail;
  foreign.gameVersion = "0.9";
  EXPECT_THROW(VerifyTrail(foreign), TrailError);
}

TEST(DailySeed, TheDocumentedDatesAndTheirNeighbours) {
  EXPECT_EQ(DailySeed({1970, 1, 1}), 0U);
  EXPECT_EQ(DailySeed({2026, 12, 9}), 3673877052U);
  EXPECT_EQ(DailySeed({2024, 2, 29}), 2320182525U);
  EXPECT_EQ(DailySeed({2000, 3, 1}), 2822243415U);
  EXPECT_NE(DailySeed({2026, 12, 9}), DailySeed({2026, 12, 10}));
  EXPECT_EQ(UtcDate(0), (TrailDate{1970, 1, 1}));
  EXPECT_EQ(UtcDate(1'709'251'199), (TrailDate{2024, 2, 29}));  // its last second
  EXPECT_EQ(UtcDate(1'709'251'200), (TrailDate{2024, 3, 1}));
  EXPECT_EQ(ParseDate("2023-02-29"), std::nullopt);
  EXPECT_EQ(ParseDate("2024-13-01"), std::nullopt);
  EXPECT_EQ(ParseDate("2024-1-01"), std::nullopt);
  for (const int64_t day : {0LL, 10'957LL, 19'782LL, 2'932'896LL}) {
    const TrailDate date = UtcDate(static_cast<std::time_t>(day * 86'400));
    EXPECT_EQ(DaysSinceEpoch(date), day);
    EXPECT_EQ(ParseDate(FormatDate(date)), date);
  }
}

}  // namespace
}  // namespace zaptrail
