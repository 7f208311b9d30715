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
  if (parsed->command == zaptrail::SimArguments::Command::Level) {
    return zaptrail::RunLevel(*parsed, std::cout);
  }
  return zaptrail::RunPlay(*parsed, std::cin, std::cout, std::cerr);
}
