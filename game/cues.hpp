#pragma once

#include <cstdint>
#include <span>

namespace zaptrail {

struct Game;

// The sound cues, by the index the tick asks for.
enum Cue : uint8_t { CueItem = 0, CueGoal = 1, CueDeath = 2 };

// The cues' wave files, by index, as they lie in the program's folder.
std::span<const char* const> CueFiles();

// Starts a cue from its wave file in the program's folder, unless the settings dialog's sound
// switch is off. Any index other than the three cues plays nothing.
void PlayCue(Game& game, uint8_t index);

}  // namespace zaptrail
