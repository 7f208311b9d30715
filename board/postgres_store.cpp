#include "board/postgres_store.hpp"

#include <array>
#include <cstdint>
#include <memory>
#include <pqxx/pqxx>
#include <string>
#include <vector>

#include "board/connection_pool.hpp"
#include "board/store_error.hpp"

namespace zaptrail::board {
namespace {

// The same tables as the SQLite store's, step by step; schema_version holds the last step.
constexpr std::array kMigrations = {
    R"(CREATE TABLE players (
         name TEXT PRIMARY KEY,
         key_hash TEXT NOT NULL);
       CREATE TABLE games (
         id BIGSERIAL PRIMARY KEY,
         trail_hash TEXT NOT NULL UNIQUE,
         date TEXT NOT NULL,
         name TEXT NOT NULL REFERENCES players(name),
         levels INTEGER NOT NULL,
         total BIGINT NOT NULL,
         period INTEGER NOT NULL,
         submitted BIGINT NOT NULL,
         trail TEXT NOT NULL);
       CREATE INDEX games_ranking ON games (date, period, levels DESC, total, submitted, id);
       CREATE TABLE level_times (
         game_id BIGINT NOT NULL REFERENCES games(id),
         date TEXT NOT NULL,
         period INTEGER NOT NULL,
         level INTEGER NOT NULL,
         time BIGINT NOT NULL);
       CREATE INDEX level_times_fastest ON level_times (date, period, level, time);)",
};

// Boards starting together on one database take turns at the migration under this lock.
constexpr int64_t kMigrationLock = 0x7a617074726169;

// Every statement, prepared on each connection as it opens.
const std::array<std::array<const char*, 2>, 10> kStatements = {{
    {"find_trail", "SELECT id FROM games WHERE trail_hash = $1"},
    {"claim_name",
     "INSERT INTO players (name, key_hash) VALUES ($1, $2) ON CONFLICT (name) DO NOTHING"},
    {"find_owner", "SELECT key_hash FROM players WHERE name = $1"},
    {"add_game",
     "INSERT INTO games (trail_hash, date, name, levels, total, period, submitted, trail)"
     " VALUES ($1, $2, $3, $4, $5, $6, $7, $8) ON CONFLICT (trail_hash) DO NOTHING RETURNING id"},
    {"add_level",
     "INSERT INTO level_times (game_id, date, period, level, time) VALUES ($1, $2, $3, $4, $5)"},
    {"ranking",
     "SELECT rank, name, levels, total, id, period, submitted FROM ("
     " SELECT ROW_NUMBER() OVER (ORDER BY levels DESC, total, submitted, id) AS rank,"
     " name, levels, total, id, period, submitted FROM games WHERE date = $1 AND period = $2)"
     " AS ranked WHERE rank > $3 ORDER BY rank LIMIT $4"},
    {"rank_of",
     "SELECT COUNT(*) + 1 FROM games AS other, games AS game WHERE game.id = $1"
     " AND other.date = game.date AND other.period = game.period"
     " AND (-other.levels, other.total, other.submitted, other.id)"
     "   < (-game.levels, game.total, game.submitted, game.id)"},
    {"periods", "SELECT DISTINCT period FROM games WHERE date = $1 ORDER BY period"},
    {"fastest",
     "SELECT games.name, level_times.time, games.id, games.period FROM level_times"
     " JOIN games ON games.id = level_times.game_id"
     " WHERE level_times.date = $1 AND level_times.period = $2 AND level_times.level = $3"
     " ORDER BY level_times.time, games.submitted, games.id LIMIT $4"},
    {"trail", "SELECT trail FROM games WHERE id = $1"},
}};

std::unique_ptr<pqxx::connection> Connect(const std::string& url) {
  try {
    auto connection = std::make_unique<pqxx::connection>(url);
    for (const auto& [name, sql] : kStatements) connection->prepare(name, sql);
    return connection;
  } catch (const std::exception& error) {
    throw StoreError(std::string("PostgreSQL: ") + error.what());
  }
}

class PostgresStore final : public Store {
 private:
  // Runs one piece of work on a borrowed connection; a connection that failed is not lent
  // again, and the failure reaches the request as a StoreError.
  template <typename Work>
  auto Use(Work&& work) {
    auto connection = pool_.Borrow();
    try {
      return work(*connection);
    } catch (const pqxx::failure& error) {
      connection.Discard();
      throw StoreError(std::string("PostgreSQL: ") + error.what());
    }
  }

