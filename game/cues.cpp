#include "game/cues.hpp"

#include <iterator>

#include "game/cue_files.hpp"
#include "game/game.hpp"

namespace zaptrail {

std::span<const char* const> CueFiles() {
  return kCueFiles;
}

void PlayCue(Game& game, uint8_t index) {
  static_assert(std::size(kCueFiles) == CueDeath + 1);
  if (!game.platform.SoundSwitchOn()) return;
  if (index >= std::size(kCueFiles)) return;
  if (game.trace != nullptr) game.trace->Cue(index);
  game.platform.PlaySound(kCueFiles[index]);
}

}  // namespace zaptrail
