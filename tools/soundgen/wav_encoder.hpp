#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace zaptrail::soundgen {

inline constexpr size_t kWavHeaderSize = 44;

// Canonical RIFF/WAVE file: PCM, 16-bit signed little-endian, mono, kSampleRate.
std::vector<uint8_t> EncodeWav(std::span<const int16_t> samples);

}  // namespace zaptrail::soundgen
