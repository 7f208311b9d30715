#pragma once

#include <string_view>

namespace zaptrail::board {

// One file of the board page, built into the server.
struct PageFile {
  std::string_view name;
  const char* type;
  std::string_view text;
};

// The page file with this name ("board" is the page itself), or null.
const PageFile* FindPageFile(std::string_view name);

}  // namespace zaptrail::board
