#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "tools/sim/binary_streams.hpp"
#include "tools/sim/replay.hpp"
#include "tools/sim/sim_arguments.hpp"

int main(int argc, char** argv) {
  zaptrail::UseBinaryStandardStreams();
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const std::optional<zaptrail::SimArguments> parsed = zaptrail::ParseSimArguments(arguments);
  if (!parsed) {
    std::cerr << zaptrail::kSimUsage << '\n';
    return 2;
  }
  const int status = parsed->command == zaptrail::SimArguments::Command::Level
                         ? zaptrail::RunLevel(*parsed, std::cout)
                         : zaptrail::RunPlay(*parsed, std::cin, std::cout, std::cerr);
  // A full disk or a closed output would otherwise lose the replay without a word.
  if (!std::cout.flush()) {
    std::cerr << "zaptrail-sim: cannot write the output" << std::endl;
    return 1;
  }
  return status;
}
