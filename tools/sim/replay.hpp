#pragma once

#include <istream>
#include <ostream>

#include "tools/sim/sim_arguments.hpp"

namespace zaptrail {

// Builds one level from a seed and prints it.
int RunLevel(const SimArguments& arguments, std::ostream& out);
// Starts the game as the main window does, then runs one tick per input line and prints what
// each tick did. Returns the process's exit status.
int RunPlay(const SimArguments& arguments, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace zaptrail
