#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "qt/cue_player.hpp"

namespace zaptrail {
namespace {

// What a tick pays for one cue: reading its wave file and handing it to the device. The cue
// files lie beside the executable, as they do for the game.
void StartCue(benchmark::State& state, const char* file) {
  setenv("SDL_AUDIODRIVER", "dummy", 0);  // a real device only when asked for
  CuePlayer player([] {});
  player.StartOpening();
  if (!player.WaitForDevice()) {
    state.SkipWithError("no audio device");
    return;
  }
  const std::string path =
      (std::filesystem::read_symlink("/proc/self/exe").parent_path() / file).string();
  for (auto _ : state) player.Play(path);
}

BENCHMARK_CAPTURE(StartCue, item, "TAK.WAV")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(StartCue, goal, "CLIA.WAV")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(StartCue, death, "WIN.WAV")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zaptrail
