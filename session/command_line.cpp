#include "session/command_line.hpp"

#include <algorithm>
#include <cstdint>
#include <ctime>
#include <string_view>

#include "session/daily.hpp"
#include "session/kept_trails.hpp"

namespace zaptrail {
namespace {

// One option: its name, the name of its value (empty when it takes none), its line in the
// help, and what it does to the command line. A new option is one more row.
struct Option {
  std::string_view name;
  std::string_view value;
  std::string_view help;
  void (*apply)(CommandLine& line, const std::string& value);
};

uint32_t SeedFrom(const std::string& text) {
  uint64_t seed = 0;
  bool valid = !text.empty();
  for (const char c : text) {
    valid = valid && c >= '0' && c <= '9' && seed <= UINT32_MAX;
    if (valid) seed = seed * 10 + static_cast<uint64_t>(c - '0');
  }
  if (!valid || seed > UINT32_MAX) {
    throw CommandLineError("--seed takes a whole number from 0 to 4294967295, not '" + text + "'");
  }
  return static_cast<uint32_t>(seed);
}

constexpr Option kOptions[] = {
    {"--seed", "N", "seed the mazes with N (0 to 4294967295) instead of the clock",
     [](CommandLine& line, const std::string& value) { line.options.seed = SeedFrom(value); }},
    {"--daily", "", "play today's trail: the mazes of today's UTC date, the same everywhere",
     [](CommandLine& line, const std::string&) {
       line.options.daily = UtcDate(std::time(nullptr));
     }},
    {"--watch", "FILE", "watch the game kept in the trail file FILE (also: zaptrail FILE.zaptrail)",
     [](CommandLine& line, const std::string& value) {
       if (value.empty()) throw CommandLineError("--watch needs the name of a trail file");
       line.options.watchFile = value;
     }},
    {"--help", "", "list these options and end",
     [](CommandLine& line, const std::string&) { line.help = true; }},
};

// A file given alone, as a file manager or a file dropped on the program passes it.
bool IsTrailFile(const std::string& argument) {
  const std::string_view extension = kTrailExtension;
  return argument.size() > extension.size() && argument[0] != '-' &&
         argument.compare(argument.size() - extension.size(), extension.size(), extension) == 0;
}

// Options that choose the mazes in different ways cannot be combined.
void RequireOneWayToChooseMazes(const SessionOptions& options) {
  const int ways =
      (options.seed ? 1 : 0) + (options.daily ? 1 : 0) + (options.watchFile.empty() ? 0 : 1);
  if (ways > 1)
    throw CommandLineError("--seed, --daily and --watch each choose the mazes: give one");
}

const Option* FindOption(std::string_view name) {
  for (const Option& option : kOptions) {
    if (option.name == name) return &option;
  }
  return nullptr;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
  CommandLine line;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (IsTrailFile(argument)) {
      line.options.watchFile = argument;
      continue;
    }
    // Both `--seed 7` and `--seed=7`.
    const size_t equals = argument.find('=');
    const std::string name = argument.substr(0, equals);
    const Option* option = FindOption(name);
    if (option == nullptr) {
      throw CommandLineError("unknown option '" + argument + "' (--help lists the options)");
    }
    std::string value;
    if (option->value.empty()) {
      if (equals != std::string::npos) throw CommandLineError(name + " takes no value");
    } else if (equals != std::string::npos) {
      value = argument.substr(equals + 1);
    } else if (i + 1 < arguments.size()) {
      value = arguments[++i];
    } else {
      throw CommandLineError(name + " needs a value: " + name + " " + std::string(option->value));
    }
    option->apply(line, value);
  }
  RequireOneWayToChooseMazes(line.options);
  return line;
}

std::string CommandLineHelp() {
  const auto left = [](const Option& option) {
    return option.value.empty() ? std::string(option.name)
                                : std::string(option.name) + " " + std::string(option.value);
  };
  size_t width = 0;
  for (const Option& option : kOptions) width = std::max(width, left(option).size());
  std::string text = "usage: zaptrail [OPTION]...\n";
  for (const Option& option : kOptions) {
    std::string start = left(option);
    start.resize(width + 2, ' ');
    text += "  " + start + std::string(option.help) + "\n";
  }
  return text;
}

CommandLineOutcome ReadCommandLine(const std::vector<std::string>& arguments, std::ostream& out,
                                   std::ostream& errors) {
  try {
    const CommandLine line = ParseCommandLine(arguments);
    if (line.help) {
      out << CommandLineHelp() << std::flush;
      return {line.options, 0};
    }
    return {line.options, std::nullopt};
  } catch (const CommandLineError& error) {
    errors << "zaptrail: " << error.what() << std::endl;
    return {{}, 2};
  }
}

}  // namespace zaptrail