  void Migrate() {
    Use([](pqxx::connection& connection) {
      pqxx::work work(connection);
      work.exec("SELECT pg_advisory_xact_lock(" + std::to_string(kMigrationLock) + ")");
      work.exec("CREATE TABLE IF NOT EXISTS schema_version (version INTEGER NOT NULL)");
      const pqxx::result rows = work.exec("SELECT version FROM schema_version");
      const int current = rows.empty() ? 0 : rows[0][0].as<int>();
      if (current > static_cast<int>(kMigrations.size())) {
        throw StoreError("the database's schema version " + std::to_string(current) +
                         " is newer than this board's");
      }
      for (size_t step = static_cast<size_t>(current); step < kMigrations.size(); ++step) {
        work.exec(kMigrations[step]);
      }
      work.exec("DELETE FROM schema_version");
      work.exec("INSERT INTO schema_version VALUES (" + std::to_string(kMigrations.size()) + ")");
      work.commit();
      return 0;
    });
  }

 public:
  explicit PostgresStore(const std::string& url) : pool_([url] { return Connect(url); }) {
    Migrate();
    pool_.OpenAhead(kConnectionsAtStart);
  }

  AddResult Add(const NewGame& game) override {
    return Use([&](pqxx::connection& connection) {
      pqxx::work work(connection);
      const pqxx::result known = work.exec_prepared("find_trail", game.trailHash);
      if (!known.empty()) return AddResult{AddOutcome::Duplicate, known[0][0].as<int64_t>()};
      work.exec_prepared("claim_name", game.name, game.keyHash);
      if (work.exec_prepared1("find_owner", game.name)[0].as<std::string>() != game.keyHash) {
        return AddResult{AddOutcome::NameTaken, 0};
      }
      const pqxx::result added =
          work.exec_prepared("add_game", game.trailHash, game.date, game.name, game.levels,
                             game.total, game.period, game.submittedMs, game.trail);
      // Another board stored the same trail a moment ago.
      if (added.empty()) {
        work.abort();
        pqxx::work again(connection);
        return AddResult{AddOutcome::Duplicate,
                         again.exec_prepared1("find_trail", game.trailHash)[0].as<int64_t>()};
      }
      const int64_t id = added[0][0].as<int64_t>();
      for (const LevelTime& cleared : game.times) {
        work.exec_prepared("add_level", id, game.date, game.period, cleared.level, cleared.time);
      }
      work.commit();
      return AddResult{AddOutcome::Stored, id};
    });
  }

  std::vector<RankedGame> Ranking(const std::string& date, int period, int64_t after,
                                  int limit) override {
    return Use([&](pqxx::connection& connection) {
      pqxx::read_transaction work(connection);
      std::vector<RankedGame> games;
      for (const pqxx::row& row : work.exec_prepared("ranking", date, period, after, limit)) {
        games.push_back({row[0].as<int64_t>(), row[1].as<std::string>(), row[2].as<int>(),
                         row[3].as<int64_t>(), row[4].as<int64_t>(), row[5].as<int>(),
                         row[6].as<int64_t>()});
      }
      return games;
    });
  }

  int64_t RankOf(int64_t id) override {
    return Use([&](pqxx::connection& connection) {
      pqxx::read_transaction work(connection);
      return work.exec_prepared1("rank_of", id)[0].as<int64_t>();
    });
  }

  std::vector<int> Periods(const std::string& date) override {
    return Use([&](pqxx::connection& connection) {
      pqxx::read_transaction work(connection);
      std::vector<int> periods;
      for (const pqxx::row& row : work.exec_prepared("periods", date)) {
        periods.push_back(row[0].as<int>());
      }
      return periods;
    });
  }

  std::vector<LevelEntry> FastestTimes(const std::string& date, int level, int period,
                                       int limit) override {
    return Use([&](pqxx::connection& connection) {
      pqxx::read_transaction work(connection);
      std::vector<LevelEntry> entries;
      for (const pqxx::row& row : work.exec_prepared("fastest", date, period, level, limit)) {
        entries.push_back({row[0].as<std::string>(), row[1].as<int64_t>(), row[2].as<int64_t>(),
                           row[3].as<int>()});
      }
      return entries;
    });
  }

  std::optional<std::string> Trail(int64_t id) override {
    return Use([&](pqxx::connection& connection) -> std::optional<std::string> {
      pqxx::read_transaction work(connection);
      const pqxx::result trail = work.exec_prepared("trail", id);
      if (trail.empty()) return std::nullopt;
      return trail[0][0].as<std::string>();
    });
  }

  void Ping() override {
    Use([](pqxx::connection& connection) {
      pqxx::nontransaction work(connection);
      work.exec("SELECT 1");
      return 0;
    });
  }

 private:
  ConnectionPool<pqxx::connection> pool_;
};

}  // namespace

std::unique_ptr<Store> OpenPostgresStore(const std::string& url) {
  return std::make_unique<PostgresStore>(url);
}

}  // namespace zaptrail::board
