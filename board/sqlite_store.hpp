#pragma once

#include <memory>
#include <string>

#include "board/store.hpp"

namespace zaptrail::board {

// The store in one SQLite file, in write-ahead-log mode so that reads never wait for a write.
std::unique_ptr<Store> OpenSqliteStore(const std::string& path);

}  // namespace zaptrail::board
