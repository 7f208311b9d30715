#include "tests/soak/held_key_script.hpp"

namespace zaptrail::soak {
namespace {

constexpr Key kArrows[] = {Key::Up, Key::Right, Key::Down, Key::Left};

}  // namespace

std::vector<Key> HeldKeyScript::Next() {
  if (ticksLeft_ == 0) {
    held_.clear();
    // Mostly one arrow, sometimes a second one that the first may block.
    if (Below(8) != 0) held_.push_back(kArrows[Below(4)]);
    if (Below(4) == 0) held_.push_back(kArrows[Below(4)]);
    if (Below(4) == 0) held_.push_back(Key::Space);
    ticksLeft_ = 1 + Below(24);
  }
  --ticksLeft_;
  return held_;
}

}  // namespace zaptrail::soak
