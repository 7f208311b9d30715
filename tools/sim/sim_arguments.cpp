#include "tools/sim/sim_arguments.hpp"

namespace zaptrail {
namespace {

std::optional<uint64_t> ParseDecimal(const std::string& text, uint64_t maximum) {
  if (text.empty() || text.size() > 10) return std::nullopt;
  uint64_t value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<uint64_t>(c - '0');
  }
  if (value > maximum) return std::nullopt;
  return value;
}

}  // namespace

const char* const kSimUsage =
    "usage: zaptrail-sim level SEED LEVEL\n"
    "       zaptrail-sim play SEED LEVEL [RECORDS] [--snapshot FILE]\n"
    "       zaptrail-sim verify TRAIL [--json]\n"
    "SEED is 0..4294967295, LEVEL is 0..3000";

std::optional<SimArguments> ParseSimArguments(const std::vector<std::string>& arguments) {
  SimArguments parsed;
  if (!arguments.empty() && arguments[0] == "verify") {
    parsed.command = SimArguments::Command::Verify;
    parsed.json = arguments.size() == 3 && arguments[2] == "--json";
    if (arguments.size() != (parsed.json ? 3U : 2U)) return std::nullopt;
    parsed.trailPath = arguments[1];
    return parsed;
  }
  std::vector<std::string> positional;
  for (size_t i = 0; i < arguments.size(); ++i) {
    if (arguments[i] == "--snapshot") {
      if (i + 1 >= arguments.size()) return std::nullopt;
      parsed.snapshotPath = arguments[++i];
    } else {
      positional.push_back(arguments[i]);
    }
  }
  if (positional.size() < 3) return std::nullopt;
  if (positional[0] == "level" && positional.size() == 3 && parsed.snapshotPath.empty()) {
    parsed.command = SimArguments::Command::Level;
  } else if (positional[0] == "play" && positional.size() <= 4) {
    parsed.command = SimArguments::Command::Play;
    if (positional.size() == 4) parsed.recordsPath = positional[3];
  } else {
    return std::nullopt;
  }
  const std::optional<uint64_t> seed = ParseDecimal(positional[1], 0xFFFFFFFFull);
  const std::optional<uint64_t> level = ParseDecimal(positional[2], kMaxReplayLevel);
  if (!seed || !level) return std::nullopt;
  parsed.seed = static_cast<uint32_t>(*seed);
  parsed.level = static_cast<int32_t>(*level);
  return parsed;
}

}  // namespace zaptrail
