#pragma once

#include <cstdint>
#include <random>
#include <vector>

#include "game/platform.hpp"

namespace zaptrail::soak {

// Random keys as a player holds them: a few keys at once for a stretch of ticks, then others.
// Fire is among them, so the title and a lost game move on; Escape never is.
class HeldKeyScript {
 public:
  explicit HeldKeyScript(uint32_t seed) : random_(seed) {}
  std::vector<Key> Next();

 private:
  int32_t Below(int32_t bound) {
    return static_cast<int32_t>(random_() % static_cast<uint32_t>(bound));
  }

  std::mt19937 random_;
  std::vector<Key> held_;
  int32_t ticksLeft_ = 0;
};

}  // namespace zaptrail::soak
