#include "tools/soundgen/note.hpp"

#include "tools/soundgen/audio_format.hpp"
#include "tools/soundgen/sine_q30.hpp"

namespace zaptrail::soundgen {
namespace {

int64_t GlideProgressQ30(Glide glide, int64_t tQ30) {
  if (glide == Glide::Linear) return tQ30;
  const int64_t remaining = kQ30One - tQ30;
  return kQ30One - MulQ30(remaining, remaining);
}

int64_t frequencyMhz(const Note& note, int64_t tQ30, uint32_t vibratoPhase) {
  const int64_t from = int64_t{note.fromHz} * 1000;
  const int64_t to = int64_t{note.toHz} * 1000;
  const int64_t base = from + MulQ30(to - from, GlideProgressQ30(note.glide, tQ30));
  const int64_t wobble = MulQ30(base * note.vibratoPermille / 1000, SineQ30(vibratoPhase));
  return base + wobble;
}

// Phase advance per sample; 2^32 is one turn.
uint32_t PhaseStep(int64_t millihertz) {
  return static_cast<uint32_t>((millihertz << 32) / (int64_t{kSampleRate} * 1000));
}

int64_t timbreQ30(const std::vector<Harmonic>& harmonics, uint32_t phase) {
  int64_t sum = 0;
  for (const Harmonic& h : harmonics) {
    // Multiplying the phase wraps modulo one turn, which is exactly the harmonic's phase.
    sum += int64_t{SineQ30(phase * static_cast<uint32_t>(h.multiple))} * h.permille / 1000;
  }
  return sum;
}

}  // namespace

void RenderNote(const Note& note, std::vector<int64_t>& mix) {
  const int32_t start = SamplesForMs(note.startMs);
  const int32_t last = EnvelopeEndSample(note.envelope);
  if (mix.size() < static_cast<size_t>(start + last + 1)) mix.resize(start + last + 1, 0);

  const uint32_t VibratoStep = PhaseStep(int64_t{note.vibratoHz} * 1000);
  uint32_t phase = 0;
  uint32_t vibratoPhase = 0;
  for (int32_t i = 0; i <= last; ++i) {
    const int64_t tQ30 = int64_t{i} * kQ30One / last;
    const int64_t amplitude =
        MulQ30(timbreQ30(note.harmonics, phase), EnvelopeLevelQ30(note.envelope, i));
    mix[start + i] += amplitude * note.levelPermille / 1000;
    phase += PhaseStep(frequencyMhz(note, tQ30, vibratoPhase));
    vibratoPhase += VibratoStep;
  }
}

}  // namespace zaptrail::soundgen
