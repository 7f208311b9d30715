#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zaptrail::soundgen {

struct EnvelopePoint {
  int32_t ms;
  int32_t permille;
};

// Piecewise-linear loudness curve. Points ascend in time from 0 ms; the last one marks
// where the sound ends.
using Envelope = std::vector<EnvelopePoint>;

// Loudness at `sample` (counted from the envelope's start), in Q30.
int64_t EnvelopeLevelQ30(const Envelope& envelope, int32_t sample);

// Sample index of the last point.
int32_t EnvelopeEndSample(const Envelope& envelope);

}  // namespace zaptrail::soundgen
