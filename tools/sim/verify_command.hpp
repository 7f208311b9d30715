#pragma once

#include <ostream>

#include "tools/sim/sim_arguments.hpp"

namespace zaptrail {

// Proves a trail file: prints each cleared level with its time, how the game ended and the
// state hash at its last tick (or all of it as one JSON object). Returns 0 when every claimed
// result matches, 1 when one does not (its difference on `err`), 2 when the file cannot be read
// or is no trail this game can play.
int RunVerify(const SimArguments& arguments, std::ostream& out, std::ostream& err);

}  // namespace zaptrail
