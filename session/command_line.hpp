#pragma once

#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "session/session.hpp"

namespace zaptrail {

// What the command line asks for: a run with these options, or the list of options.
struct CommandLine {
  SessionOptions options;
  bool help = false;
};

// A command line the game cannot follow; the message names the argument at fault.
class CommandLineError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The arguments after the program's name. Throws CommandLineError for an unknown option, a
// missing value or a value out of range.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// The text `--help` prints: a usage line, then one line per option.
std::string CommandLineHelp();

// What a shell's entry point does with its arguments: the options for the run, or, when the
// program should end at once, its exit status: 0 after the help (on `out`), 2 after one line
// on `errors` saying what was wrong.
struct CommandLineOutcome {
  SessionOptions options;
  std::optional<int> exitStatus;
};
CommandLineOutcome ReadCommandLine(const std::vector<std::string>& arguments, std::ostream& out,
                                   std::ostream& errors);

}  // namespace zaptrail
