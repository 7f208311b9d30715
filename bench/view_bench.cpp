#include <benchmark/benchmark.h>

#include "bench/bench_game.hpp"
#include "bench/floors.hpp"
#include "bench/measured.hpp"
#include "game/play_field.hpp"
#include "game/tick.hpp"
#include "session/trail_file.hpp"
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

// The session's trail recorder around a bench game's ticks. Begun again before the trail
// reaches the most ticks a trail may hold, past which a recorder does no work at all.
class BenchRecorder {
 public:
  explicit BenchRecorder(const Game& game) : game_(game) { Restart(); }
  void BeforeTick() { recorder_.BeforeTick(game_, kDesignPeriod); }
  void AfterTick(int32_t levelBefore) {
    recorder_.AfterTick(game_, levelBefore, false, false);
    if (++ticks_ == kMaxTrailTicks) Restart();
  }
  bool HasTicked() const { return recorder_.HasTicked(); }

 private:
  void Restart() {
    recorder_.Begin(game_, kDesignPeriod, std::nullopt);
    ticks_ = 0;
  }
  const Game& game_;
  TrailRecorder recorder_;
  int64_t ticks_ = 0;
};

// One playing tick as the timer runs it: cell check, move, hazards, clock, view and compass.
// Recorded, the session's trail recorder is around it as in every game the player plays.
template <bool Recorded>
void PlayingTickWorkload(benchmark::State& state) {
  BenchGame bench;
  bench.StartPlaying(static_cast<int32_t>(state.range(0)), kSeed);
  GameRecord& record = bench.game.record;
  int32_t movers = 0;
  for (const uint8_t active : record.MoverActive) movers += active;
  BenchRecorder recorder(bench.game);
  for (auto _ : state) {
    // Keeps the chick alive however many ticks the run takes.
    record.Power = 500;
    if constexpr (Recorded) recorder.BeforeTick();
    const int32_t level = record.Level;
    Timer1Timer(bench.game);
    if constexpr (Recorded) recorder.AfterTick(level);
  }
  if (record.Phase != PhasePlaying) state.SkipWithError("the level ended during the run");
  if (Recorded && !recorder.HasTicked()) state.SkipWithError("the recorder took no tick");
  state.counters["movers"] = movers;
}

// The recorder's own work in a tick, without the tick, at its most: the keys change every tick,
// so that every tick adds a run.
void TrailRecorderWorkload(benchmark::State& state) {
  BenchGame bench;
  bench.StartPlaying(0, kSeed);
  BenchRecorder recorder(bench.game);
  for (auto _ : state) {
    bench.game.sampled.fire = !bench.game.sampled.fire;
    recorder.BeforeTick();
    recorder.AfterTick(bench.game.record.Level);
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
