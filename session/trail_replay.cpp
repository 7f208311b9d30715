#include "session/trail_replay.hpp"

#include "game/errors.hpp"
#include "game/level.hpp"
#include "game/tick.hpp"
#include "session/trail_verify.hpp"

namespace zaptrail {

void NoteTickResults(TrailResults& results, int32_t levelBefore, const GameRecord& after) {
  if (after.Level == levelBefore + 1) results.cleared.push_back({levelBefore, after.ElapsedTime});
  results.ending = after.Phase == PhaseDead ? TrailEnding::Died : TrailEnding::Stopped;
  results.endLevel = after.Level;
}

void TrailReplay::SetUp(Game& game, TrailInput& input) const {
  input.PlayKeys(0);
  SetUpGame(game, trail_.startRandom, trail_.startBestTimes);
  SetLevel(game.record, trail_.firstLevel);
  game.record.GoalFrame = trail_.startGoalFrame;
}

void TrailReplay::Step(Game& game, TrailInput& input) {
  while (draws_ < trail_.labelDraws.size() && trail_.labelDraws[draws_].tick == tick_) {
    for (int32_t i = 0; i < trail_.labelDraws[draws_].draws; ++i) game.random.Draw();
    ++draws_;
  }
  const uint8_t keys = trail_.keys[run_].keys;
  if (++usedOfRun_ == trail_.keys[run_].ticks) {
    ++run_;
    usedOfRun_ = 0;
  }
  ++tick_;
  if (period_ + 1 < trail_.periods.size() && trail_.periods[period_ + 1].tick == tick_) ++period_;
  if ((keys & TrailHalted) != 0) return;
  input.PlayKeys(keys);
  const int32_t levelBefore = game.record.Level;
  struct NoteResults {
    TrailResults& results;
    int32_t levelBefore;
    const GameRecord& record;
    ~NoteResults() { NoteTickResults(results, levelBefore, record); }
  } note{reached_, levelBefore, game.record};
  Timer1Timer(game);
}

SilentReplay::SilentReplay(const Trail& trail) : replay_(trail) {
  game_.drawsPixels = false;
  replay_.SetUp(game_, input_);
}

void SilentReplay::Step() {
  try {
    replay_.Step(game_, input_);
  } catch (const GameError&) {
    // The game shows it and goes on with the next tick; so does the replay.
  }
}

uint32_t SilentReplay::Hash() const {
  return StateHash(game_.record, game_.random);
}

}  // namespace zaptrail
