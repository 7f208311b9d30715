#include "board/sqlite_store.hpp"

#include <sqlite3.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "board/connection_pool.hpp"
#include "board/store_error.hpp"

namespace zaptrail::board {
namespace {

// Each step brings the schema from the version before it to its own number.
constexpr std::array kMigrations = {
    R"(CREATE TABLE players (
         name TEXT PRIMARY KEY,
         key_hash TEXT NOT NULL);
       CREATE TABLE games (
         id INTEGER PRIMARY KEY,
         trail_hash TEXT NOT NULL UNIQUE,
         date TEXT NOT NULL,
         name TEXT NOT NULL REFERENCES players(name),
         levels INTEGER NOT NULL,
         total INTEGER NOT NULL,
         period INTEGER NOT NULL,
         submitted INTEGER NOT NULL,
         trail TEXT NOT NULL);
       CREATE INDEX games_ranking ON games (date, period, levels DESC, total, submitted, id);
       CREATE TABLE level_times (
         game_id INTEGER NOT NULL REFERENCES games(id),
         date TEXT NOT NULL,
         period INTEGER NOT NULL,
         level INTEGER NOT NULL,
         time INTEGER NOT NULL);
       CREATE INDEX level_times_fastest ON level_times (date, period, level, time);)",
};

// How long a writer waits for another connection's write before the request fails.
constexpr int kBusyTimeoutMs = 5000;

class Statement {
 public:
  Statement(sqlite3* db, std::string_view sql) : db_(db) {
    if (sqlite3_prepare_v3(db, sql.data(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT,
                           &statement_, nullptr) != SQLITE_OK) {
      throw StoreError(std::string("SQLite: ") + sqlite3_errmsg(db));
    }
  }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;
  ~Statement() { sqlite3_finalize(statement_); }

  // Binds the values in order, from the first parameter on; the statement starts afresh.
  template <typename... Values>
  Statement& Bind(const Values&... values) {
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
    int index = 0;
    (BindOne(++index, values), ...);
    return *this;
  }

  // True while there is a row to read.
  bool Step() {
    const int status = sqlite3_step(statement_);
    if (status == SQLITE_ROW) return true;
    if (status == SQLITE_DONE) return false;
    const std::string message = sqlite3_errmsg(db_);
    sqlite3_reset(statement_);
    throw StoreError("SQLite: " + message);
  }
  void Run() {
    while (Step()) {
    }
    sqlite3_reset(statement_);
  }

  int64_t Integer(int column) const { return sqlite3_column_int64(statement_, column); }
  std::string Text(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
    return std::string(text != nullptr ? text : "",
                       static_cast<size_t>(sqlite3_column_bytes(statement_, column)));
  }

 private:
  void BindOne(int index, int64_t value) { Check(sqlite3_bind_int64(statement_, index, value)); }
  void BindOne(int index, int value) { BindOne(index, static_cast<int64_t>(value)); }
  void BindOne(int index, const std::string& value) {
    Check(sqlite3_bind_text(statement_, index, value.data(), static_cast<int>(value.size()),
                            SQLITE_TRANSIENT));
  }
  void Check(int status) const {
    if (status != SQLITE_OK) throw StoreError(std::string("SQLite: ") + sqlite3_errmsg(db_));
  }

  sqlite3* db_;
  sqlite3_stmt* statement_ = nullptr;
};

// One open connection with every statement the board uses prepared once.
class Connection {
 public:
  explicit Connection(const std::string& path) {
    if (sqlite3_open_v2(path.c_str(), &db_,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                        nullptr) != SQLITE_OK) {
      const std::string message = db_ != nullptr ? sqlite3_errmsg(db_) : "out of memory";
      sqlite3_close(db_);
      throw StoreError("cannot open " + path + ": " + message);
    }
    sqlite3_busy_timeout(db_, kBusyTimeoutMs);
    // A game answered 201 is on disk before the answer leaves, whatever stops the process.
    Execute("PRAGMA synchronous=FULL; PRAGMA foreign_keys=ON;");
  }
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;
  ~Connection() {
    statements_.clear();
    sqlite3_close(db_);
  }

