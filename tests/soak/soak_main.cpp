// Plays random held keys through the real tick on every level from FIRST to LAST, RUNS games
// each of TICKS ticks, and checks the grid's rules after every tick. The same arguments play
// the same games, so a failure names everything needed to play it again.
#include <array>
#include <chrono>
#include <cstdio>
#include <exception>
#include <optional>
#include <random>
#include <string>

#include "game/game.hpp"
#include "game/integer_text.hpp"
#include "game/level.hpp"
#include "game/tick.hpp"
#include "tests/soak/grid_rules.hpp"
#include "tests/soak/held_key_script.hpp"
#include "tools/sim/scripted_platform.hpp"
#include "tools/sim/sim_arguments.hpp"
#include "view/sprite_sheet.hpp"

namespace zaptrail::soak {
namespace {

struct Tally {
  int64_t ticks = 0;
  std::array<int64_t, 8> playingTicks{};  // by variant
  int32_t cleared = 0;
  int32_t deaths = 0;
};

uint32_t RunSeed(int32_t level, int32_t run) {
  return static_cast<uint32_t>(level) * 7919u + static_cast<uint32_t>(run) * 104729u + 1u;
}

// A game that starts on the given level with a best time for every level before it, so that
// clearing it compares with a stored time instead of failing on a missing line.
void StartAtLevel(Game& game, uint32_t seed, int32_t level) {
  SetUpGame(game, seed, {});
  GameRecord& record = game.record;
  std::minstd_rand times(seed);
  for (int32_t i = 0; i < level; ++i) record.BestTimes.push_back(std::to_string(times() % 400));
  SetLevel(record, level);
}

// False, after saying why, when a tick broke a rule.
bool PlayRun(int32_t level, int32_t run, int32_t ticks, Tally& tally) {
  const uint32_t seed = RunSeed(level, run);
  ScriptedPlatform platform;
  Game game(platform, SpriteSheet());
  platform.CloseOnEscape(game);
  StartAtLevel(game, seed, level);
  GameRecord& record = game.record;
  HeldKeyScript keys(seed);
  std::optional<GridShape> shape;  // unknown until the first level is built
  for (int32_t tick = 1; tick <= ticks; ++tick) {
    const int8_t phaseBefore = record.Phase;
    const int32_t levelBefore = record.Level;
    platform.HoldOnly(keys.Next());
    std::string broken;
    try {
      Timer1Timer(game);
    } catch (const std::exception& error) {
      broken = std::string("the tick raised \"") + error.what() + '"';
    }
    if (record.Phase == PhasePlaying || record.Phase == PhaseDead) {
      shape = GridShape{record.MazeWidth, record.MazeHeight};
    }
    if (broken.empty() && shape) broken = FindBrokenRule(record, *shape);
    if (!broken.empty()) {
      std::fprintf(stderr, "soak: level %d run %d (seed %u) tick %d: %s\n", level, run, seed, tick,
                   broken.c_str());
      return false;
    }
    ++tally.ticks;
    if (phaseBefore == PhasePlaying) {
      ++tally.playingTicks[static_cast<size_t>(record.Variant)];
      if (record.Level != levelBefore) ++tally.cleared;
      if (record.Phase == PhaseDead) ++tally.deaths;
    }
  }
  return true;
}

std::optional<int32_t> Argument(const char* text) {
  const std::optional<int32_t> value = ParseInteger(text);
  if (!value || *value < 0) return std::nullopt;
  return value;
}

int RunSoak(int argc, char** argv) {
  std::array<std::optional<int32_t>, 4> numbers;
  for (int i = 0; i < 4 && i + 1 < argc; ++i) {
    numbers[static_cast<size_t>(i)] = Argument(argv[i + 1]);
  }
  const auto& [first, last, runs, ticks] = numbers;
  if (argc != 5 || !first || !last || !runs || !ticks || *last > kMaxReplayLevel) {
    std::fprintf(stderr, "usage: zaptrail-soak FIRST_LEVEL LAST_LEVEL RUNS TICKS\n");
    return 2;
  }
  const auto start = std::chrono::steady_clock::now();
  Tally tally;
  for (int32_t level = *first; level <= *last; ++level) {
    for (int32_t run = 0; run < *runs; ++run) {
      if (!PlayRun(level, run, *ticks, tally)) return 1;
    }
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("soak: levels %d..%d, %lld ticks in %.1f s, %d levels cleared, %d deaths\n", *first,
              *last, static_cast<long long>(tally.ticks), seconds, tally.cleared, tally.deaths);
  std::printf("soak: playing ticks by variant:");
  for (const int64_t count : tally.playingTicks)
    std::printf(" %lld", static_cast<long long>(count));
  std::printf("\n");
  return 0;
}

}  // namespace
}  // namespace zaptrail::soak

int main(int argc, char** argv) {
  return zaptrail::soak::RunSoak(argc, argv);
}
