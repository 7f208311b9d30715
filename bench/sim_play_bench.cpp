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
#include "session/trail_file.hpp"
#include "session/trail_input.hpp"
#include "session/trail_verify.hpp"
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

uint8_t TrailKeys(const std::vector<Key>& keys) {
  uint8_t bits = 0;
  for (const Key key : keys) bits = static_cast<uint8_t>(bits | TrailBitOf(key));
  return bits;
}

// The same ticks as a trail, proved: the engine's rules without a pixel drawn.
void VerifyTrailWorkload(benchmark::State& state) {
  Trail trail;
  trail.formatVersion = kTrailFormatVersion;
  trail.gameVersion = kGameVersion;
  trail.startRandom = kSeed;
  trail.firstLevel = kReplayLevel;
  trail.periods = {{0, 32}};
  std::istringstream lines(RandomKeys());
  for (std::string line; std::getline(lines, line);) {
    const uint8_t keys = TrailKeys(HeldKeysFromLine(line));
    if (!trail.keys.empty() && trail.keys.back().keys == keys) {
      ++trail.keys.back().ticks;
    } else {
      trail.keys.push_back({keys, 1});
    }
  }
  trail.claimed = VerifyTrail(trail).reached;
  for (auto _ : state) {
    if (!VerifyTrail(trail).matches) state.SkipWithError("the trail did not verify");
  }
}

// Each run replays all ticks, which takes seconds: three repetitions are enough.
BENCHMARK(SimPlayWorkload)->Name("SimPlay")->Apply(Measured)->Repetitions(3);
BENCHMARK(SimPlayFloor)->Name("SimPlayEngine")->Apply(Measured)->Repetitions(3);
BENCHMARK(VerifyTrailWorkload)->Name("VerifyTrail")->Apply(Measured)->Repetitions(3);

}  // namespace
}  // namespace zaptrail::bench
