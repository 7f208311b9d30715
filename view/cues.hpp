#pragma once

#include <cstdint>

namespace zaptrail {

struct Game;

// Starts sound cue 0 (item), 1 (goal) or 2 (death) from the wave file beside the executable,
// unless the settings dialog's sound switch is off. Other indices play nothing.
void PlayCue(Game& game, uint8_t index);

}  // namespace zaptrail