  void Execute(const std::string& sql) {
    char* error = nullptr;
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
      const std::string message = error != nullptr ? error : sqlite3_errmsg(db_);
      sqlite3_free(error);
      throw StoreError("SQLite: " + message);
    }
  }

  // The prepared statement for this text, prepared on first use.
  Statement& Prepared(std::string_view sql) {
    for (auto& [text, statement] : statements_) {
      if (text.data() == sql.data()) return *statement;
    }
    statements_.emplace_back(sql, std::make_unique<Statement>(db_, sql));
    return *statements_.back().second;
  }

 private:
  sqlite3* db_ = nullptr;
  std::vector<std::pair<std::string_view, std::unique_ptr<Statement>>> statements_;
};

// The statements, each a constant whose address names it among a connection's prepared ones.
constexpr std::string_view kBegin = "BEGIN IMMEDIATE";
constexpr std::string_view kCommit = "COMMIT";
constexpr std::string_view kRollback = "ROLLBACK";
constexpr std::string_view kFindTrail = "SELECT id FROM games WHERE trail_hash = ?";
constexpr std::string_view kFindOwner = "SELECT key_hash FROM players WHERE name = ?";
constexpr std::string_view kAddPlayer = "INSERT INTO players (name, key_hash) VALUES (?, ?)";
constexpr std::string_view kAddGame =
    "INSERT INTO games (trail_hash, date, name, levels, total, period, submitted, trail) "
    "VALUES (?, ?, ?, ?, ?, ?, ?, ?) RETURNING id";
constexpr std::string_view kAddLevel =
    "INSERT INTO level_times (game_id, date, period, level, time) VALUES (?, ?, ?, ?, ?)";
constexpr std::string_view kRanking =
    "SELECT rank, name, levels, total, id, period, submitted FROM ("
    " SELECT ROW_NUMBER() OVER (ORDER BY levels DESC, total, submitted, id) AS rank,"
    " name, levels, total, id, period, submitted FROM games WHERE date = ? AND period = ?)"
    " WHERE rank > ? ORDER BY rank LIMIT ?";
constexpr std::string_view kRankOf =
    "SELECT COUNT(*) + 1 FROM games AS other, games AS game WHERE game.id = ?"
    " AND other.date = game.date AND other.period = game.period"
    " AND (-other.levels, other.total, other.submitted, other.id)"
    "   < (-game.levels, game.total, game.submitted, game.id)";
constexpr std::string_view kPeriods =
    "SELECT DISTINCT period FROM games WHERE date = ? ORDER BY period";
constexpr std::string_view kFastest =
    "SELECT games.name, level_times.time, games.id, games.period FROM level_times"
    " JOIN games ON games.id = level_times.game_id"
    " WHERE level_times.date = ? AND level_times.period = ? AND level_times.level = ?"
    " ORDER BY level_times.time, games.submitted, games.id LIMIT ?";
constexpr std::string_view kTrail = "SELECT trail FROM games WHERE id = ?";
constexpr std::string_view kPing = "SELECT 1";

class SqliteStore final : public Store {
 public:
  explicit SqliteStore(const std::string& path)
      : pool_([path] { return std::make_unique<Connection>(path); }) {
    Migrate();
    pool_.OpenAhead(kConnectionsAtStart);
  }

  AddResult Add(const NewGame& game) override {
    auto connection = pool_.Borrow();
    connection->Prepared(kBegin).Run();
    try {
      const AddResult result = AddInTransaction(*connection, game);
      connection->Prepared(result.outcome == AddOutcome::Stored ? kCommit : kRollback).Run();
      return result;
    } catch (...) {
      connection.Discard();
      throw;
    }
  }

  std::vector<RankedGame> Ranking(const std::string& date, int period, int64_t after,
                                  int limit) override {
    auto connection = pool_.Borrow();
    Statement& ranking = connection->Prepared(kRanking).Bind(date, period, after, limit);
    std::vector<RankedGame> games;
    while (ranking.Step()) {
      games.push_back({ranking.Integer(0), ranking.Text(1), static_cast<int>(ranking.Integer(2)),
                       ranking.Integer(3), ranking.Integer(4), static_cast<int>(ranking.Integer(5)),
                       ranking.Integer(6)});
    }
    return games;
  }

