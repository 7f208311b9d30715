#include "tools/soundgen/envelope.hpp"

#include "tools/soundgen/audio_format.hpp"
#include "tools/soundgen/sine_q30.hpp"

namespace zaptrail::soundgen {
namespace {

int64_t PermilleToQ30(int32_t permille) {
  return permille * kQ30One / 1000;
}

}  // namespace

int64_t EnvelopeLevelQ30(const Envelope& envelope, int32_t sample) {
  for (size_t k = 0; k + 1 < envelope.size(); ++k) {
    const int32_t begin = SamplesForMs(envelope[k].ms);
    const int32_t end = SamplesForMs(envelope[k + 1].ms);
    if (sample > end) continue;
    const int64_t from = PermilleToQ30(envelope[k].permille);
    const int64_t to = PermilleToQ30(envelope[k + 1].permille);
    return from + (to - from) * (sample - begin) / (end - begin);
  }
  return PermilleToQ30(envelope.back().permille);
}

int32_t EnvelopeEndSample(const Envelope& envelope) {
  return SamplesForMs(envelope.back().ms);
}

}  // namespace zaptrail::soundgen
