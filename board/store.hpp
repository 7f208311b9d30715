#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zaptrail::board {

struct LevelTime {
  int level = 0;
  int64_t time = 0;
};

// A verified game as it is kept: whose it is, what it achieved, and the trail file itself.
struct NewGame {
  std::string date;  // the daily trail's UTC date, YYYY-MM-DD
  std::string name;
  std::string keyHash;
  std::string trailHash;
  int levels = 0;
  int64_t total = 0;  // the sum of the cleared levels' times
  int period = 0;     // the tick period in milliseconds
  int64_t submittedMs = 0;
  std::vector<LevelTime> times;
  std::string trail;
};

// One line of a date's ranking.
struct RankedGame {
  int64_t rank = 0;
  std::string name;
  int levels = 0;
  int64_t total = 0;
  int64_t id = 0;
  int period = 0;
  int64_t submittedMs = 0;
};

// One line of a level's fastest times.
struct LevelEntry {
  std::string name;
  int64_t time = 0;
  int64_t id = 0;
  int period = 0;
};

enum class AddOutcome { Stored, Duplicate, NameTaken };

struct AddResult {
  AddOutcome outcome = AddOutcome::Stored;
  int64_t id = 0;  // the stored game, or the one the duplicate matched
};

// Everything the board keeps. Several boards may share one store; nothing here caches.
class Store {
 public:
  virtual ~Store() = default;
  // Claims the name for the key when it is free and stores the game, in one transaction; the
  // same trail already stored answers Duplicate with its id.
  virtual AddResult Add(const NewGame& game) = 0;
  // A ranking ordered by levels cleared, then lowest total, then submission; ranks after
  // `after`, at most `limit` of them.
  virtual std::vector<RankedGame> Ranking(const std::string& date, int period, int64_t after,
                                          int limit) = 0;
  virtual int64_t RankOf(int64_t id) = 0;
  // The tick periods that date's games were played at, lowest first.
  virtual std::vector<int> Periods(const std::string& date) = 0;
  virtual std::vector<LevelEntry> FastestTimes(const std::string& date, int level, int period,
                                               int limit) = 0;
  virtual std::optional<std::string> Trail(int64_t id) = 0;
  // Throws when the store cannot answer.
  virtual void Ping() = 0;
};

// The store a --db URL names: sqlite:PATH or postgresql://…; the schema is brought up to date.
std::unique_ptr<Store> OpenStore(const std::string& url);

}  // namespace zaptrail::board
