#include <memory>
#include <string>

#include "board/postgres_store.hpp"
#include "board/sqlite_store.hpp"
#include "board/store.hpp"
#include "board/store_error.hpp"

namespace zaptrail::board {

std::unique_ptr<Store> OpenStore(const std::string& url) {
  constexpr std::string_view kSqlite = "sqlite:";
  if (url.starts_with(kSqlite) && url.size() > kSqlite.size()) {
    return OpenSqliteStore(url.substr(kSqlite.size()));
  }
  if (url.starts_with("postgresql://") || url.starts_with("postgres://")) {
    return OpenPostgresStore(url);
  }
  throw StoreError("--db takes sqlite:PATH or postgresql://…, not \"" + url + "\"");
}

}  // namespace zaptrail::board
