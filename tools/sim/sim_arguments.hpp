#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zaptrail {

// The deepest level a replay may ask for. Beyond it a single draw (at most 32767) no longer
// reaches enough free cells near the top of the maze for every item, and the item placement
// would never end; the grid's cell count would overflow 32 bits soon after.
inline constexpr int32_t kMaxReplayLevel = 3000;

struct SimArguments {
  enum class Command { Level, Play, Verify };
  Command command = Command::Level;
  uint32_t seed = 0;
  int32_t level = 0;
  std::string recordsPath;
  std::string snapshotPath;
  std::string trailPath;
  bool json = false;
};

// Empty when the arguments are missing, not numbers or out of range.
std::optional<SimArguments> ParseSimArguments(const std::vector<std::string>& arguments);

extern const char* const kSimUsage;

}  // namespace zaptrail
