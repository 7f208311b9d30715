#include "tools/soundgen/peak_level.hpp"

#include <algorithm>
#include <cstdlib>

namespace zaptrail::soundgen {

std::vector<int16_t> ScaleToPeak(const std::vector<int64_t>& mix) {
  int64_t peak = 0;
  for (int64_t value : mix) peak = std::max(peak, std::abs(value));

  std::vector<int16_t> pcm(mix.size(), 0);
  if (peak == 0) return pcm;
  for (size_t i = 0; i < mix.size(); ++i) {
    const int64_t scaled = mix[i] * kCuePeak;
    const int64_t half = scaled >= 0 ? peak / 2 : -peak / 2;
    pcm[i] = static_cast<int16_t>((scaled + half) / peak);
  }
  return pcm;
}

}  // namespace zaptrail::soundgen
