#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "session/trail.hpp"

// Proof of a trail: the game played again from its start with its keys, periods and draws,
// without drawing any pixels, and its results compared with the claimed ones. A stable
// interface, used by zaptrail-sim verify and the score board.
namespace zaptrail {

struct GameRecord;
class RandomSource;

// A 32-bit FNV-1a over the state the rules keep (the record's rule fields, the grid and the
// random state); the same on every system.
uint32_t StateHash(const GameRecord& record, const RandomSource& random);

struct Verification {
  TrailResults reached;    // what the rules produced
  int64_t ticks = 0;       // ticks played
  bool matches = false;    // every claimed result was reached
  std::string difference;  // the first claimed result that was not, empty when all were
};

// Throws TrailError when this game cannot play the trail: another game version, a first level
// out of range.
void RequirePlayable(const Trail& trail);

// Plays the trail again. Throws TrailError when it cannot be played at all: another game
// version, a first level out of range.
Verification VerifyTrail(const Trail& trail);

}  // namespace zaptrail
