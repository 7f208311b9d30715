#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "tools/sim/binary_streams.hpp"
#include "tools/sim/replay.hpp"
#include "tools/sim/sim_arguments.hpp"
#include "tools/sim/verify_command.hpp"

int main(int argc, char** argv) {
  zaptrail::UseBinaryStandardStreams();
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const std::optional<zaptrail::SimArguments> parsed = zaptrail::ParseSimArguments(arguments);
  if (!parsed) {
    std::cerr << zaptrail::kSimUsage << '\n';
    return 2;
  }
  int status = 0;
  switch (parsed->command) {
    case zaptrail::SimArguments::Command::Level:
      status = zaptrail::RunLevel(*parsed, std::cout);
      break;
    case zaptrail::SimArguments::Command::Play:
      status = zaptrail::RunPlay(*parsed, std::cin, std::cout, std::cerr);
      break;
    case zaptrail::SimArguments::Command::Verify:
      status = zaptrail::RunVerify(*parsed, std::cout, std::cerr);
      break;
  }
  // A full disk or a closed output would otherwise lose the replay without a word.
  if (!std::cout.flush()) {
    std::cerr << "zaptrail-sim: cannot write the output" << std::endl;
    return 1;
  }
  return status;
}
