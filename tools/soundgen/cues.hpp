#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zaptrail::soundgen {

struct Cue {
  std::string fileName;
  std::vector<int16_t> samples;
};

// Chick grabs a power jug: a quick rising chirp.
std::vector<int16_t> PickupChirp();

// Level cleared: a short rising arpeggio ending on a held octave.
std::vector<int16_t> GoalFanfare();

// Chick is caught: a buzzy tone wobbling downwards.
std::vector<int16_t> DeathTone();

// Every cue with the file name the game loads it under.
std::vector<Cue> AllCues();

}  // namespace zaptrail::soundgen
