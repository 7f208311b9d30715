// Any bytes as replay input. Every line holds exactly the keys of its letters, and a short
// replay at level 0..3 (the first byte) from a seed (the next four) plays one tick per line up
// to the first Escape, then reports the best times, without an error of its own.
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "tests/fuzz/fuzz_check.hpp"
#include "tools/sim/replay.hpp"
#include "tools/sim/replay_input.hpp"

namespace zaptrail::fuzz {
namespace {

// A replay this long still runs in a few milliseconds, so the fuzzer keeps its pace.
constexpr int32_t kMaxReplayLines = 64;

std::vector<Key> ReferenceKeys(std::string_view line) {
  static constexpr std::string_view kLetters = "URDLFE";
  static constexpr Key kKeys[] = {Key::Up,   Key::Right, Key::Down,
                                  Key::Left, Key::Space, Key::Escape};
  std::vector<Key> keys;
  for (const char c : line) {
    const size_t at = kLetters.find(c);
    if (at != std::string_view::npos) keys.push_back(kKeys[at]);
  }
  return keys;
}

// The lines a replay reads: a line break at the very end starts no further line.
std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    lines.push_back(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
  return lines;
}

int32_t CountLinesStartingWith(std::string_view text, std::string_view start) {
  int32_t count = 0;
  for (const std::string_view line : SplitLines(text)) count += line.starts_with(start) ? 1 : 0;
  return count;
}

}  // namespace

int CheckSimInput(std::string_view bytes) {
  std::vector<std::string_view> lines = SplitLines(bytes);
  for (const std::string_view line : lines) {
    Require(HeldKeysFromLine(line) == ReferenceKeys(line), "a line holds the keys of its letters");
  }
  if (bytes.size() < 5) return 0;

  SimArguments arguments;
  arguments.command = SimArguments::Command::Play;
  arguments.level = static_cast<uint8_t>(bytes[0]) & 3;
  for (size_t i = 1; i < 5; ++i)
    arguments.seed = arguments.seed << 8 | static_cast<uint8_t>(bytes[i]);
  lines = SplitLines(bytes.substr(5));
  if (lines.size() > static_cast<size_t>(kMaxReplayLines)) lines.resize(kMaxReplayLines);
  std::string script;
  int32_t expectedTicks = 0;
  bool closes = false;
  for (const std::string_view line : lines) {
    script.append(line).push_back('\n');
    if (closes) continue;
    ++expectedTicks;
    closes = line.find('E') != std::string_view::npos;
  }

  std::istringstream in(script);
  std::ostringstream out;
  std::ostringstream err;
  Require(RunPlay(arguments, in, out, err) == 0, "the replay succeeds");
  Require(err.str().empty(), "the replay writes no error");
  const std::string report = out.str();
  Require(CountLinesStartingWith(report, "tick ") == expectedTicks,
          "one state line per tick up to the first Escape");
  Require(CountLinesStartingWith(report, "close") == (closes ? 1 : 0), "Escape closes once");
  const std::vector<std::string_view> reportLines = SplitLines(report);
  Require(CountLinesStartingWith(report, "best") == 1 && reportLines.back().starts_with("best"),
          "the best times come last");
  return 0;
}

}  // namespace zaptrail::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return zaptrail::fuzz::CheckSimInput(std::string_view(reinterpret_cast<const char*>(data), size));
}
