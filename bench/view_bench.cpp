#include <benchmark/benchmark.h>

#include "bench/bench_game.hpp"
#include "bench/floors.hpp"
#include "bench/measured.hpp"
#include "game/play_field.hpp"
#include "game/tick.hpp"
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
void PlayingTickWorkload(benchmark::State& state) {
  BenchGame bench;
  bench.StartPlaying(static_cast<int32_t>(state.range(0)), kSeed);
  GameRecord& record = bench.game.record;
  int32_t movers = 0;
  for (const uint8_t active : record.MoverActive) movers += active;
  for (auto _ : state) {
    // Keeps the chick alive however many ticks the run takes.
    record.Power = 500;
    Timer1Timer(bench.game);
  }
  if (record.Phase != PhasePlaying) state.SkipWithError("the level ended during the run");
  state.counters["movers"] = movers;
}

BENCHMARK(DrawViewWorkload)->Name("DrawView")->Arg(0)->Arg(54)->Apply(Measured);
BENCHMARK(DrawViewFloor)->Name("ViewFloor")->Apply(Measured);
BENCHMARK(PlayingTickWorkload)->Name("PlayingTick")->Arg(0)->Arg(54)->Apply(Measured);

}  // namespace
}  // namespace zaptrail::bench
