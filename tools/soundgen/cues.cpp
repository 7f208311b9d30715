#include "tools/soundgen/cues.hpp"

#include "tools/soundgen/note.hpp"
#include "tools/soundgen/peak_level.hpp"

namespace zaptrail::soundgen {
namespace {

// Pitches of the fanfare (C major, sixth and seventh octaves), in Hz.
constexpr int32_t kC6 = 1047;
constexpr int32_t kE6 = 1319;
constexpr int32_t kG6 = 1568;
constexpr int32_t kC7 = 2093;

std::vector<int16_t> MixNotes(const std::vector<Note>& notes) {
  std::vector<int64_t> mix;
  for (const Note& note : notes) RenderNote(note, mix);
  return ScaleToPeak(mix);
}

// Short notes that ring briefly then fade, so consecutive ones stay separate.
Note FanfareStep(int32_t startMs, int32_t hz) {
  return Note{.startMs = startMs,
              .fromHz = hz,
              .toHz = hz,
              .harmonics = {{1, 1000}, {2, 300}, {3, 150}},
              .envelope = {{0, 0}, {3, 1000}, {40, 700}, {70, 0}}};
}

}  // namespace

std::vector<int16_t> PickupChirp() {
  return MixNotes({Note{.fromHz = 620,
                        .toHz = 1860,
                        .glide = Glide::EaseOut,
                        .harmonics = {{1, 1000}, {2, 250}},
                        .envelope = {{0, 0}, {3, 1000}, {50, 850}, {90, 0}}}});
}

std::vector<int16_t> GoalFanfare() {
  const Envelope held = {{0, 0}, {3, 1000}, {120, 750}, {260, 400}, {360, 0}};
  return MixNotes({
      FanfareStep(0, kC6),
      FanfareStep(75, kE6),
      FanfareStep(150, kG6),
      Note{.startMs = 225,
           .fromHz = kC7,
           .toHz = kC7,
           .vibratoHz = 7,
           .vibratoPermille = 6,
           .harmonics = {{1, 1000}, {2, 300}, {3, 150}},
           .envelope = held},
      // The octave below gives the final note body on small speakers.
      Note{.startMs = 225,
           .fromHz = kC6,
           .toHz = kC6,
           .levelPermille = 500,
           .harmonics = {{1, 1000}, {3, 200}},
           .envelope = held},
  });
}

std::vector<int16_t> DeathTone() {
  // Odd harmonics keep the low end of the sweep audible on laptop speakers.
  return MixNotes({Note{.fromHz = 880,
                        .toHz = 110,
                        .glide = Glide::EaseOut,
                        .vibratoHz = 11,
                        .vibratoPermille = 60,
                        .harmonics = {{1, 1000}, {3, 330}, {5, 150}},
                        .envelope = {{0, 0}, {5, 1000}, {350, 900}, {650, 450}, {800, 0}}}});
}

std::vector<Cue> AllCues() {
  return {
      {"TAK.WAV", PickupChirp()},
      {"CLIA.WAV", GoalFanfare()},
      {"WIN.WAV", DeathTone()},
  };
}

}  // namespace zaptrail::soundgen
