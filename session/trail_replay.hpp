#pragma once

#include <cstddef>
#include <cstdint>

#include "game/game.hpp"
#include "session/trail.hpp"
#include "session/trail_input.hpp"
#include "view/surface.hpp"

namespace zaptrail {

// What one tick did to the results: a level cleared (Level rose past `levelBefore`), and how
// the game stands after it. Recording and replaying both judge ticks by this.
void NoteTickResults(TrailResults& results, int32_t levelBefore, const GameRecord& after);

// Plays a trail's ticks on a game one at a time: first the label game's draws due before the
// tick, then the tick with the trail's keys, or no tick while the trail held the game halted.
class TrailReplay {
 public:
  explicit TrailReplay(const Trail& trail) : trail_(trail) {}

  // Puts the game where the trail starts: seeded, on its title screen, at its first level, with
  // the best times it began with. The game reaches its platform through `input`.
  void SetUp(Game& game, TrailInput& input) const;
  bool Done() const { return run_ == trail_.keys.size(); }
  int64_t TicksPlayed() const { return tick_; }
  // The tick period in force for the next tick.
  int32_t Period() const { return trail_.periods[period_].period; }
  // The next tick; an error the tick raises ends it, as in the game, and is passed on.
  void Step(Game& game, TrailInput& input);
  const TrailResults& Reached() const { return reached_; }

 private:
  const Trail& trail_;
  size_t run_ = 0;
  int64_t usedOfRun_ = 0;
  size_t period_ = 0;
  size_t draws_ = 0;
  int64_t tick_ = 0;
  TrailResults reached_;
};

// A trail played again by a game shown nowhere, which draws no pixels: for proving trails.
// An error a tick raises ends that tick only, as in the game.
class SilentReplay {
 public:
  explicit SilentReplay(const Trail& trail);
  SilentReplay(const SilentReplay&) = delete;
  SilentReplay& operator=(const SilentReplay&) = delete;

  bool Done() const { return replay_.Done(); }
  void Step();
  int64_t TicksPlayed() const { return replay_.TicksPlayed(); }
  const TrailResults& Reached() const { return replay_.Reached(); }
  // StateHash of the game as it stands.
  uint32_t Hash() const;

 private:
  TrailInput input_{nullptr};
  PixelSurface noSheet_;
  Game game_{input_, noSheet_};
  TrailReplay replay_;
};

}  // namespace zaptrail
