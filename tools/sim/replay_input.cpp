#include "tools/sim/replay_input.hpp"

namespace zaptrail {

std::vector<Key> HeldKeysFromLine(std::string_view line) {
  std::vector<Key> keys;
  for (const char c : line) {
    switch (c) {
      case 'U':
        keys.push_back(Key::Up);
        break;
      case 'R':
        keys.push_back(Key::Right);
        break;
      case 'D':
        keys.push_back(Key::Down);
        break;
      case 'L':
        keys.push_back(Key::Left);
        break;
      case 'F':
        keys.push_back(Key::Space);
        break;
      case 'E':
        keys.push_back(Key::Escape);
        break;
      default:
        break;
    }
  }
  return keys;
}

}  // namespace zaptrail
