#include "cues.h"

#include "note.h"
#include "peak_level.h"

namespace soundgen {
namespace {

// Pitches of the fanfare (C major, sixth and seventh octaves), in Hz.
constexpr int32_t kC6 = 1047;
constexpr int32_t kE6 = 1319;
constexpr int32_t kG6 = 1568;
constexpr int32_t kC7 = 2093;

std::vector<int16_t> mix_notes(const std::vector<Note>& notes) {
  std::vector<int64_t> mix;
  for (const Note& note : notes) render_note(note, mix);
  return scale_to_peak(mix);
}

// Short notes that ring briefly then fade, so consecutive ones stay separate.
Note fanfare_step(int32_t start_ms, int32_t hz) {
  return Note{.start_ms = start_ms,
              .from_hz = hz,
              .to_hz = hz,
              .harmonics = {{1, 1000}, {2, 300}, {3, 150}},
              .envelope = {{0, 0}, {3, 1000}, {40, 700}, {70, 0}}};
}

}  // namespace

std::vector<int16_t> pickup_chirp() {
  return mix_notes({Note{.from_hz = 620,
                         .to_hz = 1860,
                         .glide = Glide::kEaseOut,
                         .harmonics = {{1, 1000}, {2, 250}},
                         .envelope = {{0, 0}, {3, 1000}, {50, 850}, {90, 0}}}});
}

std::vector<int16_t> goal_fanfare() {
  const Envelope held = {{0, 0}, {3, 1000}, {120, 750}, {260, 400}, {360, 0}};
  return mix_notes({
      fanfare_step(0, kC6),
      fanfare_step(75, kE6),
      fanfare_step(150, kG6),
      Note{.start_ms = 225,
           .from_hz = kC7,
           .to_hz = kC7,
           .vibrato_hz = 7,
           .vibrato_permille = 6,
           .harmonics = {{1, 1000}, {2, 300}, {3, 150}},
           .envelope = held},
      // The octave below gives the final note body on small speakers.
      Note{.start_ms = 225,
           .from_hz = kC6,
           .to_hz = kC6,
           .level_permille = 500,
           .harmonics = {{1, 1000}, {3, 200}},
           .envelope = held},
  });
}

std::vector<int16_t> death_tone() {
  // Odd harmonics keep the low end of the sweep audible on laptop speakers.
  return mix_notes({Note{.from_hz = 880,
                         .to_hz = 110,
                         .glide = Glide::kEaseOut,
                         .vibrato_hz = 11,
                         .vibrato_permille = 60,
                         .harmonics = {{1, 1000}, {3, 330}, {5, 150}},
                         .envelope = {{0, 0}, {5, 1000}, {350, 900}, {650, 450}, {800, 0}}}});
}

std::vector<Cue> all_cues() {
  return {
      {"TAK.WAV", pickup_chirp()},
      {"CLIA.WAV", goal_fanfare()},
      {"WIN.WAV", death_tone()},
  };
}

}  // namespace soundgen
