#pragma once

#include <cstdint>
#include <vector>

#include "envelope.h"

namespace soundgen {

struct Harmonic {
  int32_t multiple;
  int32_t permille;
};

enum class Glide {
  kLinear,
  kEaseOut,  // most of the pitch change happens early, then settles
};

// One voice of a cue: a tone whose pitch glides between two frequencies, shaped by an
// envelope that also sets its length.
struct Note {
  int32_t start_ms = 0;
  int32_t from_hz = 0;
  int32_t to_hz = 0;
  Glide glide = Glide::kLinear;
  int32_t vibrato_hz = 0;
  int32_t vibrato_permille = 0;
  int32_t level_permille = 1000;
  std::vector<Harmonic> harmonics = {{1, 1000}};
  Envelope envelope;
};

// Adds the note into `mix` (Q30 amplitudes), growing it as needed.
void render_note(const Note& note, std::vector<int64_t>& mix);

}  // namespace soundgen
