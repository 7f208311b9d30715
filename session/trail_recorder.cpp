#include "session/trail_recorder.hpp"

#include <algorithm>
#include <utility>

#include "game/game.hpp"
#include "session/trail_file.hpp"
#include "session/trail_replay.hpp"

namespace zaptrail {
namespace {

// More draws than the label game can take between two ticks: the state moved some other way.
constexpr int32_t kMaxDrawsBetweenTicks = 1'000'000;

// How many draws lead from one random state to the other; -1 when none up to the limit does.
int32_t DrawsBetween(uint32_t from, uint32_t to) {
  RandomSource random;
  random.Seed(from);
  for (int32_t draws = 1; draws <= kMaxDrawsBetweenTicks; ++draws) {
    random.Draw();
    if (random.State() == to) return draws;
  }
  return -1;
}

uint8_t KeysOf(const InputFlags& flags) {
  return static_cast<uint8_t>((flags.heldUp ? TrailUp : 0) | (flags.heldRight ? TrailRight : 0) |
                              (flags.heldDown ? TrailDown : 0) | (flags.heldLeft ? TrailLeft : 0) |
                              (flags.fire ? TrailFire : 0));
}

// The trail's first `ticks` ticks, claiming the first `cleared` clearings and a game that stops
// right after the last of them.
Trail CutAt(const Trail& whole, size_t cleared, int64_t ticks, uint32_t stateHash) {
  Trail cut = whole;
  cut.keys.clear();
  int64_t left = ticks;
  for (const KeyRun& run : whole.keys) {
    if (left == 0) break;
    cut.keys.push_back({run.keys, std::min(left, run.ticks)});
    left -= cut.keys.back().ticks;
  }
  std::erase_if(cut.periods, [&](const PeriodChange& change) { return change.tick >= ticks; });
  std::erase_if(cut.labelDraws, [&](const LabelDraws& draws) { return draws.tick >= ticks; });
  cut.claimed.cleared.resize(cleared);
  cut.claimed.ending = TrailEnding::Stopped;
  cut.claimed.endLevel = cut.claimed.cleared.back().level + 1;
  cut.claimed.stateHash = stateHash;
  return cut;
}

}  // namespace

void TrailRecorder::Begin(const Game& game, int32_t period, std::optional<TrailDate> daily) {
  *this = TrailRecorder();
  recording_ = true;
  trail_.formatVersion = kTrailFormatVersion;
  trail_.gameVersion = kGameVersion;
  trail_.startRandom = game.random.State();
  trail_.firstLevel = game.record.Level;
  trail_.startGoalFrame = game.record.GoalFrame;
  trail_.startBestTimes = game.record.BestTimes;
  trail_.daily = daily;
  trail_.periods.push_back({0, period});
  trail_.claimed.endLevel = game.record.Level;
  lastRandom_ = game.random.State();
}

void TrailRecorder::BeforeTick(const Game& game, int32_t period) {
  if (!recording_ || !broken_.empty()) return;
  if (ticks_ == kMaxTrailTicks) {
    broken_ = "the game is longer than a trail may be";
    return;
  }
  const uint32_t random = game.random.State();
  if (random != lastRandom_) {
    const int32_t draws = DrawsBetween(lastRandom_, random);
    if (draws < 0) broken_ = "the random source moved outside the game's rules";
    trail_.labelDraws.push_back({ticks_, draws});
  }
  if (period != trail_.periods.back().period) {
    if (trail_.periods.back().tick == ticks_) {
      trail_.periods.back().period = period;
    } else {
      trail_.periods.push_back({ticks_, period});
    }
  }
}

void TrailRecorder::AfterTick(const Game& game, int32_t levelBefore, bool halted, bool newBest) {
  if (!recording_ || !broken_.empty()) return;
  lastRandom_ = game.random.State();
  if (halted) {
    AddKeys(TrailHalted);
    return;
  }
  ticked_ = true;
  AddKeys(KeysOf(game.sampled));
  if (game.record.Phase == PhasePlaying) startedALevel_ = true;
  NoteTickResults(trail_.claimed, levelBefore, game.record);
  if (newBest) bestCuts_.push_back({trail_.claimed.cleared.size(), ticks_});
}

void TrailRecorder::AddKeys(uint8_t keys) {
  ++ticks_;
  if (!trail_.keys.empty() && trail_.keys.back().keys == keys) {
    ++trail_.keys.back().ticks;
  } else {
    trail_.keys.push_back({keys, 1});
  }
}

std::optional<Trail> TrailRecorder::SoFar(std::string& why) const {
  std::optional<FinishedGame> game = Prove(why);
  if (!game) return std::nullopt;
  return std::move(game->whole);
}

std::optional<FinishedGame> TrailRecorder::Finish(std::string& why) {
  std::optional<FinishedGame> game = Prove(why);
  recording_ = false;
  return game;
}

std::optional<FinishedGame> TrailRecorder::Prove(std::string& why) const {
  if (!recording_ || !startedALevel_) return std::nullopt;
  if (!broken_.empty()) {
    why = broken_;
    return std::nullopt;
  }
  // One replay finds the hash at every cut and at the end, and checks the recording itself.
  FinishedGame finished{trail_, {}};
  SilentReplay replay(trail_);
  size_t cut = 0;
  while (!replay.Done()) {
    replay.Step();
    if (cut < bestCuts_.size() && bestCuts_[cut].ticks == replay.TicksPlayed()) {
      finished.levelBests.push_back(
          CutAt(trail_, bestCuts_[cut].cleared, bestCuts_[cut].ticks, replay.Hash()));
      ++cut;
    }
  }
  finished.whole.claimed.stateHash = replay.Hash();
  const TrailResults& reached = replay.Reached();
  if (reached.cleared != trail_.claimed.cleared || reached.ending != trail_.claimed.ending ||
      reached.endLevel != trail_.claimed.endLevel) {
    why = "playing the game's trail again gave other results";
    return std::nullopt;
  }
  return finished;
}

}  // namespace zaptrail