  int64_t RankOf(int64_t id) override {
    auto connection = pool_.Borrow();
    Statement& rank = connection->Prepared(kRankOf).Bind(id);
    const int64_t value = rank.Step() ? rank.Integer(0) : 0;
    rank.Run();
    return value;
  }

  std::vector<int> Periods(const std::string& date) override {
    auto connection = pool_.Borrow();
    Statement& periods = connection->Prepared(kPeriods).Bind(date);
    std::vector<int> values;
    while (periods.Step()) values.push_back(static_cast<int>(periods.Integer(0)));
    return values;
  }

  std::vector<LevelEntry> FastestTimes(const std::string& date, int level, int period,
                                       int limit) override {
    auto connection = pool_.Borrow();
    Statement& fastest = connection->Prepared(kFastest).Bind(date, period, level, limit);
    std::vector<LevelEntry> entries;
    while (fastest.Step()) {
      entries.push_back({fastest.Text(0), fastest.Integer(1), fastest.Integer(2),
                         static_cast<int>(fastest.Integer(3))});
    }
    return entries;
  }

  std::optional<std::string> Trail(int64_t id) override {
    auto connection = pool_.Borrow();
    Statement& trail = connection->Prepared(kTrail).Bind(id);
    if (!trail.Step()) return std::nullopt;
    std::string text = trail.Text(0);
    trail.Run();
    return text;
  }

  void Ping() override {
    auto connection = pool_.Borrow();
    connection->Prepared(kPing).Run();
  }

 private:
  static AddResult AddInTransaction(Connection& connection, const NewGame& game) {
    Statement& known = connection.Prepared(kFindTrail).Bind(game.trailHash);
    if (known.Step()) {
      const int64_t id = known.Integer(0);
      known.Run();
      return {AddOutcome::Duplicate, id};
    }
    Statement& owner = connection.Prepared(kFindOwner).Bind(game.name);
    if (owner.Step()) {
      const bool taken = owner.Text(0) != game.keyHash;
      owner.Run();
      if (taken) return {AddOutcome::NameTaken, 0};
    } else {
      connection.Prepared(kAddPlayer).Bind(game.name, game.keyHash).Run();
    }
    Statement& add =
        connection.Prepared(kAddGame).Bind(game.trailHash, game.date, game.name, game.levels,
                                           game.total, game.period, game.submittedMs, game.trail);
    add.Step();
    const int64_t id = add.Integer(0);
    add.Run();
    for (const LevelTime& cleared : game.times) {
      connection.Prepared(kAddLevel)
          .Bind(id, game.date, game.period, cleared.level, cleared.time)
          .Run();
    }
    return {AddOutcome::Stored, id};
  }

  // The schema's version is SQLite's own user_version; each missing step runs in the same
  // write transaction as the version it sets, so a board stopped half-way starts over cleanly.
  void Migrate() {
    auto connection = pool_.Borrow();
    // The file keeps its journal mode, so one connection sets it for all: setting it on each
    // new one would take a lock that every other new one then waits for.
    connection->Execute("PRAGMA journal_mode=WAL");
    connection->Execute("BEGIN IMMEDIATE");
    try {
      Statement& version = connection->Prepared("PRAGMA user_version");
      version.Bind();
      const int64_t current = version.Step() ? version.Integer(0) : 0;
      version.Run();
      if (current > static_cast<int64_t>(kMigrations.size())) {
        throw StoreError("the database's schema version " + std::to_string(current) +
                         " is newer than this board's");
      }
      for (size_t step = static_cast<size_t>(current); step < kMigrations.size(); ++step) {
        connection->Execute(kMigrations[step]);
        connection->Execute("PRAGMA user_version = " + std::to_string(step + 1));
      }
      connection->Execute("COMMIT");
    } catch (...) {
      connection.Discard();
      throw;
    }
  }

  ConnectionPool<Connection> pool_;
};

}  // namespace

std::unique_ptr<Store> OpenSqliteStore(const std::string& path) {
  return std::make_unique<SqliteStore>(path);
}

}  // namespace zaptrail::board
