#include <benchmark/benchmark.h>

#include "bench/bench_game.hpp"
#include "bench/floors.hpp"
#include "bench/measured.hpp"
#include "game/play_field.hpp"
#include "game/tick.hpp"
#include "session/trail_recorder.hpp"
#include "session/window_descriptions.hpp"
#include "view/sprite_sheet.hpp"

namespace zaptrail::bench {
namespace {

constexpr uint32_t kSeed = 1;

void DrawViewWorkload(benchmark::State& state) {
  BenchGame bench;
  bench.StartPlaying(static_cast<int32_t>(state.range(0)), kSeed);
  const auto centre = static_cast<uint8_t>(ChickTile + bench.game.record.PlayerPose);
  for (auto _ : state) {
    DrawView(bench.game, centre);
    benchmark::ClobberMemory();
  }
}

void DrawViewFloor(benchmark::State& state) {
  PixelSurface field(240, 224);
  for (auto _ : state) {
    ViewFloor(field, SpriteSheet());
    benchmark::ClobberMemory();
  }
}

// One playing tick as the timer runs it: cell check, move, hazards, clock, view and compass.
// Recorded, the session's trail recorder is around it as in every game the player plays.
template <bool Recorded>
void PlayingTickWorkload(benchmark::State& state) {
  BenchGame bench;
  bench.StartPlaying(static_cast<int32_t>(state.range(0)), kSeed);
  GameRecord& record = bench.game.record;
  int32_t movers = 0;
  for (const uint8_t active : record.MoverActive) movers += active;
  TrailRecorder recorder;
  if constexpr (Recorded) recorder.Begin(bench.game, kDesignPeriod, std::nullopt);
  for (auto _ : state) {
    // Keeps the chick alive however many ticks the run takes.
    record.Power = 500;
    if constexpr (Recorded) recorder.BeforeTick(bench.game, kDesignPeriod);
    const int32_t level = record.Level;
    Timer1Timer(bench.game);
    if constexpr (Recorded) recorder.AfterTick(bench.game, level, false, false);
  }
  if (record.Phase != PhasePlaying) state.SkipWithError("the level ended during the run");
  if (Recorded && !recorder.HasTicked()) state.SkipWithError("the recorder took no tick");
  state.counters["movers"] = movers;
}

// The recorder's own work in a tick, without the tick: the share of a tick that recording costs.
void TrailRecorderWorkload(benchmark::State& state) {
  BenchGame bench;
  bench.StartPlaying(0, kSeed);
  TrailRecorder recorder;
  recorder.Begin(bench.game, kDesignPeriod, std::nullopt);
  for (auto _ : state) {
    recorder.BeforeTick(bench.game, kDesignPeriod);
    recorder.AfterTick(bench.game, bench.game.record.Level, false, false);
    benchmark::ClobberMemory();
  }
  if (!recorder.HasTicked()) state.SkipWithError("the recorder took no tick");
}

BENCHMARK(DrawViewWorkload)->Name("DrawView")->Arg(0)->Arg(54)->Apply(Measured);
BENCHMARK(DrawViewFloor)->Name("ViewFloor")->Apply(Measured);
BENCHMARK(PlayingTickWorkload<false>)->Name("PlayingTick")->Arg(0)->Arg(54)->Apply(Measured);
BENCHMARK(PlayingTickWorkload<true>)->Name("RecordedTick")->Arg(0)->Arg(54)->Apply(Measured);
BENCHMARK(TrailRecorderWorkload)->Name("TrailRecorder")->Apply(Measured);

}  // namespace
}  // namespace zaptrail::bench
