#include "session/trail_verify.hpp"

#include <cstdio>

#include "game/game_record.hpp"
#include "game/random.hpp"
#include "session/trail_file.hpp"
#include "session/trail_replay.hpp"

namespace zaptrail {
namespace {

class Fnv1a {
 public:
  void Add(uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) AddByte(static_cast<uint8_t>(value >> shift));
  }
  void AddByte(uint8_t byte) { hash_ = (hash_ ^ byte) * 16777619u; }
  uint32_t Value() const { return hash_; }

 private:
  uint32_t hash_ = 2166136261u;
};

std::string Hex(uint32_t value) {
  char text[9];
  std::snprintf(text, sizeof text, "%08x", value);
  return text;
}

std::string EndingText(const TrailResults& results) {
  return std::string(results.ending == TrailEnding::Died ? "died" : "stopped") + " on level " +
         std::to_string(results.endLevel);
}

// The first claimed result the rules did not reach, in the order a reader checks them.
std::string FirstDifference(const TrailResults& claimed, const TrailResults& reached) {
  for (size_t i = 0; i < claimed.cleared.size() && i < reached.cleared.size(); ++i) {
    if (claimed.cleared[i] != reached.cleared[i]) {
      return "level " + std::to_string(claimed.cleared[i].level) + ": claimed time " +
             std::to_string(claimed.cleared[i].time) + ", the rules give " +
             std::to_string(reached.cleared[i].time);
    }
  }
  if (claimed.cleared.size() != reached.cleared.size()) {
    return "claimed " + std::to_string(claimed.cleared.size()) +
           " cleared levels, the rules clear " + std::to_string(reached.cleared.size());
  }
  if (claimed.ending != reached.ending || claimed.endLevel != reached.endLevel) {
    return "claimed the game " + EndingText(claimed) + ", by the rules it " + EndingText(reached);
  }
  if (claimed.stateHash != reached.stateHash) {
    return "claimed the state hash " + Hex(claimed.stateHash) + ", the rules end at " +
           Hex(reached.stateHash);
  }
  return {};
}

}  // namespace

uint32_t StateHash(const GameRecord& record, const RandomSource& random) {
  Fnv1a hash;
  for (const int32_t field :
       {record.MazeWidth, record.MazeHeight, record.PlayerX, record.PlayerY, record.GoalX,
        record.GoalY, record.GoalHeading, record.ElapsedTime, record.SubTick, record.Level,
        record.GoalFrame, record.Power, static_cast<int32_t>(record.PlayerPose),
        static_cast<int32_t>(record.Phase), static_cast<int32_t>(record.Variant),
        static_cast<int32_t>(record.TitleDelay)}) {
    hash.Add(static_cast<uint32_t>(field));
  }
  // Only the movers in use: a free slot keeps whatever an earlier level left there.
  for (int32_t slot = 0; slot < kMoverSlots; ++slot) {
    if (record.MoverActive[slot] == 0) continue;
    hash.Add(static_cast<uint32_t>(slot));
    hash.Add(static_cast<uint32_t>(record.MoverX[slot]));
    hash.Add(static_cast<uint32_t>(record.MoverY[slot]));
  }
  for (const uint8_t cell : record.Cells) hash.AddByte(cell);
  hash.Add(random.State());
  return hash.Value();
}

void RequirePlayable(const Trail& trail) {
  if (trail.gameVersion != kGameVersion) {
    throw TrailError("the trail was made by zaptrail " + trail.gameVersion + ", this is zaptrail " +
                     kGameVersion + ", whose rules may differ");
  }
  if (trail.firstLevel < 0 || trail.firstLevel > kMaxTrailFirstLevel) {
    throw TrailError("the trail starts at level " + std::to_string(trail.firstLevel) + ", beyond " +
                     std::to_string(kMaxTrailFirstLevel));
  }
}

Verification VerifyTrail(const Trail& trail) {
  RequirePlayable(trail);
  SilentReplay replay(trail);
  while (!replay.Done()) replay.Step();
  Verification verification;
  verification.reached = replay.Reached();
  verification.reached.stateHash = replay.Hash();
  verification.ticks = replay.TicksPlayed();
  verification.difference = FirstDifference(trail.claimed, verification.reached);
  verification.matches = verification.difference.empty();
  return verification;
}

}  // namespace zaptrail
