#include "note.h"

#include "audio_format.h"
#include "sine_q30.h"

namespace soundgen {
namespace {

int64_t glide_progress_q30(Glide glide, int64_t t_q30) {
  if (glide == Glide::kLinear) return t_q30;
  const int64_t remaining = kQ30One - t_q30;
  return kQ30One - mul_q30(remaining, remaining);
}

int64_t frequency_mhz(const Note& note, int64_t t_q30, uint32_t vibrato_phase) {
  const int64_t from = int64_t{note.from_hz} * 1000;
  const int64_t to = int64_t{note.to_hz} * 1000;
  const int64_t base = from + mul_q30(to - from, glide_progress_q30(note.glide, t_q30));
  const int64_t wobble = mul_q30(base * note.vibrato_permille / 1000, sine_q30(vibrato_phase));
  return base + wobble;
}

// Phase advance per sample; 2^32 is one turn.
uint32_t phase_step(int64_t millihertz) {
  return static_cast<uint32_t>((millihertz << 32) / (int64_t{kSampleRate} * 1000));
}

int64_t timbre_q30(const std::vector<Harmonic>& harmonics, uint32_t phase) {
  int64_t sum = 0;
  for (const Harmonic& h : harmonics) {
    // Multiplying the phase wraps modulo one turn, which is exactly the harmonic's phase.
    sum += int64_t{sine_q30(phase * static_cast<uint32_t>(h.multiple))} * h.permille / 1000;
  }
  return sum;
}

}  // namespace

void render_note(const Note& note, std::vector<int64_t>& mix) {
  const int32_t start = samples_for_ms(note.start_ms);
  const int32_t last = envelope_end_sample(note.envelope);
  if (mix.size() < static_cast<size_t>(start + last + 1)) mix.resize(start + last + 1, 0);

  const uint32_t vibrato_step = phase_step(int64_t{note.vibrato_hz} * 1000);
  uint32_t phase = 0;
  uint32_t vibrato_phase = 0;
  for (int32_t i = 0; i <= last; ++i) {
    const int64_t t_q30 = int64_t{i} * kQ30One / last;
    const int64_t amplitude =
        mul_q30(timbre_q30(note.harmonics, phase), envelope_level_q30(note.envelope, i));
    mix[start + i] += amplitude * note.level_permille / 1000;
    phase += phase_step(frequency_mhz(note, t_q30, vibrato_phase));
    vibrato_phase += vibrato_step;
  }
}

}  // namespace soundgen
