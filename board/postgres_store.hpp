#pragma once

#include <memory>
#include <string>

#include "board/store.hpp"

namespace zaptrail::board {

// The store in a PostgreSQL database that several boards may share.
std::unique_ptr<Store> OpenPostgresStore(const std::string& url);

}  // namespace zaptrail::board
