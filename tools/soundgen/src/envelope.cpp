#include "envelope.h"

#include "audio_format.h"
#include "sine_q30.h"

namespace soundgen {
namespace {

int64_t permille_to_q30(int32_t permille) {
  return permille * kQ30One / 1000;
}

}  // namespace

int64_t envelope_level_q30(const Envelope& envelope, int32_t sample) {
  for (size_t k = 0; k + 1 < envelope.size(); ++k) {
    const int32_t begin = samples_for_ms(envelope[k].ms);
    const int32_t end = samples_for_ms(envelope[k + 1].ms);
    if (sample > end) continue;
    const int64_t from = permille_to_q30(envelope[k].permille);
    const int64_t to = permille_to_q30(envelope[k + 1].permille);
    return from + (to - from) * (sample - begin) / (end - begin);
  }
  return permille_to_q30(envelope.back().permille);
}

int32_t envelope_end_sample(const Envelope& envelope) {
  return samples_for_ms(envelope.back().ms);
}

}  // namespace soundgen
