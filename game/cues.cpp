#include "game/cues.hpp"

#include <iterator>

#include "game/game.hpp"

namespace zaptrail {

void PlayCue(Game& game, uint8_t index) {
  static constexpr const char* kCueFiles[] = {"TAK.WAV", "CLIA.WAV", "WIN.WAV"};
  static_assert(std::size(kCueFiles) == CueDeath + 1);
  if (!game.platform.SoundSwitchOn()) return;
  if (index >= std::size(kCueFiles)) return;
  if (game.trace != nullptr) game.trace->Cue(index);
  game.platform.PlaySound(kCueFiles[index]);
}

}  // namespace zaptrail
