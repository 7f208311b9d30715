#include "bench/bench_game.hpp"

#include "game/level.hpp"
#include "game/tick.hpp"
#include "view/sprite_sheet.hpp"

namespace zaptrail::bench {

BenchGame::BenchGame(uint32_t seed) : game(platform, SpriteSheet()) {
  platform.CloseOnEscape(game);
  SetUpGame(game, seed, {});
}

void BenchGame::SetLevel(int32_t level) {
  zaptrail::SetLevel(game.record, level);
}

void BenchGame::Build(int32_t level, uint32_t seed) {
  SetLevel(level);
  game.random.Seed(seed);
  ResetLevelStart(game.record);
  BuildLevel(game);
}

void BenchGame::StartPlaying(int32_t level, uint32_t seed) {
  Build(level, seed);
  game.record.PlayerX = game.record.MazeWidth / 2;
  game.record.PlayerY = game.record.MazeHeight / 2;
  game.record.Power = 500;
  game.record.Phase = PhasePlaying;
}

int64_t DrawsBetween(uint32_t from, uint32_t to) {
  RandomSource random;
  random.Seed(from);
  int64_t draws = 0;
  while (random.State() != to) {
    random.Draw();
    ++draws;
  }
  return draws;
}

}  // namespace zaptrail::bench
