#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "session/trail.hpp"

namespace zaptrail {

struct Game;

// A game that has ended, as trails to keep: the whole game, and for each level whose best time
// it set, the game up to that clearing.
struct FinishedGame {
  Trail whole;
  std::vector<Trail> levelBests;
};

// Writes down a game as the session plays it, tick by tick, without slowing a tick down:
// per tick it only compares a few numbers and counts the keys into runs. The state hashes the
// trails claim are found when the game ends, by playing the trail again.
class TrailRecorder {
 public:
  bool Recording() const { return recording_; }
  // The game has just had its NewGame; its random state and first level are the trail's start.
  void Begin(const Game& game, int32_t period, std::optional<TrailDate> daily);
  // Before a tick: the draws the label game took since the last one, and the period in force.
  void BeforeTick(const Game& game, int32_t period);
  // After a tick, one an error ended too: a halted tick is marked as such, any other adds its
  // keys and results. `newBest` says the tick set the best time of the level it cleared.
  void AfterTick(const Game& game, int32_t levelBefore, bool halted, bool newBest);
  // Some tick of the game ran unhalted.
  bool HasTicked() const { return ticked_; }
  // Ends the recording. Empty when there is nothing worth keeping (no level was started), or
  // when `why` says what went wrong.
  std::optional<FinishedGame> Finish(std::string& why);
  // The whole game so far, recording going on; empty as Finish.
  std::optional<Trail> SoFar(std::string& why) const;

 private:
  struct Cut {
    size_t cleared = 0;  // levels cleared up to the cut
    int64_t ticks = 0;
  };
  void AddKeys(uint8_t keys);
  // The trails as claimed, their hashes found by playing the recording again.
  std::optional<FinishedGame> Prove(std::string& why) const;

  bool recording_ = false;
  bool startedALevel_ = false;
  bool ticked_ = false;
  Trail trail_;
  int64_t ticks_ = 0;
  uint32_t lastRandom_ = 0;
  std::vector<Cut> bestCuts_;
  std::string broken_;  // why the recording cannot be kept, once something went wrong
};

}  // namespace zaptrail
