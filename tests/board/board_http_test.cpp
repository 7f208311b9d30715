// The board as players and pages meet it: a real zaptrail-board process over HTTP, on a fresh
// SQLite file (or a PostgreSQL database when ZAPTRAIL_BOARD_POSTGRES names a server), fed
// trails that the engine itself played.
#include <gtest/gtest.h>
#include <signal.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <nlohmann/json.hpp>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "session/daily.hpp"
#include "session/trail_file.hpp"
#include "tests/board/board_process.hpp"
#include "tests/board/daily_player.hpp"

namespace zaptrail::board_test {
namespace {

using nlohmann::json;

const std::string kKey = "0123456789abcdef0123456789abcdef";
const std::string kOtherKey = "fedcba9876543210fedcba9876543210";

struct Answer {
  int status = 0;
  json body;
};

Answer Submit(httplib::Client& client, const std::string& name, const std::string& trail,
              const std::string& key = kKey) {
  const auto result =
      client.Post("/api/trails", json{{"name", name}, {"key", key}, {"trail", trail}}.dump(),
                  "application/json");
  if (!result) return {};
  return {result->status, json::parse(result->body, nullptr, false)};
}

json Get(httplib::Client& client, const std::string& path) {
  const auto result = client.Get(path);
  EXPECT_TRUE(result) << path;
  if (!result) return {};
  EXPECT_EQ(result->status, 200) << path << ": " << result->body;
  return json::parse(result->body, nullptr, false);
}

std::string RankingPath(const std::string& query = "") {
  return "/api/daily/" + FormatDate(Today()) + query;
}

std::vector<std::string> NamesOf(const json& ranking) {
  std::vector<std::string> names;
  for (const json& game : ranking["games"]) names.push_back(game["name"]);
  return names;
}

// The sum of the cleared levels' times a trail claims.
int64_t ClaimedTotal(const std::string& trail) {
  int64_t total = 0;
  size_t at = 0;
  while ((at = trail.find("\ncleared ", at)) != std::string::npos) {
    at += 9;
    const size_t space = trail.find(' ', at);
    total += std::stoll(trail.substr(space + 1, trail.find('\n', space) - space - 1));
  }
  return total;
}

// The same trail with one line's text replaced.
std::string Edited(std::string trail, const std::string& from, const std::string& to) {
  const size_t at = trail.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  return at == std::string::npos ? trail : trail.replace(at, from.size(), to);
}

class BoardTest : public ::testing::Test {
 protected:
  // Trails are played once for the whole suite: the engine takes a moment for each.
  static void SetUpTestSuite() {
    oneLevel_ = PlayDailyTrail({Today(), 1});
    twoLevels_ = PlayDailyTrail({Today(), 2});
  }
  static std::string oneLevel_;
  static std::string twoLevels_;
  const std::string db_ = FreshDatabase();
};
std::string BoardTest::oneLevel_;
std::string BoardTest::twoLevels_;

TEST_F(BoardTest, VerifiedDailyTrailIsRankedWithItsTimesAndServedBack) {
  BoardProcess board(db_);
  ASSERT_NE(oneLevel_.find("cleared 0 "), std::string::npos)
      << "the scripted player cleared a level";
  const Answer answer = Submit(board.Client(), "ひよこ Chick", oneLevel_);
  ASSERT_EQ(answer.status, 201) << answer.body;
  EXPECT_EQ(answer.body["rank"], 1);

  const json ranking = Get(board.Client(), RankingPath());
  EXPECT_EQ(ranking["date"], FormatDate(Today()));
  ASSERT_EQ(ranking["games"].size(), 1u);
  const json& game = ranking["games"][0];
  EXPECT_EQ(game["name"], "ひよこ Chick");
  EXPECT_EQ(game["levels"], 1);
  EXPECT_EQ(game["total"], ClaimedTotal(oneLevel_));
  EXPECT_EQ(game["period"], 32);
  EXPECT_EQ(game["id"], answer.body["id"]);

  const json fastest = Get(board.Client(), RankingPath("/levels/0"));
  ASSERT_EQ(fastest["times"].size(), 1u);
  EXPECT_EQ(fastest["times"][0]["time"], ClaimedTotal(oneLevel_));

  const auto trail = board.Client().Get("/api/trails/" + game["id"].dump());
  ASSERT_TRUE(trail);
  EXPECT_EQ(trail->body, oneLevel_);
  EXPECT_EQ(board.Client().Get("/api/trails/999")->status, 404);
}

TEST_F(BoardTest, EveryRefusalHasItsStatusAndReason) {
  BoardProcess board(db_);
  ASSERT_EQ(Submit(board.Client(), "owner", oneLevel_).status, 201);
  struct Case {
    const char* what;
    std::string name;
    std::string trail;
    std::string key;
    int status;
    const char* reason;
  };
  const std::string claimedTime = oneLevel_.substr(oneLevel_.find("cleared 0 "));
  const std::vector<Case> cases = {
      {"not a trail", "a", "hello", kKey, 400, "not a trail"},
      {"too big", "a", std::string(4 * 1024 * 1024 + 1, 'x'), kKey, 413, "larger than 4 MiB"},
      {"too long", "a", Edited(oneLevel_, "\nperiod ", "\nkeys 2000000-\nperiod "), kKey, 422,
       "longer than 2,000,000 ticks"},
      {"another version", "a",
       Edited(oneLevel_, "\ngame " + std::string(kGameVersion) + "\n", "\ngame 0.1\n"), kKey, 422,
       "game version 0.1"},
      {"an edited time", "a",
       Edited(oneLevel_, claimedTime.substr(0, claimedTime.find('\n')), "cleared 0 1"), kKey, 422,
       "results do not match"},
      {"an old day", "a", PlayDailyTrail({{2026, 1, 2}, 1}), kKey, 422,
       "not the daily trail of today or yesterday"},
      {"another's name", "owner", twoLevels_, kOtherKey, 403, "belongs to another key"},
      {"markup in the name", "<b>x</b>", twoLevels_, kKey, 400, "U+003C"},
      {"a control character", "a\tb", twoLevels_, kKey, 400, "U+0009"},
      {"a look-alike", "p\xD0\xB0ypal", twoLevels_, kKey, 400, "mixes scripts"},
      {"a long name", "abcdefghijklmnopq", twoLevels_, kKey, 400, "longer than 16"},
      {"a short key", "a", twoLevels_, "short", 400, "key must be"},
  };
  for (const Case& c : cases) {
    const Answer answer = Submit(board.Client(), c.name, c.trail, c.key);
    EXPECT_EQ(answer.status, c.status) << c.what << ": " << answer.body;
    EXPECT_NE(answer.body.value("error", "").find(c.reason), std::string::npos)
        << c.what << ": " << answer.body;
  }
  const auto notJson = board.Client().Post("/api/trails", "{\"name\": [", "application/json");
  EXPECT_EQ(notJson->status, 400);
  // Nothing refused was stored.
  EXPECT_EQ(NamesOf(Get(board.Client(), RankingPath())), std::vector<std::string>{"owner"});
  // Each refusal is counted by its reason.
  const std::string metrics = board.Client().Get("/metrics")->body;
  EXPECT_NE(metrics.find("zaptrail_board_rejections_total{reason=\"results_differ\"} 1"),
            std::string::npos)
      << metrics;
}

TEST_F(BoardTest, TooManySubmissionsFromOneAddressOrName) {
  BoardProcess board(db_, {"--per-address", "3", "--per-name", "2"});
  EXPECT_EQ(Submit(board.Client(), "one", "x").status, 400);
  EXPECT_EQ(Submit(board.Client(), "one", "x").status, 400);
  const Answer perName = Submit(board.Client(), "one", "x");
  EXPECT_EQ(perName.status, 429);
  EXPECT_NE(perName.body["error"].get<std::string>().find("under this name"), std::string::npos);
  const Answer perAddress = Submit(board.Client(), "two", "x");
  EXPECT_EQ(perAddress.status, 429);
  EXPECT_NE(perAddress.body["error"].get<std::string>().find("from this address"),
            std::string::npos);
  // Reads are never limited.
  Get(board.Client(), RankingPath());
}

TEST_F(BoardTest, RankingOrdersByLevelsThenTimeAndPages) {
  BoardProcess board(db_);
  const std::string slowOneLevel = PlayDailyTrail({Today(), 1, 32, 40});
  const std::string none = PlayDailyTrail({Today(), 0, 32, 20});
  const std::string otherPeriod = PlayDailyTrail({Today(), 2, 40});
  // Submitted worst first, so the order is the board's own.
  for (const auto& [name, trail] :
       std::vector<std::pair<std::string, std::string>>{{"none", none},
                                                        {"slow", slowOneLevel},
                                                        {"quick", oneLevel_},
                                                        {"two", twoLevels_},
                                                        {"period", otherPeriod}}) {
    ASSERT_EQ(Submit(board.Client(), name, trail).status, 201) << name;
  }
  // Equal levels and time fall back to who was first; the quick game is never slower.
  ASSERT_LE(ClaimedTotal(oneLevel_), ClaimedTotal(slowOneLevel));
  const std::vector<std::string> expected = {
      "two", ClaimedTotal(oneLevel_) < ClaimedTotal(slowOneLevel) ? "quick" : "slow",
      ClaimedTotal(oneLevel_) < ClaimedTotal(slowOneLevel) ? "slow" : "quick", "none"};
  const json ranking = Get(board.Client(), RankingPath());
  EXPECT_EQ(NamesOf(ranking), expected);
  EXPECT_EQ(ranking["periods"], json::array({32, 40}));
  EXPECT_EQ(NamesOf(Get(board.Client(), RankingPath("?limit=2"))),
            std::vector<std::string>(expected.begin(), expected.begin() + 2));
  const json second = Get(board.Client(), RankingPath("?limit=2&after=2"));
  EXPECT_EQ(NamesOf(second), std::vector<std::string>(expected.begin() + 2, expected.end()));
  EXPECT_EQ(second["games"][0]["rank"], 3);
  // A game at another tick period is ranked apart.
  EXPECT_EQ(NamesOf(Get(board.Client(), RankingPath("?period=40"))),
            std::vector<std::string>{"period"});

  EXPECT_EQ(board.Client().Get(RankingPath("?limit=0"))->status, 400);
  EXPECT_EQ(board.Client().Get("/api/daily/2026-02-30")->status, 400);
}

TEST_F(BoardTest, SameTrailTwiceIsStoredOnceAndANameStaysWithItsKey) {
  BoardProcess board(db_);
  const Answer first = Submit(board.Client(), "kana カナ", oneLevel_);
  ASSERT_EQ(first.status, 201);
  const Answer again = Submit(board.Client(), "kana カナ", oneLevel_);
  EXPECT_EQ(again.status, 200);
  EXPECT_EQ(again.body["id"], first.body["id"]);
  EXPECT_EQ(again.body["duplicate"], true);
  // The composed and decomposed spellings of one name are one name.
  EXPECT_EQ(Submit(board.Client(), "Zoe\xCC\x88", twoLevels_, kOtherKey).status, 201);
  const Answer taken = Submit(board.Client(), "Zo\xC3\xAB", PlayDailyTrail({Today(), 1, 32, 30}));
  EXPECT_EQ(taken.status, 403) << taken.body;
  EXPECT_EQ(Get(board.Client(), RankingPath())["games"].size(), 2u);
}

TEST_F(BoardTest, RestartedBoardKeepsEverything) {
  json before;
  {
    BoardProcess board(db_);
    ASSERT_EQ(Submit(board.Client(), "first", oneLevel_).status, 201);
    ASSERT_EQ(Submit(board.Client(), "second", twoLevels_).status, 201);
    before = Get(board.Client(), RankingPath());
    EXPECT_EQ(board.Stop(SIGTERM), 0);
  }
  BoardProcess board(db_);
  EXPECT_EQ(Get(board.Client(), RankingPath()), before);
  EXPECT_EQ(Submit(board.Client(), "first", PlayDailyTrail({Today(), 1, 32, 50}), kOtherKey).status,
            403);
}

TEST_F(BoardTest, TwoBoardsOnOneDatabaseAgree) {
  BoardProcess one(db_);
  BoardProcess two(db_);
  ASSERT_EQ(Submit(one.Client(), "here", oneLevel_).status, 201);
  ASSERT_EQ(Submit(two.Client(), "there", twoLevels_).status, 201);
  EXPECT_EQ(Submit(two.Client(), "here", twoLevels_, kOtherKey).status, 200)
      << "the same trail through the other board is a duplicate";
  EXPECT_EQ(Get(one.Client(), RankingPath()), Get(two.Client(), RankingPath()));
  EXPECT_EQ(NamesOf(Get(one.Client(), RankingPath())), (std::vector<std::string>{"there", "here"}));

  // A game stored through one board reaches the other's kept answer within its bound.
  ASSERT_EQ(Submit(two.Client(), "later", PlayDailyTrail({Today(), 2, 32, 20})).status, 201);
  const auto stored = std::chrono::steady_clock::now();
  while (NamesOf(Get(one.Client(), RankingPath())).size() < 3) {
    ASSERT_LT(std::chrono::steady_clock::now() - stored, std::chrono::seconds(3));
  }
}

TEST_F(BoardTest, KilledBoardLosesNoSubmissionItAnswered) {
  std::vector<std::string> trails;
  for (int title = 9; title < 9 + 24; ++title)
    trails.push_back(PlayDailyTrail({Today(), 1, 32, title}));
  auto board = std::make_unique<BoardProcess>(db_);
  const int port = board->Port();
  std::mutex mutex;
  std::set<int64_t> answered;
  std::atomic<int> sent{0};
  std::atomic<int> done{0};
  std::vector<std::thread> senders;
  for (int sender = 0; sender < 4; ++sender) {
    senders.emplace_back([&, sender] {
      httplib::Client client("127.0.0.1", port);
      for (size_t at = static_cast<size_t>(sender); at < trails.size(); at += 4) {
        const Answer answer = Submit(client, "killed" + std::to_string(sender), trails[at]);
        ++sent;
        if (answer.status != 201) break;
        std::lock_guard lock(mutex);
        answered.insert(answer.body["id"].get<int64_t>());
      }
      ++done;
    });
  }
  // Killed while the submissions are still coming in.
  while (sent < 8 && done < 4) std::this_thread::yield();
  board->Stop(SIGKILL);
  for (std::thread& sender : senders) sender.join();
  ASSERT_FALSE(answered.empty());

  BoardProcess again(db_);
  for (const int64_t id : answered) {
    const auto trail = again.Client().Get("/api/trails/" + std::to_string(id));
    ASSERT_TRUE(trail);
    EXPECT_EQ(trail->status, 200) << "game " << id << " was answered 201 and lost";
  }
}

TEST_F(BoardTest, HealthMetricsAndThePageAnswer) {
  BoardProcess board(db_);
  EXPECT_EQ(board.Client().Get("/healthz")->body, "ok\n");
  const auto page = board.Client().Get("/board");
  ASSERT_TRUE(page);
  EXPECT_NE(page->get_header_value("Content-Security-Policy").find("default-src 'self'"),
            std::string::npos);
  EXPECT_NE(
      board.Client().Get("/metrics")->body.find("zaptrail_board_requests_total{route=\"page\"} 1"),
      std::string::npos);
  EXPECT_EQ(board.Client().Get("/nowhere")->status, 404);
}

}  // namespace
}  // namespace zaptrail::board_test
