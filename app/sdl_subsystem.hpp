#pragma once

#include <cstdint>

namespace zaptrail {

// Starts one SDL subsystem (joystick or audio; the game never opens an SDL window). SDL is told
// first to leave the process's signals alone, so a plain kill or a log-out still reaches the
// game. Returns false when the subsystem is not available. Both calls may come from any thread.
bool StartSdlSubsystem(uint32_t flags);
// Stops it again; SDL itself shuts down with the last one.
void StopSdlSubsystem(uint32_t flags);

}  // namespace zaptrail
