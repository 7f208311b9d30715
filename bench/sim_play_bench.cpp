#include <benchmark/benchmark.h>

#include <array>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "bench/bench_game.hpp"
#include "bench/measured.hpp"
#include "bench/sim_play_bench.hpp"
#include "game/tick.hpp"
#include "tools/sim/replay.hpp"
#include "tools/sim/replay_input.hpp"

namespace zaptrail::bench {
namespace {

constexpr uint32_t kSeed = 5;

// Random arrows, with Fire on about one tick in 32 so that every death soon starts a new game.
std::string RandomKeys() {
  static const char* const kLines[] = {"",   "U",  "R",  "D",  "L", "UR", "UL",
                                       "DR", "DL", "RL", "UD", "R", "L"};
  std::mt19937 generator(2024);
  std::string keys = "F\n";
  for (int32_t tick = 1; tick < kReplayTicks; ++tick) {
    if (generator() % 32 == 0) {
      keys += "F\n";
    } else {
      keys += kLines[generator() % std::size(kLines)];
      keys += '\n';
    }
  }
  return keys;
}

// Takes what the replay prints as a pipe to a fast reader would: a buffer written and dropped,
// so that no growing string is copied about.
class DroppingBuffer : public std::streambuf {
 public:
  DroppingBuffer() { setp(buffer_.data(), buffer_.data() + buffer_.size()); }

 protected:
  int_type overflow(int_type c) override {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    if (!traits_type::eq_int_type(c, traits_type::eof())) sputc(traits_type::to_char_type(c));
    return traits_type::not_eof(c);
  }

 private:
  std::array<char, 1 << 16> buffer_{};
};

void SimPlayWorkload(benchmark::State& state) {
  const std::string keys = RandomKeys();
  SimArguments arguments;
  arguments.command = SimArguments::Command::Play;
  arguments.seed = kSeed;
  arguments.level = kReplayLevel;
  DroppingBuffer dropped;
  std::ostream out(&dropped);
  for (auto _ : state) {
    std::istringstream in(keys);
    std::ostringstream err;
    if (RunPlay(arguments, in, out, err) != 0) state.SkipWithError("the replay failed");
  }
}

// The same ticks without the replay's reading and printing: the engine alone.
void SimPlayFloor(benchmark::State& state) {
  std::vector<std::vector<Key>> held;
  std::istringstream lines(RandomKeys());
  for (std::string line; std::getline(lines, line);) held.push_back(HeldKeysFromLine(line));
  for (auto _ : state) {
    BenchGame bench(kSeed);
    bench.SetLevel(kReplayLevel);
    for (const std::vector<Key>& keys : held) {
      bench.platform.HoldOnly(keys);
      Timer1Timer(bench.game);
    }
    benchmark::DoNotOptimize(bench.game.record.Power);
  }
}

// Each run replays all ticks, which takes seconds: three repetitions are enough.
BENCHMARK(SimPlayWorkload)->Name("SimPlay")->Apply(Measured)->Repetitions(3);
BENCHMARK(SimPlayFloor)->Name("SimPlayEngine")->Apply(Measured)->Repetitions(3);

}  // namespace
}  // namespace zaptrail::bench
