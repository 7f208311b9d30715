#pragma once

#include <cstdint>
#include <vector>

#include "tools/soundgen/envelope.hpp"

namespace zaptrail::soundgen {

struct Harmonic {
  int32_t multiple;
  int32_t permille;
};

enum class Glide {
  Linear,
  EaseOut,  // most of the pitch change happens early, then settles
};

// One voice of a cue: a tone whose pitch glides between two frequencies, shaped by an
// envelope that also sets its length.
struct Note {
  int32_t startMs = 0;
  int32_t fromHz = 0;
  int32_t toHz = 0;
  Glide glide = Glide::Linear;
  int32_t vibratoHz = 0;
  int32_t vibratoPermille = 0;
  int32_t levelPermille = 1000;
  std::vector<Harmonic> harmonics = {{1, 1000}};
  Envelope envelope;
};

// Adds the note into `mix` (Q30 amplitudes), growing it as needed.
void RenderNote(const Note& note, std::vector<int64_t>& mix);

}  // namespace zaptrail::soundgen
