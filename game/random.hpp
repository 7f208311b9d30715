#pragma once

#include <cstdint>

namespace zaptrail {

// The game's one random generator. Every maze, hazard and label-game move draws from it, so the
// order of draws is part of the game's behaviour.
class RandomSource {
 public:
  void Seed(uint32_t state) { state_ = state; }
  uint32_t State() const { return state_; }

  // Bits 16..30 of the advanced state: 0..32767.
  int32_t Draw() {
    state_ = state_ * 22695477u + 1u;
    return static_cast<int32_t>((state_ >> 16) & 0x7FFFu);
  }

 private:
  uint32_t state_ = 0;
};

}  // namespace zaptrail
