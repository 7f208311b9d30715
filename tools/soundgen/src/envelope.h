#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace soundgen {

struct EnvelopePoint {
  int32_t ms;
  int32_t permille;
};

// Piecewise-linear loudness curve. Points ascend in time from 0 ms; the last one marks
// where the sound ends.
using Envelope = std::vector<EnvelopePoint>;

// Loudness at `sample` (counted from the envelope's start), in Q30.
int64_t envelope_level_q30(const Envelope& envelope, int32_t sample);

// Sample index of the last point.
int32_t envelope_end_sample(const Envelope& envelope);

}  // namespace soundgen
