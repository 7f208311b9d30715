#include "board/answer_cache.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace zaptrail::board {
namespace {

using Cache = AnswerCache<std::string>;
using std::chrono::milliseconds;

const Cache::Clock::time_point kStart = Cache::Clock::now();

// The answer a reader is given at `ms` after the start, or "ask" when it is sent to the store.
std::string Read(Cache& cache, const std::string& question, const std::string& date, int ms) {
  return cache.Find(question, date, kStart + milliseconds(ms)).value_or("ask");
}

TEST(AnswerCacheTest, AGameStoredMakesOnlyItsDateOldAndOneReaderAsksWhileTheOthersWait) {
  Cache cache;
  ASSERT_EQ(Read(cache, "today", "2026-12-09", 0), "ask");
  cache.Keep("today", "one game");
  ASSERT_EQ(Read(cache, "yesterday", "2026-12-08", 0), "ask");
  cache.Keep("yesterday", "three games");

  cache.Forget("2026-12-09");
  EXPECT_EQ(Read(cache, "yesterday", "2026-12-08", 10), "three games");
  EXPECT_EQ(Read(cache, "today", "2026-12-09", 10), "ask");
  EXPECT_EQ(Read(cache, "today", "2026-12-09", 11), "one game") << "the old answer meanwhile";
  cache.Keep("today", "two games");
  EXPECT_EQ(Read(cache, "today", "2026-12-09", 12), "two games");
}

TEST(AnswerCacheTest, AnAnswerAskedBeforeAWriteStaysOldAndNoneOutlivesItsBound) {
  Cache cache;
  ASSERT_EQ(Read(cache, "today", "2026-12-09", 0), "ask");
  cache.Forget("2026-12-09");
  cache.Keep("today", "without the new game");
  EXPECT_EQ(Read(cache, "today", "2026-12-09", 1), "ask");
  cache.Keep("today", "with it");

  // Past its second one reader asks anew; should it never come back, a second later the
  // others ask too.
  EXPECT_EQ(Read(cache, "today", "2026-12-09", 1001), "ask");
  EXPECT_EQ(Read(cache, "today", "2026-12-09", 1500), "with it");
  EXPECT_EQ(Read(cache, "today", "2026-12-09", 2001), "ask");
}

}  // namespace
}  // namespace zaptrail::board
