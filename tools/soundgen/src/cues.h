#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace soundgen {

struct Cue {
  std::string file_name;
  std::vector<int16_t> samples;
};

// Chick grabs a power jug: a quick rising chirp.
std::vector<int16_t> pickup_chirp();

// Level cleared: a short rising arpeggio ending on a held octave.
std::vector<int16_t> goal_fanfare();

// Chick is caught: a buzzy tone wobbling downwards.
std::vector<int16_t> death_tone();

// Every cue with the file name the game loads it under.
std::vector<Cue> all_cues();

}  // namespace soundgen
